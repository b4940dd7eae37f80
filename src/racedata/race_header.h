#pragma once
// One race header line turned into the ready-made texts of the race: the two title lines, the
// labels used by the bet panel, exports and GAP list, the race menu caption and raw values.
#include <string>
#include <string_view>

namespace varnel {

struct RaceHeader {
  std::string RaceDateText;     // 2007/10/07(日)
  std::string RaceDateKey;      // 20071007
  std::string RaceMeeting;      // 4回東京2日目
  std::string RaceRunnerCount;  // columns 337-338 as they stand
  std::string RaceTitle1;
  std::string RaceTitle2;
  std::string RaceShortTitle;
  std::string RaceLabel;
  std::string RaceMenuCaption;
  std::string RaceNo;        // "01".."12" as they stand
  std::string RaceNoBetFlag; // "1" = no marks, bets or GAP entry
  std::string RaceDistance;  // as it stands
  std::string RaceSection;
  std::string RaceClass;
  std::string RaceGrade;
  std::string RaceCourse;
  std::string RaceSurface;
  std::string RaceJpnFlag;
  std::string Column24;      // kept per race, read by no one
  std::string Identity;      // raw CP932 bytes of columns 1-22; the odds line of the race starts with them
};

RaceHeader ParseRaceHeader(std::string_view line);

// Shortens the usual long words of race names ("ステークス" to "S" ...). Never matches on the
// second byte of a double-byte character (it works on whole UTF-8 characters).
std::string AbbreviateRaceName(std::string_view name);

std::string BuildRaceShortTitle(std::string_view abbreviatedName, std::string_view gradeCodeText,
                                std::string_view jpnFlag, std::string_view classText,
                                std::string_view categoryText);

}  // namespace varnel
