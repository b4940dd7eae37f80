#pragma once
// The bet panel beside the race card: three columns (quinella, trio, trifecta) of a heading, the
// runners and a second runners line. Only these nine labels of lblKai0..lblKai18 are ever
// shown; the rest of the array and the link images kai0..kai3 stay hidden, so they are not
// modelled.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "bets/bet_generation.h"

namespace varnel {

struct BetLabel {
  std::string text;
  bool visible = false;
};

struct BetPanel {
  BetLabel lblKai0, lblKai1, lblKai2;     // quinella: heading, runners, second line
  BetLabel lblKai5, lblKai6, lblKai7;     // trio: heading, runners, second line
  BetLabel lblKai10, lblKai11, lblKai12;  // trifecta: heading, first place, second and third place
};

// Where each label stands on the main window's top panel and its text colour (#RRGGBB).
struct BetLabelPlace {
  std::string_view name;
  BetLabel BetPanel::*label;
  int left;
  int top;
  std::uint32_t rgb;
};

inline constexpr std::uint32_t kBetPanelGrey = 0xEEEEEE;
inline constexpr std::uint32_t kBetPanelWhite = 0xFFFFFF;

inline constexpr std::array<BetLabelPlace, 9> BetPanelPlaces{{
    {"lblKai0", &BetPanel::lblKai0, 480, 59, kBetPanelGrey},
    {"lblKai1", &BetPanel::lblKai1, 480, 75, kBetPanelGrey},
    {"lblKai2", &BetPanel::lblKai2, 480, 89, kBetPanelWhite},
    {"lblKai5", &BetPanel::lblKai5, 631, 59, kBetPanelGrey},
    {"lblKai6", &BetPanel::lblKai6, 631, 75, kBetPanelGrey},
    {"lblKai7", &BetPanel::lblKai7, 631, 89, kBetPanelWhite},
    {"lblKai10", &BetPanel::lblKai10, 782, 59, kBetPanelGrey},
    {"lblKai11", &BetPanel::lblKai11, 782, 75, kBetPanelGrey},
    {"lblKai12", &BetPanel::lblKai12, 782, 89, kBetPanelWhite},
}};

// The panel for the race on screen. `show` is the eligibility flag of the marks; `bets` must be
// the lists GenerateBets made from the same marks. Horse numbers are written plainly; positions
// holding 0 are left out of the runner lines, and each heading counts the keys the list really
// holds. A column whose list holds no bet stays hidden, as does the trifecta column before the
// 9th race. Hidden labels carry no text.
BetPanel ShowBetPanel(const std::array<int, 6>& markedRunners, const BetLists& bets, bool show,
                      std::string_view raceNo);

}  // namespace varnel
