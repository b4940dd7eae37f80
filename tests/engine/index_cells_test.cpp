#include "engine/index_cells.h"

#include <gtest/gtest.h>

#include "engine/race_fixture.h"

namespace varnel {
namespace {

TBachu Runner(int rating, int rRank, int rIndex, const std::string& odds, int oRank, int oIndex) {
  TBachu b;
  b.Rating = rating;
  b.RRank = rRank;
  b.RIndex = rIndex;
  b.OddsText = odds;
  b.ORank = oRank;
  b.OIndex = oIndex;
  b.KZIndex = rIndex + oIndex;
  return b;
}

TEST(IndexCellsTest, CellTexts) {
  struct Case {
    const char* name;
    TBachu b;
    IndexCells expected;
  };
  const Case cases[] = {
      {"rank 4 red and bold",
       Runner(575, 4, 40, "12.3", 4, 40),
       {"<BR><P ALIGN=\"center\"><FONT COLOR=\"#FF0000\"><B>40</B></FONT><BR>(57.5)</P>",
        "<BR><P ALIGN=\"center\"><B>4位</B></P>",
        "<BR><P ALIGN=\"center\"><FONT COLOR=\"#FF0000\"><B>40</B></FONT><BR>(12.3)</P>",
        "<BR><P ALIGN=\"center\"><B>4位</B></P>",
        "<BR><P ALIGN=\"center\"><FONT COLOR=\"#006699\"><B>80</B></FONT></P>"}},
      {"rank 5 plain, stray FONT close only in R",
       Runner(560, 5, 35, "8.0", 5, 35),
       {"<BR><P ALIGN=\"center\">35</FONT><BR>(56.0)</P>",
        "<BR><P ALIGN=\"center\">5位</P>",
        "<BR><P ALIGN=\"center\">35<BR>(8.0)</P>",
        "<BR><P ALIGN=\"center\">5位</P>",
        "<BR><P ALIGN=\"center\"><FONT COLOR=\"#006699\"><B>70</B></FONT></P>"}},
      {"rank 0 red and bold, no rating",
       Runner(0, 0, 0, "-", 0, 0),
       {"<BR><P ALIGN=\"center\"><FONT COLOR=\"#FF0000\"><B>0</B></FONT><BR>(-)</P>",
        "<BR><P ALIGN=\"center\"><B>0位</B></P>",
        "<BR><P ALIGN=\"center\"><FONT COLOR=\"#FF0000\"><B>0</B></FONT><BR>(-)</P>",
        "<BR><P ALIGN=\"center\"><B>0位</B></P>",
        "<BR><P ALIGN=\"center\"><FONT COLOR=\"#006699\"><B>0</B></FONT></P>"}},
      {"scratched",
       Runner(612, 1, 55, "/", 18, 3),
       {"<BR><P ALIGN=\"center\"><FONT COLOR=\"#FF0000\"><B>55</B></FONT><BR>(取消)</P>",
        "<BR><P ALIGN=\"center\"><B>1位</B></P>",
        "<BR><P ALIGN=\"center\">3<BR>(取消)</P>",
        "<BR><P ALIGN=\"center\">18位</P>",
        "<BR><P ALIGN=\"center\"><FONT COLOR=\"#006699\"><B>58</B></FONT></P>"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const IndexCells got = IndexCellTexts(c.b);
    EXPECT_EQ(got.R, c.expected.R);
    EXPECT_EQ(got.RRank, c.expected.RRank);
    EXPECT_EQ(got.O, c.expected.O);
    EXPECT_EQ(got.ORank, c.expected.ORank);
    EXPECT_EQ(got.KZ, c.expected.KZ);
  }
}

TEST(IndexCellsTest, HorseNumberOfCell) {
  EXPECT_EQ(HorseNumberOfCell("<BR><P ALIGN=\"center\">7</P>"), 7);
  EXPECT_EQ(HorseNumberOfCell("<BR><P ALIGN=\"center\">12</P>"), 12);
  EXPECT_EQ(HorseNumberOfCell("<BR><P ALIGN=\"center\">123</P>"), 0);
  EXPECT_EQ(HorseNumberOfCell(""), 0);
  EXPECT_EQ(HorseNumberOfCell("<BR><P ALIGN=\"center\">x</P>"), 0);
  // The length is counted in characters: 27 characters in 28 bytes still hold one digit.
  EXPECT_EQ(HorseNumberOfCell("<BR><P ALIGN=\"cénter\">5</P>"), 5);
}

TEST(IndexCellsTest, KuraiColumnsHoldSortKeys) {
  const std::array<int, 6> marks{4, 2, 9, 1, 7, 3};
  std::vector<std::string> row{"4", "", "57.0"};
  FillKuraiIndexColumns(row, 4, Runner(575, 2, 53, "3.5", 1, 55), marks);
  EXPECT_EQ(row, (std::vector<std::string>{"4", "10", "57.0", "575", "2", "53", "35", "1", "55", "108"}));

  struct OddsCase {
    const char* oddsText;
    int horse;
    const char* kuraiOdds;
    const char* markPoints;
  };
  for (const OddsCase& c : {OddsCase{"/", 3, "99999", "5"}, OddsCase{"*", 7, "99998", "6"},
                            OddsCase{"-", 5, "99997", "0"}, OddsCase{"123.4", 1, "1234", "7"}}) {
    SCOPED_TRACE(c.oddsText);
    std::vector<std::string> r(10);
    FillKuraiIndexColumns(r, c.horse, Runner(0, 0, 0, c.oddsText, 0, 0), marks);
    EXPECT_EQ(r[6], c.kuraiOdds);
    EXPECT_EQ(r[1], c.markPoints);
  }
}

TEST(IndexCellsTest, MarkCellsAndPositions) {
  EXPECT_EQ(MarkCellText(1), "<BR><P ALIGN=\"center\">◎</P>");
  EXPECT_EQ(MarkCellText(4), "<BR><P ALIGN=\"center\">△</P>");
  EXPECT_EQ(MarkCellText(5), "<BR><P ALIGN=\"center\">×</P>");
  EXPECT_EQ(MarkCellText(6), "<BR><P ALIGN=\"center\">×</P>");
  EXPECT_EQ(MarkCellText(0), "");
  EXPECT_EQ(MarkCellText(7), "");

  const std::array<int, 6> fiveRunners{3, 1, 5, 2, 4, 0};
  EXPECT_EQ(MarkPosition(3, fiveRunners), 1);
  EXPECT_EQ(MarkPosition(4, fiveRunners), 5);
  EXPECT_EQ(MarkPosition(6, fiveRunners), 0);
  EXPECT_EQ(MarkPosition(0, fiveRunners), 0);  // an unplaced mark is no runner's
}

TEST(IndexCellsTest, MarksEligibility) {
  // Six rated favourites with odds: eligible unless the header or the results say otherwise.
  auto race = testing::MakeRace({600, 590, 580, 570, 560, 550, 540}, {"20", "30", "40", "50", "60", "70", "80"});
  const IndexResults base = CalcIndexes(race.store, 0, race.bachus);
  RaceHeader header;
  header.RaceClass = "未勝利";
  header.RaceNoBetFlag = "0";
  ASSERT_TRUE(MarksEligible(race.bachus, base, header));

  RaceHeader newcomer = header;
  newcomer.RaceClass = "新馬";
  EXPECT_FALSE(MarksEligible(race.bachus, base, newcomer));
  RaceHeader noBet = header;
  noBet.RaceNoBetFlag = "1";
  EXPECT_FALSE(MarksEligible(race.bachus, base, noBet));

  IndexResults r = base;
  r.TopSixRated = false;
  EXPECT_FALSE(MarksEligible(race.bachus, r, header));
  r = base;
  r.RatingsPresent = false;
  EXPECT_FALSE(MarksEligible(race.bachus, r, header));
  r = base;
  r.OddsPresent = false;
  EXPECT_FALSE(MarksEligible(race.bachus, r, header));
  Bachus unranked = race.bachus;
  unranked[0].ORank = 0;  // as the user odds mode may leave it
  EXPECT_FALSE(MarksEligible(unranked, base, header));
  EXPECT_FALSE(MarksEligible(Bachus{}, base, header));

  auto unratedFavourite = testing::MakeRace({600, 590, 0, 570, 560, 550, 540}, {"20", "30", "40", "50", "60", "70", "80"});
  EXPECT_FALSE(MarksEligible(unratedFavourite.bachus, CalcIndexes(unratedFavourite.store, 0, unratedFavourite.bachus), header));

  // A field of five is eligible; the sixth mark is simply not placed.
  auto five = testing::MakeRace({600, 590, 580, 570, 560}, {"20", "30", "40", "50", "60"});
  const IndexResults r5 = CalcIndexes(five.store, 0, five.bachus);
  EXPECT_TRUE(MarksEligible(five.bachus, r5, header));
  EXPECT_EQ(r5.MarkedRunners, (std::array<int, 6>{1, 2, 3, 4, 5, 0}));
}

}  // namespace
}  // namespace varnel
