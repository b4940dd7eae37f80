#pragma once
// The figures this program stored for a horse's earlier races (odds, ranks, rating), looked up
// by horse code. The race card reads them through this interface; the history database
// implements it. No store at all (nullptr) means the cells go without history figures.
#include <string>
#include <vector>

namespace varnel {

struct HistoryRow {
  int YMD = 0;       // race date as YYYYMMDD
  std::string ODDS;  // "#0.0", or "/" scratched, "*" / "-" no odds
  int O_RANK = 0;
  int RATING = 0;    // tenths
  int R_RANK = 0;
};

class HorseHistory {
 public:
  virtual ~HorseHistory();
  // Rows in the store's order; the first row of a date wins. A failed look-up gives no rows
  // (the store reports its own failure).
  virtual std::vector<HistoryRow> QueryHorseHistory(int umaCode) = 0;
};

}  // namespace varnel
