#include "bets/bet_generation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace varnel {
namespace {

using Keys = std::vector<std::string>;
// Marks ◎ ○ ▲ △ × × on horses 12, 3, 7, 1, 5, 9.
constexpr std::array<int, 6> kMarks{12, 3, 7, 1, 5, 9};

template <size_t N>
Keys All(const std::array<std::string, N>& list) { return Keys(list.begin(), list.end()); }

TEST(GenerateBets, BoxesOfTheFirstFiveInFormationOrder) {
  const BetLists b = GenerateBets(kMarks, true, "08");
  EXPECT_EQ(All(b.QuinellaBets), (Keys{"031200", "071200", "011200", "051200", "030700", "010300", "030500",
                                      "010700", "050700", "010500"}));
  EXPECT_EQ(All(b.TrioBets), (Keys{"030712", "010312", "030512", "010712", "050712", "010512", "010307",
                                  "030507", "010305", "010507"}));
  // The 8th race has no trifecta.
  EXPECT_EQ(All(b.TrifectaBets), Keys(40, "000000"));
}

TEST(GenerateBets, TrifectaFromTheNinthRaceWithTheFirstTwoOnTop) {
  for (const char* raceNo : {"09", "12"}) {
    SCOPED_TRACE(raceNo);
    const Keys t = All(GenerateBets(kMarks, true, raceNo).TrifectaBets);
    EXPECT_EQ(Keys(t.begin(), t.begin() + 6), (Keys{"120307", "120301", "120305", "120309", "120703", "120701"}));
    EXPECT_EQ(t[19], "120905");  // P1-P6-P5 closes the first half
    EXPECT_EQ(Keys(t.begin() + 20, t.begin() + 25), (Keys{"031207", "031201", "031205", "031209", "030712"}));
    EXPECT_EQ(t[39], "030905");
    EXPECT_EQ(std::set<std::string>(t.begin(), t.end()).size(), 40u);
    EXPECT_TRUE(std::all_of(t.begin(), t.end(), [](const std::string& k) { return k.substr(0, 2) == "12" || k.substr(0, 2) == "03"; }));
  }
  // A race number that is not a number counts as race 0.
  EXPECT_EQ(RealBetCount(GenerateBets(kMarks, true, "ab").TrifectaBets), 0);
  EXPECT_EQ(RealBetCount(GenerateBets(kMarks, true, "").TrifectaBets), 0);
}

TEST(GenerateBets, NoBetsWithoutEligibilityOrFirstRunner) {
  const BetLists notEligible = GenerateBets(kMarks, false, "12");
  const BetLists noFirst = GenerateBets({0, 3, 7, 1, 5, 9}, true, "12");
  for (const BetLists* b : {&notEligible, &noFirst}) {
    EXPECT_EQ(All(b->QuinellaBets), Keys(10, "000000"));
    EXPECT_EQ(All(b->TrioBets), Keys(10, "000000"));
    EXPECT_EQ(All(b->TrifectaBets), Keys(40, "000000"));
  }
  EXPECT_EQ(All(BetLists().TrifectaBets), Keys(40, "000000"));
}

// A small field leaves its last positions at 0. No key may name horse 0; the keys that remain
// are exactly the full field's keys on the runners present, in the same order, and "000000"
// fills the rest of each list.
TEST(GenerateBets, SmallFieldsBetOnlyOnRunnersPresent) {
  struct Case {
    int field;
    const char* raceNo;
    int quinella, trio, trifecta;
  };
  const Case cases[] = {
      {6, "09", 10, 10, 40}, {5, "09", 10, 10, 24}, {4, "09", 6, 4, 12}, {4, "08", 6, 4, 0},
      {3, "11", 3, 1, 4},    {2, "11", 1, 0, 0},    {1, "11", 0, 0, 0},
  };
  const BetLists full = GenerateBets(kMarks, true, "12");
  for (const Case& c : cases) {
    SCOPED_TRACE("field " + std::to_string(c.field) + " race " + c.raceNo);
    std::array<int, 6> marks{};
    std::copy_n(kMarks.begin(), c.field, marks.begin());
    // A key of the full field that names only runners of the small one ("00" is the quinella's
    // empty third place).
    auto onField = [&](const std::string& key) {
      for (size_t i = 0; i < 6; i += 2) {
        const int horse = std::stoi(key.substr(i, 2));
        if (horse != 0 && std::find(marks.begin(), marks.begin() + c.field, horse) == marks.begin() + c.field)
          return false;
      }
      return true;
    };
    auto check = [&](const Keys& got, const Keys& fullList, int expected, bool quinella) {
      ASSERT_EQ(RealBetCount(got), expected);
      Keys want;
      if (expected > 0)
        for (const auto& k : RealBetKeys(fullList))
          if (onField(k)) want.push_back(k);
      want.resize(got.size(), "000000");
      EXPECT_EQ(got, want);
      for (int i = 0; i < expected; ++i) {
        const std::string& k = got[i];
        EXPECT_TRUE(k.substr(0, 2) != "00" && k.substr(2, 2) != "00" && (quinella || k.substr(4, 2) != "00")) << k;
      }
    };
    const BetLists b = GenerateBets(marks, true, c.raceNo);
    check(All(b.QuinellaBets), All(full.QuinellaBets), c.quinella, true);
    check(All(b.TrioBets), All(full.TrioBets), c.trio, false);
    check(All(b.TrifectaBets), All(full.TrifectaBets), c.trifecta, false);
  }
}

}  // namespace
}  // namespace varnel
