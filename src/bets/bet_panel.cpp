#include "bets/bet_panel.h"

#include <initializer_list>

namespace varnel {

namespace {

// The runners of the given positions (0-based) that hold a horse, joined by `sep`.
std::string RunnerLine(const std::array<int, 6>& p, std::initializer_list<int> positions, std::string_view sep) {
  std::string line;
  for (int pos : positions) {
    if (p[pos] <= 0) continue;
    if (!line.empty()) line += sep;
    line += std::to_string(p[pos]);
  }
  return line;
}

BetLabel Shown(std::string text) { return BetLabel{std::move(text), true}; }

}  // namespace

BetPanel ShowBetPanel(const std::array<int, 6>& markedRunners, const BetLists& bets, bool show,
                      std::string_view raceNo) {
  BetPanel panel;
  if (!show) return panel;
  const auto& p = markedRunners;

  if (const int n = RealBetCount(bets.QuinellaBets); n > 0) {
    panel.lblKai0 = Shown("馬連(ボックス) 計" + std::to_string(n) + "点");
    panel.lblKai1 = Shown(RunnerLine(p, {0, 1, 2, 3, 4}, "－"));
    panel.lblKai2 = Shown("");
  }
  if (const int n = RealBetCount(bets.TrioBets); n > 0) {
    panel.lblKai5 = Shown("3連複(ボックス) 計" + std::to_string(n) + "点");
    panel.lblKai6 = Shown(RunnerLine(p, {0, 1, 2, 3, 4}, "－"));
    panel.lblKai7 = Shown("");
  }
  if (const int n = RealBetCount(bets.TrifectaBets); n > 0 && HasTrifecta(raceNo)) {
    panel.lblKai10 = Shown("3連単(ﾌｫｰﾒｰｼｮﾝ) 計" + std::to_string(n) + "点");
    panel.lblKai11 = Shown(" 1着　⇒" + RunnerLine(p, {0, 1}, "・"));
    panel.lblKai12 = Shown("2・3着⇒" + RunnerLine(p, {0, 1, 2, 3, 4, 5}, "・"));
  }
  return panel;
}

}  // namespace varnel
