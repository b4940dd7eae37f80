// One race day from fuzz bytes: the input, cut at newlines, gives the race header line, the entry
// line, the horse line and the odds line (further line pairs are more entry and horse lines). They
// are written as the day's four data files, loaded by a Session, and every step of showing the
// race runs on them: the card, the indexes, marks and bets, each grid sort and the horse detail.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "raceview/horse_detail.h"
#include "shell/session.h"

using namespace varnel;
namespace fs = std::filesystem;

namespace {

class FixedClock : public Clock {
 public:
  CivilDate Today() const override { return today; }
  CivilDate today{2014, 10, 4};
};

const std::string& AppDir() {
  static const std::string dir = [] {
    char tmpl[] = "/tmp/varnel_fuzz_day_XXXXXX";
    const char* made = mkdtemp(tmpl);
    if (!made) std::abort();
    // The shipped course tables, so that the index pass reads real tables.
    fs::create_directory_symlink(fs::path(VARNEL_SOURCE_DIR) / "data/sample/Data", fs::path(made) / "Data");
    return std::string(made) + "/";
  }();
  return dir;
}

void WriteLines(const std::string& path, const std::vector<std::string>& lines) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  for (const std::string& l : lines) out << l << "\r\n";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<std::string> parts(1);
  for (size_t i = 0; i < size; ++i) {
    const char c = static_cast<char>(data[i]);
    if (c == '\n') {
      parts.emplace_back();
    } else if (c != '\r') {
      parts.back() += c;
    }
  }
  while (parts.size() < 4) parts.emplace_back();
  std::vector<std::string> den2{parts[1]}, uma{parts[2]};
  for (size_t i = 4; i + 1 < parts.size(); i += 2) {
    den2.push_back(parts[i]);
    uma.push_back(parts[i + 1]);
  }
  const std::string& dir = AppDir();
  WriteLines(dir + kDen1File, {parts[0]});
  WriteLines(dir + kDen2File, den2);
  WriteLines(dir + kUmaFile, uma);
  WriteLines(dir + kOdsFile, {parts[3]});

  static FixedClock clock;
  Session session(dir, &clock);
  const Result<bool> loaded = session.LoadDataSet();
  if (!loaded.ok() || !loaded.value()) return 0;
  if (!session.ShowRace(0).ok()) return 0;
  session.SetKaimeVisible(true);
  const RaceCard& card = session.Card();
  for (size_t row = 0; row < card.Rows.size(); ++row) {
    for (int col = 0; col < 12; ++col) {
      (void)session.CellColorAt(static_cast<int>(row), col);
      (void)session.RestBorderAt(static_cast<int>(row), col);
    }
  }
  for (int col = -1; col <= 12; ++col) {
    session.HeaderClick(col);
    session.HeaderClick(col);
  }
  const LineStore& store = session.Store();
  for (int k = 0; k < static_cast<int>(card.RunnerProfile.size()); ++k) {
    const int line = card.FirstRunnerLine + k;
    if (line < 0 || line >= static_cast<int>(store.UmaLines.size())) break;
    (void)ShowHorse(store.UmaLines[line], card.RunnerProfile[k]);
  }
  (void)ChooserItems(card.Runners);
  return 0;
}
