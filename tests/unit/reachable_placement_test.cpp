#include "app/reachable_placement.h"

#include <gtest/gtest.h>

#include <climits>
#include <ostream>

namespace tessik {

void PrintTo(const ScreenRect& r, std::ostream* os) {
    *os << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
}

namespace {

const ScreenRect kSingleScreen{0, 0, 1280, 1024};
// A wide screen with a task bar, and a smaller one to its right.
const std::vector<ScreenRect> kTwoScreens = {{0, 0, 1920, 1040}, {1920, 0, 3200, 1024}};

struct PlacementCase {
    const char* what;
    ScreenRect stored;
    std::vector<ScreenRect> workAreas;
    std::optional<ScreenRect> expected;
};

TEST(ReachablePlacement, MovesOnlyRectanglesThatAreOffEveryScreen) {
    const PlacementCase cases[] = {
        {"on screen", {100, 100, 300, 300}, {kSingleScreen}, ScreenRect{100, 100, 300, 300}},
        {"partly on screen",
         {1200, 900, 1400, 1100},
         {kSingleScreen},
         ScreenRect{1200, 900, 1400, 1100}},
        {"on the second screen",
         {2000, 50, 2300, 400},
         kTwoScreens,
         ScreenRect{2000, 50, 2300, 400}},
        {"covering the screen",
         {INT_MIN, INT_MIN, INT_MAX, INT_MAX},
         {kSingleScreen},
         ScreenRect{INT_MIN, INT_MIN, INT_MAX, INT_MAX}},
        {"no work areas known", {5000, 5000, 5200, 5200}, {}, ScreenRect{5000, 5000, 5200, 5200}},
        {"far off, size kept",
         {5000, 5000, 5200, 5200},
         {kSingleScreen},
         ScreenRect{1080, 824, 1280, 1024}},
        {"only touching the edge",
         {1280, 0, 1480, 200},
         {kSingleScreen},
         ScreenRect{1080, 0, 1280, 200}},
        {"above, only moved down",
         {300, -500, 500, -300},
         {kSingleScreen},
         ScreenRect{300, 0, 500, 200}},
        {"larger than the screen", {3000, 0, 6000, 3000}, {kSingleScreen}, kSingleScreen},
        {"extreme values",
         {INT_MIN, 2000, INT_MAX, 2100},
         {kSingleScreen},
         ScreenRect{0, 924, 1280, 1024}},
        {"right of both screens",
         {4000, 100, 4200, 300},
         kTwoScreens,
         ScreenRect{3000, 100, 3200, 300}},
        {"left of both screens", {-800, 100, -600, 300}, kTwoScreens, ScreenRect{0, 100, 200, 300}},
        {"below the second screen",
         {2500, 3000, 2700, 3200},
         kTwoScreens,
         ScreenRect{2500, 824, 2700, 1024}},
        {"below the first screen",
         {500, 3000, 700, 3200},
         kTwoScreens,
         ScreenRect{500, 840, 700, 1040}},
        {"zero width", {100, 100, 100, 300}, {kSingleScreen}, std::nullopt},
        {"zero height", {100, 100, 300, 100}, {kSingleScreen}, std::nullopt},
        {"inverted", {300, 300, 100, 100}, {kSingleScreen}, std::nullopt},
        {"empty and off screen", {5000, 5000, 4000, 5200}, {kSingleScreen}, std::nullopt},
    };
    for (const PlacementCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(ReachablePlacement(c.stored, c.workAreas), c.expected);
    }
}

}  // namespace
}  // namespace tessik
