#pragma once
// The horse detail window (TfrmSyosai) as data: its labels and the table of the five most recent
// runs, built from the runner's horse line; and the items of its horse chooser.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "engine/runner_record.h"
#include "raceview/race_grid.h"
#include "text/result.h"

namespace varnel {

namespace SyosaiLayout {
constexpr std::string_view kCaption = "詳細情報";
constexpr std::string_view kRegistrySection = "frmDetail";
constexpr int kGrid2Columns = 17;
constexpr std::array<int, kGrid2Columns> kGrid2Widths = {41, 80, 84, 56, 68, 43, 36, 34, 34,
                                                         46, 36, 64, 80, 34, 34, 34, 112};
constexpr std::array<std::string_view, kGrid2Columns> kGrid2Headers = {
    "",     "開催日", "レース", "条件",      "距離",     "タイム", "頭数",   "人気",      "着順",
    "騎手", "斤量",   "ペース/F", "通過順位", "体重　", "馬番　", "着差　", "1（2）着馬"};
constexpr int kGrid2RowHeight = 18;
constexpr std::string_view kGrid2Font = "ＭＳ Ｐゴシック";
// lbl1000 .. lbl2400 (turf) and lbl1000d .. lbl2400d (dirt)
constexpr std::array<int, 8> kDistances = {1000, 1200, 1400, 1600, 1800, 2000, 2200, 2400};
}  // namespace SyosaiLayout

enum class CellAlign { Left, Center, Right };

// Kind of a run row: 1 a local (non-central) course, 2 no time, 3 a steeplechase, else 0.
struct Grid2Run {
  bool filled = false;  // false: an empty run block, the row stays blank
  int kind = 0;
  std::array<std::string, SyosaiLayout::kGrid2Columns> cells;  // column 0 is never written
};

struct HorseDetail {
  std::string lblSeinen, lblUmakigou, lblSanti, lblSeisansya, lblBanusi, lblChokyosi;
  std::string lblSouSyokin, lblHonSyokin;
  std::string lblTiti, lblHaha, lblHahaTiti, lblHahaHaha;
  std::string lblKyakusitu;
  std::string lbl1, lbl2, lbl3, lbl4, lbl5, lbl6, lbl7, lbl8, lbl9, lbl10;
  std::array<std::string, 8> lblTurf;  // lbl1000 .. lbl2400
  std::array<std::string, 8> lblDirt;  // lbl1000d .. lbl2400d
  // Grid2 data rows 1 to 5: rows[0] is grid row 1, the oldest run (block 4); rows[4] the most
  // recent (block 0).
  std::array<Grid2Run, 5> rows;
};

// ShowHorse(k) of the runner whose horse line is `umaLine`; `runnerProfile` is its
// RunnerProfile. A label field that is not a number is a conversion error.
Result<HorseDetail> ShowHorse(std::string_view umaLine, std::string_view runnerProfile);

// Alignment of a Grid2 cell (row 0 is the header row).
CellAlign Grid2GetAlignment(int row, int col);
// Font colour of a Grid2 data cell of a row of `kind`; black for column 0 and kinds 0 and 3.
std::string Grid2GetCellColor(int col, int kind);

// cmbBamei: one item per runner, horse number right-aligned in 2 + " " + Bamei.
std::vector<std::string> ChooserItems(const Bachus& runners);

}  // namespace varnel
