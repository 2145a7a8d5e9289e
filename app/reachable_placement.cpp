#include "app/reachable_placement.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace tessik {
namespace {

// Stored rectangles come from the settings file and may hold any values, so
// all arithmetic on them is done in 64 bits.
struct WideRect {
    std::int64_t left, top, right, bottom;

    explicit WideRect(const ScreenRect& r)
        : left(r.left), top(r.top), right(r.right), bottom(r.bottom) {}
    std::int64_t Width() const { return right - left; }
    std::int64_t Height() const { return bottom - top; }
    bool IsEmpty() const { return Width() <= 0 || Height() <= 0; }
    bool Overlaps(const WideRect& o) const {
        return left < o.right && o.left < right && top < o.bottom && o.top < bottom;
    }
};

// Gap along one axis between [aLow, aHigh) and [bLow, bHigh); 0 when they meet.
std::int64_t AxisGap(std::int64_t aLow, std::int64_t aHigh, std::int64_t bLow, std::int64_t bHigh) {
    return std::max<std::int64_t>({0, bLow - aHigh, aLow - bHigh});
}

double SquaredDistance(const WideRect& a, const WideRect& b) {
    const auto dx = static_cast<double>(AxisGap(a.left, a.right, b.left, b.right));
    const auto dy = static_cast<double>(AxisGap(a.top, a.bottom, b.top, b.bottom));
    return dx * dx + dy * dy;
}

// Start and length of a span of the given length moved as little as possible
// to lie within [areaLow, areaHigh), shortened to the area when longer.
std::pair<std::int64_t, std::int64_t> FitSpan(std::int64_t low, std::int64_t length,
                                              std::int64_t areaLow, std::int64_t areaHigh) {
    const std::int64_t fitted = std::min(length, areaHigh - areaLow);
    return {std::clamp(low, areaLow, areaHigh - fitted), fitted};
}

ScreenRect MoveInto(const WideRect& rect, const WideRect& area) {
    const auto [left, width] = FitSpan(rect.left, rect.Width(), area.left, area.right);
    const auto [top, height] = FitSpan(rect.top, rect.Height(), area.top, area.bottom);
    return ScreenRect{static_cast<int>(left), static_cast<int>(top), static_cast<int>(left + width),
                      static_cast<int>(top + height)};
}

}  // namespace

std::optional<ScreenRect> ReachablePlacement(const ScreenRect& stored,
                                             const std::vector<ScreenRect>& workAreas) {
    const WideRect rect(stored);
    if (rect.IsEmpty()) {
        return std::nullopt;
    }
    std::optional<WideRect> nearest;
    double nearestDistance = 0;
    for (const ScreenRect& workArea : workAreas) {
        const WideRect area(workArea);
        if (area.IsEmpty()) {
            continue;  // nothing could be moved into it
        }
        if (rect.Overlaps(area)) {
            return stored;
        }
        const double distance = SquaredDistance(rect, area);
        if (!nearest || distance < nearestDistance) {
            nearest = area;
            nearestDistance = distance;
        }
    }
    if (!nearest) {
        return stored;
    }
    return MoveInto(rect, *nearest);
}

}  // namespace tessik
