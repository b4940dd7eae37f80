#pragma once
// The bets of the race on screen, built from its six marked runners: a quinella box and a trio
// box of the first five, and from the 9th race of the day on a trifecta formation with the first
// two on top. The lists keep fixed lengths because the panel, the detail window, printing and
// the bet file all read them by position; "000000" marks an entry without a bet.
#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace varnel {

inline constexpr std::string_view kNoBetKey = "000000";

struct BetLists {
  // Real keys come first, in the order of the formation; "000000" fills the rest.
  std::array<std::string, 10> QuinellaBets;
  std::array<std::string, 10> TrioBets;
  std::array<std::string, 40> TrifectaBets;

  BetLists();
};

// True from the 9th race of the day on (the race number read as an integer, 0 when it is not
// one): those races get the trifecta formation.
bool HasTrifecta(std::string_view raceNo);

// The lists for the marked runners (horse numbers of marks 1..6, 0 = no runner). A race that is
// not eligible, or whose first position is empty, has no bets. A position holding 0 never makes
// a key: a small field simply gets fewer keys instead of keys on a horse that does not exist.
BetLists GenerateBets(const std::array<int, 6>& markedRunners, bool eligible, std::string_view raceNo);

// The entries of a list that are real bets, in list order, and their number.
std::vector<std::string> RealBetKeys(std::span<const std::string> list);
int RealBetCount(std::span<const std::string> list);

}  // namespace varnel
