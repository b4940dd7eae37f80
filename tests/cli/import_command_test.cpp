#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

struct CliRun {
  int code = -1;
  std::string out;
};

CliRun VarnelCli(const std::string& args) {
  const std::string cmd = std::string(VARNEL_BINARY_DIR "/src/cli/varnel-cli ") + args + " 2>/dev/null";
  CliRun run;
  FILE* p = ::popen(cmd.c_str(), "r");
  if (!p) return run;
  std::array<char, 4096> buf;
  size_t n;
  while ((n = std::fread(buf.data(), 1, buf.size(), p)) > 0) run.out.append(buf.data(), n);
  const int status = ::pclose(p);
  run.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

TEST(ImportCommandTest, ImportsIntoTheFolderAndListsTheRacesOrPrintsTheMessage) {
  const fs::path app = fs::temp_directory_path() / "varnel-cli-import";
  fs::remove_all(app);
  fs::create_directories(app);
  const std::string fixtures = VARNEL_SOURCE_DIR "/tests/fixtures/archives/";

  CliRun ok = VarnelCli("import " + fixtures + "hb261004.lzh --app-dir " + app.string());
  EXPECT_EQ(ok.code, 0);
  EXPECT_EQ(ok.out, "東京01R サラ2歳 未勝利  \n東京02R サラ2歳 未勝利  \n");
  EXPECT_TRUE(fs::exists(app / "qdx_uma.rq2"));

  CliRun none = VarnelCli("import " + fixtures + "nodata.lzh --app-dir " + app.string());
  EXPECT_EQ(none.code, 1);
  EXPECT_EQ(none.out, "指定した書庫ファイルにデータは含まれておりません。\n\n正しいQDXデータをご利用ください。\n");
  fs::remove_all(app);
}

}  // namespace
