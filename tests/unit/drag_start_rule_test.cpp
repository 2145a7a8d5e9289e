#include "transfer/drag_start_rule.h"

#include <gtest/gtest.h>

namespace tessik {
namespace {

TEST(DragStartRule, SquareIsHalfOpenAroundTheStartPoint) {
    constexpr int x = 100, y = 200;
    const DragStartRect rect = MakeDragStartRect(x, y, kDefaultDragMinDist);
    const struct {
        int dx, dy;
        bool starts;
    } cases[] = {
        {0, 0, false},  {1, 1, false},   {2, 0, true},  {0, 2, true},  {-2, 0, false},
        {0, -2, false}, {-2, -2, false}, {-3, 0, true}, {0, -3, true}, {1, -3, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "moved by " << c.dx << "," << c.dy);
        EXPECT_EQ(!rect.Contains(x + c.dx, y + c.dy), c.starts);
    }
}

}  // namespace
}  // namespace tessik
