#include "bets/bet_generation.h"

#include <algorithm>

#include "text/number_text.h"

namespace varnel {

namespace {

// Writes the keys into the list from the front; the rest stays "000000".
template <size_t N>
void Place(std::array<std::string, N>& list, std::vector<std::string>& keys) {
  for (size_t i = 0; i < keys.size() && i < N; ++i) list[i] = std::move(keys[i]);
}

// TwoDigits appended in place: keys are built for every race shown.
void AppendTwoDigits(std::string& out, int n) {
  if (n >= 0 && n <= 99) {
    out += static_cast<char>('0' + n / 10);
    out += static_cast<char>('0' + n % 10);
  } else {
    out += TwoDigits(n);
  }
}

std::string Key(int a, int b, int c) {
  std::string k;
  AppendTwoDigits(k, a);
  AppendTwoDigits(k, b);
  if (c < 0) k += "00";
  else AppendTwoDigits(k, c);
  return k;
}

std::string QuinellaKey(int a, int b) {
  if (a > b) std::swap(a, b);
  return Key(a, b, -1);
}

std::string TrioKey(int a, int b, int c) {
  std::array<int, 3> n{a, b, c};
  std::sort(n.begin(), n.end());
  return Key(n[0], n[1], n[2]);
}

std::string TrifectaKey(int first, int second, int third) { return Key(first, second, third); }

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
  keys.reserve(30);
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
