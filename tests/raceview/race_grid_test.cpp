#include "raceview/race_grid.h"

#include <gtest/gtest.h>

#include "raceview/horse_fixture.h"

namespace varnel {
namespace {

TEST(RaceGridTest, RunnerCellsFromTheEntryLine) {
  const auto entry = testing::EntryLine();
  auto uma = testing::HorseLine();
  uma.Set(UmaCol::Coat, "01");
  auto r = BuildRunnerCells(entry.str(), uma.str(), 9);
  ASSERT_TRUE(r.ok()) << r.error();
  EXPECT_EQ(r->cells[0], "<BR><P ALIGN=\"center\">3</P>");
  EXPECT_EQ(r->cells[1], "<BR><P ALIGN=\"center\">10</P>");
  EXPECT_EQ(r->cells[2],
            "牡3歳<BR><font color=\"#0000FF\"><A HREF=\"10\">テストホース</A></font><BR>55.0 武豊");
  EXPECT_EQ(r->Kinryo, "55.0");
  EXPECT_EQ(r->Kisyu, "武豊");
  EXPECT_EQ(r->Rating, 123);
  EXPECT_EQ(r->RunnerProfile, "牡3   栗毛  ");

  auto gelding = testing::EntryLine();
  gelding.Set(EntryCol::Sex, "2").Set(EntryCol::Age, "10").Set(EntryCol::Kinryo, " 57");
  EXPECT_EQ(RunnerProfileOf(gelding.str(), testing::HorseLine().str()), "セン10鹿毛  ");
  EXPECT_EQ(*KinryoOf(gelding.str()), "5.7");
}

TEST(RaceGridTest, WeightOrRunnerCountNotANumberFailsTheRace) {
  auto entry = testing::EntryLine();
  entry.Set(EntryCol::Kinryo, "5a0");
  auto r = BuildRunnerCells(entry.str(), testing::HorseLine().str(), 0);
  ASSERT_FALSE(r.ok());
  EXPECT_EQ(r.error(), "斤量「5a0」が数値ではありません。");
  entry.Set(EntryCol::Kinryo, "   ");
  EXPECT_FALSE(KinryoOf(entry.str()).ok());

  RaceHeader race;
  race.RaceRunnerCount = "1x";
  EXPECT_FALSE(RaceRunnerCountOf(race).ok());
  race.RaceRunnerCount = "16";
  EXPECT_EQ(*RaceRunnerCountOf(race), 16);
}

TEST(RaceGridTest, GridRowCarriesPastRunsAndRankKeys) {
  RunnerCells cells;
  cells.cells = {"a", "b", "c"};
  cells.Kinryo = "55.0";
  TBachu b;
  b.SouCells = {"last", "second", "third"};
  GridRow row = MakeGridRow(cells, b, 4);
  EXPECT_EQ(row.cells[3], "third");
  EXPECT_EQ(row.cells[5], "last");
  EXPECT_EQ(row.cells[11], "");
  ASSERT_EQ(row.kurai.size(), 10u);
  EXPECT_EQ(row.kurai[0], "5");
  EXPECT_EQ(row.kurai[2], "55.0");
}

TEST(RaceGridTest, CellColours) {
  TBachu b;
  b.SouSurface = {1, 2, 0};
  b.SouHasResult = {true, false, true};
  b.SouFinish = {2, 0, 1};
  const std::string cell0 = "<BR><P ALIGN=\"center\">";
  struct Case { int col; std::string col0; std::string font, back; };
  const Case cases[] = {
      {0, cell0 + "1</P>", "#000000", "#FFFFFF"}, {0, cell0 + "2</P>", "#FFFFFF", "#000000"},
      {0, cell0 + "3</P>", "#FFFFFF", "#FF0000"}, {0, cell0 + "4</P>", "#FFFFFF", "#0000FF"},
      {0, cell0 + "5</P>", "#000000", "#FFFF00"}, {0, cell0 + "6</P>", "#FFFFFF", "#008000"},
      {0, cell0 + "7</P>", "#000000", "#FF9900"}, {0, cell0 + "8</P>", "#000000", "#FF66FF"},
      {0, "", "#000000", "#FFFFFF"},
      {5, "", "#000000", "#FFE3C5"},  // last run second
      {4, "", "#000000", "#DDDDDD"},  // no placing
      {3, "", "#000000", "#DDDDDD"},  // no such run, though the finish says 1
      {1, "", "#000000", "#FFFFFF"},  {11, "", "#000000", "#FFFFFF"},
  };
  for (const auto& c : cases) {
    const CellColor got = Grid1GetCellColor(c.col, c.col0, b);
    EXPECT_EQ(got.font, c.font) << c.col << " " << c.col0;
    EXPECT_EQ(got.back, c.back) << c.col << " " << c.col0;
  }
  b.SouHasResult = {true, true, true};
  b.SouSurface = {1, 1, 3};
  b.SouFinish = {1, 3, 7};
  EXPECT_EQ(Grid1GetCellColor(5, "", b).back, "#FFD6D6");
  EXPECT_EQ(Grid1GetCellColor(4, "", b).back, "#D5E9F4");
  EXPECT_EQ(Grid1GetCellColor(3, "", b).back, "#FFFFFF");
}

TEST(RaceGridTest, RestBorders) {
  const CivilDate today{2007, 10, 8};
  TBachu b;
  b.RaceDate = {2007, 10, 7};
  // Last run four months before the race; the run before it a month earlier; the third-last
  // three months and a day before that.
  b.SouDate = {RunDate{{2007, 6, 7}}, RunDate{{2007, 5, 7}}, RunDate{{2007, 2, 6}}};
  EXPECT_TRUE(Grid1GetCellBorder(5, b, today));
  EXPECT_FALSE(Grid1GetCellBorder(4, b, today));
  EXPECT_TRUE(Grid1GetCellBorder(3, b, today));
  EXPECT_FALSE(Grid1GetCellBorder(2, b, today));

  // Exactly three months is no rest; a day more is.
  b.SouDate[0] = RunDate{{2007, 7, 7}};
  EXPECT_FALSE(Grid1GetCellBorder(5, b, today));
  b.SouDate[0] = RunDate{{2007, 7, 6}};
  EXPECT_TRUE(Grid1GetCellBorder(5, b, today));
  // 30 November + 3 months is the last day of February.
  b.RaceDate = {2008, 3, 1};
  b.SouDate[0] = RunDate{{2007, 11, 30}};
  EXPECT_TRUE(Grid1GetCellBorder(5, b, today));

  // No runs: every date is "now", so no borders (and the cells are grey).
  TBachu none;
  none.RaceDate = {2007, 10, 7};
  none.SouDate = {RunDate{today, true}, RunDate{today, true}, RunDate{today, true}};
  for (int col = 3; col <= 5; ++col) {
    EXPECT_FALSE(Grid1GetCellBorder(col, none, today));
    EXPECT_EQ(Grid1GetCellColor(col, "", none).back, "#DDDDDD");
  }
  // A "now" run is today's even when the stored date says otherwise.
  TBachu late;
  late.RaceDate = {2007, 10, 7};
  late.SouDate[0] = RunDate{{2000, 1, 1}, true};
  EXPECT_FALSE(Grid1GetCellBorder(5, late, today));
}

TEST(RaceGridTest, HeaderHints) {
  EXPECT_EQ(Grid1GridHint(0), "枠番でソート");
  EXPECT_EQ(Grid1GridHint(6), "R指数⇒レイティングでソート");
  EXPECT_EQ(Grid1GridHint(8), "O指数⇒オッズでソート");
  EXPECT_EQ(Grid1GridHint(11), "印でソート");
  EXPECT_EQ(Grid1GridHint(4), "");
}

}  // namespace
}  // namespace varnel
