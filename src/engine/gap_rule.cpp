#include "engine/gap_rule.h"

#include "engine/index_pass.h"
#include "text/number_text.h"

namespace varnel {

namespace {

constexpr int kMinRunners = 14;
constexpr int kMinTopOdds = 30;  // win odds 3.0, in tenths
constexpr int kMinTopRating = 530;
constexpr int kMaxTopRating = 670;
constexpr int kMinRankGap = 5;

bool Scratched(const WorkTable& t, int row) { return t.Cell(row, RatingCol::Odds) == kOddsScratched; }

}  // namespace

std::array<std::string, 4> FindGapHorses(const WorkTable& table, std::span<const int> order, const Bachus& bachus,
                                         int topRating, bool anyUnrated) {
  std::array<std::string, 4> gap;
  if (table.RowCount() < kMinRunners || anyUnrated) return gap;
  if (topRating < kMinTopRating || topRating > kMaxTopRating) return gap;

  // A scratched runner has no odds worth comparing, so the scan runs over the runners that start.
  auto nextStarter = [&](size_t from) {
    while (from < order.size() && Scratched(table, order[from])) ++from;
    return from;
  };
  size_t i = nextStarter(0);
  if (i == order.size()) return gap;
  if (ToInt(Trim(table.Cell(order[i], RatingCol::Odds))) < kMinTopOdds) return gap;

  auto text = [&](int row) {
    const std::string& entry = table.Cell(row, RatingCol::Entry);
    const int k = ToInt(entry);
    std::string t = PadLeft(entry, 2) + " ";
    if (k >= 1 && k <= static_cast<int>(bachus.size())) t += bachus[static_cast<size_t>(k - 1)].Bamei;
    return t;
  };
  for (; i < order.size(); i = nextStarter(i + 1)) {
    const int row = order[i];
    const std::string& o = table.Cell(row, RatingCol::ORank);
    const std::string& r = table.Cell(row, RatingCol::RRank);
    if (ToInt(o) - ToInt(r) < kMinRankGap) continue;
    gap[0] = text(row);
    // Only runners tied on both ranks right behind the first one join it; the scan ends here.
    size_t j = i;
    for (size_t slot = 1; slot <= 2; ++slot) {
      j = nextStarter(j + 1);
      if (j == order.size()) break;
      const int next = order[j];
      if (table.Cell(next, RatingCol::ORank) != o || table.Cell(next, RatingCol::RRank) != r) break;
      gap[slot] = text(next);
    }
    break;
  }
  return gap;
}

}  // namespace varnel
