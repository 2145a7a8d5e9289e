#pragma once
// Where a pressed button must go before a drag starts: a square of half-width d
// around the start point, half-open so that d pixels right or down leave it and
// d pixels left or up do not.

namespace tessik {

struct DragStartRect {
    int left = 0, top = 0, right = 0, bottom = 0;  // right and bottom exclusive
    bool Contains(int x, int y) const { return left <= x && x < right && top <= y && y < bottom; }
};

DragStartRect MakeDragStartRect(int x, int y, int distance);

inline constexpr int kDefaultDragMinDist = 2;
inline constexpr int kDefaultDragDelayMs = 200;

}  // namespace tessik
