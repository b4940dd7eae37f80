#pragma once
// Byte columns of the data service's fixed-column records, in one place so that no other code
// repeats a column number. Columns are 1-based Shift_JIS byte positions.
#include <string>
#include <string_view>

namespace varnel {

struct FieldCol {
  int col;
  int len;
};

// Race header line ("qdx_den1.rq2").
namespace HeaderCol {
constexpr FieldCol CourseCode{1, 2};
constexpr FieldCol Identity{1, 22};
constexpr FieldCol MeetingNo{7, 2};
constexpr FieldCol MeetingDay{9, 2};
constexpr FieldCol RaceNo{11, 2};
constexpr FieldCol Year{13, 4};
constexpr FieldCol Month{17, 2};
constexpr FieldCol Day{19, 2};
constexpr FieldCol Date{13, 8};
constexpr FieldCol Weekday{21, 2};
constexpr FieldCol Column24{24, 1};
constexpr FieldCol Steeplechase{25, 1};
constexpr FieldCol Edition{26, 3};
constexpr FieldCol RaceName{29, 30};
constexpr FieldCol GradeCode{73, 1};
constexpr FieldCol WeightRule{74, 2};
constexpr FieldCol Condition{94, 2};
constexpr FieldCol Designation{96, 2};
constexpr FieldCol Category{98, 1};
constexpr FieldCol ClassCode{100, 5};
constexpr FieldCol Turf{105, 1};
constexpr FieldCol Turn{106, 1};
constexpr FieldCol Section{107, 1};
constexpr FieldCol Variant{108, 1};
constexpr FieldCol Distance{109, 4};
constexpr FieldCol NoBet{331, 1};
constexpr FieldCol PostTime{332, 5};
constexpr FieldCol RunnerCount{337, 2};
constexpr FieldCol JpnFlag{358, 1};
}  // namespace HeaderCol

// Entry line ("qdx_den2.rq2"), one runner of one race.
namespace EntryCol {
constexpr FieldCol Bracket{23, 1};
constexpr FieldCol HorseName{33, 18};
constexpr FieldCol Sex{65, 1};
constexpr FieldCol Age{66, 2};
constexpr FieldCol Kinryo{149, 3};  // tenths of a kilogram
constexpr FieldCol Jockey{157, 12};
constexpr FieldCol Kisyu{189, 8};
constexpr FieldCol Rating{706, 3};
}  // namespace EntryCol

// Horse line ("qdx_uma.rq2"), fixed part.
namespace UmaCol {
constexpr FieldCol UmaCode{1, 7};
constexpr FieldCol Bamei{8, 30};
constexpr FieldCol Coat{86, 2};
constexpr FieldCol Birthplace{90, 3};
constexpr FieldCol HorseMark{93, 2};
constexpr FieldCol Sire{105, 34};
constexpr FieldCol Dam{146, 34};
constexpr FieldCol DamSire{187, 34};
constexpr FieldCol DamDam{228, 34};
constexpr FieldCol Owner{344, 40};
constexpr FieldCol Breeder{464, 20};
constexpr FieldCol Trainer{526, 8};
constexpr FieldCol Stable{534, 2};
constexpr FieldCol MainPrize{570, 10};
constexpr FieldCol Prize1{580, 10};
constexpr FieldCol Prize2{610, 10};
constexpr FieldCol OverallRecord{633, 12};
constexpr FieldCol ResultsTable{657, 288};
constexpr FieldCol StyleCounts{665, 8};
}  // namespace UmaCol

// Past-run blocks of the horse line: five blocks of 590 columns, block 0 the most recent run.
// The columns below are those of block 0; PastRun() moves one to block i.
namespace PastCol {
constexpr int kBlocks = 5;
constexpr int kBlockWidth = 590;
constexpr FieldCol Course{1065, 2};
constexpr FieldCol MeetingNo{1071, 2};
constexpr FieldCol MeetingDay{1073, 2};
constexpr FieldCol Date{1077, 8};
constexpr FieldCol Steeplechase{1090, 1};
constexpr FieldCol RaceName{1124, 14};
constexpr FieldCol GradeCode{1138, 1};
constexpr FieldCol WeightRule{1139, 2};
constexpr FieldCol ClassCode{1165, 5};
constexpr FieldCol Turf{1180, 1};
constexpr FieldCol Section{1182, 1};
constexpr FieldCol Variant{1183, 1};
constexpr FieldCol Distance{1184, 4};
constexpr FieldCol Runners{1188, 2};
constexpr FieldCol Pace{1192, 1};
constexpr FieldCol Going{1194, 1};
constexpr FieldCol HorseNo{1217, 2};
constexpr FieldCol Kinryo{1307, 3};
constexpr FieldCol BodyWeight{1310, 3};
constexpr FieldCol Jockey{1356, 8};
constexpr FieldCol Popularity{1424, 2};
constexpr FieldCol Finish{1431, 2};
constexpr FieldCol TimeMinutes{1439, 1};
constexpr FieldCol TimeSeconds{1440, 2};
constexpr FieldCol TimeTenths{1442, 1};
constexpr FieldCol Margin{1446, 3};
constexpr FieldCol FirstHalf{1449, 3};
constexpr FieldCol LastPart{1452, 3};
constexpr FieldCol Corner1{1455, 2};
constexpr FieldCol Corner2{1457, 2};
constexpr FieldCol Corner3{1459, 2};
constexpr FieldCol Corner4{1461, 2};
constexpr FieldCol RunPosition{1463, 1};
constexpr FieldCol Winner{1581, 30};
}  // namespace PastCol

constexpr FieldCol PastRun(FieldCol block0, int i) { return {block0.col + PastCol::kBlockWidth * i, block0.len}; }

// Odds line ("qdx_ods.rq2"), one race.
namespace OddsCol {
constexpr FieldCol Identity{1, 22};
// Win odds of the runner at position k (from 0), in tenths; "/" scratched, "*" and "-" none.
constexpr FieldCol WinOdds(int k) { return {162 + 5 * k, 5}; }
}  // namespace OddsCol

// Raw CP932 bytes of a field (whole characters only; missing columns are empty).
std::string_view RawField(std::string_view line, FieldCol f);
// The field decoded to UTF-8, untrimmed.
std::string TextField(std::string_view line, FieldCol f);
// The field decoded and trimmed at both ends.
std::string TrimmedField(std::string_view line, FieldCol f);
// ToInt of the field (0 when blank or not a number).
int IntField(std::string_view line, FieldCol f);

}  // namespace varnel
