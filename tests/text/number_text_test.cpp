#include "text/number_text.h"

#include <gtest/gtest.h>

namespace varnel {
namespace {

TEST(NumberText, ToIntAcceptsLeadingBlanksOnly) {
  struct Case {
    const char* text;
    int want;
  } cases[] = {{" 12", 12}, {"12 ", 0}, {"", 0}, {"  ", 0}, {"007", 7}, {"-3", -3},
               {"1a", 0},   {"3.5", 0}, {"99999999999", 0}};
  for (const auto& c : cases) EXPECT_EQ(ToInt(c.text), c.want) << '"' << c.text << '"';
  EXPECT_EQ(NumberText("07"), "7");
  EXPECT_EQ(NumberText(" 4"), "4");
  EXPECT_EQ(NumberText("ab"), "0");
}

TEST(NumberText, ToFloat) {
  EXPECT_DOUBLE_EQ(ToFloat("  35"), 35.0);
  EXPECT_DOUBLE_EQ(ToFloat("3.5"), 3.5);
  EXPECT_DOUBLE_EQ(ToFloat(""), 0.0);
  EXPECT_DOUBLE_EQ(ToFloat("/"), 0.0);
  EXPECT_DOUBLE_EQ(ToFloat("nan"), 0.0);
}

TEST(NumberText, OneDecimalRoundsHalvesAwayFromZero) {
  struct Case {
    double v;
    const char* want;
  } cases[] = {{3.5, "3.5"}, {0, "0.0"}, {2.25, "2.3"}, {0.15, "0.2"}, {9.96, "10.0"},
               {123.4, "123.4"}, {55.0, "55.0"}, {-1.25, "-1.3"}, {0.04, "0.0"}, {999.9 / 10, "100.0"}};
  for (const auto& c : cases) EXPECT_EQ(FormatOneDecimal(c.v), c.want) << c.v;
}

TEST(NumberText, PaddingCountsShiftJisBytes) {
  EXPECT_EQ(TwoDigits(7), "07");
  EXPECT_EQ(TwoDigits(12), "12");
  EXPECT_EQ(SpacedNumber(7), " 7");
  EXPECT_EQ(SpacedNumber(10), "10");
  EXPECT_EQ(ZeroPad("35", 5), "00035");
  EXPECT_EQ(PadLeft("東", 4), "  東");
  EXPECT_EQ(PadRight("ｱ", 3), "ｱ  ");
  EXPECT_EQ(PadRight("東京都", 4), "東京都");
  EXPECT_EQ(DropLast("1234", 4), "");
  EXPECT_EQ(DropLast("12345678", 4), "1234");
  EXPECT_EQ(DropLast("東京ab", 3), "東");
  EXPECT_EQ(DropLast("ab", 5), "");
  EXPECT_EQ(WithBackslash("/tmp"), "/tmp/");
  EXPECT_EQ(WithBackslash("/tmp/"), "/tmp/");
  EXPECT_EQ(Trim("  a b \t"), "a b");
  EXPECT_EQ(Trim("　a　"), "　a　");
}

}  // namespace
}  // namespace varnel
