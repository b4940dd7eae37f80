#include "racedata/record_fields.h"

#include <gtest/gtest.h>

#include "support/fixture_line.h"

namespace varnel {
namespace {

TEST(RecordFields, PastRunBlocksAndOddsColumns) {
  testing::FixtureLine uma(4015);
  uma.Set(UmaCol::Bamei, "サクラバクシンオー").Set(PastRun(PastCol::Course, 0), "05");
  uma.Set(PastRun(PastCol::Course, 4), "10").Set(PastRun(PastCol::Finish, 4), "03");
  EXPECT_EQ(TrimmedField(uma.str(), UmaCol::Bamei), "サクラバクシンオー");
  EXPECT_EQ(TextField(uma.str(), PastRun(PastCol::Course, 0)), "05");
  EXPECT_EQ(PastRun(PastCol::Course, 4).col, 1065 + 4 * 590);
  EXPECT_EQ(IntField(uma.str(), PastRun(PastCol::Finish, 4)), 3);
  EXPECT_EQ(TextField(uma.str().substr(0, 3000), PastRun(PastCol::Course, 4)), "");

  testing::FixtureLine ods(251);
  ods.Set(OddsCol::WinOdds(0), "   35").Set(OddsCol::WinOdds(17), "    /");
  EXPECT_EQ(TextField(ods.str(), OddsCol::WinOdds(0)), "   35");
  EXPECT_EQ(OddsCol::WinOdds(17).col, 247);
  EXPECT_EQ(TrimmedField(ods.str(), OddsCol::WinOdds(17)), "/");
}

}  // namespace
}  // namespace varnel
