#include "engine/gap_rule.h"

#include <gtest/gtest.h>

#include <functional>
#include <numeric>

#include "engine/index_pass.h"

namespace varnel {
namespace {

namespace C = RatingCol;

// A working table in rating order: row i is entry i + 1 with R rank and O rank i + 1 (no gaps),
// the top-rated runner at odds 5.0 and the others at 10.0.
struct GapTable {
  explicit GapTable(int runners) : table(runners, C::Count), order(static_cast<size_t>(runners)) {
    std::iota(order.begin(), order.end(), 0);
    for (int i = 0; i < runners; ++i) {
      table.Cell(i, C::Entry) = std::to_string(i + 1);
      table.Cell(i, C::RRank) = std::to_string(i + 1);
      table.Cell(i, C::ORank) = std::to_string(i + 1);
      table.Cell(i, C::Odds) = i == 0 ? "   50" : "  100";
      TBachu b;
      b.Bamei = "馬" + std::to_string(i + 1);
      bachus.push_back(b);
    }
  }
  // Row (1-based) with the given R rank and O rank.
  GapTable& Ranks(int row, int rRank, int oRank) {
    table.Cell(row - 1, C::RRank) = std::to_string(rRank);
    table.Cell(row - 1, C::ORank) = std::to_string(oRank);
    return *this;
  }
  GapTable& Odds(int row, const char* field) {
    table.Cell(row - 1, C::Odds) = field;
    return *this;
  }
  WorkTable table;
  std::vector<int> order;
  Bachus bachus;
};

TEST(GapRuleTest, ConditionsScanAndTies) {
  struct Case {
    const char* name;
    int runners = 14;
    int topRating = 600;
    bool anyUnrated = false;
    std::function<void(GapTable&)> edit;
    std::array<std::string, 4> expected;
  };
  const auto third = [](GapTable& g) { g.Ranks(3, 3, 8); };  // 8 - 3 = 5
  const Case cases[] = {
      {"third row five places down", 14, 600, false, third, {" 3 馬3"}},
      {"four places is not enough", 14, 600, false, [](GapTable& g) { g.Ranks(3, 3, 7); }, {}},
      {"13 runners", 13, 600, false, third, {}},
      {"top-rated at 2.9", 14, 600, false, [&](GapTable& g) { third(g); g.Odds(1, "   29"); }, {}},
      {"top-rated at 3.0", 14, 600, false, [&](GapTable& g) { third(g); g.Odds(1, "   30"); }, {" 3 馬3"}},
      {"top rating 529", 14, 529, false, third, {}},
      {"top rating 530", 14, 530, false, third, {" 3 馬3"}},
      {"top rating 670", 14, 670, false, third, {" 3 馬3"}},
      {"top rating 671", 14, 671, false, third, {}},
      {"an unrated runner", 14, 600, true, third, {}},
      {"top row O 6 R 1", 14, 600, false, [](GapTable& g) { g.Ranks(1, 1, 6); }, {" 1 馬1"}},
      {"two-digit entry", 14, 600, false, [](GapTable& g) { g.Ranks(12, 1, 14); }, {"12 馬12"}},
      {"two tied on both ranks follow",
       14, 600, false,
       [](GapTable& g) { g.Ranks(3, 3, 8).Ranks(4, 3, 8).Ranks(5, 3, 8); },
       {" 3 馬3", " 4 馬4", " 5 馬5"}},
      {"at most three",
       14, 600, false,
       [](GapTable& g) { g.Ranks(3, 3, 8).Ranks(4, 3, 8).Ranks(5, 3, 8).Ranks(6, 3, 8); },
       {" 3 馬3", " 4 馬4", " 5 馬5"}},
      {"tie on one rank only", 14, 600, false, [](GapTable& g) { g.Ranks(3, 3, 8).Ranks(4, 3, 9); }, {" 3 馬3"}},
      {"a later non-tied GAP row is not looked at",
       14, 600, false,
       [](GapTable& g) { g.Ranks(3, 3, 8).Ranks(9, 9, 14); },
       {" 3 馬3"}},
      // Scratched runners are passed over as if they were not in the rating order.
      {"scratched only candidate", 14, 600, false, [](GapTable& g) { g.Ranks(3, 3, 14).Odds(3, "99999"); }, {}},
      {"scratched top-rated, next at 2.0",
       14, 600, false,
       [](GapTable& g) { g.Odds(1, "99999").Odds(2, "   20").Ranks(4, 4, 9); },
       {}},
      {"scratched top-rated, next at 4.0",
       14, 600, false,
       [](GapTable& g) { g.Odds(1, "99999").Odds(2, "   40").Ranks(4, 4, 9); },
       {" 4 馬4"}},
      {"scratched row inside a tie is skipped",
       14, 600, false,
       [](GapTable& g) { g.Ranks(3, 3, 8).Ranks(4, 3, 8).Odds(4, "99999").Ranks(5, 3, 8); },
       {" 3 馬3", " 5 馬5"}},
      {"scratched rows still count as runners",
       14, 600, false,
       [](GapTable& g) { g.Ranks(3, 3, 8).Odds(14, "99999").Odds(13, "99999"); },
       {" 3 馬3"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    GapTable g(c.runners);
    c.edit(g);
    EXPECT_EQ(FindGapHorses(g.table, g.order, g.bachus, c.topRating, c.anyUnrated), c.expected);
  }
}

TEST(GapRuleTest, ReadsRowsInTheGivenOrder) {
  GapTable g(14);
  g.Ranks(3, 3, 8);
  std::swap(g.order[0], g.order[2]);  // entry 3 is now the first row; its odds field decides
  g.Odds(3, "   29");
  EXPECT_EQ(FindGapHorses(g.table, g.order, g.bachus, 600, false), (std::array<std::string, 4>{}));
  g.Odds(3, "   31");
  EXPECT_EQ(FindGapHorses(g.table, g.order, g.bachus, 600, false)[0], " 3 馬3");
}

}  // namespace
}  // namespace varnel
