#include "raceview/grid_sort.h"

#include <algorithm>
#include <numeric>

#include "text/number_text.h"

namespace varnel {

namespace {

// Stable numeric sort of the rows by one grdKurai column (blank and non-numeric keys count 0).
void SortRows(std::vector<GridRow>& rows, int col, bool ascending) {
  std::vector<double> keys(rows.size());
  for (size_t r = 0; r < rows.size(); ++r) {
    keys[r] = static_cast<size_t>(col) < rows[r].kurai.size() ? ToFloat(rows[r].kurai[col]) : 0.0;
  }
  std::vector<size_t> order(rows.size());
  std::iota(order.begin(), order.end(), size_t{0});
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
    return ascending ? keys[a] < keys[b] : keys[a] > keys[b];
  });
  std::vector<GridRow> sorted;
  sorted.reserve(rows.size());
  for (size_t r : order) sorted.push_back(std::move(rows[r]));
  rows = std::move(sorted);
}

}  // namespace

int SortKeyColumn(int code) {
  switch (code) {
    case SortCode::Bracket:
    case SortCode::HorseNumber: return 0;
    case SortCode::Kinryo: return 2;
    case SortCode::RIndex: return 5;
    case SortCode::Rating: return 3;
    case SortCode::RRank: return 4;
    case SortCode::OIndex: return 8;
    case SortCode::Odds: return 6;
    case SortCode::ORank: return 7;
    case SortCode::KZIndex: return 9;
    case SortCode::Mark: return 1;
    default: return -1;
  }
}

std::string SortStatusText(int code) {
  switch (code) {
    case SortCode::Kinryo: return "斤量でソート";
    case SortCode::RIndex: return "R指数でソート";
    case SortCode::Rating: return "レイティングでソート";
    case SortCode::RRank: return "R順位でソート";
    case SortCode::OIndex: return "O指数でソート";
    case SortCode::Odds: return "オッズでソート";
    case SortCode::ORank: return "O順位でソート";
    case SortCode::KZIndex: return "KZ指数でソート";
    case SortCode::Mark: return "印でソート";
    default: return "";
  }
}

int SortIndicatorColumn(int code) {
  if (code == SortCode::Rating) return SortCode::RIndex;
  if (code == SortCode::Odds) return SortCode::OIndex;
  return code;
}

bool SortClickAscending(int code) {
  switch (code) {
    case SortCode::Bracket:
    case SortCode::HorseNumber:
    case SortCode::RRank:
    case SortCode::Odds:
    case SortCode::ORank: return true;
    default: return false;
  }
}

void GridSort::SortBy(int code, bool ascending, std::vector<GridRow>& rows) {
  StatusText = SortStatusText(code);
  const int col = SortKeyColumn(code);
  if (col < 0) return;
  if (code == SortCode::Mark) {
    // Unmarked runners (0 points) follow in KZ order.
    SortRows(rows, SortKeyColumn(SortCode::KZIndex), ascending);
  } else if (code == SortCode::KZIndex) {
    // Equal KZ: the shorter price first, then the higher rating.
    SortRows(rows, SortKeyColumn(SortCode::Rating), false);
    SortRows(rows, SortKeyColumn(SortCode::Odds), true);
    ascending = false;
  }
  SortRows(rows, col, ascending);
}

void GridSort::Apply(int code, bool ascending, std::vector<GridRow>& rows) {
  Indicator = {SortIndicatorColumn(code), ascending};
  SortBy(code, ascending, rows);
  SortColumn = code;
}

void GridSort::BackToHorseNumbers(std::vector<GridRow>& rows) { Apply(SortCode::HorseNumber, true, rows); }

bool GridSort::HeaderClick(int col, std::vector<GridRow>& rows, bool topSixRated) {
  const int s = SortColumn;
  switch (col) {
    case 0:
      if (s == 0) BackToHorseNumbers(rows);
      else Apply(0, true, rows);
      return true;
    case 1:
      BackToHorseNumbers(rows);
      return true;
    case 2:
    case 7:
    case 9:
    case 10:
      if (s == col) BackToHorseNumbers(rows);
      else Apply(col, SortClickAscending(col), rows);
      return true;
    case 6:
      if (s == SortCode::Rating) BackToHorseNumbers(rows);
      else if (s == SortCode::RIndex) Apply(SortCode::Rating, false, rows);
      else Apply(SortCode::RIndex, false, rows);
      return true;
    case 8:
      if (s == SortCode::Odds) BackToHorseNumbers(rows);
      else if (s == SortCode::OIndex) Apply(SortCode::Odds, true, rows);
      else Apply(SortCode::OIndex, false, rows);
      return true;
    case 11:
      if (!topSixRated) return false;
      if (s == SortCode::Mark) BackToHorseNumbers(rows);
      else Apply(SortCode::Mark, false, rows);
      return true;
    default:
      return false;
  }
}

void GridSort::Restore(std::vector<GridRow>& rows) {
  if (SortColumn == SortCode::HorseNumber) {
    Indicator = {SortCode::HorseNumber, true};
    return;
  }
  // Ascending for the bracket only, descending for every other key, whatever the click chose:
  // an O rank sorted favourite first comes back favourite last on the next race. Users know the
  // card this way, so it stays.
  Apply(SortColumn, SortColumn == SortCode::Bracket, rows);
}

}  // namespace varnel
