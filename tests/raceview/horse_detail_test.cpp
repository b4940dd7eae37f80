#include "raceview/horse_detail.h"

#include <gtest/gtest.h>

#include "raceview/horse_fixture.h"

namespace varnel {
namespace {

using testing::RunSpec;
using testing::SetRun;

testing::FixtureLine Profile() {
  auto l = testing::HorseLine();
  l.Set(UmaCol::HorseMark, "01").Set(UmaCol::Birthplace, "003").Set(UmaCol::Breeder, "ノーザンＦ");
  l.Set(UmaCol::Owner, "サンデーR").Set(UmaCol::Trainer, "池江泰郎").Set(UmaCol::Stable, "50");
  l.Set(UmaCol::Prize1, "0000012345").Set(UmaCol::Prize2, "0000000000").Set(UmaCol::MainPrize, "0000009999");
  l.Set(UmaCol::Sire, "サンデーサイレンス").Set(UmaCol::Dam, "ウインドインハーヘア");
  l.Set(UmaCol::DamSire, "アルザオ").Set(UmaCol::DamDam, "バーグクレア");
  l.Set(UmaCol::OverallRecord, "005003002010");
  auto group = [&](int g, const char* counts) { l.Set(UmaCol::ResultsTable.col + 8 * g, counts); };
  group(0, "01000102");
  group(1, "01020300");  // also the running-style counts
  group(2, "00000001");
  group(3, "02000000");
  group(8, "01010101");
  group(9, "10000000");
  group(22, "03000000");  // turf 1800
  group(26, "00010000");  // dirt 1000
  return l;
}

TEST(HorseDetailTest, Labels) {
  auto d = ShowHorse(Profile().str(), "牡3   栗毛  ");
  ASSERT_TRUE(d.ok()) << d.error();
  EXPECT_EQ(d->lblSeinen, "牡3   栗毛  ");
  EXPECT_EQ(d->lblUmakigou, "(抽)");
  EXPECT_EQ(d->lblSanti, "浦河  ");
  EXPECT_EQ(d->lblSeisansya, "ノーザンＦ");
  EXPECT_EQ(d->lblBanusi, "サンデーR");
  EXPECT_EQ(d->lblChokyosi, "池江泰郎 (栗)");
  EXPECT_EQ(d->lblSouSyokin, "1万円");
  EXPECT_EQ(d->lblHonSyokin, "0万円");
  EXPECT_EQ(d->lblTiti, "サンデーサイレンス");
  EXPECT_EQ(d->lblHahaHaha, "バーグクレア");
  EXPECT_EQ(d->lblKyakusitu, "逃1 先2 差3 追0");
  EXPECT_EQ(d->lbl1, "  5  3  2 10");
  EXPECT_EQ(d->lbl2, "  2  2  4  2");
  EXPECT_EQ(d->lbl3, "  2  0  0  1");
  EXPECT_EQ(d->lbl4, " 11  1  1  1");
  EXPECT_EQ(d->lbl5, "  0  0  0  0");
  EXPECT_EQ(d->lbl6, "  1  0  1  2");
  EXPECT_EQ(d->lbl7, "  1  2  3  0");
  EXPECT_EQ(d->lbl10, "  0  0  0  0");
  EXPECT_EQ(d->lblTurf[4], "  3  0  0  0");
  EXPECT_EQ(d->lblDirt[0], "  0  1  0  0");
  EXPECT_EQ(d->lblDirt[4], "  0  0  0  0");
  for (const auto& row : d->rows) EXPECT_FALSE(row.filled);
}

TEST(HorseDetailTest, PrizeMoneyBeyondThirtyTwoBitsAndNonNumbers) {
  auto l = Profile();
  l.Set(UmaCol::Prize1, "2500000000").Set(UmaCol::Prize2, "1000000000").Set(UmaCol::MainPrize, "2200000000");
  auto d = ShowHorse(l.str(), "");
  ASSERT_TRUE(d.ok());
  EXPECT_EQ(d->lblSouSyokin, "350000万円");
  EXPECT_EQ(d->lblHonSyokin, "220000万円");

  l.Set(UmaCol::Prize1, "          ");
  EXPECT_EQ(ShowHorse(l.str(), "")->lblSouSyokin, "100000万円");

  l.Set(UmaCol::Prize1, "12a4567890");
  auto bad = ShowHorse(l.str(), "");
  ASSERT_FALSE(bad.ok());
  EXPECT_NE(bad.error().find("総賞金「12a4567890」"), std::string::npos) << bad.error();

  auto badRecord = Profile();
  badRecord.Set(UmaCol::OverallRecord, "00x");
  auto bad2 = ShowHorse(badRecord.str(), "");
  ASSERT_FALSE(bad2.ok());
  EXPECT_NE(bad2.error().find("通算成績"), std::string::npos);
}

TEST(HorseDetailTest, RunTableRowsAndKinds) {
  auto l = Profile();
  RunSpec win;
  win.raceName = "毎日王冠";
  SetRun(l, 0, win);

  RunSpec local = win;
  local.course = "10", local.finish = "31", local.popularity = "35";
  SetRun(l, 1, local);

  RunSpec noTime = win;
  noTime.min = " ", noTime.sec = "  ", noTime.tenth = " ", noTime.finish = "00", noTime.popularity = "34";
  noTime.runners = "00", noTime.kinryo = "   ", noTime.bodyWeight = "   ", noTime.horseNo = "00";
  noTime.firstHalf = "   ", noTime.lastPart = "   ";
  SetRun(l, 2, noTime);

  RunSpec jump = win;
  jump.steeple = "1", jump.distance = "3000", jump.margin = "998", jump.rule = "02", jump.cls = "00004", jump.grade = "3";
  SetRun(l, 3, jump);

  auto d = ShowHorse(l.str(), "");
  ASSERT_TRUE(d.ok());
  EXPECT_FALSE(d->rows[0].filled);  // block 4 is empty

  const Grid2Run& last = d->rows[4];
  ASSERT_TRUE(last.filled);
  EXPECT_EQ(last.kind, 0);
  EXPECT_EQ(last.cells,
            (std::array<std::string, 17>{"", "東京07/09/16", "毎日王冠", "1000万", "芝1800M良", "1.47.3", "16頭",
                                         " 1人", " 1着", "武豊", "55.0", "M35.5-33.8",
                                         "<P ALIGN=\"right\">③③②①中　 </P>", "480k", " 5番", "-0.3",
                                         "ライバル"}));

  EXPECT_EQ(d->rows[3].kind, 1);
  EXPECT_EQ(d->rows[3].cells[1], "大井07/09/16");
  EXPECT_EQ(d->rows[3].cells[7], "除外");
  EXPECT_EQ(d->rows[3].cells[8], "落馬");
  EXPECT_EQ(d->rows[3].cells[15], "0.3");

  const Grid2Run& stopped = d->rows[2];
  EXPECT_EQ(stopped.kind, 2);
  for (int col : {5, 6, 8, 10, 13, 14, 15}) EXPECT_EQ(stopped.cells[col], "") << col;
  EXPECT_EQ(stopped.cells[7], "取消");
  EXPECT_EQ(stopped.cells[11], "M");

  const Grid2Run& steeple = d->rows[1];
  EXPECT_EQ(steeple.kind, 3);
  EXPECT_EQ(steeple.cells[3], "J.G1");
  EXPECT_EQ(steeple.cells[4], "障3000M良");
  EXPECT_EQ(steeple.cells[10], "H55.0");
  EXPECT_EQ(steeple.cells[15], "0.0");  // a winner without a margin

  EXPECT_EQ(Grid2GetCellColor(3, 1), "#800000");
  EXPECT_EQ(Grid2GetCellColor(3, 2), "#808080");
  EXPECT_EQ(Grid2GetCellColor(0, 1), "#000000");
  EXPECT_EQ(Grid2GetCellColor(3, 3), "#000000");
}

TEST(HorseDetailTest, Alignment) {
  EXPECT_EQ(Grid2GetAlignment(0, 9), CellAlign::Center);
  EXPECT_EQ(Grid2GetAlignment(3, 0), CellAlign::Center);
  for (int col : {5, 8, 10, 15}) EXPECT_EQ(Grid2GetAlignment(2, col), CellAlign::Right) << col;
  for (int col : {1, 4, 9, 16}) EXPECT_EQ(Grid2GetAlignment(2, col), CellAlign::Left) << col;
}

TEST(HorseDetailTest, ChooserItems) {
  Bachus runners(10);
  runners[0].Bamei = "ディープインパクト";
  runners[9].Bamei = "ハーツクライ";
  const auto items = ChooserItems(runners);
  ASSERT_EQ(items.size(), 10u);
  EXPECT_EQ(items[0], " 1 ディープインパクト");
  EXPECT_EQ(items[9], "10 ハーツクライ");
}

}  // namespace
}  // namespace varnel
