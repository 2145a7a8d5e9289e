#pragma once
// Keeps a restored window reachable: a rectangle that lies wholly outside every
// monitor's work area is moved onto the nearest one.

#include <optional>
#include <vector>

namespace tessik {

struct ScreenRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const ScreenRect&) const = default;
};

// Returns nothing for an empty rectangle (width or height not above 0), which
// counts as no stored placement. A rectangle that overlaps some work area is
// returned unchanged. Otherwise it is moved into the work area nearest to it
// (size kept, clipped to the work area's size). With no work areas at all the
// rectangle is returned unchanged.
std::optional<ScreenRect> ReachablePlacement(const ScreenRect& stored,
                                             const std::vector<ScreenRect>& workAreas);

}  // namespace tessik
