#include "engine/race_style.h"

#include "text/number_text.h"

namespace varnel {

namespace {

constexpr std::string_view kPatterns[4] = {"本命", "順当", "波乱", "大穴"};

int PositionClass(int v) {
  if (v == 1 || v == 2) return 1;
  if (v == 3 || v == 4) return 2;
  if (v >= 5 && v <= 8) return 3;
  return 4;
}

}  // namespace

std::string PatternName(int number) {
  if (number < 1 || number > 4) return "";
  return std::string(kPatterns[number - 1]);
}

std::array<bool, 4> ShowPattern(std::string_view name) {
  std::array<bool, 4> lit{};
  for (int i = 0; i < 4; ++i) lit[i] = !name.empty() && name == kPatterns[i];
  return lit;
}

int CornerClass(std::string_view text) {
  const int v = ToInt(text);
  if (v >= 30 && v <= 39) return 0;
  if (v >= 40) return v - 40;
  return v;
}

std::string RunningStyle(int first, int second) {
  static constexpr std::string_view kSingle[4] = {"逃げ", "先行", "差し", "追込"};
  static constexpr std::string_view kPair[4][4] = {
      {"逃げ", "逃げ", "先行", "先行"},
      {"逃げ", "先行", "差し", "差し"},
      {"先行", "差し", "差し", "追込"},
      {"先行", "差し", "追込", "追込"},
  };
  if (second == 0) {
    if (first <= 0) return "";
    return std::string(kSingle[PositionClass(first) - 1]);
  }
  if (first == 0) return "";
  return std::string(kPair[PositionClass(first) - 1][PositionClass(second) - 1]);
}

std::string DistanceChange(int todayDistance, int runDistance, std::string_view todaySurface,
                           std::string_view runSurface) {
  if (todaySurface != runSurface) return runSurface.empty() ? "" : "別ﾄﾗｯｸ";
  if (todayDistance == runDistance) return "同距離";
  return todayDistance < runDistance ? "短縮" : "延長";
}

std::string StyleHtml(std::string_view style, std::string_view extra) {
  std::string_view colour;
  if (style == "逃げ") colour = "#FF3333";
  else if (style == "先行") colour = "#0066FF";
  else if (style == "差し") colour = "#FF6600";
  else if (style == "追込") colour = "#339900";
  if (extra.empty()) return "";
  if (colour.empty()) return std::string(extra);
  std::string s = "<font color=\"";
  s += colour;
  s += "\">";
  s += style;
  s += "</font>・";
  s += extra;
  return s;
}

}  // namespace varnel
