#include "engine/race_style.h"

#include <gtest/gtest.h>

namespace varnel {
namespace {

TEST(PatternTest, NamesAndLitPictures) {
  EXPECT_EQ(PatternName(1), "本命");
  EXPECT_EQ(PatternName(4), "大穴");
  EXPECT_EQ(PatternName(0), "");
  EXPECT_EQ(PatternName(5), "");
  EXPECT_EQ(ShowPattern("本命"), (std::array<bool, 4>{true, false, false, false}));
  EXPECT_EQ(ShowPattern("波乱"), (std::array<bool, 4>{false, false, true, false}));
  EXPECT_EQ(ShowPattern(PatternName(0)), (std::array<bool, 4>{}));
  EXPECT_EQ(ShowPattern("本"), (std::array<bool, 4>{}));
}

TEST(CornerClassTest, AbnormalAndGreyPositions) {
  struct Case { const char* text; int want; };
  const Case cases[] = {{"03", 3}, {" 7", 7}, {"29", 29}, {"30", 0}, {"35", 0}, {"39", 0},
                        {"40", 0}, {"41", 1}, {"58", 18}, {"  ", 0}, {"ab", 0}, {"7 ", 0}};
  for (const auto& c : cases) EXPECT_EQ(CornerClass(c.text), c.want) << c.text;
}

TEST(RunningStyleTest, Table) {
  struct Case { int first, second; const char* want; };
  const Case cases[] = {
      {0, 0, ""},      {-1, 0, ""},     {1, 0, "逃げ"},  {2, 0, "逃げ"},  {3, 0, "先行"},
      {4, 0, "先行"},  {5, 0, "差し"},  {7, 0, "差し"},  {8, 0, "差し"},  {9, 0, "追込"},
      {18, 0, "追込"}, {0, 5, ""},      {1, 2, "逃げ"},  {1, 4, "逃げ"},  {2, 5, "先行"},
      {1, 12, "先行"}, {3, 1, "逃げ"},  {4, 3, "先行"},  {3, 8, "差し"},  {4, 9, "差し"},
      {6, 2, "先行"},  {5, 4, "差し"},  {8, 8, "差し"},  {5, 10, "追込"}, {10, 1, "先行"},
      {11, 3, "差し"}, {12, 6, "追込"}, {9, 14, "追込"}, {2, 10, "先行"}, {3, 12, "差し"},
  };
  for (const auto& c : cases) EXPECT_EQ(RunningStyle(c.first, c.second), c.want) << c.first << "," << c.second;
}

TEST(DistanceChangeTest, Table) {
  struct Case { int today, run; const char* todaySurface; const char* runSurface; const char* want; };
  const Case cases[] = {
      {1600, 1800, "芝", "芝", "短縮"}, {1600, 1800, "芝", "ダ", "別ﾄﾗｯｸ"}, {1600, 1600, "ダ", "ダ", "同距離"},
      {2000, 1800, "芝", "芝", "延長"}, {1600, 1600, "芝", "", ""},         {1600, 1400, "", "", "延長"},
      {3000, 3000, "芝", "障", "別ﾄﾗｯｸ"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DistanceChange(c.today, c.run, c.todaySurface, c.runSurface), c.want)
        << c.today << c.todaySurface << " vs " << c.run << c.runSurface;
  }
}

TEST(StyleHtmlTest, ColouredStyleNeedsExtra) {
  EXPECT_EQ(StyleHtml("逃げ", "短縮"), "<font color=\"#FF3333\">逃げ</font>・短縮");
  EXPECT_EQ(StyleHtml("先行", "x"), "<font color=\"#0066FF\">先行</font>・x");
  EXPECT_EQ(StyleHtml("差し", "x"), "<font color=\"#FF6600\">差し</font>・x");
  EXPECT_EQ(StyleHtml("追込", "x"), "<font color=\"#339900\">追込</font>・x");
  EXPECT_EQ(StyleHtml("", "延長"), "延長");
  EXPECT_EQ(StyleHtml("逃", "延長"), "延長");
  EXPECT_EQ(StyleHtml("逃げ", ""), "");
  EXPECT_EQ(StyleHtml("", ""), "");
}

}  // namespace
}  // namespace varnel
