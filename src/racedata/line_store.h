#pragma once
// The race day as raw lines: the four data files of the data service, kept exactly as read and
// cut into fields only by the code that needs a field.
#include <string>
#include <vector>

#include "racedata/race_header.h"
#include "text/result.h"

namespace varnel {

inline constexpr const char* kDen1File = "qdx_den1.rq2";
inline constexpr const char* kDen2File = "qdx_den2.rq2";
inline constexpr const char* kUmaFile = "qdx_uma.rq2";
inline constexpr const char* kOdsFile = "qdx_ods.rq2";

struct LineStore {
  static constexpr int kMaxRaces = 39;
  static constexpr int kMaxRunnerLines = 1000;

  std::vector<std::string> Den1Lines;  // race header lines, index = race
  std::vector<std::string> Den2Lines;  // entry lines, index = runner line
  std::vector<std::string> UmaLines;   // horse lines, parallel to Den2Lines
  std::vector<std::string> OdsLines;   // odds lines, index = race; kept when a day comes without odds
  std::vector<RaceHeader> Races;       // the texts of each header line
  int RaceCount = 0;

  // Runners of race r by its header (columns 337-338, 0 when not a number).
  int RunnerCount(int r) const;
  // First runner line of race r: the runner counts of the races before it added up.
  int FirstRunnerLine(int r) const;
  // Runners of race r that are really stored in both runner files (never more than RunnerCount):
  // a header that promises more runners than the files hold must not lead to a read past them.
  int StoredRunnerCount(int r) const;
  // The odds line of race r, or empty when the day has none for it.
  const std::string& OddsLine(int r) const;
};

// Reads the data files of a race day from `dir`. The value is true when the header, entry and
// horse files were all there and read; false when one of them is missing (then those three are
// left as they were). The odds file is read whenever it exists. A file that cannot be read, or a
// day beyond the store's capacity, is an error, and then nothing at all changes.
Result<bool> LoadDataSet(const std::string& dir, LineStore& store);

}  // namespace varnel
