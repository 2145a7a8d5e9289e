// A DLL the end-to-end driver loads into the program to read its menus. Wine keeps menus per
// process: GetMenuState and GetMenuItemInfo fail on another process's menu handle, so the driver
// runs ReadDropDownMenu on a thread inside the program (CreateRemoteThread) instead.

#include <windows.h>

#include <cstring>

#include "menu_probe_request.h"

using e2e::menu_probe::kMaxItems;
using e2e::menu_probe::kMaxText;
using e2e::menu_probe::Request;

extern "C" __declspec(dllexport) DWORD WINAPI ReadDropDownMenu(void* block) {
    auto* request = static_cast<Request*>(block);
    request->found = 0;
    request->itemCount = 0;
    HMENU bar = GetMenu(reinterpret_cast<HWND>(request->frame));
    HMENU dropDown = bar ? GetSubMenu(bar, static_cast<int>(request->dropDownIndex)) : nullptr;
    if (!dropDown) {
        return 0;
    }
    request->found = 1;
    request->dropDown = reinterpret_cast<std::uint64_t>(dropDown);
    const int count = GetMenuItemCount(dropDown);
    for (int position = 0; position < count && request->itemCount < kMaxItems; ++position) {
        auto& item = request->items[request->itemCount];
        std::memset(&item, 0, sizeof item);
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE | MIIM_SUBMENU | MIIM_STRING;
        info.dwTypeData = item.text;
        info.cch = kMaxText - 1;
        if (!GetMenuItemInfoA(dropDown, static_cast<UINT>(position), TRUE, &info)) {
            continue;
        }
        item.id = info.wID;
        item.type = info.fType;
        item.state = info.fState;
        item.hasSubMenu = info.hSubMenu != nullptr;
        ++request->itemCount;
    }
    return 1;
}
