#pragma once
// What the race card shows of the index pass: the R, O and KZ cells of the grid, the rank-table
// sort keys and the mark column.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "engine/index_pass.h"
#include "engine/runner_record.h"
#include "racedata/race_header.h"

namespace varnel {

// The horse number held by a horse-number cell "<BR><P ALIGN="center">n</P>": a 27-character
// cell has it in character 23, a 28-character one in characters 23 and 24; anything else gives 0
// (no runner).
int HorseNumberOfCell(std::string_view cellText);

// Grid columns 6 to 10 of one runner.
struct IndexCells {
  std::string R, RRank, O, ORank, KZ;
};
IndexCells IndexCellTexts(const TBachu& b);
// The same into `out`, overwritten whole; its text buffers are reused.
void IndexCellTexts(const TBachu& b, IndexCells& out);

// Writes the sort keys of grdKurai columns 1 and 3 to 9 for the runner with `horseNumber`
// (the row is widened to 10 columns when shorter).
void FillKuraiIndexColumns(std::vector<std::string>& kuraiRow, int horseNumber, const TBachu& b,
                           const std::array<int, 6>& markedRunners);

// Whether the race gets marks and bets: ratings, odds, a first runner with an odds rank, six
// rated favourites, not a newcomer race and not flagged as no-bet.
bool MarksEligible(const Bachus& bachus, const IndexResults& r, const RaceHeader& header);

// The mark cell for mark position 1..6; empty for any other position.
std::string MarkCellText(int position);

// The mark position (1..6) held by the horse, 0 when it holds none.
int MarkPosition(int horseNumber, const std::array<int, 6>& markedRunners);

}  // namespace varnel
