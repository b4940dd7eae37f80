#include "racedata/line_store.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "racedata/header_fixture.h"
#include "text/file_io.h"

namespace varnel {
namespace {

namespace fs = std::filesystem;
namespace H = HeaderCol;

class LineStoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("varnel_line_store_" + std::to_string(::getpid()) + "_" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  void Write(const char* name, const std::vector<std::string>& lines) {
    std::string bytes;
    for (const auto& l : lines) bytes += l + "\r\n";
    ASSERT_TRUE(WriteFileAtomic((dir_ / name).string(), bytes).ok());
  }
  // A day of races with the given runner counts; every runner line says which runner it is.
  void WriteDay(const std::vector<int>& counts, const std::string& tag) {
    std::vector<std::string> den1, den2, uma, ods;
    for (size_t r = 0; r < counts.size(); ++r) {
      auto h = testing::HeaderLine();
      h.Set(H::RaceNo, TwoDigitsOf(static_cast<int>(r % 12) + 1)).Set(H::RunnerCount, TwoDigitsOf(counts[r]));
      den1.push_back(h.str());
      ods.push_back(h.str().substr(0, 22) + tag);
      for (int k = 0; k < counts[r]; ++k) {
        den2.push_back(tag + " entry " + std::to_string(r) + "/" + std::to_string(k));
        uma.push_back(tag + " horse " + std::to_string(r) + "/" + std::to_string(k));
      }
    }
    Write(kDen1File, den1);
    Write(kDen2File, den2);
    Write(kUmaFile, uma);
    Write(kOdsFile, ods);
  }
  static std::string TwoDigitsOf(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

  fs::path dir_;
};

TEST_F(LineStoreTest, LoadsADayAndFindsEachRacesRunners) {
  std::vector<int> counts(36, 17);  // 36 races, 612 runners
  WriteDay(counts, "A");
  LineStore s;
  auto r = LoadDataSet(dir_.string(), s);
  ASSERT_TRUE(r.ok()) << r.error();
  EXPECT_TRUE(*r);
  EXPECT_EQ(s.RaceCount, 36);
  EXPECT_EQ(s.Den2Lines.size(), 612u);
  EXPECT_EQ(s.FirstRunnerLine(2), 34);
  EXPECT_EQ(s.Den2Lines[s.FirstRunnerLine(2)], "A entry 2/0");
  EXPECT_EQ(s.UmaLines[s.FirstRunnerLine(35) + 16], "A horse 35/16");
  EXPECT_EQ(s.StoredRunnerCount(35), 17);
  EXPECT_EQ(s.Races[1].RaceNo, "02");
}

TEST_F(LineStoreTest, SecondDayReplacesTheFirstAndKeepsOddsWhenNoneCome) {
  WriteDay({10, 12, 14}, "A");
  LineStore s;
  ASSERT_TRUE(*LoadDataSet(dir_.string(), s));
  WriteDay({8, 9}, "B");
  fs::remove(dir_ / kOdsFile);
  auto r = LoadDataSet(dir_.string(), s);
  ASSERT_TRUE(r.ok());
  EXPECT_TRUE(*r);
  EXPECT_EQ(s.RaceCount, 2);
  EXPECT_EQ(s.Races.size(), 2u);
  EXPECT_EQ(s.Den2Lines.front(), "B entry 0/0");
  EXPECT_EQ(s.OdsLines.size(), 3u);  // the first day's odds lines stay
  EXPECT_EQ(s.OdsLines[0].substr(22), "A");
}

TEST_F(LineStoreTest, MissingEntryFileLeavesTheStoreButStillReadsOdds) {
  WriteDay({10, 12}, "A");
  LineStore s;
  ASSERT_TRUE(*LoadDataSet(dir_.string(), s));
  WriteDay({5}, "B");
  fs::remove(dir_ / kDen2File);
  auto r = LoadDataSet(dir_.string(), s);
  ASSERT_TRUE(r.ok());
  EXPECT_FALSE(*r);
  EXPECT_EQ(s.RaceCount, 2);
  EXPECT_EQ(s.Den1Lines.size(), 2u);
  EXPECT_EQ(s.Den2Lines.front(), "A entry 0/0");
  EXPECT_EQ(s.OdsLines[0].substr(22), "B");
}

TEST_F(LineStoreTest, OverCapacityIsRefusedAndNothingChanges) {
  WriteDay({10}, "A");
  LineStore s;
  ASSERT_TRUE(*LoadDataSet(dir_.string(), s));
  WriteDay(std::vector<int>(40, 1), "B");
  auto r = LoadDataSet(dir_.string(), s);
  ASSERT_FALSE(r.ok());
  EXPECT_NE(r.error().find("39"), std::string::npos);
  WriteDay(std::vector<int>(30, 34), "C");  // 1020 runner lines
  r = LoadDataSet(dir_.string(), s);
  ASSERT_FALSE(r.ok());
  EXPECT_NE(r.error().find("1000"), std::string::npos);
  EXPECT_EQ(s.RaceCount, 1);
  EXPECT_EQ(s.Den2Lines.front(), "A entry 0/0");
  EXPECT_EQ(s.OdsLines.size(), 1u);
}

TEST_F(LineStoreTest, RunnerCountsBeyondTheStoredLinesAreClamped) {
  WriteDay({3, 4}, "A");
  // The header of race 1 promises 18 runners, the files hold 4.
  auto h = testing::HeaderLine();
  h.Set(H::RunnerCount, "18");
  Write(kDen1File, {testing::HeaderLine().Set(H::RunnerCount, "03").str(), h.str()});
  LineStore s;
  ASSERT_TRUE(*LoadDataSet(dir_.string(), s));
  EXPECT_EQ(s.RunnerCount(1), 18);
  EXPECT_EQ(s.StoredRunnerCount(1), 4);
  EXPECT_EQ(s.StoredRunnerCount(5), 0);
  EXPECT_EQ(s.OddsLine(7), "");
}

TEST_F(LineStoreTest, EmptyFilesGiveAnEmptyDay) {
  Write(kDen1File, {});
  Write(kDen2File, {});
  Write(kUmaFile, {});
  LineStore s;
  auto r = LoadDataSet(dir_.string(), s);
  ASSERT_TRUE(r.ok());
  EXPECT_TRUE(*r);
  EXPECT_EQ(s.RaceCount, 0);
}

}  // namespace
}  // namespace varnel
