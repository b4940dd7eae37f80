#include "text/cp932.h"

#include <gtest/gtest.h>

namespace varnel {
namespace {

TEST(Cp932, DecodesTheCharactersOfCodePage932) {
  // ① is NEC row 13, "－" is 0x817C mapped to U+FF0D the Windows way, ｱ a half-width kana.
  EXPECT_EQ(DecodeCp932("\x87\x40"), "①");
  EXPECT_EQ(DecodeCp932("\x87\x51"), "⑱");
  EXPECT_EQ(DecodeCp932("\x81\x7C"), "－");
  EXPECT_EQ(DecodeCp932("\xB1"), "ｱ");
  EXPECT_EQ(DecodeCp932("\x93\x8C\x8B\x9E"), "東京");
  EXPECT_EQ(DecodeCp932("\x81\x40"), "　");
}

TEST(Cp932, RoundTripsThroughEncode) {
  for (const char* s : {"東京11R 第42回　毎日王冠 (G2)", "①⑱－ｱｲｳ", "ジュベナイルF", "髙", "～∥￢"}) {
    EXPECT_EQ(DecodeCp932(EncodeCp932(s)), s) << s;
  }
  EXPECT_EQ(EncodeCp932("－"), "\x81\x7C");
}

TEST(Cp932, BadBytesBecomeReplacementCharacters) {
  EXPECT_EQ(DecodeCp932("A\x81"), "A\xEF\xBF\xBD");          // lead byte at the end
  EXPECT_EQ(DecodeCp932("\x81\x20" "B"), "\xEF\xBF\xBD B");  // lead byte with an invalid trail
  EXPECT_EQ(EncodeCp932("\xF0\x9F\x98\x80"), "?");            // not in the code page
  EXPECT_EQ(EncodeCp932("\xC3"), "?");                        // broken UTF-8
}

TEST(Cp932, WidthCountsShiftJisBytes) {
  EXPECT_EQ(SjisWidth("abc"), 3);
  EXPECT_EQ(SjisWidth("ｱｲｳ"), 3);
  EXPECT_EQ(SjisWidth("東京"), 4);
  EXPECT_EQ(SjisWidth("　1"), 3);
  EXPECT_EQ(SjisLeft("東京11R", 3), "東");
  EXPECT_EQ(SjisLeft("東京11R", 5), "東京1");
}

TEST(Cp932, ColumnsKeepWholeCharactersOnly) {
  const std::string line = "12\x93\x8C\x8B\x9E" "ab";  // "12東京ab": 東 at columns 3-4, 京 at 5-6
  struct Case {
    int col, len;
    const char* want;
  } cases[] = {
      {1, 2, "12"},     {3, 4, "東京"}, {3, 3, "東"},   // cut in the middle of 京 at the end
      {4, 3, "京"},     {4, 2, ""},     {6, 3, "ab"},   // starts on a trail byte
      {7, 10, "ab"},    {9, 2, ""},     {20, 3, ""},    // beyond the end of a short line
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SjisField(line, c.col, c.len), c.want) << c.col << "," << c.len;
  }
  // A trail byte that could also be a lead byte (0x95 0x95 = 評? no: two lead-capable bytes).
  const std::string pair = "\x95\x95\x95\x95";  // two characters of lead-capable bytes only
  EXPECT_EQ(SjisColumns(pair, 2, 2), "");
  EXPECT_EQ(SjisColumns(pair, 3, 2), "\x95\x95");
}

}  // namespace
}  // namespace varnel
