#include "racedata/race_header.h"

#include <gtest/gtest.h>

#include "racedata/header_fixture.h"

namespace varnel {
namespace {

using testing::HeaderLine;
namespace H = HeaderCol;

TEST(RaceHeader, OrdinaryRace) {
  auto l = HeaderLine();
  l.Set(H::ClassCode, "05000").Set(H::WeightRule, "01").Set(H::Condition, "  ").Set(H::Designation, "  ");
  const RaceHeader h = ParseRaceHeader(l.str());
  EXPECT_EQ(h.RaceDateText, "2007/10/07(日)");
  EXPECT_EQ(h.RaceDateKey, "20071007");
  EXPECT_EQ(h.RaceMeeting, "4回東京2日目");
  EXPECT_EQ(h.RaceTitle1, "4回東京2日目11R  発走15:40");
  EXPECT_EQ(h.RaceTitle2, "2007年10月07日(日) サラ3歳以上500万 馬齢 芝左A11800m 18頭");
  EXPECT_EQ(h.RaceGrade, "500万");
  EXPECT_EQ(h.RaceShortTitle, "3歳上500万下");
  EXPECT_EQ(h.RaceLabel, "東京11R サラ3歳以上 500万 馬齢  ");
  EXPECT_EQ(h.RaceMenuCaption, "東京11R サラ3歳以上 500万  ");
  EXPECT_EQ(h.RaceNo, "11");
  EXPECT_EQ(h.RaceRunnerCount, "18");
  EXPECT_EQ(h.RaceSurface, "芝");
  EXPECT_EQ(h.RaceDistance, "1800");
  EXPECT_EQ(h.Identity, l.str().substr(0, 22));
}

TEST(RaceHeader, TitlesOfNamedEditionGradedJpnAndSteeplechaseRaces) {
  struct Case {
    const char* what;
    const char* edition;
    const char* name;
    const char* grade;
    const char* jpn;
    const char* steeple;
    const char* title1;
    const char* grade_text;
    const char* short_title;
    const char* caption;
  } cases[] = {
      {"named, graded, no edition", "   ", "毎日王冠ステークス", "1", "0", "0",
       "4回東京2日目11R　毎日王冠S  発走15:40", "G2", "毎日王冠S(G2)", "東京11R サラ3歳以上 オープン 毎日王冠ステークス G2 "},
      {"edition and G2", "042", "毎日王冠", "1", "0", "0",
       "4回東京2日目11R　第42回　毎日王冠 (G2)  発走15:40", "G2", "毎日王冠(G2)", "東京11R サラ3歳以上 オープン 毎日王冠 G2 "},
      {"edition, listed race", " 10", "オクトーバーカップ", " ", "0", "0",
       "4回東京2日目11R　第10回　オクトーバーC  発走15:40", "オープン", "オクトーバーC", "東京11R サラ3歳以上 オープン オクトーバーカップ "},
      {"Jpn G1", "007", "ジャパンダートカップ", "0", "1", "0",
       "4回東京2日目11R　第7回　ジャパンダートC (Jpn(G1))  発走15:40", "Jpn(G1)", "ジャパンダートC(Jpn(G1))",
       "東京11R サラ3歳以上 オープン ジャパンダートカップ Jpn(G1) "},
      {"steeplechase JG1", "009", "中山大障害", "3", "0", "1",
       "4回東京2日目11R　第9回　中山大障害  発走15:40", "オープン", "中山大障害(JG1)", "東京11R サラ3歳以上 オープン 中山大障害 "},
      {"two-year-old juvenile", "059", "阪神ジュベナイルF", "0", "0", "0",
       "4回東京2日目11R　第59回　阪神JF (G1)  発走15:40", "G1", "阪神JF(G1)", "東京11R サラ3歳以上 オープン 阪神ジュベナイルF G1 "},
  };
  for (const auto& c : cases) {
    auto l = HeaderLine();
    l.Set(H::Edition, c.edition).Set(H::RaceName, c.name).Set(H::GradeCode, c.grade).Set(H::JpnFlag, c.jpn);
    l.Set(H::Steeplechase, c.steeple);
    const RaceHeader h = ParseRaceHeader(l.str());
    EXPECT_EQ(h.RaceTitle1, c.title1) << c.what;
    EXPECT_EQ(h.RaceGrade, c.grade_text) << c.what;
    EXPECT_EQ(h.RaceShortTitle, c.short_title) << c.what;
    EXPECT_EQ(h.RaceMenuCaption, c.caption) << c.what;
  }
}

TEST(RaceHeader, SteeplechaseSurfaceAndSecondTitleLine) {
  auto l = HeaderLine();
  l.Set(H::Steeplechase, "1").Set(H::Category, "8").Set(H::Section, "4").Set(H::Distance, "4100");
  l.Set(H::Month, "04").Set(H::Day, "05").Set(H::Weekday, "01").Set(H::RunnerCount, "09");
  const RaceHeader h = ParseRaceHeader(l.str());
  EXPECT_EQ(h.RaceSurface, "障");
  EXPECT_EQ(h.RaceSection, "大障");
  EXPECT_EQ(h.RaceTitle2,
            "2007年4月05日(土) サラ障害3歳以上オープン (指定) 国際 別定 障左大障A14100m 9頭");
}

TEST(RaceHeader, ShortLineGivesEmptyFields) {
  const std::string l = HeaderLine().str().substr(0, 100);
  const RaceHeader h = ParseRaceHeader(l);
  EXPECT_EQ(h.RaceDistance, "");
  EXPECT_EQ(h.RaceRunnerCount, "");
  EXPECT_EQ(h.RaceClass, "0万");
  EXPECT_EQ(h.RaceTitle1, "4回東京2日目11R  発走");
  EXPECT_EQ(h.RaceNoBetFlag, "");
  EXPECT_EQ(ParseRaceHeader("").RaceCourse, "----");
}

TEST(RaceHeader, Abbreviation) {
  EXPECT_EQ(AbbreviateRaceName("２歳ステークス"), "2歳S");
  EXPECT_EQ(AbbreviateRaceName("阪神ジュベナイルF"), "阪神JF");
  EXPECT_EQ(AbbreviateRaceName("チャンピオンズカップ"), "チャンピオンズC");
  EXPECT_EQ(AbbreviateRaceName("チャンピオンSチャレンジ"), "CSC");
  EXPECT_EQ(AbbreviateRaceName("京王杯スプリングカップ"), "京王杯スプリングC");
  EXPECT_EQ(AbbreviateRaceName("トロフィー"), "T");
  EXPECT_EQ(BuildRaceShortTitle("", "", "0", "新馬", "サラ2歳"), "2歳新馬");
  EXPECT_EQ(BuildRaceShortTitle("", "", "0", "1000万", "サラ4歳以上"), "4歳上1000万下");
  EXPECT_EQ(BuildRaceShortTitle("", "", "0", "オープン", "サラ障害"), "サラ障害オープン");
}

}  // namespace
}  // namespace varnel
