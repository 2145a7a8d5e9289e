#include "framework/menu_update.h"

#include "framework/command_routing.h"
#include "framework/framework_ids.h"

namespace tessik {

void MenuItemCmdUI::Enable(bool on) {
    CCmdUI::Enable(on);
    ::EnableMenuItem(menu_, index_, MF_BYPOSITION | (on ? MF_ENABLED : MF_GRAYED));
}

void MenuItemCmdUI::SetCheck(int check) {
    CCmdUI::SetCheck(check);
    ::CheckMenuItem(menu_, index_, MF_BYPOSITION | (check ? MF_CHECKED : MF_UNCHECKED));
}

void MenuItemCmdUI::SetText(const std::string& text) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING;
    info.dwTypeData = const_cast<char*>(text.c_str());
    ::SetMenuItemInfoA(menu_, index_, TRUE, &info);
}

void UpdateMenuItems(CFrameWnd& frame, HMENU menu) {
    // The count is read again each time: an update handler may add or remove items.
    for (UINT index = 0; index < static_cast<UINT>(::GetMenuItemCount(menu)); ++index) {
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU;
        if (!::GetMenuItemInfoA(menu, index, TRUE, &info))
            continue;
        if ((info.fType & MFT_SEPARATOR) || info.hSubMenu)
            continue;

        MenuItemCmdUI ui(menu, index, info.wID);
        RouteCommand(frame, info.wID, CommandMode::Update, &ui);
        if (!ui.enableChanged() && info.wID < ID_FIRST_SYSTEM_COMMAND) {
            ui.Enable(RouteCommand(frame, info.wID, CommandMode::Probe, nullptr));
        }
    }
}

}  // namespace tessik
