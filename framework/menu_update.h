#pragma once
// The update pass over a drop-down menu that is about to open.

#include <windows.h>

#include "framework/cmd_target.h"

namespace tessik {

class CFrameWnd;

// A menu item as the target of an update handler.
class MenuItemCmdUI : public CCmdUI {
  public:
    MenuItemCmdUI(HMENU menu, UINT index, UINT id) : CCmdUI(id), menu_(menu), index_(index) {}

    void Enable(bool on = true) override;
    void SetCheck(int check = 1) override;
    void SetText(const std::string& text) override;

    HMENU menu() const { return menu_; }
    UINT index() const { return index_; }

  private:
    HMENU menu_;
    UINT index_;
};

// Items top to bottom, separators and sub-menus skipped: an update handler on
// the routing path decides; without one, a command below 0xF000 is enabled
// exactly when some object on the path handles it.
void UpdateMenuItems(CFrameWnd& frame, HMENU menu);

}  // namespace tessik
