#pragma once
// A race header line with sensible defaults that a test changes field by field.
#include "racedata/record_fields.h"
#include "support/fixture_line.h"

namespace varnel::testing {

inline FixtureLine HeaderLine() {
  namespace H = HeaderCol;
  FixtureLine l(400);
  l.Set(H::CourseCode, "04").Set(3, "2007").Set(H::MeetingNo, "04").Set(H::MeetingDay, "02").Set(H::RaceNo, "11");
  l.Set(H::Year, "2007").Set(H::Month, "10").Set(H::Day, "07").Set(H::Weekday, "02");
  l.Set(H::Steeplechase, "0").Set(H::Edition, "   ").Set(H::GradeCode, " ").Set(H::WeightRule, "00");
  l.Set(H::Condition, "29").Set(H::Designation, "01").Set(H::Category, "3").Set(H::ClassCode, "00004");
  l.Set(H::Turf, "1").Set(H::Turn, "1").Set(H::Section, " ").Set(H::Variant, "4").Set(H::Distance, "1800");
  l.Set(H::NoBet, "0").Set(H::PostTime, "15:40").Set(H::RunnerCount, "18").Set(H::JpnFlag, "0");
  return l;
}

}  // namespace varnel::testing
