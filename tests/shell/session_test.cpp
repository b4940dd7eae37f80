#include "shell/session.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "racedata/record_fields.h"
#include "text/file_io.h"

namespace varnel {
namespace {

namespace fs = std::filesystem;

class FixedClock : public Clock {
 public:
  CivilDate Today() const override { return {2026, 10, 4}; }
};

// A private copy of the sample day, so a test can damage it.
class SessionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("varnel_session_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    const fs::path sample = fs::path(VARNEL_SOURCE_DIR) / "data" / "sample";
    for (const char* f : {kDen1File, kDen2File, kUmaFile, kOdsFile}) fs::copy_file(sample / f, dir_ / f);
    fs::create_directory_symlink(fs::path(VARNEL_SOURCE_DIR) / "data" / "Data", dir_ / "Data");
  }
  void TearDown() override { fs::remove_all(dir_); }

  // Overwrites the field of one line of a data file in place.
  void Patch(const char* file, int line, FieldCol f, const std::string& bytes) {
    auto lines = SplitLines(*ReadFileBytes((dir_ / file).string()));
    lines[line].replace(f.col - 1, f.len, bytes);
    std::string out;
    for (const auto& l : lines) out += l + "\r\n";
    ASSERT_TRUE(WriteFileAtomic((dir_ / file).string(), out).ok());
  }

  fs::path dir_;
  FixedClock clock_;
};

// Everything a card holds, as one text, so two cards can be compared whole.
std::string CardText(const RaceCard& c) {
  std::ostringstream o;
  auto date = [&o](const CivilDate& d) { o << d.year << '/' << d.month << '/' << d.day << ';'; };
  o << c.race << ' ' << c.FirstRunnerLine << ' ' << c.LastRunnerLine << ' ' << c.FrontRunnerCount << ' ' << c.Eligible
    << '\n';
  for (const TBachu& b : c.Runners) {
    for (int i = 0; i < 3; ++i) {
      o << b.SouCells[i] << '|' << b.SouSurface[i] << ' ' << b.SouDistance[i] << ' ' << b.SouHasResult[i] << ' '
        << b.SouFinish[i] << ' ' << b.SouDate[i].now << ' ';
      date(b.SouDate[i].date);
    }
    date(b.RaceDate);
    o << b.UmaCode << ' ' << b.Rating << ' ' << b.RRank << ' ' << b.MapY << ' ' << b.MapX << ' ' << b.Kyakusitu
      << ' ' << b.KyoriHenka << ' ' << b.ORank << ' ' << b.OddsText << ' ' << b.Kinryo << ' ' << b.Kisyu << ' '
      << b.RIndex << ' ' << b.OIndex << ' ' << b.KZIndex << ' ' << b.Bamei << '\n';
  }
  for (const std::string& p : c.RunnerProfile) o << p << '\n';
  for (const GridRow& row : c.Rows) {
    for (const std::string& cell : row.cells) o << cell << '|';
    for (const std::string& key : row.kurai) o << key << ',';
    o << '\n';
  }
  for (const auto& table : {c.Courses.CourseTable1, c.Courses.CourseTable2}) {
    for (const auto& row : table) {
      for (const std::string& v : row) o << v << ',';
    }
  }
  o << c.Courses.loaded << c.Courses.message << '\n';
  o << c.Index.RatingsPresent << c.Index.OddsPresent << c.Index.TopSixRated << c.Index.RacePattern << '\n';
  for (int m : c.Index.MarkedRunners) o << m << ',';
  for (const std::string& g : c.Index.GapHorses) o << g << ',';
  for (int row = 0; row < c.Index.grdRating.RowCount(); ++row) {
    for (const std::string& v : c.Index.grdRating.Row(row)) o << v << ',';
    o << '\n';
  }
  for (bool lit : c.PatternLit) o << lit;
  for (const auto* list : {&c.Bets.QuinellaBets[0], &c.Bets.TrioBets[0]}) {
    for (int i = 0; i < 10; ++i) o << list[i] << ',';
  }
  for (const std::string& key : c.Bets.TrifectaBets) o << key << ',';
  for (const BetLabel* l : {&c.Panel.lblKai0, &c.Panel.lblKai1, &c.Panel.lblKai2, &c.Panel.lblKai5, &c.Panel.lblKai6,
                            &c.Panel.lblKai7, &c.Panel.lblKai10, &c.Panel.lblKai11, &c.Panel.lblKai12}) {
    o << l->text << l->visible << ',';
  }
  o << c.Detail.status << '\n';
  for (const std::string& line : c.Detail.lines) o << line << '\n';
  return o.str();
}

TEST_F(SessionTest, EveryRaceOfTheDayShows) {
  Session s(dir_.string(), &clock_);
  ASSERT_TRUE(*s.LoadDataSet());
  ASSERT_EQ(s.RaceCount(), 36);
  int runners = 0;
  for (int r = 0; r < s.RaceCount(); ++r) {
    auto st = s.ShowRace(r);
    ASSERT_TRUE(st.ok()) << r << ": " << st.error();
    EXPECT_EQ(s.CurrentRace(), r);
    EXPECT_EQ(static_cast<int>(s.Card().Rows.size()), s.Store().RunnerCount(r));
    runners += static_cast<int>(s.Card().Rows.size());
    // Marks and bets go together: an eligible race has a mark ◎ and a first quinella key.
    EXPECT_EQ(s.Card().Eligible, s.Card().Bets.QuinellaBets[0] != "000000") << r;
  }
  EXPECT_EQ(runners, 612);
}

TEST_F(SessionTest, BadRunnerCountOrWeightKeepsThePreviousRace) {
  Patch(kDen1File, 3, HeaderCol::RunnerCount, "1x");
  // Race 5 starts after races 0..4; its first runner's weight carried is garbled.
  Session probe(dir_.string(), &clock_);
  ASSERT_TRUE(*probe.LoadDataSet());
  const int firstOfRace5 = probe.Store().FirstRunnerLine(5);
  Patch(kDen2File, firstOfRace5, EntryCol::Kinryo, "5a5");

  Session s(dir_.string(), &clock_);
  ASSERT_TRUE(*s.LoadDataSet());
  ASSERT_TRUE(s.ShowRace(2).ok());
  const auto title = s.Card().Rows[0].cells[2];
  for (int bad : {3, 5}) {
    auto st = s.ShowRace(bad);
    ASSERT_FALSE(st.ok()) << bad;
    EXPECT_NE(st.error().find("R"), std::string::npos);
    EXPECT_EQ(s.CurrentRace(), 2);
    EXPECT_EQ(s.Card().Rows[0].cells[2], title);
  }
}

// Showing a race reuses the buffers of an earlier card: whatever came before (bigger and smaller
// fields, races with and without marks, a race that failed half way), the card is the one a
// fresh session shows.
TEST_F(SessionTest, ACardDoesNotDependOnTheRacesShownBefore) {
  Session probe(dir_.string(), &clock_);
  ASSERT_TRUE(*probe.LoadDataSet());
  const int badRace = 20;
  Patch(kDen2File, probe.Store().FirstRunnerLine(badRace) + 5, EntryCol::Kinryo, "5a5");

  Session fresh(dir_.string(), &clock_);
  ASSERT_TRUE(*fresh.LoadDataSet());
  fresh.SetKaimeVisible(true);
  std::vector<std::string> expected;
  for (int r = 0; r < fresh.RaceCount(); ++r) {
    Session one(dir_.string(), &clock_);
    ASSERT_TRUE(*one.LoadDataSet());
    one.SetKaimeVisible(true);
    auto st = one.ShowRace(r);
    expected.push_back(st.ok() ? CardText(one.Card()) : st.error());
  }
  for (int pass = 0; pass < 2; ++pass) {
    for (int i = 0; i < fresh.RaceCount(); ++i) {
      const int r = pass == 0 ? i : fresh.RaceCount() - 1 - i;
      auto st = fresh.ShowRace(r);
      EXPECT_EQ(st.ok() ? CardText(fresh.Card()) : st.error(), expected[static_cast<size_t>(r)]) << r;
    }
  }
}

TEST_F(SessionTest, SortSurvivesAChangeOfRaceInTheRestoreDirection) {
  Session s(dir_.string(), &clock_);
  ASSERT_TRUE(*s.LoadDataSet());
  ASSERT_TRUE(s.ShowRace(8).ok());
  s.HeaderClick(9);  // O rank, favourite first
  EXPECT_EQ(s.SortColumn(), 9);
  EXPECT_EQ(s.StatusText(), "O順位でソート");
  EXPECT_EQ(s.RunnerOfRow(0)->ORank, 1);
  ASSERT_TRUE(s.ShowRace(10).ok());
  // Restored descending: the longest price comes first on the next race.
  const auto& rows = s.Card().Rows;
  EXPECT_GE(s.RunnerOfRow(0)->ORank, s.RunnerOfRow(static_cast<int>(rows.size()) - 1)->ORank);
  EXPECT_EQ(s.Sort().Indicator.column, 9);
  EXPECT_FALSE(s.Sort().Indicator.ascending);
}

TEST_F(SessionTest, BetDetailFollowsTheWindow) {
  Session s(dir_.string(), &clock_);
  ASSERT_TRUE(*s.LoadDataSet());
  ASSERT_TRUE(s.ShowRace(7).ok());
  EXPECT_TRUE(s.Card().Detail.lines.empty());  // window hidden: nothing built
  s.SetKaimeVisible(true);
  EXPECT_EQ(s.Card().Detail.status, s.Store().Races[7].RaceLabel);
  ASSERT_TRUE(s.ShowRace(8).ok());
  ASSERT_FALSE(s.Card().Detail.lines.empty());
  EXPECT_EQ(s.Card().Detail.lines[0], "[馬連] 計10点");
}

}  // namespace
}  // namespace varnel
