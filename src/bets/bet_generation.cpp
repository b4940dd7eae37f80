#include "bets/bet_generation.h"

#include <algorithm>

#include "text/number_text.h"

namespace varnel {

namespace {

// Writes the keys into the list from the front; the rest stays "000000".
template <size_t N>
void Place(std::array<std::string, N>& list, const std::vector<std::string>& keys) {
  for (size_t i = 0; i < keys.size() && i < N; ++i) list[i] = keys[i];
}

std::string QuinellaKey(int a, int b) {
  if (a > b) std::swap(a, b);
  return TwoDigits(a) + TwoDigits(b) + "00";
}

std::string TrioKey(int a, int b, int c) {
  std::array<int, 3> n{a, b, c};
  std::sort(n.begin(), n.end());
  return TwoDigits(n[0]) + TwoDigits(n[1]) + TwoDigits(n[2]);
}

std::string TrifectaKey(int first, int second, int third) {
  return TwoDigits(first) + TwoDigits(second) + TwoDigits(third);
}

}  // namespace

BetLists::BetLists() {
  QuinellaBets.fill(std::string(kNoBetKey));
  TrioBets.fill(std::string(kNoBetKey));
  TrifectaBets.fill(std::string(kNoBetKey));
}

bool HasTrifecta(std::string_view raceNo) { return ToInt(raceNo) > 8; }

BetLists GenerateBets(const std::array<int, 6>& markedRunners, bool eligible, std::string_view raceNo) {
  BetLists lists;
  const auto& p = markedRunners;
  if (!eligible || p[0] <= 0) return lists;
  auto present = [&](int pos) { return p[pos] > 0; };

  std::vector<std::string> keys;
  for (int a = 0; a < 5; ++a)
    for (int b = a + 1; b < 5; ++b)
      if (present(a) && present(b)) keys.push_back(QuinellaKey(p[a], p[b]));
  Place(lists.QuinellaBets, keys);

  keys.clear();
  for (int a = 0; a < 5; ++a)
    for (int b = a + 1; b < 5; ++b)
      for (int c = b + 1; c < 5; ++c)
        if (present(a) && present(b) && present(c)) keys.push_back(TrioKey(p[a], p[b], p[c]));
  Place(lists.TrioBets, keys);

  if (HasTrifecta(raceNo)) {
    keys.clear();
    for (int first = 0; first < 2; ++first)
      for (int second = 0; second < 6; ++second)
        for (int third = 0; third < 6; ++third) {
          if (second == first || third == first || third == second) continue;
          if (present(first) && present(second) && present(third))
            keys.push_back(TrifectaKey(p[first], p[second], p[third]));
        }
    Place(lists.TrifectaBets, keys);
  }
  return lists;
}

std::vector<std::string> RealBetKeys(std::span<const std::string> list) {
  std::vector<std::string> keys;
  for (const auto& k : list)
    if (k != kNoBetKey) keys.push_back(k);
  return keys;
}

int RealBetCount(std::span<const std::string> list) {
  return static_cast<int>(std::count_if(list.begin(), list.end(), [](const std::string& k) { return k != kNoBetKey; }));
}

}  // namespace varnel
