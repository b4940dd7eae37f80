#pragma once
// Draws grid cells that hold the cell HTML subset, with the model's colours and the optional
// right-hand rest border, and reports clicks on links.
#include <QHash>
#include <QStyledItemDelegate>

#include "cell_html.h"

namespace varnel {

// Model roles besides Qt's own: true draws the grey 2-pixel right-hand border.
inline constexpr int kRestBorderRole = Qt::UserRole + 1;

class HtmlCellDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  explicit HtmlCellDelegate(QObject* parent = nullptr);

  void SetCellFont(const QFont& font) {
    font_ = font;
    cache_.clear();
  }
  // Forgets the prepared cells (a benchmark measures a race seen for the first time).
  void ClearCache() { cache_.clear(); }
  const QFont& CellFont() const { return font_; }

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

  // The link under `pos` (view coordinates) in the cell at `rect`.
  QString AnchorAt(const QModelIndex& index, const QRect& rect, const QPoint& pos) const;

 signals:
  void AnchorClicked(const QModelIndex& index, const QString& href);

 private:
  const CellLayout& LayoutOf(const QString& html) const;

  QFont font_;
  mutable QHash<QString, CellLayout> cache_;
};

}  // namespace varnel
