#pragma once
// The main window: 200 x 200, always on top, captioned with the product name
// alone; its placement is restored at creation and stored at destruction.

#include "framework/frame_wnd.h"

namespace tessik {

class CMainFrame : public CFrameWnd {
  protected:
    bool PreCreateWindow(CREATESTRUCTA& cs) override;
    void OnDestroy() override;
};

}  // namespace tessik
