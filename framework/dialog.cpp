#include "framework/dialog.h"

#include <algorithm>

#include "framework/win_app.h"

namespace tessik {

INT_PTR CDialog::DoModal() {
    CWinApp* app = CWinApp::Current();
    return ::DialogBoxParamA(app->GetInstanceHandle(), MAKEINTRESOURCEA(templateId_),
                             app->GetMainHwnd(), DialogProc, reinterpret_cast<LPARAM>(this));
}

BOOL CDialog::OnInitDialog() {
    CenterDialogOverOwner(hwnd_);
    return TRUE;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<CDialog*>(lParam);
        ::SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
        self->hwnd_ = hwnd;
        return self->OnInitDialog();
    }
    auto* self = reinterpret_cast<CDialog*>(::GetWindowLongPtrA(hwnd, DWLP_USER));
    if (!self)
        return FALSE;
    switch (message) {
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
                ::EndDialog(hwnd, LOWORD(wParam));
                return TRUE;
            }
            return FALSE;
        case WM_NCDESTROY:
            self->hwnd_ = nullptr;
            return FALSE;
        default:
            return FALSE;
    }
}

void CenterDialogOverOwner(HWND dialog) {
    const LONG style = ::GetWindowLongA(dialog, GWL_STYLE);
    if (style & (DS_CENTER | DS_CENTERMOUSE | DS_ABSALIGN))
        return;
    HWND owner = ::GetWindow(dialog, GW_OWNER);

    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    ::GetMonitorInfoA(::MonitorFromWindow(owner ? owner : dialog, MONITOR_DEFAULTTONEAREST),
                      &monitor);
    const RECT work = monitor.rcWork;
    RECT around = work;
    if (owner && ::IsWindowVisible(owner) && !::IsIconic(owner))
        ::GetWindowRect(owner, &around);

    RECT box{};
    ::GetWindowRect(dialog, &box);
    const int width = box.right - box.left;
    const int height = box.bottom - box.top;
    int x = (around.left + around.right) / 2 - width / 2;
    int y = (around.top + around.bottom) / 2 - height / 2;
    x = std::max<int>(work.left, std::min<int>(x, work.right - width));
    y = std::max<int>(work.top, std::min<int>(y, work.bottom - height));
    ::SetWindowPos(dialog, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

CFontDialog::CFontDialog(const LOGFONTA* initial, DWORD flags) {
    if (initial)
        font_ = *initial;
    choose_.lStructSize = sizeof choose_;
    choose_.lpLogFont = &font_;
    choose_.Flags = flags | CF_ENABLEHOOK | (initial ? CF_INITTOLOGFONTSTRUCT : 0);
    choose_.lpfnHook = HookProc;
}

INT_PTR CFontDialog::DoModal() {
    choose_.hwndOwner = CWinApp::Current()->GetMainHwnd();
    return ::ChooseFontA(&choose_) ? IDOK : IDCANCEL;
}

UINT_PTR CALLBACK CFontDialog::HookProc(HWND hwnd, UINT message, WPARAM, LPARAM) {
    if (message == WM_INITDIALOG) {
        CenterDialogOverOwner(hwnd);
        return TRUE;
    }
    return 0;
}

}  // namespace tessik
