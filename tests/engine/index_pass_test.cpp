#include "engine/index_pass.h"

#include <gtest/gtest.h>

#include "engine/race_fixture.h"

namespace varnel {
namespace {

using testing::MakeRace;

std::vector<int> Field(const Bachus& b, int TBachu::*member) {
  std::vector<int> v;
  for (const TBachu& r : b) v.push_back(r.*member);
  return v;
}

TEST(IndexPassTest, TiesShareRanksButTakeDifferentPointsInTieBreakOrder) {
  // #1 and #3 tie on rating (the lower odds field goes first); #3 and #4 tie on odds (the higher
  // rating goes first); #1/#4 and #5/#6 tie on KZ (the lower odds field goes first).
  auto race = MakeRace({600, 620, 600, 550, 500, 480}, {"50", "20", "35", "35", "100", "80"});
  const IndexResults r = CalcIndexes(race.store, 0, race.bachus);

  EXPECT_TRUE(r.RatingsPresent);
  EXPECT_TRUE(r.OddsPresent);
  EXPECT_TRUE(r.TopSixRated);
  EXPECT_EQ(r.RacePattern, 1);
  EXPECT_EQ(Field(race.bachus, &TBachu::RRank), (std::vector<int>{2, 1, 2, 4, 5, 6}));
  EXPECT_EQ(Field(race.bachus, &TBachu::RIndex), (std::vector<int>{43, 55, 53, 40, 35, 32}));
  EXPECT_EQ(Field(race.bachus, &TBachu::ORank), (std::vector<int>{4, 1, 2, 2, 6, 5}));
  EXPECT_EQ(Field(race.bachus, &TBachu::OIndex), (std::vector<int>{40, 55, 53, 43, 32, 35}));
  EXPECT_EQ(Field(race.bachus, &TBachu::KZIndex), (std::vector<int>{83, 110, 106, 83, 67, 67}));
  EXPECT_EQ(r.MarkedRunners, (std::array<int, 6>{2, 3, 4, 1, 6, 5}));
  EXPECT_EQ(race.bachus[0].OddsText, "5.0");
  EXPECT_EQ(race.bachus[4].OddsText, "10.0");

  // The working table is left in entry order with the mark texts of the six.
  ASSERT_EQ(r.grdRating.RowCount(), 6);
  EXPECT_EQ(r.grdRating.Cell(0, RatingCol::Entry), "1");
  EXPECT_EQ(r.grdRating.Cell(0, RatingCol::Odds), "   50");
  EXPECT_EQ(r.grdRating.Cell(1, RatingCol::Mark), "◎");
  EXPECT_EQ(r.grdRating.Cell(4, RatingCol::Mark), "×");
}

TEST(IndexPassTest, EighteenRunnersFollowTheNonMonotonePointTable) {
  // Rating order is entry order; odds order is its reverse.
  std::vector<int> ratings;
  std::vector<std::string> odds;
  for (int k = 1; k <= 18; ++k) {
    ratings.push_back(700 - 10 * k);
    odds.push_back(std::to_string(20 + 10 * (18 - k)));
  }
  auto race = MakeRace(ratings, odds);
  const IndexResults r = CalcIndexes(race.store, 0, race.bachus);

  for (int k = 1; k <= 18; ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ(race.bachus[k - 1].RIndex, IndexPoints[k - 1]);
    EXPECT_EQ(race.bachus[k - 1].OIndex, IndexPoints[18 - k]);
  }
  EXPECT_EQ(race.bachus[9].RIndex, 24);  // 10th in rating order outscores the 9th (20)
  EXPECT_EQ(race.bachus[0].OIndex, 3);   // last in odds order
  // KZ 58 for #1, #2, #17, #18 (shortest odds first), then 50 for #15 and #4.
  EXPECT_EQ(r.MarkedRunners, (std::array<int, 6>{18, 17, 2, 1, 15, 4}));
}

TEST(IndexPassTest, ScratchedAndNoOddsRunnersSortLastAndScratchedTakesNoMark) {
  auto race = MakeRace({600, 590, 580, 570, 560, 550, 540, 530}, {"/", "*", "-", "30", "40", "50", "60", "70"});
  const IndexResults r = CalcIndexes(race.store, 0, race.bachus);

  EXPECT_EQ(race.bachus[0].OddsText, "/");
  EXPECT_EQ(race.bachus[1].OddsText, "*");
  EXPECT_EQ(race.bachus[2].OddsText, "-");
  EXPECT_EQ(race.bachus[3].OddsText, "3.0");
  EXPECT_EQ(Field(race.bachus, &TBachu::ORank), (std::vector<int>{8, 7, 6, 1, 2, 3, 4, 5}));
  // The scratched runner keeps the points of its (last) odds position and its rating points.
  EXPECT_EQ(race.bachus[0].OIndex, 26);
  EXPECT_EQ(race.bachus[0].RRank, 1);
  EXPECT_EQ(race.bachus[0].KZIndex, 81);
  EXPECT_EQ(r.grdRating.Cell(0, RatingCol::Odds), "99999");
  // KZ order is #4 #5 #2 #1 #6 #3 #7 #8; #1 is passed over and #7 moves up into the six.
  EXPECT_EQ(r.MarkedRunners, (std::array<int, 6>{4, 5, 2, 6, 3, 7}));
  EXPECT_EQ(r.grdRating.Cell(0, RatingCol::Mark), "");
}

TEST(IndexPassTest, ScratchedRunnersLeaveMarkPositionsEmpty) {
  struct Case {
    const char* name;
    std::vector<std::string> odds;
    std::array<int, 6> marks;
  };
  const std::vector<int> ratings{600, 590, 580, 570, 560, 550};
  const Case cases[] = {
      {"none scratched", {"20", "30", "40", "50", "60", "70"}, {1, 2, 3, 4, 5, 6}},
      {"top-rated favourite scratched", {"/", "30", "40", "50", "60", "70"}, {2, 3, 4, 5, 6, 0}},
      {"two scratched", {"20", "/", "40", "/", "60", "70"}, {1, 3, 5, 6, 0, 0}},
      {"all scratched", {"/", "/", "/", "/", "/", "/"}, {0, 0, 0, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto race = MakeRace(ratings, c.odds);
    EXPECT_EQ(CalcIndexes(race.store, 0, race.bachus).MarkedRunners, c.marks);
  }
}

TEST(IndexPassTest, WithoutOddsOrRatingsEveryIndexIsZero) {
  const std::vector<int> rated{560, 600, 580, 590, 570, 550, 540};
  const std::vector<std::string> odds{"20", "30", "40", "50", "60", "70", "80"};

  auto otherRace = MakeRace(rated, odds);
  otherRace.store.OdsLines[0][5] = 'X';  // the odds line of another race
  auto noOddsFile = MakeRace(rated, {});
  auto shortLine = MakeRace(rated, odds);
  shortLine.store.OdsLines[0].resize(21);

  for (auto* race : {&otherRace, &noOddsFile, &shortLine}) {
    const IndexResults r = CalcIndexes(race->store, 0, race->bachus);
    EXPECT_TRUE(r.RatingsPresent);
    EXPECT_FALSE(r.OddsPresent);
    EXPECT_EQ(r.RacePattern, 0);
    EXPECT_EQ(Field(race->bachus, &TBachu::KZIndex), std::vector<int>(7, 0));
    EXPECT_EQ(Field(race->bachus, &TBachu::ORank), std::vector<int>(7, 1));  // equal empty texts
    EXPECT_EQ(Field(race->bachus, &TBachu::RRank), (std::vector<int>{5, 1, 3, 2, 4, 6, 7}));
    EXPECT_EQ(race->bachus[0].OddsText, "0.0");
    // With every KZ index 0 the marks follow the rating order.
    EXPECT_EQ(r.MarkedRunners, (std::array<int, 6>{2, 4, 3, 5, 1, 6}));
  }

  auto unrated = MakeRace(std::vector<int>(7, 0), {"50", "20", "40", "30", "60", "70", "80"});
  const IndexResults r = CalcIndexes(unrated.store, 0, unrated.bachus);
  EXPECT_FALSE(r.RatingsPresent);
  EXPECT_TRUE(r.OddsPresent);
  EXPECT_FALSE(r.TopSixRated);
  EXPECT_EQ(r.RacePattern, 0);
  EXPECT_EQ(Field(unrated.bachus, &TBachu::RRank), std::vector<int>(7, 1));
  EXPECT_EQ(Field(unrated.bachus, &TBachu::RIndex), std::vector<int>(7, 0));
  EXPECT_EQ(Field(unrated.bachus, &TBachu::ORank), (std::vector<int>{4, 1, 3, 2, 5, 6, 7}));
  EXPECT_EQ(r.MarkedRunners, (std::array<int, 6>{2, 4, 3, 1, 5, 6}));  // odds order
}

TEST(IndexPassTest, RatingZeroAmongTheSixFavouritesClearsTopSixRated) {
  // #7 is unrated but seventh in odds order: the six favourites are all rated.
  auto seventh = MakeRace({600, 590, 580, 570, 560, 550, 0}, {"20", "30", "40", "50", "60", "70", "80"});
  EXPECT_TRUE(CalcIndexes(seventh.store, 0, seventh.bachus).TopSixRated);
  auto sixth = MakeRace({600, 590, 580, 570, 560, 0, 550}, {"20", "30", "40", "50", "60", "70", "80"});
  const IndexResults r = CalcIndexes(sixth.store, 0, sixth.bachus);
  EXPECT_FALSE(r.TopSixRated);
  EXPECT_EQ(r.RacePattern, 1);  // the race still has its indexes
}

TEST(IndexPassTest, GapHorsesComeFromTheRatingOrder) {
  // 14 runners rated 655 down to 590. #3, third by rating, is eighth in the betting.
  std::vector<int> ratings;
  for (int k = 1; k <= 14; ++k) ratings.push_back(660 - 5 * k);
  std::vector<std::string> odds{"40", "35", "100", "50", "60", "70", "80", "90", "110", "120", "130", "140", "150", "160"};
  auto race = MakeRace(ratings, odds);
  IndexResults r = CalcIndexes(race.store, 0, race.bachus);
  EXPECT_EQ(r.GapHorses, (std::array<std::string, 4>{" 3 馬3", "", "", ""}));

  // Scratch #1: it would be the GAP horse now (O rank 14, R rank 1), but a scratched runner never
  // is one, and #3 has moved up to O rank 7, two short.
  odds[0] = "/";
  auto scratched = MakeRace(ratings, odds);
  r = CalcIndexes(scratched.store, 0, scratched.bachus);
  EXPECT_EQ(scratched.bachus[0].ORank - scratched.bachus[0].RRank, 13);
  EXPECT_EQ(r.GapHorses, (std::array<std::string, 4>{}));
}

}  // namespace
}  // namespace varnel
