#pragma once
// The index pass: ranks the runners of the race on screen by rating and by win odds, turns both
// orders into R and O index points, adds them into the KZ index and hands out the six marks.
#include <array>
#include <string>
#include <string_view>

#include "engine/runner_record.h"
#include "engine/work_table.h"
#include "racedata/line_store.h"

namespace varnel {

// Points by position 1..18 in an order. Not monotone on purpose: the rating and odds orders are
// both weighted this way, so the figures must be reproduced as they are.
inline constexpr std::array<int, 18> IndexPoints{55, 53, 43, 40, 35, 32, 28, 26, 20,
                                                 24, 18, 11, 14, 8,  10, 5,  5,  3};
// Marks by position 1..6 in KZ order; positions 5 and 6 share a mark.
inline constexpr std::array<std::string_view, 6> MarkTexts{"◎", "○", "▲", "△", "×", "×"};

// Odds-field sentinels of the working table. Numerically they sort after every real odds, in
// the order "-", "*", scratched.
inline constexpr std::string_view kOddsScratched = "99999";  // "/"
inline constexpr std::string_view kOddsStar = "99998";       // "*"
inline constexpr std::string_view kOddsDash = "99997";       // "-"

// Columns of the working table grdRating.
namespace RatingCol {
inline constexpr int Entry = 0;
inline constexpr int Rating = 1;
inline constexpr int RRank = 2;
inline constexpr int RPoints = 3;
inline constexpr int Odds = 4;
inline constexpr int ORank = 5;
inline constexpr int OPoints = 6;
inline constexpr int KZ = 7;
inline constexpr int Mark = 8;
inline constexpr int Count = 9;
}  // namespace RatingCol

struct IndexResults {
  bool RatingsPresent = false;  // the best rating of the race is not 0
  bool OddsPresent = false;     // the favourite has an odds field
  bool TopSixRated = false;     // none of the six first in odds order is unrated
  int RacePattern = 0;          // 0 none, 1 本命
  std::array<int, 6> MarkedRunners{};     // horse numbers holding marks 1..6, 0 = none
  std::array<std::string, 4> GapHorses;   // "nn name", filled from the front
  WorkTable grdRating;                    // left in entry-number order
};

// A figure in tenths in the "#0.0" form (35 gives "3.5").
std::string TenthsText(int tenths);

// Runs the whole index pass for race `race` of the store over `bachus`, whose Rating and Bamei
// are already filled. Writes RRank, ORank, OddsText, RIndex, OIndex and KZIndex of every runner.
// The odds of the race count only when its odds line starts with the same 22 bytes as its header
// line. A scratched runner ("/") keeps its figures but never takes a mark or a GAP place.
IndexResults CalcIndexes(const LineStore& store, int race, Bachus& bachus);
// The same into `out`, overwritten whole; its working table's rows are reused.
void CalcIndexes(const LineStore& store, int race, Bachus& bachus, IndexResults& out);

}  // namespace varnel
