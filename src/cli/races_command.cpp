#include <iostream>

#include "cli/commands.h"
#include "cli/json_writer.h"
#include "racedata/line_store.h"

namespace varnel {

int RunRacesCommand(const std::vector<std::string>& args) {
  std::string dir;
  bool json = false;
  for (const auto& a : args) {
    if (a == "--json") json = true;
    else if (dir.empty()) dir = a;
    else return UsageError("余分な引数です: " + a);
  }
  if (dir.empty()) return UsageError("データフォルダを指定してください。");

  LineStore store;
  auto loaded = LoadDataSet(dir, store);
  if (!loaded) {
    std::cerr << loaded.error() << "\n";
    return 1;
  }
  if (!*loaded) {
    std::cerr << "データファイルが見つかりません: " << dir << "\n";
    return 1;
  }
  if (!json) {
    for (const auto& h : store.Races) std::cout << h.RaceMenuCaption << "\n";
    return 0;
  }
  JsonWriter w;
  w.BeginArray();
  for (const auto& h : store.Races) {
    w.BeginObject()
        .Field("RaceDateText", h.RaceDateText)
        .Field("RaceDateKey", h.RaceDateKey)
        .Field("RaceMeeting", h.RaceMeeting)
        .Field("RaceRunnerCount", h.RaceRunnerCount)
        .Field("RaceTitle1", h.RaceTitle1)
        .Field("RaceTitle2", h.RaceTitle2)
        .Field("RaceShortTitle", h.RaceShortTitle)
        .Field("RaceLabel", h.RaceLabel)
        .Field("RaceMenuCaption", h.RaceMenuCaption)
        .Field("RaceNo", h.RaceNo)
        .Field("RaceNoBetFlag", h.RaceNoBetFlag)
        .Field("RaceDistance", h.RaceDistance)
        .Field("RaceSection", h.RaceSection)
        .Field("RaceClass", h.RaceClass)
        .Field("RaceGrade", h.RaceGrade)
        .Field("RaceCourse", h.RaceCourse)
        .Field("RaceSurface", h.RaceSurface)
        .Field("RaceJpnFlag", h.RaceJpnFlag)
        .EndObject();
  }
  w.EndArray();
  std::cout << w.str() << "\n";
  return 0;
}

}  // namespace varnel
