#pragma once
// Win GAP horses: well-rated runners whose odds rank lies at least five places below their
// rating rank, found on the index pass's working table.
#include <array>
#include <span>
#include <string>

#include "engine/runner_record.h"
#include "engine/work_table.h"

namespace varnel {

// `table` holds the grdRating columns (entry number, rating, R rank, odds field, O rank);
// `order` lists its rows in the order the pass has them in (rating order whenever GAP horses
// are possible). `topRating` is the best rating of the race, `anyUnrated` whether any runner
// has rating 0. Scratched runners are passed over as if they were not in the order. Returns up
// to three texts PadLeft(entry, 2) + " " + Bamei from the front; the fourth is always empty.
std::array<std::string, 4> FindGapHorses(const WorkTable& table, std::span<const int> order, const Bachus& bachus,
                                         int topRating, bool anyUnrated);

}  // namespace varnel
