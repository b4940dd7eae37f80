#pragma once
// The race pattern shown beside the card, a runner's running style (脚質) from its last-corner
// positions, and the distance change since its last run.
#include <array>
#include <string>
#include <string_view>

namespace varnel {

// "本命", "順当", "波乱", "大穴" for 1..4; empty for any other number.
std::string PatternName(int number);

// Which of the four pattern pictures imgPatt0..3 (本命, 順当, 波乱, 大穴) is lit: the named one
// alone, none for any other name.
std::array<bool, 4> ShowPattern(std::string_view name);

// A past run's 2-character last-corner field as a position: 30-39 (abnormal results) count as
// no position, 41 and above are the greyed positions 1 and above.
int CornerClass(std::string_view text);

// "逃げ", "先行", "差し", "追込" or empty, from the first and second non-zero corner numbers.
std::string RunningStyle(int first, int second);

// "別ﾄﾗｯｸ", "同距離", "短縮", "延長" or empty.
std::string DistanceChange(int todayDistance, int runDistance, std::string_view todaySurface,
                           std::string_view runSurface);

// The style in its colour, joined to `extra` by "・"; empty unless `extra` is non-empty.
std::string StyleHtml(std::string_view style, std::string_view extra);

}  // namespace varnel
