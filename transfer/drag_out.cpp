// Dragging an entry's text out of the list.
#include "history/my_view.h"

namespace tessik {

void CMyView::DragOut(const std::string&) {}

}  // namespace tessik
