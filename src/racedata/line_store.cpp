#include "racedata/line_store.h"

#include <algorithm>

#include "racedata/record_fields.h"
#include "text/file_io.h"
#include "text/number_text.h"

namespace varnel {

int LineStore::RunnerCount(int r) const {
  if (r < 0 || r >= RaceCount || r >= static_cast<int>(Den1Lines.size())) return 0;
  return std::max(0, IntField(Den1Lines[r], HeaderCol::RunnerCount));
}

int LineStore::FirstRunnerLine(int r) const {
  int first = 0;
  for (int i = 0; i < r && i < RaceCount; ++i) first += RunnerCount(i);
  return first;
}

int LineStore::StoredRunnerCount(int r) const {
  const int stored = static_cast<int>(std::min(Den2Lines.size(), UmaLines.size()));
  const int first = FirstRunnerLine(r);
  return std::clamp(stored - first, 0, RunnerCount(r));
}

const std::string& LineStore::OddsLine(int r) const {
  static const std::string kEmpty;
  return (r >= 0 && r < static_cast<int>(OdsLines.size())) ? OdsLines[r] : kEmpty;
}

Result<bool> LoadDataSet(const std::string& dir, LineStore& store) {
  const std::string base = WithBackslash(dir);
  const std::string den1 = base + kDen1File, den2 = base + kDen2File, uma = base + kUmaFile, ods = base + kOdsFile;

  // Everything is read into locals first, so a failure halfway leaves the loaded day intact.
  const bool haveDay = FileExists(den1) && FileExists(den2) && FileExists(uma);
  std::vector<std::string> den1Lines, den2Lines, umaLines, odsLines;
  if (haveDay) {
    for (auto [path, lines] : {std::pair{&den1, &den1Lines}, {&den2, &den2Lines}, {&uma, &umaLines}}) {
      auto bytes = ReadFileBytes(*path);
      if (!bytes) return Fail(bytes.error());
      *lines = SplitLines(*bytes);
    }
    if (den1Lines.size() > LineStore::kMaxRaces) {
      return Fail("レース数が多すぎます（" + std::to_string(den1Lines.size()) + "レース）。一日" +
                  std::to_string(LineStore::kMaxRaces) + "レースまでのデータしか読み込めません。");
    }
    if (den2Lines.size() > LineStore::kMaxRunnerLines || umaLines.size() > LineStore::kMaxRunnerLines) {
      return Fail("出走馬のデータが多すぎます（" + std::to_string(std::max(den2Lines.size(), umaLines.size())) +
                  "行）。一日" + std::to_string(LineStore::kMaxRunnerLines) + "頭までのデータしか読み込めません。");
    }
  }
  const bool haveOdds = FileExists(ods);
  if (haveOdds) {
    auto bytes = ReadFileBytes(ods);
    if (!bytes) return Fail(bytes.error());
    odsLines = SplitLines(*bytes);
    if (odsLines.size() > LineStore::kMaxRaces) {
      return Fail("オッズデータのレース数が多すぎます（" + std::to_string(odsLines.size()) + "レース）。");
    }
  }

  if (haveDay) {
    store.Races.clear();
    store.Races.reserve(den1Lines.size());
    for (const auto& l : den1Lines) store.Races.push_back(ParseRaceHeader(l));
    store.RaceCount = static_cast<int>(den1Lines.size());
    store.Den1Lines = std::move(den1Lines);
    store.Den2Lines = std::move(den2Lines);
    store.UmaLines = std::move(umaLines);
  }
  if (haveOdds) store.OdsLines = std::move(odsLines);
  return haveDay;
}

}  // namespace varnel
