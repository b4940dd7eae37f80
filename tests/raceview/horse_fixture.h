#pragma once
// A horse line (qdx_uma) with up to five past runs, and an entry line, for the race view tests.
#include <array>
#include <string>

#include "racedata/record_fields.h"
#include "support/fixture_line.h"

namespace varnel::testing {

// One past-run block; the defaults are an ordinary win at Tokyo on turf.
struct RunSpec {
  std::string course = "04", meet = "04", day = "02", date = "20070916";
  std::string steeple = "0", turf = "1", grade = " ", rule = "00", cls = "10000";
  std::string distance = "1800", runners = "16", kinryo = "550", jockey = "武豊", finish = "01";
  std::string min = "1", sec = "47", tenth = "3";
  std::array<std::string, 4> corners{"03", "03", "02", "01"};
  std::string popularity = "01", margin = "003", horseNo = "05", bodyWeight = "480", raceName = "";
  std::string pace = "1", going = "0", firstHalf = "355", lastPart = "338", position = "2", winner = "ライバル";
};

inline FixtureLine HorseLine(const std::string& code = "1234567", const std::string& name = "テストホース") {
  FixtureLine l(PastCol::Course.col + PastCol::kBlockWidth * PastCol::kBlocks);
  l.Set(UmaCol::UmaCode, code).Set(UmaCol::Bamei, name);
  return l;
}

inline void SetRun(FixtureLine& l, int i, const RunSpec& r) {
  namespace P = PastCol;
  auto set = [&](FieldCol f, const std::string& v) { l.Set(PastRun(f, i), v); };
  set(P::Course, r.course);
  set(P::MeetingNo, r.meet);
  set(P::MeetingDay, r.day);
  set(P::Date, r.date);
  set(P::Steeplechase, r.steeple);
  set(P::Turf, r.turf);
  set(P::RaceName, r.raceName);
  set(P::GradeCode, r.grade);
  set(P::WeightRule, r.rule);
  set(P::ClassCode, r.cls);
  set(P::Distance, r.distance);
  set(P::Runners, r.runners);
  set(P::Kinryo, r.kinryo);
  set(P::Jockey, r.jockey);
  set(P::Finish, r.finish);
  set(P::TimeMinutes, r.min);
  set(P::TimeSeconds, r.sec);
  set(P::TimeTenths, r.tenth);
  set(P::Corner1, r.corners[0]);
  set(P::Corner2, r.corners[1]);
  set(P::Corner3, r.corners[2]);
  set(P::Corner4, r.corners[3]);
  set(P::Popularity, r.popularity);
  set(P::Margin, r.margin);
  set(P::HorseNo, r.horseNo);
  set(P::BodyWeight, r.bodyWeight);
  set(P::Pace, r.pace);
  set(P::Going, r.going);
  set(P::FirstHalf, r.firstHalf);
  set(P::LastPart, r.lastPart);
  set(P::RunPosition, r.position);
  set(P::Winner, r.winner);
}

inline FixtureLine EntryLine() {
  FixtureLine l(720);
  l.Set(EntryCol::Bracket, "3").Set(EntryCol::HorseName, "テストホース").Set(EntryCol::Sex, "0");
  l.Set(EntryCol::Age, "03").Set(EntryCol::Kinryo, "550").Set(EntryCol::Jockey, "武豊");
  l.Set(EntryCol::Kisyu, "武豊").Set(EntryCol::Rating, "123");
  return l;
}

}  // namespace varnel::testing
