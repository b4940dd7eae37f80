#include "bets/bet_panel.h"

#include <gtest/gtest.h>

namespace varnel {
namespace {

constexpr std::array<int, 6> kMarks{12, 3, 7, 1, 5, 9};

BetPanel PanelFor(const std::array<int, 6>& marks, bool show, const char* raceNo) {
  return ShowBetPanel(marks, GenerateBets(marks, show, raceNo), show, raceNo);
}

std::vector<std::pair<std::string, bool>> Labels(const BetPanel& p) {
  std::vector<std::pair<std::string, bool>> v;
  for (const auto& place : BetPanelPlaces) v.emplace_back((p.*place.label).text, (p.*place.label).visible);
  return v;
}

using L = std::vector<std::pair<std::string, bool>>;
const std::pair<std::string, bool> kHidden{"", false};

TEST(BetPanel, LaterRaceShowsAllThreeColumns) {
  EXPECT_EQ(Labels(PanelFor(kMarks, true, "12")),
            (L{{"馬連(ボックス) 計10点", true}, {"12－3－7－1－5", true}, {"", true},
               {"3連複(ボックス) 計10点", true}, {"12－3－7－1－5", true}, {"", true},
               {"3連単(ﾌｫｰﾒｰｼｮﾝ) 計40点", true}, {" 1着　⇒12・3", true}, {"2・3着⇒12・3・7・1・5・9", true}}));
}

TEST(BetPanel, EarlierRaceHidesTheTrifectaColumn) {
  const L labels = Labels(PanelFor(kMarks, true, "08"));
  EXPECT_EQ(labels[0].first, "馬連(ボックス) 計10点");
  EXPECT_EQ(labels[4].first, "12－3－7－1－5");
  EXPECT_EQ(L(labels.begin() + 6, labels.end()), L(3, kHidden));
}

TEST(BetPanel, NotEligibleHidesEverything) {
  EXPECT_EQ(Labels(PanelFor(kMarks, false, "12")), L(9, kHidden));
  // Marks that the index pass never set leave the panel empty even when eligible.
  EXPECT_EQ(Labels(PanelFor({}, true, "12")), L(9, kHidden));
}

TEST(BetPanel, SmallFieldsCountTheRealKeysAndListOnlyRunnersPresent) {
  const L five = Labels(PanelFor({12, 3, 7, 1, 5, 0}, true, "09"));
  EXPECT_EQ(five[0].first, "馬連(ボックス) 計10点");
  EXPECT_EQ(five[3].first, "3連複(ボックス) 計10点");
  EXPECT_EQ(five[6].first, "3連単(ﾌｫｰﾒｰｼｮﾝ) 計24点");
  EXPECT_EQ(five[8].first, "2・3着⇒12・3・7・1・5");

  const L four = Labels(PanelFor({12, 3, 7, 1, 0, 0}, true, "09"));
  EXPECT_EQ(four[0].first, "馬連(ボックス) 計6点");
  EXPECT_EQ(four[1].first, "12－3－7－1");
  EXPECT_EQ(four[3].first, "3連複(ボックス) 計4点");
  EXPECT_EQ(four[6].first, "3連単(ﾌｫｰﾒｰｼｮﾝ) 計12点");
  EXPECT_EQ(four[8].first, "2・3着⇒12・3・7・1");

  // Two runners: a quinella, but no trio or trifecta to show.
  const L two = Labels(PanelFor({12, 3, 0, 0, 0, 0}, true, "11"));
  EXPECT_EQ(two[0], (std::pair<std::string, bool>{"馬連(ボックス) 計1点", true}));
  EXPECT_EQ(two[1].first, "12－3");
  EXPECT_EQ(L(two.begin() + 3, two.end()), L(6, kHidden));
}

}  // namespace
}  // namespace varnel
