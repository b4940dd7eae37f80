#include "race_grid_model.h"

#include "raceview/race_grid.h"
#include "shell/session.h"

namespace varnel {
namespace {

QColor ColourOf(const std::string& rgb, Qt::GlobalColor fallback) {
  const QColor c(QString::fromStdString(rgb));
  return c.isValid() ? c : QColor(fallback);
}

}  // namespace

RaceGridModel::RaceGridModel(const Session& session, QObject* parent)
    : QAbstractTableModel(parent), session_(session) {
  for (int c = 0; c < Grid1Layout::kColumns; ++c) {
    headers_.push_back(QString::fromUtf8(Grid1Layout::kHeaders[c].data(), int(Grid1Layout::kHeaders[c].size())));
    hints_.push_back(QString::fromStdString(Grid1GridHint(c)));
  }
}

void RaceGridModel::Reload() {
  beginResetModel();
  const RaceCard& card = session_.Card();
  rows_ = card.race < 0 ? 0 : int(card.Rows.size());
  cells_.resize(rows_ * Grid1Layout::kColumns);
  for (int r = 0; r < rows_; ++r) {
    for (int c = 0; c < Grid1Layout::kColumns; ++c) {
      Cell& cell = cells_[r * Grid1Layout::kColumns + c];
      cell.html = QString::fromStdString(card.Rows[r].cells[c]);
      const CellColor colour = session_.CellColorAt(r, c);
      cell.font = ColourOf(colour.font, Qt::black);
      cell.back = ColourOf(colour.back, Qt::white);
      cell.restBorder = c >= 3 && c <= 5 && session_.RestBorderAt(r, c);
    }
  }
  endResetModel();
}

int RaceGridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int RaceGridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : Grid1Layout::kColumns;
}

QVariant RaceGridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rows_) return {};
  const Cell& cell = cells_[index.row() * Grid1Layout::kColumns + index.column()];
  switch (role) {
    case Qt::DisplayRole: return cell.html;
    case Qt::ForegroundRole: return cell.font;
    case Qt::BackgroundRole: return cell.back;
    case Qt::UserRole + 1: return cell.restBorder;
    default: return {};
  }
}

QVariant RaceGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= Grid1Layout::kColumns) return {};
  switch (role) {
    case Qt::DisplayRole: return headers_[section];
    case Qt::ToolTipRole: return hints_[section].isEmpty() ? QVariant() : QVariant(hints_[section]);
    case Qt::TextAlignmentRole: return int(Qt::AlignCenter);
    default: return {};
  }
}

}  // namespace varnel
