#include "racedata/archive_import.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "racedata/rq3_convert.h"
#include "text/file_io.h"

namespace varnel {
namespace {

namespace fs = std::filesystem;

const fs::path kFixtures = fs::path(VARNEL_SOURCE_DIR) / "tests/fixtures/archives";

std::string Bytes(const fs::path& p) {
  auto b = ReadFileBytes(p.string());
  return b ? *b : std::string("<missing " + p.string() + ">");
}
std::string Day(const char* name) { return Bytes(kFixtures / "day" / name); }

std::set<std::string> FilesIn(const fs::path& dir) {
  std::set<std::string> names;
  for (const auto& e : fs::directory_iterator(dir)) names.insert(e.path().filename().string());
  return names;
}

// A temporary folder holding the program folder "app" and a download folder "in" beside it.
class ImportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() /
            ("varnel-import-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(root_);
    fs::create_directories(app());
    fs::create_directories(in());
  }
  void TearDown() override { fs::remove_all(root_); }

  fs::path app() const { return root_ / "app"; }
  fs::path in() const { return root_ / "in"; }
  // Copies fixture archives into the download folder; returns the path of the first.
  std::string Offer(std::initializer_list<const char*> names) {
    for (const char* n : names) fs::copy_file(kFixtures / n, in() / n);
    return (in() / *names.begin()).string();
  }
  void PutDay(const std::string& den1, const std::string& den2, const std::string& uma, const std::string& ods) {
    ASSERT_TRUE(WriteFileAtomic((app() / kDen1File).string(), den1));
    ASSERT_TRUE(WriteFileAtomic((app() / kDen2File).string(), den2));
    ASSERT_TRUE(WriteFileAtomic((app() / kUmaFile).string(), uma));
    ASSERT_TRUE(WriteFileAtomic((app() / kOdsFile).string(), ods));
  }
  ImportResult Import(const std::string& archive, const ImportProgress& progress = {}) {
    return ImportArchive(app().string(), archive, store_, progress);
  }

  fs::path root_;
  LineStore store_;
};

const std::set<std::string> kFourFiles{"qdx_den1.rq2", "qdx_den2.rq2", "qdx_ods.rq2", "qdx_uma.rq2"};

TEST_F(ImportTest, RaceCardWithCompanionLoadsTheDayWithTheCompanionsOdds) {
  const auto result = Import(Offer({"hb261004.lzh", "j261004.lzh"}));
  EXPECT_TRUE(result.Messages.empty());
  EXPECT_TRUE(result.Imported);
  EXPECT_TRUE(result.DayLoaded);
  EXPECT_EQ(store_.RaceCount, 2);
  EXPECT_EQ(store_.RunnerCount(1), 3);
  EXPECT_EQ(FilesIn(app()), kFourFiles);  // no temporary file left behind
  EXPECT_EQ(Bytes(app() / kDen1File), Day("qdx_den1.rq2"));
  EXPECT_EQ(Bytes(app() / kDen2File), Day("qdx_den2.rq2"));
  EXPECT_EQ(Bytes(app() / kUmaFile), Day("qdx_uma.rq2"));
  EXPECT_EQ(Bytes(app() / kOdsFile), Day("companion_qdx_ods.rq2"));
  EXPECT_EQ(store_.OddsLine(0).substr(161, 5), "  123");
}

TEST_F(ImportTest, OddsArchiveAloneRefreshesTheDayInTheProgramFolder) {
  PutDay(Day("qdx_den1.rq2"), Day("qdx_den2.rq2"), Day("qdx_uma.rq2"), Day("qdx_ods.rq2"));
  const auto result = Import(Offer({"j261004.lzh"}));
  EXPECT_TRUE(result.Messages.empty());
  EXPECT_TRUE(result.Imported);
  EXPECT_TRUE(result.DayLoaded);
  EXPECT_EQ(Bytes(app() / kOdsFile), Day("companion_qdx_ods.rq2"));
  EXPECT_EQ(Bytes(app() / kDen1File), Day("qdx_den1.rq2"));
  EXPECT_EQ(store_.RaceCount, 2);
  EXPECT_EQ(store_.OddsLine(1).substr(161, 5), "  123");
}

TEST_F(ImportTest, OlderLayoutEndsAsTheFourCurrentFiles) {
  struct Case {
    std::initializer_list<const char*> archives;
    const char* odds;
  };
  for (const Case& c : {Case{{"rq3_hb261004.lzh"}, "qdx_ods.rq2"},
                        Case{{"rq3_hb261004.lzh", "rq3_jb261004.lzh"}, "companion_qdx_ods.rq2"}}) {
    SCOPED_TRACE(c.odds);
    fs::remove_all(in());
    fs::create_directories(in());
    // A current-layout horse file of another day must give way to the older archive's.
    ASSERT_TRUE(WriteFileAtomic((app() / kUmaFile).string(), "old horses\r\n"));
    const auto result = Import(Offer(c.archives));
    EXPECT_TRUE(result.Messages.empty());
    EXPECT_TRUE(result.DayLoaded);
    EXPECT_EQ(FilesIn(app()), kFourFiles);  // no .rq3 left, qdx_ods2.rq3 removed
    EXPECT_EQ(Bytes(app() / kDen1File), Day("qdx_den1.rq2"));
    EXPECT_EQ(Bytes(app() / kDen2File), Day("qdx_den2.rq2"));
    EXPECT_EQ(Bytes(app() / kUmaFile), Day("qdx_uma.rq2"));
    EXPECT_EQ(Bytes(app() / kOdsFile), Day(c.odds));
  }
}

TEST_F(ImportTest, TokFilesReplaceHeaderAndEntryFiles) {
  PutDay("previous header\r\n", "previous entry\r\n", "previous horse\r\n", Day("qdx_ods.rq2"));
  const auto result = Import(Offer({"hz261004.lzh"}));
  EXPECT_TRUE(result.Messages.empty());
  EXPECT_TRUE(result.DayLoaded);
  EXPECT_EQ(FilesIn(app()), kFourFiles);
  EXPECT_EQ(Bytes(app() / kDen1File), Day("qdx_den1.rq2"));
  EXPECT_EQ(Bytes(app() / kDen2File), Day("qdx_den2.rq2"));
}

TEST_F(ImportTest, ArchiveWithoutDataChangesNothing) {
  PutDay("a\r\n", "b\r\n", "c\r\n", "d\r\n");
  ASSERT_TRUE(WriteFileAtomic((in() / "hb261005.lzh").string(), "this is not an archive at all\r\n"));
  for (const std::string archive : {Offer({"nodata.lzh"}), (in() / "hb261005.lzh").string(),
                                    (in() / "missing.lzh").string()}) {
    SCOPED_TRACE(archive);
    const auto result = Import(archive);
    ASSERT_EQ(result.Messages.size(), 1u);
    EXPECT_EQ(result.Messages[0],
              "指定した書庫ファイルにデータは含まれておりません。\n\n正しいQDXデータをご利用ください。");
    EXPECT_FALSE(result.Imported);
    EXPECT_EQ(FilesIn(app()), kFourFiles);
    EXPECT_EQ(Bytes(app() / kDen1File), "a\r\n");
  }
}

TEST_F(ImportTest, DamagedArchiveReportsEachErrorAndKeepsThePreviousDay) {
  struct Case {
    const char* archive;
    const char* errorLine;
  };
  for (const Case& c : {Case{"damaged_truncated.lzh", "\n2 : "}, Case{"damaged_flipped.lzh", "\n3 : "},
                        Case{"damaged_method.lzh", "\n2 : "}}) {
    SCOPED_TRACE(c.archive);
    PutDay(Day("qdx_den1.rq2"), "previous entry\r\n", "previous horse\r\n", "previous odds\r\n");
    ASSERT_TRUE(LoadDataSet(app().string(), store_));
    const auto result = Import(Offer({c.archive}));
    ASSERT_EQ(result.Messages.size(), 1u);
    const std::string& m = result.Messages[0];
    EXPECT_EQ(m.rfind("データの展開でエラーが発生しました。\n", 0), 0u) << m;
    EXPECT_NE(m.find(c.errorLine), std::string::npos) << m;
    EXPECT_EQ(m.substr(m.size() - std::string("\n\n開発元にお問い合わせください。").size()),
              "\n\n開発元にお問い合わせください。");
    EXPECT_EQ(m, kExtractErrorHead + result.ArchiveErrors + "\n\n" + kExtractErrorTail);
    EXPECT_FALSE(result.Imported);
    // Members that came out whole before the damage replaced nothing either.
    EXPECT_EQ(FilesIn(app()), kFourFiles);
    EXPECT_EQ(Bytes(app() / kUmaFile), "previous horse\r\n");
    EXPECT_EQ(Bytes(app() / kOdsFile), "previous odds\r\n");
    EXPECT_EQ(store_.UmaLines.at(0), "previous horse");
  }
}

TEST_F(ImportTest, MembersNamedOutsideTheFolderAreRefusedAndNothingIsWritten) {
  const auto result = Import(Offer({"traversal.lzh"}));
  ASSERT_EQ(result.Messages.size(), 1u);
  EXPECT_FALSE(result.Imported);
  for (const char* line : {"\n5 : フォルダーを含む名前のファイルは展開しません: ../escape.txt",
                           "\n5 : フォルダーを含む名前のファイルは展開しません: ../../escape2.txt",
                           "\n5 : フォルダーを含む名前のファイルは展開しません: /tmp/varnel_absolute.txt",
                           "\n5 : フォルダーを含む名前のファイルは展開しません: sub/inner.txt",
                           "\n5 : フォルダーを含む名前のファイルは展開しません: sub\\back.txt",
                           "\n5 : フォルダーを含む名前のファイルは展開しません: C:drive.txt",
                           "\n5 : フォルダーを含む名前のファイルは展開しません: ..",
                           "\n6 : フォルダー・リンク・特殊ファイルは展開しません: link|/etc/passwd"}) {
    EXPECT_NE(result.ArchiveErrors.find(line), std::string::npos) << line << "\n" << result.ArchiveErrors;
  }
  EXPECT_TRUE(FilesIn(app()).empty());
  EXPECT_EQ(FilesIn(root_), (std::set<std::string>{"app", "in"}));
  EXPECT_EQ(FilesIn(in()), (std::set<std::string>{"traversal.lzh"}));
  EXPECT_FALSE(fs::exists("/tmp/varnel_absolute.txt"));
}

TEST_F(ImportTest, ProgressReportsPercentsAndCanStopTheImport) {
  std::vector<int> seen;
  auto result = Import(Offer({"hb261004.lzh"}), [&](int done, int total) {
    EXPECT_EQ(total, 100);
    seen.push_back(done);
    return true;
  });
  EXPECT_TRUE(result.Imported);
  ASSERT_GE(seen.size(), 2u);
  EXPECT_EQ(seen[seen.size() - 2], 100);
  EXPECT_EQ(seen.back(), 0);  // the gauge returns to 0 when the extraction is over

  fs::remove_all(app());
  fs::create_directories(app());
  result = Import((in() / "hb261004.lzh").string(), [](int, int) { return false; });
  EXPECT_FALSE(result.Imported);
  EXPECT_NE(result.ArchiveErrors.find("\n10 : "), std::string::npos);
  EXPECT_TRUE(FilesIn(app()).empty());
}

TEST(CompanionArchiveTest, FindsTheOddsArchiveBesideTheRaceCard) {
  const auto dir = fs::temp_directory_path() / "varnel-companion";
  fs::remove_all(dir);
  fs::create_directories(dir);
  for (const char* n : {"hb261004.lzh", "j261004.lzh", "rq3_hb261004.lzh", "rq3_jb261004.lzh", "hb261011.lzh"}) {
    ASSERT_TRUE(WriteFileAtomic((dir / n).string(), "x"));
  }
  EXPECT_EQ(CompanionArchive((dir / "hb261004.lzh").string()), (dir / "j261004.lzh").string());
  EXPECT_EQ(CompanionArchive((dir / "rq3_hb261004.lzh").string()), (dir / "rq3_jb261004.lzh").string());
  EXPECT_EQ(CompanionArchive((dir / "hb261011.lzh").string()), "");
  EXPECT_EQ(CompanionArchive((dir / "j261004.lzh").string()), "");
  fs::remove_all(dir);
}

TEST(Rq3ConvertTest, LinesTakeTheirColumnsInTheNewOrder) {
  std::string den1(846, '.');
  den1[73] = 'J';                          // column 74: the Jpn flag
  den1.replace(418, 8, "ABCDEFGH");        // columns 419-426
  const std::string h = ConvertRq3Line("qdx_den1.rq3", den1);
  EXPECT_EQ(h.size(), 777u);
  EXPECT_EQ(h.substr(349, 9), "ABCDEFGHJ");  // columns 350-358 of the new line

  std::string den2(876, '.');
  den2[255] = 'X';
  EXPECT_EQ(ConvertRq3Line("qdx_den2.rq3", den2), std::string(741, '.'));

  std::string ods(1502, '.');
  ods[73] = 'X';
  const std::string o = ConvertRq3Line("qdx_ods.rq3", ods);
  EXPECT_EQ(o.size(), 1502u);
  EXPECT_EQ(o.substr(159, 3), ". .");

  // Short lines give short pieces and nothing is padded.
  EXPECT_EQ(ConvertRq3Line("qdx_den1.rq3", "0123456789"), "0123456789");
  EXPECT_EQ(ConvertRq3Line("qdx_den1.rq3", std::string(73, 'a') + "J" + "bbbbb"), std::string(73, 'a') + "bbbbbJ");
  EXPECT_EQ(ConvertRq3Line("qdx_uma.rq3", den1), "");
}

TEST(Rq3ConvertTest, FileIsRewrittenBesideAndTheOldOneDeleted) {
  const auto dir = fs::temp_directory_path() / "varnel-rq3";
  fs::remove_all(dir);
  fs::create_directories(dir);
  ASSERT_TRUE(WriteFileAtomic((dir / "qdx_den2.rq3").string(), std::string(876, 'x') + "\r\n" + "short\n"));
  ASSERT_TRUE(WriteFileAtomic((dir / "qdx_den2.rq2").string(), "old\r\n"));
  ASSERT_TRUE(ConvertRq3File((dir / "qdx_den2.rq3").string()));
  EXPECT_EQ(FilesIn(dir), (std::set<std::string>{"qdx_den2.rq2"}));
  EXPECT_EQ(Bytes(dir / "qdx_den2.rq2"), std::string(741, 'x') + "\r\nshort\r\n");
  fs::remove_all(dir);
}

}  // namespace
}  // namespace varnel
