#include "foundation/screen_fit.h"

#include <gtest/gtest.h>

namespace gleaner {
namespace {

const std::vector<TScreenRect> kOneScreen = {{0, 0, 1400, 900}};
// A second monitor to the right of the first, starting lower.
const std::vector<TScreenRect> kTwoScreens = {{0, 0, 1400, 900}, {1400, 200, 1000, 700}};

TEST(FitOnScreens, SavedPlacesComeBackOnAScreen) {
  struct Case {
    const char* what;
    TScreenRect saved;
    const std::vector<TScreenRect>& screens;
    TScreenRect placed;
  };
  const Case cases[] = {
      {"on screen", {100, 50, 600, 400}, kOneScreen, {100, 50, 600, 400}},
      {"saved on a monitor now gone", {2500, 100, 600, 400}, kOneScreen, {800, 100, 600, 400}},
      {"above and left of the screen", {-900, -300, 600, 400}, kOneScreen, {0, 0, 600, 400}},
      {"running past the right edge", {1000, 600, 600, 400}, kOneScreen, {800, 500, 600, 400}},
      {"larger than the screen", {900, 100, 2100, 1350}, kOneScreen, {0, 0, 1400, 900}},
      {"on the second monitor", {1500, 300, 600, 400}, kTwoScreens, {1500, 300, 600, 400}},
      {"mostly on the second monitor", {1300, 100, 600, 400}, kTwoScreens, {1400, 200, 600, 400}},
      {"too tall for the second monitor", {1500, 250, 600, 800}, kTwoScreens, {1500, 200, 600, 700}},
      {"between and below both", {2000, 5000, 300, 300}, kTwoScreens, {1100, 600, 300, 300}},
      {"no screens known", {2500, 100, 600, 400}, {}, {2500, 100, 600, 400}},
  };
  for (const Case& c : cases) EXPECT_EQ(FitOnScreens(c.saved, c.screens), c.placed) << c.what;
}

TEST(Cascaded, NewWindowsStepAwayFromTakenPlaces) {
  const TScreenRect place{400, 200, 600, 400};
  EXPECT_EQ(Cascaded(place, {}), place);
  EXPECT_EQ(Cascaded(place, {{0, 0, 600, 400}}), place);
  EXPECT_EQ(Cascaded(place, {{400, 200, 800, 500}}), (TScreenRect{424, 224, 600, 400}));
  EXPECT_EQ(Cascaded(place, {{424, 224, 1, 1}, {400, 200, 1, 1}, {448, 248, 1, 1}}),
            (TScreenRect{472, 272, 600, 400}));
}

}  // namespace
}  // namespace gleaner
