#include "raceview/past_run_cells.h"

#include <gtest/gtest.h>

#include "racedata/header_fixture.h"
#include "raceview/horse_fixture.h"

namespace varnel {
namespace {

using testing::HorseLine;
using testing::RunSpec;
using testing::SetRun;

const CivilDate kToday{2007, 10, 8};
const std::string kGrey = "<FONT COLOR=\"#999999\">";

RaceHeader Race() {
  auto h = testing::HeaderLine();
  h.Set(HeaderCol::Distance, "1600");  // turf, 2007/10/07
  return ParseRaceHeader(h.str());
}

class FakeHistory : public HorseHistory {
 public:
  std::vector<HistoryRow> rows;
  std::vector<int> asked;
  std::vector<HistoryRow> QueryHorseHistory(int umaCode) override {
    asked.push_back(umaCode);
    return rows;
  }
};

std::vector<std::string> Lines(const std::string& cell) {
  std::vector<std::string> out;
  size_t b = 0;
  for (size_t e; (e = cell.find("<BR>", b)) != std::string::npos; b = e + 4) out.push_back(cell.substr(b, e - b));
  out.push_back(cell.substr(b));
  return out;
}

// Most recent first: a handicap win at Tokyo, a run on a local course, a stopped run with grey
// corners, a third place that only feeds the running style, and an empty block.
std::string FullHorse() {
  auto l = HorseLine();
  RunSpec win;
  win.rule = "02";
  SetRun(l, 0, win);

  RunSpec local;
  local.course = "10", local.meet = "01", local.day = "03", local.date = "20070601";
  local.turf = "0", local.raceName = "東京大賞典", local.cls = "05000", local.distance = "1200";
  local.runners = "12", local.kinryo = "560", local.jockey = "的場", local.finish = "05";
  local.min = " ", local.sec = "  ", local.tenth = " ", local.corners = {"  ", "  ", "  ", "  "};
  SetRun(l, 1, local);

  RunSpec stopped;
  stopped.course = "05", stopped.meet = "01", stopped.day = "05", stopped.date = "20070107";
  stopped.raceName = "ＡＪＣＣ", stopped.grade = "1", stopped.cls = "00004", stopped.runners = "00";
  stopped.kinryo = "570", stopped.jockey = "横山典弘", stopped.finish = "00";
  stopped.min = "2", stopped.sec = "12", stopped.tenth = "0", stopped.corners = {"43", "44", "41", "  "};
  SetRun(l, 2, stopped);

  RunSpec third;
  third.date = "20061001", third.finish = "03", third.corners = {"10", "11", "12", "12"};
  SetRun(l, 3, third);
  return l.str();
}

TEST(BuildBachuTest, CellsOfNormalLocalAndStoppedRuns) {
  auto r = BuildBachu(FullHorse(), Race(), nullptr, kToday);
  ASSERT_TRUE(r.ok()) << r.error();
  const TBachu& b = *r;

  EXPECT_EQ(Lines(b.SouCells[0]),
            (std::vector<std::string>{"4東京2  09.16  1000万     <B> 1着</B>/16頭",
                                      "芝1800m 1.47.3 武豊   H55.0 ③③②①", "      "}));
  // A local course shows the short race name alone; no time, no corners.
  EXPECT_EQ(Lines(b.SouCells[1]),
            (std::vector<std::string>{"1大井3  06.01  東京大      5着/12頭",
                                      "ダ1200m -.--.- 的場    56.0              ", "      "}));
  // Central course: short name + grade text; a stopped run and no field size; grey corners.
  EXPECT_EQ(Lines(b.SouCells[2]),
            (std::vector<std::string>{"1中山5  01.07  ＡＪＣG2   --着/--頭",
                                      "芝1800m 2.12.0 横山典  57.0 " + kGrey + "③</FONT>" + kGrey + "④</FONT>" + kGrey +
                                          "①</FONT>  ",
                                      "      "}));

  EXPECT_EQ(b.SouFinish, (std::array<int, 3>{1, 5, 0}));
  EXPECT_EQ(b.SouHasResult, (std::array<bool, 3>{true, true, false}));
  EXPECT_EQ(b.SouSurface, (std::array<int, 3>{1, 2, 1}));
  EXPECT_EQ(b.SouDistance, (std::array<int, 3>{1800, 1200, 1800}));
  EXPECT_EQ(b.SouDate[0].date, (CivilDate{2007, 9, 16}));
  EXPECT_EQ(b.SouDate[2].date, (CivilDate{2007, 1, 7}));
  EXPECT_FALSE(b.SouDate[1].now);
  EXPECT_EQ(b.RaceDate, (CivilDate{2007, 10, 7}));
  EXPECT_EQ(b.UmaCode, 1234567);
  EXPECT_EQ(b.Bamei, "テストホース");
  // Corners 1 (last run) and 12 (fourth-last); the stopped run's corner does not count.
  EXPECT_EQ(b.Kyakusitu, "先行");
  EXPECT_EQ(b.KyoriHenka, "短縮");
}

TEST(BuildBachuTest, HistoryFiguresOnLineThree) {
  FakeHistory h;
  h.rows = {{20070101, "1.1", 1, 100, 1},
            {20070916, "3.5", 2, 1234, 1},
            {20070916, "9.9", 9, 999, 9},  // the same day stored twice: the first row wins
            {20070601, "/", 0, 0, 1},
            {20070107, "12.3", 5, 0, 7}};
  auto r = BuildBachu(FullHorse(), Race(), &h, kToday);
  ASSERT_TRUE(r.ok()) << r.error();
  EXPECT_EQ(h.asked, std::vector<int>{1234567});
  EXPECT_EQ(Lines(r->SouCells[0])[2],
            "       (123.4) <FONT COLOR=\"#FF0000\"> 1位</FONT>    (3.5) <FONT COLOR=\"#FF6600\"> 2位</FONT>");
  EXPECT_EQ(Lines(r->SouCells[1])[2], "        (取消)  -位   (取消)  0位");
  EXPECT_EQ(Lines(r->SouCells[2])[2], "           (-)  7位   (12.3)  5位");

  h.rows = {{20070915, "3.5", 2, 1234, 1}};
  EXPECT_EQ(Lines(BuildBachu(FullHorse(), Race(), &h, kToday)->SouCells[0])[2], "      ");
}

TEST(BuildBachuTest, RankHtml) {
  EXPECT_EQ(RankHtml(1), "<FONT COLOR=\"#FF0000\"> 1位</FONT>");
  EXPECT_EQ(RankHtml(2), "<FONT COLOR=\"#FF6600\"> 2位</FONT>");
  EXPECT_EQ(RankHtml(3), "<FONT COLOR=\"#009900\"> 3位</FONT>");
  EXPECT_EQ(RankHtml(4), "<FONT COLOR=\"#0033FF\"> 4位</FONT>");
  EXPECT_EQ(RankHtml(5), " 5位");
  EXPECT_EQ(RankHtml(12), "12位");
}

std::string OneRun(const RunSpec& run) {
  auto l = HorseLine();
  SetRun(l, 0, run);
  return l.str();
}

TEST(BuildBachuTest, FinishTexts) {
  struct Case { const char* finish; const char* text; };
  const Case cases[] = {{"00", "--着"}, {"01", "<B> 1着</B>"}, {"03", "<B> 3着</B>"},
                        {"04", " 4着"}, {"12", "12着"},         {"34", "34着"}};
  for (const auto& c : cases) {
    RunSpec run;
    run.finish = c.finish;
    auto r = BuildBachu(OneRun(run), Race(), nullptr, kToday);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(Lines(r->SouCells[0])[0], std::string("4東京2  09.16  1000万     ") + c.text + "/16頭") << c.finish;
  }
}

TEST(BuildBachuTest, ClassTexts) {
  struct Case { const char* course; const char* raceName; const char* cls; const char* grade; const char* text; };
  const Case cases[] = {
      {"04", "", "00001", " ", "新馬      "},      {"04", "", "00003", " ", "未勝利    "},
      {"04", "", "00500", " ", "          "},      {"04", "", "05000", " ", "500万     "},
      {"04", "", "00004", "0", "G1        "},      {"04", "", "00004", " ", "          "},
      {"04", "毎日王冠", "01600", " ", "毎日王160 "}, {"10", "東京大賞典", "00004", "0", "東京大    "},
      {"10", "", "00001", " ", "新馬      "},
  };
  for (const auto& c : cases) {
    RunSpec run;
    run.course = c.course, run.raceName = c.raceName, run.cls = c.cls, run.grade = c.grade;
    auto r = BuildBachu(OneRun(run), Race(), nullptr, kToday);
    ASSERT_TRUE(r.ok());
    const std::string want = std::string("4") + (std::string(c.course) == "04" ? "東京" : "大井") + "2  09.16  " +
                             c.text + " <B> 1着</B>";
    EXPECT_EQ(Lines(r->SouCells[0])[0].substr(0, want.size()), want) << c.cls << " " << c.raceName;
  }
}

TEST(BuildBachuTest, StyleAndDistanceChangeFromRunsWithAPlacing) {
  struct Run { const char* finish; const char* corner; const char* turf; const char* distance; };
  struct Case { std::vector<Run> runs; const char* style; const char* change; };
  const Case cases[] = {
      {{{"01", "02", "1", "1600"}, {"01", "10", "1", "1800"}}, "先行", "同距離"},
      {{{"02", "07", "1", "2000"}}, "差し", "短縮"},
      {{{"00", "01", "0", "1600"}, {"04", "03", "1", "1800"}, {"05", "12", "1", "1600"}}, "差し", "短縮"},
      {{{"01", "35", "1", "1400"}, {"01", "41", "0", "1600"}}, "逃げ", "延長"},
      // A run without a surface leaves the label to the next run with a placing.
      {{{"01", "01", " ", "1600"}, {"01", "01", "0", "1200"}}, "逃げ", "別ﾄﾗｯｸ"},
      {{}, "", ""},
  };
  for (const auto& c : cases) {
    auto l = HorseLine();
    for (size_t i = 0; i < c.runs.size(); ++i) {
      RunSpec run;
      run.finish = c.runs[i].finish, run.corners[3] = c.runs[i].corner;
      run.turf = c.runs[i].turf, run.distance = c.runs[i].distance;
      SetRun(l, static_cast<int>(i), run);
    }
    auto r = BuildBachu(l.str(), Race(), nullptr, kToday);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r->Kyakusitu, c.style) << c.runs.size();
    EXPECT_EQ(r->KyoriHenka, c.change) << c.runs.size();
  }
}

TEST(BuildBachuTest, OnePastRunAndNoRuns) {
  auto one = BuildBachu(OneRun(RunSpec{}), Race(), nullptr, kToday);
  ASSERT_TRUE(one.ok());
  EXPECT_FALSE(one->SouCells[0].empty());
  EXPECT_EQ(one->SouCells[1], "");
  EXPECT_EQ(one->SouCells[2], "");
  EXPECT_EQ(one->SouSurface, (std::array<int, 3>{1, 0, 0}));
  EXPECT_TRUE(one->SouDate[1].now);
  EXPECT_EQ(one->SouDate[1].date, kToday);

  auto none = BuildBachu(HorseLine().str(), Race(), nullptr, kToday);
  ASSERT_TRUE(none.ok());
  EXPECT_EQ(none->SouCells, (std::array<std::string, 3>{}));
  EXPECT_EQ(none->SouHasResult, (std::array<bool, 3>{}));
  for (const RunDate& d : none->SouDate) EXPECT_TRUE(d.now);
  EXPECT_EQ(none->Kyakusitu, "");

  // A line cut short before the run blocks reads as a horse without runs.
  auto cut = BuildBachu(HorseLine().str().substr(0, 40), Race(), nullptr, kToday);
  ASSERT_TRUE(cut.ok());
  EXPECT_EQ(cut->Bamei, "テストホース");
  EXPECT_EQ(cut->SouCells[0], "");
}

TEST(BuildBachuTest, BlankDateIsNowAndBadDatesFailTheRace) {
  RunSpec run;
  run.date = "2007 916";
  auto blank = BuildBachu(OneRun(run), Race(), nullptr, kToday);
  ASSERT_TRUE(blank.ok());
  EXPECT_TRUE(blank->SouDate[0].now);
  EXPECT_EQ(blank->SouDate[0].date, kToday);

  // Junk bytes in a blank date never reach the cell as broken text.
  run.date = "2007 ＡＢ";
  auto junk = BuildBachu(OneRun(run), Race(), nullptr, kToday);
  ASSERT_TRUE(junk.ok());
  EXPECT_TRUE(junk->SouDate[0].now);
  EXPECT_EQ(Lines(junk->SouCells[0])[0].substr(0, 17), "4東京2   ?.`?  ");  // 0x60 is Ａ's trail byte

  run.date = "20070231";
  auto bad = BuildBachu(OneRun(run), Race(), nullptr, kToday);
  ASSERT_FALSE(bad.ok());
  EXPECT_NE(bad.error().find("前走の開催日「20070231」"), std::string::npos) << bad.error();

  auto l = HorseLine();
  SetRun(l, 0, RunSpec{});
  RunSpec second;
  second.date = "2007AB01";
  SetRun(l, 1, second);
  auto bad2 = BuildBachu(l.str(), Race(), nullptr, kToday);
  ASSERT_FALSE(bad2.ok());
  EXPECT_NE(bad2.error().find("2走前"), std::string::npos) << bad2.error();

  // Dates of the fourth and fifth runs are never read.
  auto l4 = HorseLine();
  RunSpec old;
  old.date = "20071399";
  SetRun(l4, 3, old);
  EXPECT_TRUE(BuildBachu(l4.str(), Race(), nullptr, kToday).ok());

  RaceHeader race = Race();
  race.RaceDateText = "2007/13/07(日)";
  auto badRace = BuildBachu(OneRun(RunSpec{}), race, nullptr, kToday);
  ASSERT_FALSE(badRace.ok());
  EXPECT_NE(badRace.error().find("2007/13/07"), std::string::npos);
}

}  // namespace
}  // namespace varnel
