#pragma once
// The one walk over the command routing path: the frame's active view, that
// view's document, the document template, the frame, the application.

#include <windows.h>

#include "framework/cmd_target.h"

namespace tessik {

class CFrameWnd;

// Offers the command along the path; true when some object took it.
bool RouteCommand(CFrameWnd& frame, UINT id, CommandMode mode, CCmdUI* ui);

// The gate before a menu or accelerator command runs: its update handler runs
// once more against a state that starts enabled.
bool CommandAllowed(CFrameWnd& frame, UINT id);

}  // namespace tessik
