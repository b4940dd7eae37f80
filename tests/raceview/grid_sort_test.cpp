#include "raceview/grid_sort.h"

#include <gtest/gtest.h>

namespace varnel {
namespace {

// grdKurai keys of one runner: mark points, Kinryo, Rating, RRank, RIndex, odds in tenths,
// ORank, OIndex, KZIndex.
struct Keys { int mark; const char* kinryo; int rating, rrank, rindex, odds, orank, oindex, kz; };

std::vector<GridRow> Rows(const std::vector<Keys>& keys) {
  std::vector<GridRow> rows;
  for (size_t k = 0; k < keys.size(); ++k) {
    const Keys& r = keys[k];
    GridRow row;
    row.cells[1] = "<BR><P ALIGN=\"center\">" + std::to_string(k + 1) + "</P>";
    row.kurai = {std::to_string(k + 1), std::to_string(r.mark), r.kinryo, std::to_string(r.rating),
                 std::to_string(r.rrank), std::to_string(r.rindex), std::to_string(r.odds),
                 std::to_string(r.orank), std::to_string(r.oindex), std::to_string(r.kz)};
    rows.push_back(row);
  }
  return rows;
}

std::vector<int> Order(const std::vector<GridRow>& rows) {
  std::vector<int> out;
  for (const auto& r : rows) {
    // The grid cell travels with its key row.
    EXPECT_EQ(r.cells[1], "<BR><P ALIGN=\"center\">" + r.kurai[0] + "</P>");
    out.push_back(std::stoi(r.kurai[0]));
  }
  return out;
}

// Six runners: 1 favourite with the top rating, 2 rated second but with a low R index, ties on KZ between 3 and 5 (5 shorter priced),
// 4 scratched (odds 99999).
const std::vector<Keys> kRace = {
    //  mark kinryo  rating rrank rindex odds  orank oindex kz
    {10, "57.0", 1100, 1, 60, 25, 1, 60, 120},
    {0, "55.0", 1050, 4, 30, 150, 4, 30, 60},
    {8, "56.0", 1000, 2, 50, 80, 3, 40, 90},
    {0, "54.0", 0, 6, 10, 99999, 6, 0, 10},
    {9, "56.0", 980, 3, 40, 60, 2, 50, 90},
    {7, "58.0", 900, 5, 20, 300, 5, 20, 40},
};

TEST(GridSortTest, RHeaderCyclesRIndexRatingHorseNumber) {
  auto rows = Rows(kRace);
  GridSort s;
  ASSERT_TRUE(s.HeaderClick(6, rows, true));
  EXPECT_EQ(Order(rows), (std::vector<int>{1, 3, 5, 2, 6, 4}));
  EXPECT_EQ(s.SortColumn, 6);
  EXPECT_EQ(s.Indicator, (SortIndicator{6, false}));
  EXPECT_EQ(s.StatusText, "R指数でソート");

  s.HeaderClick(6, rows, true);
  EXPECT_EQ(Order(rows), (std::vector<int>{1, 2, 3, 5, 6, 4}));
  EXPECT_EQ(s.SortColumn, 66);
  EXPECT_EQ(s.Indicator, (SortIndicator{6, false}));
  EXPECT_EQ(s.StatusText, "レイティングでソート");

  s.HeaderClick(6, rows, true);
  EXPECT_EQ(Order(rows), (std::vector<int>{1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(s.SortColumn, 1);
  EXPECT_EQ(s.Indicator, (SortIndicator{1, true}));
  EXPECT_EQ(s.StatusText, "");
}

TEST(GridSortTest, OHeaderCyclesOIndexOddsHorseNumber) {
  auto rows = Rows(kRace);
  GridSort s;
  s.HeaderClick(8, rows, true);
  EXPECT_EQ(Order(rows), (std::vector<int>{1, 5, 3, 2, 6, 4}));
  EXPECT_EQ(s.StatusText, "O指数でソート");
  s.HeaderClick(8, rows, true);
  EXPECT_EQ(s.SortColumn, 88);
  EXPECT_EQ(s.Indicator, (SortIndicator{8, true}));
  EXPECT_EQ(s.StatusText, "オッズでソート");
  EXPECT_EQ(Order(rows), (std::vector<int>{1, 5, 3, 2, 6, 4}));
  s.HeaderClick(8, rows, true);
  EXPECT_EQ(s.SortColumn, 1);
  EXPECT_EQ(Order(rows), (std::vector<int>{1, 2, 3, 4, 5, 6}));
}

TEST(GridSortTest, SecondClickOnTheSortColumnReturnsToHorseNumbers) {
  struct Case { int col; int code; SortIndicator indicator; const char* status; std::vector<int> order; };
  const Case cases[] = {
      {0, 0, {0, true}, "", {1, 2, 3, 4, 5, 6}},
      {2, 2, {2, false}, "斤量でソート", {6, 1, 3, 5, 2, 4}},
      {7, 7, {7, true}, "R順位でソート", {1, 3, 5, 2, 6, 4}},
      {9, 9, {9, true}, "O順位でソート", {1, 5, 3, 2, 6, 4}},
      {10, 10, {10, false}, "KZ指数でソート", {1, 5, 3, 2, 6, 4}},
      {11, 11, {11, false}, "印でソート", {1, 5, 3, 6, 2, 4}},
  };
  for (const auto& c : cases) {
    auto rows = Rows(kRace);
    GridSort s;
    s.HeaderClick(5, rows, true);  // past-run columns do nothing
    ASSERT_TRUE(s.HeaderClick(c.col, rows, true));
    EXPECT_EQ(s.SortColumn, c.code);
    EXPECT_EQ(s.Indicator, c.indicator) << c.col;
    EXPECT_EQ(s.StatusText, c.status);
    EXPECT_EQ(Order(rows), c.order) << c.col;
    s.HeaderClick(c.col, rows, true);
    EXPECT_EQ(s.SortColumn, 1) << c.col;
    EXPECT_EQ(Order(rows), (std::vector<int>{1, 2, 3, 4, 5, 6})) << c.col;
  }
}

TEST(GridSortTest, KZTiesGoToTheShorterPriceThenTheHigherRating) {
  // 3 and 5 tie on KZ; 5 is shorter priced. 1 and 2 tie on KZ and odds; 2 is rated higher.
  const std::vector<Keys> race = {
      {0, "55.0", 900, 0, 0, 50, 0, 0, 100}, {0, "55.0", 1000, 0, 0, 50, 0, 0, 100},
      {0, "55.0", 990, 0, 0, 80, 0, 0, 120}, {0, "55.0", 0, 0, 0, 99999, 0, 0, 10},
      {0, "55.0", 950, 0, 0, 60, 0, 0, 120},
  };
  auto rows = Rows(race);
  GridSort s;
  s.HeaderClick(10, rows, true);
  EXPECT_EQ(Order(rows), (std::vector<int>{5, 3, 2, 1, 4}));
}

TEST(GridSortTest, MarkHeaderNeedsSixRatedFavourites) {
  auto rows = Rows(kRace);
  GridSort s;
  s.HeaderClick(6, rows, true);
  const auto before = Order(rows);
  EXPECT_FALSE(s.HeaderClick(11, rows, false));
  EXPECT_EQ(Order(rows), before);
  EXPECT_EQ(s.SortColumn, 6);
  EXPECT_EQ(s.StatusText, "R指数でソート");
}

TEST(GridSortTest, UnknownCodeSortsNothingAndClearsTheStatus) {
  auto rows = Rows(kRace);
  GridSort s;
  s.SortBy(6, false, rows);
  s.SortBy(5, true, rows);
  EXPECT_EQ(s.StatusText, "");
  EXPECT_EQ(Order(rows), (std::vector<int>{1, 3, 5, 2, 6, 4}));
}

// The next race comes back ascending for the bracket only: O rank, R rank and odds, clicked
// favourite first, return favourite last.
TEST(GridSortTest, RestoreOnANewRaceSortsDescendingExceptTheBracket) {
  struct Case { std::vector<int> clicks; SortIndicator indicator; std::vector<int> order; };
  const Case cases[] = {
      {{}, {1, true}, {1, 2, 3, 4, 5, 6}},
      {{0}, {0, true}, {1, 2, 3, 4, 5, 6}},
      {{9}, {9, false}, {4, 6, 2, 3, 5, 1}},
      {{7}, {7, false}, {4, 6, 2, 5, 3, 1}},
      {{8, 8}, {8, false}, {4, 6, 2, 3, 5, 1}},    // odds, longest first
      {{6, 6}, {6, false}, {1, 2, 3, 5, 6, 4}},    // rating
      {{10}, {10, false}, {1, 5, 3, 2, 6, 4}},
      {{11}, {11, false}, {1, 5, 3, 6, 2, 4}},
  };
  for (const auto& c : cases) {
    GridSort s;
    auto old = Rows(kRace);
    for (int col : c.clicks) s.HeaderClick(col, old, true);
    auto fresh = Rows(kRace);
    s.Restore(fresh);
    EXPECT_EQ(s.Indicator, c.indicator) << c.clicks.size();
    EXPECT_EQ(Order(fresh), c.order) << c.clicks.size();
  }
}

}  // namespace
}  // namespace varnel
