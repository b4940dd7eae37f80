#pragma once
// TBachu: everything the program shows or exports about one runner of the race on screen.
// Bachus[k] is the runner on runner line FirstRunnerLine + k, horse number k + 1.
#include <array>
#include <string>
#include <vector>

#include "text/civil_date.h"

namespace varnel {

// Date of a past run. A run whose date field is blank counts as "now" (the current date).
struct RunDate {
  CivilDate date;
  bool now = false;
};

struct TBachu {
  std::array<std::string, 3> SouCells;  // HTML of the past-run cells: last run, 2 and 3 runs ago
  std::array<int, 3> SouSurface{};      // 1 芝, 2 ダ, 3 障, 0 no such run
  std::array<int, 3> SouDistance{};
  std::array<bool, 3> SouHasResult{};
  std::array<int, 3> SouFinish{};
  CivilDate RaceDate;
  std::array<RunDate, 3> SouDate{};
  int UmaCode = 0;
  int Rating = 0;  // tenths
  int RRank = 0;
  double MapY = 0;
  double MapX = 0;
  std::string Kyakusitu;   // 逃げ 先行 差し 追込 or empty
  std::string KyoriHenka;  // 別ﾄﾗｯｸ 同距離 短縮 延長 or empty
  int ORank = 0;
  std::string OddsText;    // "#0.0", "/" scratched, "*" or "-" no odds
  std::string Kinryo;      // "#0.0" kilograms
  std::string Kisyu;
  int RIndex = 0;
  int OIndex = 0;
  int KZIndex = 0;
  std::string Bamei;
};

using Bachus = std::vector<TBachu>;

}  // namespace varnel
