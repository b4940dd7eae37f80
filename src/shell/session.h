#pragma once
// Session: what the main window owns. The loaded day, the race on screen with its runner records,
// index results, grid rows, bets and flags. Windows render it and forward user actions to it;
// the CLI prints from it. Everything here runs on the thread that owns the session (the UI
// thread in the desktop program).
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "bets/bet_detail.h"
#include "bets/bet_generation.h"
#include "bets/bet_panel.h"
#include "engine/course_tables.h"
#include "engine/index_cells.h"
#include "engine/index_pass.h"
#include "engine/runner_record.h"
#include "racedata/archive_import.h"
#include "racedata/line_store.h"
#include "raceview/grid_sort.h"
#include "raceview/horse_history.h"
#include "raceview/race_grid.h"
#include "text/civil_date.h"
#include "text/result.h"

namespace varnel {

// Today's date, so that tests can pin it ("now" past runs and rest borders depend on it).
class Clock {
 public:
  virtual ~Clock() = default;
  virtual CivilDate Today() const = 0;
};
class SystemClock : public Clock {
 public:
  CivilDate Today() const override;
};

// Told what changed; a window repaints from the session, the CLI ignores it.
class SessionListener {
 public:
  virtual ~SessionListener() = default;
  virtual void DayLoaded() {}
  virtual void RaceShown() {}
  virtual void SortChanged() {}
  virtual void BetDetailChanged() {}
};

// Everything shown for one race. Built whole by ShowRace and swapped in only when the race
// could be shown, so a race with bad data leaves the previous card as it was.
struct RaceCard {
  int race = -1;
  int FirstRunnerLine = 0;
  int LastRunnerLine = -1;
  Bachus Runners;                          // Bachus: element k is horse number k + 1
  std::vector<std::string> RunnerProfile;  // per runner k
  std::vector<GridRow> Rows;               // Grid1 rows (12 cells) with their grdKurai rows, in grid order
  int FrontRunnerCount = 0;
  CourseTables Courses;
  IndexResults Index;
  std::array<bool, 4> PatternLit{};        // imgPatt0..3
  bool Eligible = false;                   // marks and bets
  BetLists Bets;
  BetPanel Panel;
  BetDetail Detail;                        // as the bet detail window shows it while open
};

class Session {
 public:
  explicit Session(std::string appDir, const Clock* clock = nullptr);

  // State the main window owns and other windows read.
  std::string AppDir;  // ends in the path separator
  bool Show3Sou = false;
  bool AutoResize = true;
  bool UserOddsMode = false;
  bool DetailWindowOpen = false;
  bool DbConnected = false;
  bool BatchRunning = false;

  const LineStore& Store() const { return store_; }
  int RaceCount() const { return store_.RaceCount; }
  int CurrentRace() const { return card_.race; }
  const RaceCard& Card() const { return card_; }
  const Bachus& Runners() const { return card_.Runners; }
  int SortColumn() const { return sort_.SortColumn; }
  const GridSort& Sort() const { return sort_; }
  const std::string& StatusText() const { return sort_.StatusText; }
  bool KaimeVisible() const { return kaimeVisible_; }

  // Reads the day's data files from AppDir (true when a day was there). Errors change nothing.
  Result<bool> LoadDataSet();
  // Brings in a race day from an LZH archive into AppDir and, when the day's files are there,
  // shows its first race. The messages of the import are in the result; an archive that fails
  // leaves the loaded day and the race on screen as they were.
  ImportResult ImportArchive(const std::string& archivePath, const ImportProgress& progress = {});
  // Shows race r: every data step of the race display, in order. On an error (a runner count or
  // weight that is not a number, a bad run date, a broken course table value) the previous race
  // stays and the error names the race and the field.
  Status ShowRace(int r);
  // A click on the header of grid column `col` (sort state machine).
  void HeaderClick(int col);
  // The bet detail window was shown or hidden; showing it refreshes its text.
  void SetKaimeVisible(bool visible);

  // The runner on grid row `row` (0-based data row), or nullptr.
  const TBachu* RunnerOfRow(int row) const;
  int HorseNumberOfRow(int row) const;
  CellColor CellColorAt(int row, int col) const;
  bool RestBorderAt(int row, int col) const;

  void SetHistory(HorseHistory* history) { history_ = history; }
  void AddListener(SessionListener* l) { listeners_.push_back(l); }
  void RemoveListener(SessionListener* l);

 private:
  void Notify(void (SessionListener::*fn)());
  void RefreshBetDetail(RaceCard& card) const;

  LineStore store_;
  RaceCard card_;
  RaceCard spare_;             // the card shown before card_, rebuilt in place by ShowRace
  RunnerCells runnerScratch_;  // one runner's cells while ShowRace builds its row
  IndexCells indexScratch_;    // likewise its index cells
  GridSort sort_;
  bool kaimeVisible_ = false;
  HorseHistory* history_ = nullptr;
  SystemClock systemClock_;
  const Clock* clock_;
  std::vector<SessionListener*> listeners_;
};

}  // namespace varnel
