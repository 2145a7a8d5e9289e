#include "app/main_frame.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "app/settings_profile.h"
#include "framework/win_app.h"

namespace tessik {
namespace {

constexpr int kDefaultWidth = 200;
constexpr int kDefaultHeight = 200;

// A stored rectangle may hold any values: a size beyond what a window can
// have is cut to the largest one instead of overflowing.
int SpanBetween(LONG low, LONG high) {
    const std::int64_t span = std::int64_t{high} - low;
    return static_cast<int>(std::clamp<std::int64_t>(span, 0, std::numeric_limits<int>::max()));
}

}  // namespace

bool CMainFrame::PreCreateWindow(CREATESTRUCTA& cs) {
    if (!CFrameWnd::PreCreateWindow(cs))
        return false;
    cs.cx = kDefaultWidth;
    cs.cy = kDefaultHeight;

    CWinApp* app = CWinApp::Current();
    if (const auto stored = LoadStoredPlacement(*app)) {
        cs.x = stored->normal.left;
        cs.y = stored->normal.top;
        cs.cx = SpanBetween(stored->normal.left, stored->normal.right);
        cs.cy = SpanBetween(stored->normal.top, stored->normal.bottom);
        if (stored->showMaximized)
            app->SetStartupShowCommand(SW_SHOWMAXIMIZED);
    }

    cs.dwExStyle |= WS_EX_TOPMOST;
    cs.style &= ~FWS_ADDTOTITLE;
    return true;
}

void CMainFrame::OnDestroy() {
    StorePlacement(*CWinApp::Current(), GetSafeHwnd());
    CFrameWnd::OnDestroy();
}

}  // namespace tessik
