#include "engine/course_tables.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "text/cp932.h"
#include "text/divide.h"
#include "text/file_io.h"

namespace varnel {
namespace {

namespace fs = std::filesystem;

using Row = std::array<std::string, 4>;
const Row kZeros{"0.0", "0.0", "0.0", "0.0"};

// Line i (1-based) of a well-formed table: every column trusted on its own sample, so the first
// value reads i + column / 10 and the second 10 times that.
std::string PlainLine(int i) {
  std::string s;
  for (int c = 1; c <= 4; ++c) {
    s += std::to_string(i) + "." + std::to_string(c) + "," + std::to_string(10 * i + c) + ".0,30,";
  }
  return s + "9.9,99.9,100,8.8,88.8,100";
}

class CourseTablesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app_ = fs::temp_directory_path() / ("varnel_course_" + std::to_string(::getpid()) + "_" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(app_);
    fs::create_directories(app_ / "Data");
  }
  void TearDown() override { fs::remove_all(app_); }

  void Write(const std::string& name, const std::vector<std::string>& lines) {
    ASSERT_TRUE(WriteFileAtomic((app_ / "Data" / name).string(), SwapNibbles(EncodeCrLfLines(lines))).ok());
  }
  std::vector<std::string> Plain() {
    std::vector<std::string> lines;
    for (int i = 1; i <= 8; ++i) lines.push_back(PlainLine(i));
    return lines;
  }
  Result<CourseTables> Load(const std::string& surface, int front, const std::string& section = "") {
    return LoadCourseTables(app_.string(), "東京", surface, front, section, "1600");
  }

  fs::path app_;
};

TEST_F(CourseTablesTest, BlockByFrontRunnerCount) {
  Write("04S1600.dat", Plain());
  for (int front : {0, 2, 3, 7}) {
    SCOPED_TRACE(front);
    auto t = Load("芝", front);
    ASSERT_TRUE(t.ok());
    EXPECT_TRUE(t->loaded);
    EXPECT_EQ(t->message, "");
    const int first = front < 3 ? 1 : 5;
    EXPECT_EQ(t->CourseTable1[0], (Row{std::to_string(first) + ".1", std::to_string(first) + ".2",
                                       std::to_string(first) + ".3", std::to_string(first) + ".4"}));
    EXPECT_EQ(t->CourseTable2[3][3], std::to_string(10 * (first + 3) + 4) + ".0");
  }
}

TEST_F(CourseTablesTest, ThinSamplesUsePooledOrScaledValues) {
  // Column 1 own (count 30), column 2 pooled group 5 (count 29, pool 31), column 3 own again,
  // column 4 scaled from group 6 (count 5, pool 12): 1.2 x 2/3 = 0.8 floors to 1.0, 9 x 2/3 = 6.0.
  std::vector<std::string> lines = Plain();
  lines[0] = "1.25,2,30, 7,8,29, 3.04,4,100, 5,6,5, 11.5,12.5,31, 1.2,9,12";
  // Columns 1-3 all thin and the pool thin too: 4.5 x 2/3 = 3.0, 2 x 2/3 = 1.33 -> 1.3.
  lines[1] = "1,1,0,2,2,1,3,3,29,40,41,30,4.5,2,3,0,0,0";
  Write("04D1600.dat", lines);
  auto t = Load("ダ", 1);
  ASSERT_TRUE(t.ok()) << t.error();
  EXPECT_EQ(t->CourseTable1[0], (Row{"1.3", "11.5", "3.0", "1.0"}));
  EXPECT_EQ(t->CourseTable2[0], (Row{"2.0", "12.5", "4.0", "6.0"}));
  EXPECT_EQ(t->CourseTable1[1], (Row{"3.0", "3.0", "3.0", "40.0"}));
  EXPECT_EQ(t->CourseTable2[1], (Row{"1.3", "1.3", "1.3", "41.0"}));
}

TEST_F(CourseTablesTest, OuterTurfFallsBackToTheInnerFile) {
  Write("04S1600.dat", Plain());
  auto t = Load("芝", 0, "外");
  ASSERT_TRUE(t.ok());
  EXPECT_TRUE(t->loaded);
  EXPECT_EQ(t->CourseTable1[0][0], "1.1");

  std::vector<std::string> outer = Plain();
  outer[0] = "7.7" + outer[0].substr(3);
  Write("04SO1600.dat", outer);
  t = Load("芝", 0, "外");
  EXPECT_EQ(t->CourseTable1[0][0], "7.7");
  EXPECT_EQ(Load("芝", 0, "内")->CourseTable1[0][0], "1.1");
}

TEST_F(CourseTablesTest, MissingShortAndOtherSurfacesLeaveZerosSilently) {
  Write("04D1600.dat", {PlainLine(1), PlainLine(2), PlainLine(3), PlainLine(4), PlainLine(5), PlainLine(6),
                        PlainLine(7)});
  Write("04障1600.dat", Plain());
  for (const char* surface : {"芝", "ダ", "障"}) {
    SCOPED_TRACE(surface);
    auto t = Load(surface, 0);
    ASSERT_TRUE(t.ok());
    EXPECT_FALSE(t->loaded);
    EXPECT_EQ(t->message, "");
    for (int r = 0; r < 4; ++r) {
      EXPECT_EQ(t->CourseTable1[r], kZeros);
      EXPECT_EQ(t->CourseTable2[r], kZeros);
    }
  }
}

TEST_F(CourseTablesTest, LineWithoutEighteenFieldsStopsWithTheMessage) {
  std::vector<std::string> lines = Plain();
  lines[1] = lines[1].substr(0, lines[1].rfind(','));  // 17 fields
  Write("04S1600.dat", lines);
  auto t = Load("芝", 0);
  ASSERT_TRUE(t.ok());
  EXPECT_FALSE(t->loaded);
  EXPECT_EQ(t->message, "04S1600.datが不正です。処理を中止します。");
  EXPECT_EQ(t->CourseTable1[0][0], "1.1");  // the row read before stays
  EXPECT_EQ(t->CourseTable1[1], kZeros);
  EXPECT_EQ(t->CourseTable2[3], kZeros);
  // The other block is well formed.
  EXPECT_TRUE(Load("芝", 3)->loaded);
}

TEST_F(CourseTablesTest, ConversionErrorsNameFileAndField) {
  struct Case {
    int line;  // 1-based
    const char* text;
    int front;
    const char* error;  // empty: loads
  };
  const Case cases[] = {
      {3, "1,1,3x,2,2,30,3,3,30,4,4,30,5,5,30,6,6,30", 0, "04S1600.datの3行目3番目の項目「3x」は整数ではありません。"},
      {4, "1,1,0,2,2,30,3,3,30,4,4,30,abc,5,0,6,6,30", 0, "04S1600.datの4行目13番目の項目「abc」は数値ではありません。"},
      {7, "1,1,1,2,2,30,3,3,30,4,4,30,5,5,x,6,6,30", 3, "04S1600.datの7行目15番目の項目「x」は整数ではありません。"},
      // Pooled counts are read only when a column needs them; values taken as they stand read 0.
      {2, "abc,1,30,2,2,30,3,3,30,4,4,30,5,5,x,6,6,y", 0, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    std::vector<std::string> lines = Plain();
    lines[static_cast<size_t>(c.line - 1)] = c.text;
    Write("04S1600.dat", lines);
    auto t = Load("芝", c.front);
    if (*c.error) {
      ASSERT_FALSE(t.ok());
      EXPECT_EQ(t.error(), c.error);
    } else {
      ASSERT_TRUE(t.ok()) << t.error();
      EXPECT_EQ(t->CourseTable1[1][0], "0.0");
    }
  }
}

TEST(ShippedCourseTablesTest, EveryShippedTableLoads) {
  const fs::path data = fs::path(VARNEL_SOURCE_DIR) / "data" / "Data";
  int files = 0;
  for (const auto& entry : fs::directory_iterator(data)) {
    if (entry.path().extension() != ".dat") continue;
    ++files;
    Result<std::string> bytes = ReadFileBytes(entry.path().string());
    ASSERT_TRUE(bytes.ok());
    const std::vector<std::string> lines = SplitLines(DecodeCp932(SwapNibbles(*bytes)));
    EXPECT_EQ(lines.size(), 8u) << entry.path();
    for (const std::string& line : lines) EXPECT_EQ(TDivide(line, ',').Count, 18) << entry.path();
  }
  EXPECT_GT(files, 0);
  // One file read through the loader end to end, both blocks.
  const std::string appDir = (fs::path(VARNEL_SOURCE_DIR) / "data").string();
  for (int front : {0, 3}) {
    auto t = LoadCourseTables(appDir, "東京", "芝", front, "", "1600");
    ASSERT_TRUE(t.ok()) << t.error();
    EXPECT_TRUE(t->loaded);
    EXPECT_EQ(t->message, "");
  }
}

}  // namespace
}  // namespace varnel
