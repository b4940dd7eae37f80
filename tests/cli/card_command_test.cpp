// The CLI's JSON contracts are read by tools outside the program: keys and texts must not move.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <memory>
#include <string>

namespace {

std::string RunCli(const std::string& args) {
  const std::string cmd = std::string(VARNEL_BINARY_DIR) + "/src/cli/varnel-cli " + args + " 2>&1";
  std::unique_ptr<FILE, int (*)(FILE*)> p(popen(cmd.c_str(), "r"), pclose);
  std::string out;
  std::array<char, 4096> buf;
  while (size_t n = fread(buf.data(), 1, buf.size(), p.get())) out.append(buf.data(), n);
  return out;
}

const std::string kSample = std::string(VARNEL_SOURCE_DIR) + "/data/sample";

TEST(CardCommand, JsonCarriesEveryKeyOfTheContract) {
  const std::string out = RunCli("card " + kSample + " 8 --json");
  for (const char* key :
       {"\"race\": 8", "\"RaceTitle1\"", "\"RaceTitle2\"", "\"RacePattern\": 1", "\"RatingsPresent\": true",
        "\"OddsPresent\": true", "\"TopSixRated\"", "\"Eligible\": true", "\"MarkedRunners\"", "\"GapHorses\"",
        "\"QuinellaBets\"", "\"TrioBets\"", "\"TrifectaBets\"", "\"FrontRunnerCount\"", "\"CourseTable1\"",
        "\"CourseTable2\"", "\"BetPanel\"", "\"lblKai0\"", "\"lblKai12\"", "\"visible\"", "\"BetDetailStatus\"",
        "\"BetDetail\"", "\"runners\"", "\"number\"", "\"cells\"", "\"cellColors\"", "\"restBorder\"", "\"kurai\"",
        "\"RunnerProfile\"", "\"Bamei\"", "\"UmaCode\"", "\"Rating\"", "\"RRank\"", "\"ORank\"", "\"OddsText\"",
        "\"Kinryo\"", "\"Kisyu\"", "\"RIndex\"", "\"OIndex\"", "\"KZIndex\"", "\"Kyakusitu\"", "\"KyoriHenka\"",
        "\"SouSurface\"", "\"SouDistance\"", "\"SouHasResult\"", "\"SouFinish\"", "\"SouDate\""}) {
    EXPECT_NE(out.find(key), std::string::npos) << key;
  }
  EXPECT_NE(out.find("\"text\": \"馬連(ボックス) 計10点\""), std::string::npos);
}

TEST(CardCommand, SortAppliesHeaderClicksAndBadArgumentsAreRefused) {
  const std::string sorted = RunCli("card " + kSample + " 8 --json --sort 10");
  // Sorted by KZ: the first runner printed holds the ◎.
  const size_t runners = sorted.find("\"runners\"");
  ASSERT_NE(runners, std::string::npos);
  EXPECT_NE(sorted.find("◎", runners), std::string::npos);
  EXPECT_LT(sorted.find("◎", runners), sorted.find("○", runners));
  EXPECT_NE(RunCli("card " + kSample + " 99").find("レース番号"), std::string::npos);
  EXPECT_NE(RunCli("card /nonexistent 0").find("見つかりません"), std::string::npos);
  EXPECT_NE(RunCli("races " + kSample + " --json").find("\"RaceMenuCaption\": \"東京11R"), std::string::npos);
}

}  // namespace
