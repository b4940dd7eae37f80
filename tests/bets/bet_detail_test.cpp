#include "bets/bet_detail.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace varnel {
namespace {

using Lines = std::vector<std::string>;
constexpr std::array<int, 6> kMarks{12, 3, 7, 1, 5, 9};
constexpr const char* kLabel = "東京08R サラ3歳以上 500万 定量  ";

BetDetail DetailFor(const std::array<int, 6>& marks, const char* raceNo, bool eligible = true) {
  return FillBetDetail(GenerateBets(marks, eligible, raceNo), kLabel, raceNo);
}

const Lines kQuinella{
    "[馬連] 計10点",
    " 3-12   7-12   1-12   5-12   3- 7   1- 3",
    " 3- 5   1- 7   5- 7   1- 5  ",
    "",
};

TEST(BetDetail, EarlierRaceListsQuinellaAndTrio) {
  const BetDetail d = DetailFor(kMarks, "08");
  EXPECT_EQ(d.status, kLabel);
  Lines want = kQuinella;
  want.insert(want.end(), {"[3連複] 計10点", " 3- 7-12   1- 3-12   3- 5-12   1- 7-12   5- 7-12   1- 5-12",
                           " 1- 3- 7   3- 5- 7   1- 3- 5   1- 5- 7"});
  EXPECT_EQ(d.lines, want);
}

TEST(BetDetail, LaterRaceListsQuinellaAndTrifecta) {
  const BetDetail d = DetailFor(kMarks, "12");
  ASSERT_EQ(d.lines.size(), 12u);
  EXPECT_EQ(Lines(d.lines.begin(), d.lines.begin() + 4), kQuinella);
  EXPECT_EQ(d.lines[4], "[3連単] 計40点");
  EXPECT_EQ(d.lines[5], "12- 3- 7  12- 3- 1  12- 3- 5  12- 3- 9  12- 7- 3  12- 7- 1");
  EXPECT_EQ(d.lines[11], " 3- 9-12   3- 9- 7   3- 9- 1   3- 9- 5");
}

TEST(BetDetail, RaceWithoutBetsSaysSoAndStillNamesTheRace) {
  for (const BetDetail& d : {DetailFor(kMarks, "12", false), DetailFor({}, "12")}) {
    EXPECT_EQ(d.status, kLabel);
    EXPECT_EQ(d.lines, Lines{"このレースの買い目はありません"});
  }
}

TEST(BetDetail, SmallFieldsListOnlyRealBets) {
  // Four runners: six quinella keys fill exactly one line, which keeps its two trailing spaces.
  EXPECT_EQ(DetailFor({12, 3, 7, 1, 0, 0}, "09").lines,
            (Lines{"[馬連] 計6点", " 3-12   7-12   1-12   3- 7   1- 3   1- 7  ", "", "[3連単] 計12点",
                   "12- 3- 7  12- 3- 1  12- 7- 3  12- 7- 1  12- 1- 3  12- 1- 7",
                   " 3-12- 7   3-12- 1   3- 7-12   3- 7- 1   3- 1-12   3- 1- 7"}));
  EXPECT_EQ(DetailFor({12, 3, 7, 1, 0, 0}, "08").lines[3], "[3連複] 計4点");
  const BetDetail five = DetailFor({12, 3, 7, 1, 5, 0}, "09");
  EXPECT_EQ(five.lines[4], "[3連単] 計24点");
  EXPECT_EQ(five.lines.size(), 4u + 1 + 4);
  // Two runners: nothing after the quinella block.
  EXPECT_EQ(DetailFor({12, 3, 0, 0, 0, 0}, "11").lines, (Lines{"[馬連] 計1点", " 3-12  "}));
}

TEST(BetDetail, SavedTextIsCp932WithCrLfAndTheFileNameNamesTheRace) {
  const BetDetail d = DetailFor(kMarks, "08");
  const std::string bytes = BetDetailFileBytes(d);
  EXPECT_EQ(bytes.substr(0, 15), "[\x94\x6E\x98\x41] \x8C\x76" "10\x93\x5F\r\n");
  EXPECT_NE(bytes.find("  1- 5  \r\n\r\n["), std::string::npos);
  EXPECT_EQ(bytes.substr(bytes.size() - 12), "   1- 5- 7\r\n");
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 7);
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\r'), 7);

  EXPECT_EQ(BetDetailFileName(d), "東京08R.txt");
  EXPECT_EQ(BetDetailFileName(BetDetail{"東京", {}}), "東京.txt");
  EXPECT_EQ(BetDetailText(BetDetail{"", {"a", "", "b  "}}), "a\n\nb  ");
}

}  // namespace
}  // namespace varnel
