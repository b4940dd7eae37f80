#include "shell/session.h"

#include <algorithm>
#include <chrono>
#include <ctime>

#include "engine/index_cells.h"
#include "engine/race_style.h"
#include "raceview/past_run_cells.h"
#include "text/number_text.h"

namespace varnel {

CivilDate SystemClock::Today() const {
  const std::time_t t = std::time(nullptr);
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &t);
#else
  localtime_r(&t, &local);
#endif
  return CivilDate{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

Session::Session(std::string appDir, const Clock* clock)
    : AppDir(WithBackslash(appDir)), clock_(clock ? clock : &systemClock_) {}

void Session::RemoveListener(SessionListener* l) {
  listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), l), listeners_.end());
}

void Session::Notify(void (SessionListener::*fn)()) {
  for (auto* l : std::vector<SessionListener*>(listeners_)) (l->*fn)();
}

Result<bool> Session::LoadDataSet() {
  auto r = varnel::LoadDataSet(AppDir, store_);
  if (r.ok() && *r) {
    // The card of the previous day describes races that are gone.
    card_ = RaceCard{};
    Notify(&SessionListener::DayLoaded);
  }
  return r;
}

ImportResult Session::ImportArchive(const std::string& archivePath, const ImportProgress& progress) {
  ImportResult result = varnel::ImportArchive(AppDir, archivePath, store_, progress);
  if (result.Imported) {
    if (result.DayLoaded) {
      card_ = RaceCard{};
      Notify(&SessionListener::DayLoaded);
    }
    if (store_.RaceCount > 0) {
      auto shown = ShowRace(0);
      if (!shown) result.Messages.push_back(shown.error());
    }
  }
  return result;
}

void Session::RefreshBetDetail(RaceCard& card) const {
  const RaceHeader& h = store_.Races[card.race];
  card.Detail = kaimeVisible_ ? FillBetDetail(card.Bets, h.RaceLabel, h.RaceNo) : BetDetail{};
}

namespace {
std::string RaceName(const RaceHeader& h, int r) {
  return "レース" + std::to_string(r + 1) + "（" + h.RaceCourse + h.RaceNo + "R）";
}
}  // namespace

Status Session::ShowRace(int r) {
  if (r < 0 || r >= store_.RaceCount) return Fail("レース番号が範囲外です: " + std::to_string(r));
  const RaceHeader& h = store_.Races[r];
  auto count = RaceRunnerCountOf(h);
  if (!count) return Fail(RaceName(h, r) + ": " + count.error());
  int n = std::max(0, *count);
  // A header may promise more runners than the files hold; never read past the stored lines.
  n = std::min(n, store_.StoredRunnerCount(r));

  // Built in the spare card, the one shown before the current one, so that its vectors and
  // texts are reused; it is swapped in only when the whole race could be shown.
  RaceCard& card = spare_;
  card.race = r;
  card.FirstRunnerLine = store_.FirstRunnerLine(r);
  card.LastRunnerLine = card.FirstRunnerLine + n - 1;
  card.Runners.resize(static_cast<size_t>(n));
  card.RunnerProfile.resize(static_cast<size_t>(n));
  card.Rows.resize(static_cast<size_t>(n));
  card.FrontRunnerCount = 0;
  HorseHistory* history = (DbConnected && !BatchRunning) ? history_ : nullptr;
  const CivilDate today = clock_->Today();

  RunnerCells& runner = runnerScratch_;
  if (n > 0) PrefetchHorseLine(store_.UmaLines[card.FirstRunnerLine]);
  for (int k = 0; k < n; ++k) {
    const std::string& entry = store_.Den2Lines[card.FirstRunnerLine + k];
    const std::string& uma = store_.UmaLines[card.FirstRunnerLine + k];
    // Horse lines are long and read at scattered columns: the next one is fetched meanwhile.
    if (k + 1 < n) PrefetchHorseLine(store_.UmaLines[card.FirstRunnerLine + k + 1]);
    TBachu& b = card.Runners[k];
    auto built = BuildBachu(b, uma, h, history, today);
    if (!built) return Fail(RaceName(h, r) + " " + std::to_string(k + 1) + "番: " + built.error());
    auto cells = BuildRunnerCells(entry, uma, k, runner);
    if (!cells) return Fail(RaceName(h, r) + " " + std::to_string(k + 1) + "番: " + cells.error());
    b.Kinryo = runner.Kinryo;
    b.Kisyu = runner.Kisyu;
    b.Rating = runner.Rating;
    if (b.Kyakusitu == "逃げ") ++card.FrontRunnerCount;
    card.RunnerProfile[k].swap(runner.RunnerProfile);
    MakeGridRow(std::move(runner), b, k, card.Rows[k]);
  }

  auto courses = LoadCourseTables(AppDir, h.RaceCourse, h.RaceSurface, card.FrontRunnerCount, h.RaceSection,
                                  h.RaceDistance);
  if (!courses) return Fail(RaceName(h, r) + ": " + courses.error());
  card.Courses = std::move(*courses);

  CalcIndexes(store_, r, card.Runners, card.Index);
  const bool showIndexes = card.Index.RatingsPresent && card.Index.OddsPresent;
  for (int k = 0; k < n; ++k) {
    GridRow& row = card.Rows[k];
    row.kurai[3] = "0";
    row.kurai[4] = "0";
    if (showIndexes) {
      IndexCells& cells = indexScratch_;
      IndexCellTexts(card.Runners[k], cells);
      row.cells[6].swap(cells.R);
      row.cells[7].swap(cells.RRank);
      row.cells[8].swap(cells.O);
      row.cells[9].swap(cells.ORank);
      row.cells[10].swap(cells.KZ);
      // Written with the index cells, before the marks decide eligibility: the mark points
      // of an ineligible race still order a sort by mark.
      FillKuraiIndexColumns(row.kurai, k + 1, card.Runners[k], card.Index.MarkedRunners);
    }
  }
  card.PatternLit = ShowPattern(PatternName(card.Index.RacePattern));

  // The marks. A race without them gets its pattern pictures switched off and no bets.
  card.Eligible = MarksEligible(card.Runners, card.Index, h);
  if (card.Eligible) {
    for (int k = 0; k < n; ++k) card.Rows[k].cells[11] = MarkCellText(MarkPosition(k + 1, card.Index.MarkedRunners));
  } else {
    card.PatternLit = {};
    card.Index.MarkedRunners = {};
  }
  card.Bets = GenerateBets(card.Index.MarkedRunners, card.Eligible, h.RaceNo);
  card.Panel = ShowBetPanel(card.Index.MarkedRunners, card.Bets, card.Eligible, h.RaceNo);
  RefreshBetDetail(card);

  sort_.Restore(card.Rows);
  std::swap(card_, spare_);
  Notify(&SessionListener::RaceShown);
  return Success();
}

void Session::HeaderClick(int col) {
  if (card_.race < 0) return;
  if (sort_.HeaderClick(col, card_.Rows, card_.Index.TopSixRated)) Notify(&SessionListener::SortChanged);
}

void Session::SetKaimeVisible(bool visible) {
  const bool wasVisible = kaimeVisible_;
  kaimeVisible_ = visible;
  if (visible && !wasVisible && card_.race >= 0) {
    RefreshBetDetail(card_);
    Notify(&SessionListener::BetDetailChanged);
  }
}

int Session::HorseNumberOfRow(int row) const {
  if (row < 0 || row >= static_cast<int>(card_.Rows.size())) return 0;
  return HorseNumberOfCell(card_.Rows[row].cells[1]);
}

const TBachu* Session::RunnerOfRow(int row) const {
  const int number = HorseNumberOfRow(row);
  if (number < 1 || number > static_cast<int>(card_.Runners.size())) return nullptr;
  return &card_.Runners[number - 1];
}

CellColor Session::CellColorAt(int row, int col) const {
  const TBachu* b = RunnerOfRow(row);
  if (!b) return {};
  return Grid1GetCellColor(col, card_.Rows[row].cells[0], *b);
}

bool Session::RestBorderAt(int row, int col) const {
  const TBachu* b = RunnerOfRow(row);
  return b && Grid1GetCellBorder(col, *b, clock_->Today());
}

}  // namespace varnel
