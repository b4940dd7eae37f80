#include "racedata/race_header.h"

#include "racedata/code_tables.h"
#include "racedata/record_fields.h"
#include "text/number_text.h"

namespace varnel {
namespace {

std::string ReplaceAll(std::string s, std::string_view from, std::string_view to) {
  // UTF-8 is self-synchronising: a match of a whole-character pattern always starts on a
  // character boundary, which is the multibyte-aware search the Shift_JIS form needed.
  size_t pos = 0;
  while ((pos = s.find(from, pos)) != std::string::npos) {
    s.replace(pos, from.size(), to);
    pos += to.size();
  }
  return s;
}

std::string WithoutBlanks(std::string_view s) {
  std::string out;
  for (char c : s) {
    if (c != ' ') out.push_back(c);
  }
  return out;
}

}  // namespace

std::string AbbreviateRaceName(std::string_view name) {
  std::string s(name);
  s = ReplaceAll(std::move(s), "ジュベナイルF", "JF");
  s = ReplaceAll(std::move(s), "チャンピオンS", "CS");
  s = ReplaceAll(std::move(s), "チャレンジ", "C");
  s = ReplaceAll(std::move(s), "レーシング", "R");
  s = ReplaceAll(std::move(s), "ステークス", "S");
  s = ReplaceAll(std::move(s), "トロフィー", "T");
  s = ReplaceAll(std::move(s), "カップ", "C");
  s = ReplaceAll(std::move(s), "２歳", "2歳");
  return s;
}

std::string BuildRaceShortTitle(std::string_view abbreviatedName, std::string_view g, std::string_view jpnFlag,
                                std::string_view classText, std::string_view categoryText) {
  if (!abbreviatedName.empty()) {
    std::string r(abbreviatedName);
    if (!g.empty()) {
      if (jpnFlag != "1") r += "(" + WithoutBlanks(g) + ")";
      else r += "(Jpn(" + WithoutBlanks(g) + "))";
    }
    return r;
  }
  std::string r;
  if (categoryText == "サラ2歳") r = "2歳";
  else if (categoryText == "サラ3歳") r = "3歳";
  else if (categoryText == "サラ3歳以上") r = "3歳上";
  else if (categoryText == "サラ4歳以上") r = "4歳上";
  else r = std::string(categoryText);
  r += classText;
  if (classText.find("万") != std::string_view::npos) r += "下";
  return r;
}

RaceHeader ParseRaceHeader(std::string_view line) {
  namespace H = HeaderCol;
  RaceHeader h;
  auto F = [&](FieldCol f) { return TextField(line, f); };
  const std::string year = F(H::Year), month = F(H::Month), day = F(H::Day), weekday = F(H::Weekday);
  h.RaceDateText = year + "/" + month + "/" + day + WeekdayText(weekday);
  h.RaceDateKey = F(H::Date);
  h.RaceCourse = CourseText(F(H::CourseCode));
  h.RaceMeeting = NumberText(F(H::MeetingNo)) + "回" + h.RaceCourse + NumberText(F(H::MeetingDay)) + "日目";
  h.RaceRunnerCount = F(H::RunnerCount);
  h.RaceSurface = SurfaceText(F(H::Steeplechase), F(H::Turf));
  h.RaceJpnFlag = F(H::JpnFlag);

  const std::string classText = ClassText(F(H::ClassCode));
  const std::string g = GradeCodeText(F(H::GradeCode));
  std::string gradeSuffix;
  if (g == "G1 " || g == "G2 " || g == "G3 ") {
    const std::string plain = g.substr(0, 2);
    h.RaceGrade = h.RaceJpnFlag != "1" ? plain : "Jpn(" + plain + ")";
    gradeSuffix = h.RaceGrade + " ";
  } else {
    h.RaceGrade = classText;
  }
  h.RaceSection = SectionText(F(H::Section));
  h.RaceDistance = F(H::Distance);
  h.RaceNoBetFlag = F(H::NoBet);

  const std::string raceName(Trim(F(H::RaceName)));
  const std::string abbreviated = AbbreviateRaceName(raceName);
  const int edition = ToInt(F(H::Edition));
  std::string e;
  if (edition >= 1) {
    e = "　第" + std::to_string(edition) + "回　" + abbreviated;
    if (!gradeSuffix.empty()) e += " (" + WithoutBlanks(gradeSuffix) + ")";
  } else if (!raceName.empty()) {
    e = "　" + abbreviated;
  }
  h.RaceTitle1 = h.RaceMeeting + NumberText(F(H::RaceNo)) + "R" + e + "  発走" + F(H::PostTime);

  const std::string category = CategoryText(F(H::Category));
  const std::string weightRule = WeightRuleText(F(H::WeightRule));
  h.RaceTitle2 = year + "年" + NumberText(month) + "月" + day + "日" + WeekdayText(weekday) + " " + category + classText +
                 DesignationText(F(H::Designation)) + ConditionText(F(H::Condition)) + " " + weightRule + " " +
                 h.RaceSurface + TurnText(F(H::Turn)) + h.RaceSection + VariantText(F(H::Variant)) + h.RaceDistance +
                 "m " + NumberText(h.RaceRunnerCount) + "頭";

  const std::string raceNo = F(H::RaceNo);
  h.RaceLabel = h.RaceCourse + raceNo + "R " + category + " " + classText + " " + weightRule + " " + abbreviated + " " +
                gradeSuffix;
  h.RaceShortTitle = BuildRaceShortTitle(abbreviated, g, h.RaceJpnFlag, classText, category);
  h.RaceClass = classText;
  h.RaceMenuCaption = h.RaceCourse + raceNo + "R " + category + " " + classText + " " + raceName + " " + gradeSuffix;
  h.RaceNo = raceNo;
  h.Column24 = F(H::Column24);
  h.Identity = std::string(RawField(line, H::Identity));
  return h;
}

}  // namespace varnel
