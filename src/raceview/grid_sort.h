#pragma once
// Sorting the race card by a header click. The cells hold HTML, so every order comes from the
// runner's rank-table row (grdKurai: plain numeric keys), which travels with its grid row.
#include <array>
#include <string>
#include <vector>

namespace varnel {

// One runner's row of the race card: the 12 Grid1 cells and its grdKurai row of 10 sort keys
// (0 entry number, 1 mark points, 2 Kinryo, 3 Rating, 4 RRank, 5 RIndex, 6 odds in tenths,
// 7 ORank, 8 OIndex, 9 KZIndex). The two are one record, so they cannot drift apart.
struct GridRow {
  std::array<std::string, 12> cells;
  std::vector<std::string> kurai;
};

// Sort codes: the clicked column's number, plus 66 (rating, second click on "R") and
// 88 (odds, second click on "O").
namespace SortCode {
constexpr int Bracket = 0;
constexpr int HorseNumber = 1;
constexpr int Kinryo = 2;
constexpr int RIndex = 6;
constexpr int Rating = 66;
constexpr int RRank = 7;
constexpr int OIndex = 8;
constexpr int Odds = 88;
constexpr int ORank = 9;
constexpr int KZIndex = 10;
constexpr int Mark = 11;
}  // namespace SortCode

// The grdKurai column a code sorts by; -1 for a code that sorts nothing.
int SortKeyColumn(int code);
// The status-bar text (staUserOdds) of a code; empty for horse order and unknown codes.
std::string SortStatusText(int code);
// The header column that carries the indicator for a code (66 on "R", 88 on "O").
int SortIndicatorColumn(int code);
// The direction a header click sorts the code in.
bool SortClickAscending(int code);

struct SortIndicator {
  int column = 1;
  bool ascending = true;
  friend bool operator==(const SortIndicator&, const SortIndicator&) = default;
};

class GridSort {
 public:
  int SortColumn = 1;
  SortIndicator Indicator;
  std::string StatusText;

  // The header click on grid column `col`: runs the click cycle and re-orders `rows`. Returns
  // false when the click does nothing (columns 3 to 5, and the mark column while the race has
  // no six rated favourites).
  bool HeaderClick(int col, std::vector<GridRow>& rows, bool topSixRated);

  // Re-applies SortColumn to a freshly built race (rows in horse-number order) in the direction
  // the user chose it.
  void Restore(std::vector<GridRow>& rows);

  // Sorts by one code: sets the status text and re-orders the rows by their grdKurai keys,
  // numerically and stably. An unknown code sorts nothing and clears the status text.
  void SortBy(int code, bool ascending, std::vector<GridRow>& rows);

 private:
  void BackToHorseNumbers(std::vector<GridRow>& rows);
  void Apply(int code, bool ascending, std::vector<GridRow>& rows);
};

}  // namespace varnel
