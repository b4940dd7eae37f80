#include "engine/index_pass.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "engine/gap_rule.h"
#include "racedata/record_fields.h"
#include "text/number_text.h"

namespace varnel {

namespace {

namespace C = RatingCol;

constexpr size_t kIdentityBytes = 22;

// Numeric sort keys of one working-table row, read once. Each order below is what the cascade
// of stable numeric sorts of the working table produces (entry number first, then the keys from
// the least to the most significant); comparing the keys lexicographically gives the same order
// without re-reading the texts for every sort.
struct RowKeys {
  double entry = 0;
  double rating = 0;
  double odds = 0;
  double kz = 0;
};

bool OddsLineMatches(const LineStore& store, int race) {
  if (race < 0 || race >= static_cast<int>(store.Den1Lines.size())) return false;
  const std::string& odds = store.OddsLine(race);
  const std::string& header = store.Den1Lines[static_cast<size_t>(race)];
  return odds.size() >= kIdentityBytes && header.size() >= kIdentityBytes &&
         std::memcmp(odds.data(), header.data(), kIdentityBytes) == 0;
}

std::string OddsField(const std::string& oddsLine, int k) {
  std::string field = TextField(oddsLine, OddsCol::WinOdds(k));
  const std::string_view t = Trim(field);
  if (t == "/") return std::string(kOddsScratched);
  if (t == "*") return std::string(kOddsStar);
  if (t == "-") return std::string(kOddsDash);
  return field;
}

// The numeric value of a text as the working table's sort compares it; whole numbers, which
// every real field is, are read without going through the floating-point parser.
double SortKey(std::string_view text) {
  int v = 0;
  return TryToInt(Trim(text), v) ? v : ToFloat(text);
}

std::string OddsTextOf(const std::string& field) {
  if (field == kOddsScratched) return "/";
  if (field == kOddsStar) return "*";
  if (field == kOddsDash) return "-";
  int tenths = 0;
  if (TryToInt(Trim(field), tenths)) return TenthsText(tenths);
  return FormatOneDecimal(ToFloat(field) / 10);
}

// Competition ranking on the texts of `col`: equal texts share the rank of the first of them.
void RankInto(WorkTable& t, const std::vector<int>& order, int col, int rankCol) {
  int rank = 0;
  for (size_t p = 0; p < order.size(); ++p) {
    const int row = order[p];
    if (p == 0 || t.Cell(row, col) != t.Cell(order[p - 1], col)) rank = static_cast<int>(p) + 1;
    t.Cell(row, rankCol) = std::to_string(rank);
  }
}

std::string PointsAt(size_t position) {
  return position < IndexPoints.size() ? std::to_string(IndexPoints[position]) : "0";
}

}  // namespace

std::string TenthsText(int tenths) {
  if (tenths < 0) return FormatOneDecimal(tenths / 10.0);
  std::string s = std::to_string(tenths / 10);
  s += '.';
  s += static_cast<char>('0' + tenths % 10);
  return s;
}

IndexResults CalcIndexes(const LineStore& store, int race, Bachus& bachus) {
  IndexResults r;
  CalcIndexes(store, race, bachus, r);
  return r;
}

void CalcIndexes(const LineStore& store, int race, Bachus& bachus, IndexResults& r) {
  {
    // Fresh results; the working table keeps its rows, which Reset refills without allocating.
    WorkTable table = std::move(r.grdRating);
    r = IndexResults{};
    r.grdRating = std::move(table);
  }
  const int n = static_cast<int>(bachus.size());
  for (TBachu& b : bachus) {
    b.RRank = 0;
    b.ORank = 0;
  }

  WorkTable& t = r.grdRating;
  t.Reset(n, C::Count);
  std::vector<RowKeys> keys(static_cast<size_t>(n));
  const bool withOdds = OddsLineMatches(store, race);
  const std::string& oddsLine = store.OddsLine(race);
  for (int row = 0; row < n; ++row) {
    t.Cell(row, C::Entry) = std::to_string(row + 1);
    t.Cell(row, C::Rating) = std::to_string(bachus[static_cast<size_t>(row)].Rating);
    if (withOdds) t.Cell(row, C::Odds) = OddsField(oddsLine, row);
    RowKeys& k = keys[static_cast<size_t>(row)];
    k.entry = row + 1;
    k.rating = bachus[static_cast<size_t>(row)].Rating;
    k.odds = SortKey(t.Cell(row, C::Odds));
  }

  auto key = [&](int row) -> const RowKeys& { return keys[static_cast<size_t>(row)]; };
  auto byRating = [&](int a, int b) {
    const RowKeys &x = key(a), &y = key(b);
    if (x.rating != y.rating) return x.rating > y.rating;
    if (x.odds != y.odds) return x.odds < y.odds;
    return x.entry < y.entry;
  };
  auto byOdds = [&](int a, int b) {
    const RowKeys &x = key(a), &y = key(b);
    if (x.odds != y.odds) return x.odds < y.odds;
    if (x.rating != y.rating) return x.rating > y.rating;
    return x.entry < y.entry;
  };
  auto byKZ = [&](int a, int b) {
    const RowKeys &x = key(a), &y = key(b);
    if (x.kz != y.kz) return x.kz > y.kz;
    if (x.odds != y.odds) return x.odds < y.odds;
    if (x.rating != y.rating) return x.rating > y.rating;
    return x.entry < y.entry;
  };

  // The rows of `t` stay where they are (entry order); `order` is the table's current order.
  std::vector<int> order(static_cast<size_t>(n));
  for (int row = 0; row < n; ++row) order[static_cast<size_t>(row)] = row;

  std::sort(order.begin(), order.end(), byRating);
  int topRating = 0;
  if (n > 0) {
    const std::string& top = t.Cell(order[0], C::Rating);
    r.RatingsPresent = Trim(top) != "0";
    topRating = ToInt(top);
  }
  RankInto(t, order, C::Rating, C::RRank);
  for (int row = 0; row < n; ++row) bachus[static_cast<size_t>(row)].RRank = ToInt(t.Cell(row, C::RRank));

  std::sort(order.begin(), order.end(), byOdds);
  r.OddsPresent = n > 0 && !Trim(t.Cell(order[0], C::Odds)).empty();
  r.TopSixRated = true;
  bool anyUnrated = false;
  for (int p = 0; p < n; ++p) {
    if (t.Cell(order[static_cast<size_t>(p)], C::Rating) != "0") continue;
    anyUnrated = true;
    if (p < 6) r.TopSixRated = false;
  }
  RankInto(t, order, C::Odds, C::ORank);
  for (int row = 0; row < n; ++row) {
    TBachu& b = bachus[static_cast<size_t>(row)];
    b.OddsText = OddsTextOf(t.Cell(row, C::Odds));
    b.ORank = ToInt(t.Cell(row, C::ORank));
  }

  r.RacePattern = r.RatingsPresent && r.OddsPresent ? 1 : 0;
  if (r.RacePattern == 1) {
    // Points follow the position in each order, not the rank: tied runners get different points.
    for (size_t p = 0; p < order.size(); ++p) t.Cell(order[p], C::OPoints) = PointsAt(p);
    std::sort(order.begin(), order.end(), byRating);
    for (size_t p = 0; p < order.size(); ++p) t.Cell(order[p], C::RPoints) = PointsAt(p);
  }

  r.GapHorses = FindGapHorses(t, order, bachus, topRating, anyUnrated);

  for (int row = 0; row < n; ++row) {
    const int kz = ToInt(t.Cell(row, C::RPoints)) + ToInt(t.Cell(row, C::OPoints));
    t.Cell(row, C::KZ) = std::to_string(kz);
    keys[static_cast<size_t>(row)].kz = kz;
  }

  std::sort(order.begin(), order.end(), byKZ);
  // A scratched runner keeps its KZ place but cannot carry a mark; the next starter moves up.
  size_t marked = 0;
  for (int row : order) {
    if (marked == MarkTexts.size()) break;
    if (t.Cell(row, C::Odds) == kOddsScratched) continue;
    t.Cell(row, C::Mark) = std::string(MarkTexts[marked]);
    r.MarkedRunners[marked] = ToInt(t.Cell(row, C::Entry));
    ++marked;
  }

  for (int row = 0; row < n; ++row) {
    TBachu& b = bachus[static_cast<size_t>(row)];
    b.RIndex = ToInt(t.Cell(row, C::RPoints));
    b.OIndex = ToInt(t.Cell(row, C::OPoints));
    b.KZIndex = ToInt(t.Cell(row, C::KZ));
  }
}

}  // namespace varnel
