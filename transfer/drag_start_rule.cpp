#include "transfer/drag_start_rule.h"

namespace tessik {

DragStartRect MakeDragStartRect(int x, int y, int distance) {
    return DragStartRect{x - distance, y - distance, x + distance, y + distance};
}

}  // namespace tessik
