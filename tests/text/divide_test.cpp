#include "text/divide.h"

#include <gtest/gtest.h>

namespace varnel {
namespace {

TEST(Divide, EveryDelimiterEndsAField) {
  using V = std::vector<std::string>;
  struct Case {
    std::string text;
    V want;
  } cases[] = {{"a,b", {"a", "b"}},     {"a,", {"a", ""}},      {"", {""}},
               {",,", {"", "", ""}},   {",a", {"", "a"}},      {std::string("a\0b", 3), {"a", "b"}},
               {"東京,ダ", {"東京", "ダ"}}};
  for (const auto& c : cases) {
    TDivide d(c.text, ',');
    EXPECT_EQ(d.Fields, c.want) << c.text;
    EXPECT_EQ(d.Count, static_cast<int>(c.want.size()));
  }
}

TEST(Divide, NthFieldSkipsEmptyFieldsAndStopsAtTheLast) {
  EXPECT_EQ(NthField(',', "a,,b,c", 0), "a");
  EXPECT_EQ(NthField(',', "a,,b,c", 1), "b");
  EXPECT_EQ(NthField(',', "a,,b,c", 5), "c");
  EXPECT_EQ(NthField(',', "  x,y  ", 1), "y");
  EXPECT_EQ(NthField(';', "a;;b", 1), "");
}

}  // namespace
}  // namespace varnel
