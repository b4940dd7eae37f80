#pragma once
// Grid1's cells as a Qt model over the Session's card: texts, colours and rest borders all come
// from the Session; the model only copies them into Qt's types once per race or sort.
#include <QAbstractTableModel>
#include <QColor>
#include <QString>
#include <QVector>

namespace varnel {

class Session;

class RaceGridModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit RaceGridModel(const Session& session, QObject* parent = nullptr);

  // Takes the Session's card as it now stands.
  void Reload();

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  struct Cell {
    QString html;
    QColor font;
    QColor back;
    bool restBorder = false;
  };
  const Session& session_;
  int rows_ = 0;
  QVector<Cell> cells_;
  QVector<QString> headers_;
  QVector<QString> hints_;
};

}  // namespace varnel
