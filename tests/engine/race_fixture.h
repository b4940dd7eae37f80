#pragma once
// One race for the index pass: a header line, an odds line that belongs to it, and runner
// records with ratings and names.
#include <string>
#include <vector>

#include "engine/runner_record.h"
#include "racedata/header_fixture.h"
#include "racedata/line_store.h"
#include "racedata/record_fields.h"
#include "text/number_text.h"

namespace varnel::testing {

struct RaceFixture {
  LineStore store;
  Bachus bachus;
};

// odds[k] is runner k's win-odds field as the odds line holds it: a number of tenths ("35"),
// "/", "*" or "-", right-aligned in its five columns. An empty odds list gives a day without an
// odds line for the race.
inline RaceFixture MakeRace(const std::vector<int>& ratings, const std::vector<std::string>& odds) {
  RaceFixture f;
  const std::string header = HeaderLine().str();
  f.store.Den1Lines = {header};
  f.store.RaceCount = 1;
  if (!odds.empty()) {
    FixtureLine line(162 + 5 * 18);
    line.Set(OddsCol::Identity, header.substr(0, 22));
    for (size_t k = 0; k < odds.size(); ++k) line.Set(OddsCol::WinOdds(static_cast<int>(k)), PadLeft(odds[k], 5));
    f.store.OdsLines = {line.str()};
  }
  for (size_t k = 0; k < ratings.size(); ++k) {
    TBachu b;
    b.Rating = ratings[k];
    b.Bamei = "馬" + std::to_string(k + 1);
    f.bachus.push_back(b);
  }
  return f;
}

}  // namespace varnel::testing
