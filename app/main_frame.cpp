#include "app/main_frame.h"

#include "app/settings_profile.h"
#include "framework/win_app.h"

namespace tessik {
namespace {

constexpr int kDefaultWidth = 200;
constexpr int kDefaultHeight = 200;

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
        cs.cx = stored->normal.right - stored->normal.left;
        cs.cy = stored->normal.bottom - stored->normal.top;
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
