#pragma once
// The document: the history file the list was last loaded from or saved to.
// It holds no copy of the list; its one view does.

#include "framework/document.h"

namespace tessik {

class CMyDoc : public CDocument {};

}  // namespace tessik
