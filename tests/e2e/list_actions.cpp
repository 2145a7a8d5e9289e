#include "list_actions.h"

namespace e2e {
namespace {

constexpr UINT kSendTimeoutMilliseconds = 10000;

std::optional<LRESULT> Send(HWND list, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(list, message, wParam, lParam, SMTO_NORMAL, kSendTimeoutMilliseconds,
                             &result)) {
        return std::nullopt;
    }
    return static_cast<LRESULT>(result);
}

}  // namespace

bool SelectEntry(HWND list, int index) {
    const auto result = Send(list, LB_SETCURSEL, static_cast<WPARAM>(index));
    return result && (*result == index || (index == -1 && *result == LB_ERR));
}

int RowHeight(HWND list) {
    return static_cast<int>(Send(list, LB_GETITEMHEIGHT, 0).value_or(-1));
}

std::optional<RECT> EntryRectOnScreen(HWND list, int index) {
    // Wine carries the RECT of LB_GETITEMRECT across processes.
    RECT rect{};
    const auto result =
        Send(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect));
    if (!result || *result == LB_ERR) {
        return std::nullopt;
    }
    MapWindowPoints(list, HWND_DESKTOP, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

}  // namespace e2e
