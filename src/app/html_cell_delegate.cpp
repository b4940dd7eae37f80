#include "html_cell_delegate.h"

#include <QMouseEvent>
#include <QPainter>

namespace varnel {

HtmlCellDelegate::HtmlCellDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

const CellLayout& HtmlCellDelegate::LayoutOf(const QString& html) const {
  auto it = cache_.constFind(html);
  if (it != cache_.constEnd()) return *it;
  // A day has a few thousand distinct cells; start over rather than grow without bound.
  if (cache_.size() > 20000) cache_.clear();
  CellLayout layout = ParseCellHtml(html);
  PrepareCellLayout(layout, font_);
  return *cache_.insert(html, std::move(layout));
}

void HtmlCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
  const QRect r = option.rect;
  const QVariant bg = index.data(Qt::BackgroundRole);
  painter->fillRect(r, bg.canConvert<QColor>() ? bg.value<QColor>() : QColor(Qt::white));
  const QVariant fg = index.data(Qt::ForegroundRole);
  const QColor text = fg.canConvert<QColor>() ? fg.value<QColor>() : QColor(Qt::black);
  const QVariant align = index.data(Qt::TextAlignmentRole);
  DrawCellLayout(*painter, LayoutOf(index.data(Qt::DisplayRole).toString()), r, font_, text,
                 align.isValid() ? Qt::Alignment(align.toInt()) : Qt::AlignLeft);
  if (index.data(kRestBorderRole).toBool()) {
    painter->fillRect(QRect(r.right() - 1, r.top(), 2, r.height()), QColor(0xC0, 0xC0, 0xC0));
  }
}

QSize HtmlCellDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
  return QStyledItemDelegate::sizeHint(option, index);
}

QString HtmlCellDelegate::AnchorAt(const QModelIndex& index, const QRect& rect, const QPoint& pos) const {
  return varnel::AnchorAt(LayoutOf(index.data(Qt::DisplayRole).toString()), rect, font_, pos);
}

bool HtmlCellDelegate::editorEvent(QEvent* event, QAbstractItemModel* model,
                                   const QStyleOptionViewItem& option, const QModelIndex& index) {
  if (event->type() == QEvent::MouseButtonRelease) {
    auto* me = static_cast<QMouseEvent*>(event);
    if (me->button() == Qt::LeftButton) {
      const QString href = AnchorAt(index, option.rect, me->position().toPoint());
      if (!href.isEmpty()) {
        emit AnchorClicked(index, href);
        return true;
      }
    }
  }
  return QStyledItemDelegate::editorEvent(event, model, option, index);
}

}  // namespace varnel
