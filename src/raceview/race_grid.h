#pragma once
// The race card (Grid1) as data: its fixed layout, the cells of the bracket, number and name
// columns, the runner fields read from the entry line, and the colours, rest borders and hints
// the grid asks for while it draws.
#include <array>
#include <string>
#include <string_view>

#include "engine/runner_record.h"
#include "racedata/race_header.h"
#include "raceview/grid_sort.h"
#include "text/civil_date.h"
#include "text/result.h"

namespace varnel {

struct GridFont {
  std::string_view name;
  int points;
  bool bold;
};

namespace Grid1Layout {
constexpr int kColumns = 12;
constexpr std::array<std::string_view, kColumns> kHeaders = {
    "枠", "馬", "馬　名", "3走前", "2走前", "前走", "R", "R順位", "O", "O順位", "KZ", "印"};
// Column 3 ("3走前") is 0 wide while hidden.
constexpr std::array<int, kColumns> kWidths = {26, 26, 125, 228, 228, 228, 57, 50, 57, 50, 49, 35};
constexpr int kRowHeight = 41;
constexpr int kHeaderHeight = 18;
constexpr GridFont kCellFont{"ＭＳ ゴシック", 9, false};
constexpr GridFont kHeaderFont{"ＭＳ Ｐゴシック", 9, true};
constexpr std::string_view kHeaderBack = "#EEEEEE";
constexpr int kRestBorderWidth = 2;
constexpr std::string_view kRestBorderColour = "#C0C0C0";
// popGrid
constexpr std::string_view kPop2Sou = "2走前まで表示する(&T)";
constexpr std::string_view kPop3Sou = "3走前まで表示する(&H)";
constexpr std::string_view kPopResize = "予想時にウインドウを自動リサイズ(&R)";
}  // namespace Grid1Layout

// What the card takes from one runner's entry line (and its coat colour from the horse line).
struct RunnerCells {
  std::array<std::string, 3> cells;  // columns 0 (bracket), 1 (horse number), 2 (name)
  std::string Kinryo;                // "#0.0" kilograms
  std::string Kisyu;
  int Rating = 0;                    // tenths
  std::string RunnerProfile;         // sex and age, coat colour, 6 + 6 columns
};

// The runner count of the race; not a number is a conversion error of the race.
Result<int> RaceRunnerCountOf(const RaceHeader& race);

// The weight carried as "#0.0" kilograms; a field that is not a number is a conversion error.
Result<std::string> KinryoOf(std::string_view entryLine);
std::string KisyuOf(std::string_view entryLine);
int RatingOf(std::string_view entryLine);
std::string RunnerProfileOf(std::string_view entryLine, std::string_view umaLine);

// The fields and cells of runner k (horse number k + 1).
Result<RunnerCells> BuildRunnerCells(std::string_view entryLine, std::string_view umaLine, int k);
// The same into `out`, overwritten whole; its text buffers are reused.
Status BuildRunnerCells(std::string_view entryLine, std::string_view umaLine, int k, RunnerCells& out);

// The card row of runner k in horse-number order: columns 0 to 2, the past-run cells in
// columns 3 to 5 (three runs ago first), the index and mark cells empty; its grdKurai row with
// the entry number and Kinryo.
GridRow MakeGridRow(const RunnerCells& runner, const TBachu& b, int k);
// The same into `row`, overwritten whole. Takes the runner's three cells (handing it the row's
// old buffers in exchange) and copies its Kinryo; the runner's other fields stay as they were.
void MakeGridRow(RunnerCells&& runner, const TBachu& b, int k, GridRow& row);

struct CellColor {
  std::string font;  // "#RRGGBB"
  std::string back;
};

// Colours of a data cell: the bracket colours in column 0 (from the bracket number in its text),
// the past-run cells by result (grey when there was no such run or no placing), black on white
// elsewhere.
CellColor Grid1GetCellColor(int col, const std::string& col0Text, const TBachu& runnerOfRow);

// Whether a past-run cell (columns 3 to 5) gets the right-hand rest border: the next run (or the
// race on screen) came more than three calendar months after it. A run dated "now" is `today`.
bool Grid1GetCellBorder(int col, const TBachu& runnerOfRow, const CivilDate& today);

// The hint of a header cell; empty for the past-run columns.
std::string Grid1GridHint(int col);

}  // namespace varnel
