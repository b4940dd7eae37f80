#pragma once
// The runner record built from a horse line: the three past-run cells of the race card (last
// run, two and three runs ago), the figures their colours and borders need, the horse's name
// and code, its running style and its distance change.
#include <string>
#include <string_view>

#include "engine/runner_record.h"
#include "racedata/race_header.h"
#include "raceview/horse_history.h"
#include "text/civil_date.h"
#include "text/result.h"

namespace varnel {

// A rank as the cells show it: 1 to 4 in their colours, any other number plain, right-aligned
// in two columns and followed by "位".
std::string RankHtml(int n);

// Builds the record of one runner from its horse line. `history` may be nullptr (no database,
// or a day batch running): the cells then go without history figures. A run whose date field has
// a blank is dated `today` (RunDate::now). A run date without blanks that is not a real date, or
// a race date that is not one, fails the whole race with a message naming the field.
// The caller adds Kinryo, Kisyu, Rating and the index-pass fields.
Result<TBachu> BuildBachu(std::string_view umaLine, const RaceHeader& race, HorseHistory* history,
                          const CivilDate& today);
// The same into `out`, which is overwritten whole; its text buffers are reused, so a card built
// over the previous one allocates little. On failure `out` is left half built.
Status BuildBachu(TBachu& out, std::string_view umaLine, const RaceHeader& race, HorseHistory* history,
                  const CivilDate& today);

// Starts fetching the parts of a horse line that BuildBachu reads into the processor's cache, so
// that the next runner's line arrives while the current one is built. Changes nothing.
void PrefetchHorseLine(std::string_view umaLine);

// The date of the race from its date text ("2007/10/07(日)"); false when it is not a date.
bool RaceDateOf(const RaceHeader& race, CivilDate& out);

}  // namespace varnel
