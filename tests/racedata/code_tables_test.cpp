#include "racedata/code_tables.h"

#include <gtest/gtest.h>

namespace varnel {
namespace {

TEST(CodeTables, TextsAreByteExact) {
  using Fn = std::string (*)(std::string_view);
  struct Case {
    const char* name;
    Fn fn;
    const char* code;
    const char* want;
  } cases[] = {
      {"Course 48", CourseText, "48", "    "},
      {"Course 99", CourseText, "99", "北海"},
      {"Course 81", CourseText, "81", "----"},
      {"Course blank", CourseText, "  ", "----"},
      {"Course 72", CourseText, "72", "ﾁﾘ  "},
      {"Course 51", CourseText, "51", "美浦南"},
      {"Course 4 unpadded", CourseText, "4", "----"},
      {"Coat 00", CoatText, "00", "鹿毛"},
      {"Coat blank", CoatText, "  ", "鹿毛"},
      {"Coat 26", CoatText, "26", "芦毛"},
      {"Coat 33", CoatText, "33", "黒鹿毛"},
      {"Weekday 08", WeekdayText, "08", "(祝)"},
      {"Weekday 02", WeekdayText, "02", "(日)"},
      {"Finish 41", FinishText, "41", "<FONT COLOR=\"#999999\">①</FONT>"},
      {"Finish 58", FinishText, "58", "<FONT COLOR=\"#999999\">⑱</FONT>"},
      {"Finish 40", FinishText, "40", "　"},
      {"Finish 19", FinishText, "19", "  "},
      {"Finish 59", FinishText, "59", "  "},
      {"Finish 35", FinishText, "35", "除"},
      {"Finish 31", FinishText, "31", "落"},
      {"Finish 00", FinishText, "00", "  "},
      {"Finish blank", FinishText, "  ", "  "},
      {"Finish 07", FinishText, "07", "⑦"},
      {"Class open", ClassText, "00004", "オープン"},
      {"Class 500", ClassText, "05000", "500万"},
      {"Class blank", ClassText, "     ", "0万"},
      {"Grade 3", GradeCodeText, "3", "JG1 "},
      {"Grade 0", GradeCodeText, "0", "G1 "},
      {"RunPosition 1", RunPositionText, "1", "内　 "},
      {"RunPosition 3", RunPositionText, "3", "外　"},
      {"RunPosition other", RunPositionText, "9", "　　"},
      {"Designation 02", DesignationText, "02", " (特指) "},
      {"Condition 34", ConditionText, "34", " ＪＲＡ認定"},
      {"Condition unknown", ConditionText, "41", ""},
      {"Stable 50", StableText, "50", " (栗)"},
      {"Section 3", SectionText, "3", "ﾀｽ"},
      {"Category B", CategoryText, "B", "サラ4歳"},
      {"Category lower b", CategoryText, "b", ""},
      {"HorseMark 27", HorseMarkText, "27", "(父)[外]"},
      {"HorseMark 13", HorseMarkText, "13", ""},
      {"Birthplace 055", BirthplaceText, "055", "森    "},
      {"Birthplace 024", BirthplaceText, "024", "長万部"},
      {"Birthplace 228", BirthplaceText, "228", "      "},
      {"Birthplace 113", BirthplaceText, "113", ""},
      {"CourseCode 東京", CourseCode, "東京", "04"},
      {"CourseCode 大井", CourseCode, "大井", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(c.fn(c.code), c.want) << c.name;
}

TEST(CodeTables, TwoArgumentTables) {
  EXPECT_EQ(PastClassText("00004", "3"), "J.G1");
  EXPECT_EQ(PastClassText("00005", "0"), "オープン，牝馬");
  EXPECT_EQ(PastClassText("00004", " "), "オープン");
  EXPECT_EQ(PastClassText("10000", "0"), "1000万");
  EXPECT_EQ(SurfaceText("1", "1"), "障");
  EXPECT_EQ(SurfaceText("0", "1"), "芝");
  EXPECT_EQ(SurfaceText(" ", "0"), "ダ");
  EXPECT_EQ(SurfaceText(" ", " "), "");
  EXPECT_EQ(SurfaceName(2), "ダ");
  EXPECT_EQ(SurfaceCode("障"), 3);
  EXPECT_EQ(SurfaceCode("x"), 0);
  EXPECT_EQ(CircledNumber(1), "①");
  EXPECT_EQ(CircledNumber(18), "⑱");
  EXPECT_EQ(CircledNumber(19), "");
}

}  // namespace
}  // namespace varnel
