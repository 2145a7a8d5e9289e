#include "framework/wnd.h"

namespace tessik {
namespace {

constexpr char kObjectProperty[] = "Tessik.CWnd";

}  // namespace

CWnd::~CWnd() {
    if (hwnd_) {
        HWND hwnd = hwnd_;
        Detach();
        ::DestroyWindow(hwnd);
    }
}

CWnd* CWnd::FromHandlePermanent(HWND hwnd) {
    return hwnd ? static_cast<CWnd*>(::GetPropA(hwnd, kObjectProperty)) : nullptr;
}

BOOL CWnd::DestroyWindow() {
    return hwnd_ ? ::DestroyWindow(hwnd_) : FALSE;
}

bool CWnd::RegisterOwnClass(WNDCLASSEXA wc) {
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = SharedWindowProc;
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof existing;
    if (::GetClassInfoExA(wc.hInstance, wc.lpszClassName, &existing))
        return true;
    return ::RegisterClassExA(&wc) != 0;
}

HWND CWnd::CreateOwnWindow(const CREATESTRUCTA& cs) {
    return ::CreateWindowExA(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y, cs.cx,
                             cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance, this);
}

void CWnd::SubclassWindow(HWND hwnd) {
    Attach(hwnd);
    previousProc_ = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SharedWindowProc)));
}

void CWnd::Attach(HWND hwnd) {
    hwnd_ = hwnd;
    ::SetPropA(hwnd, kObjectProperty, this);
}

void CWnd::Detach() {
    if (!hwnd_)
        return;
    ::RemovePropA(hwnd_, kObjectProperty);
    if (previousProc_ != ::DefWindowProcA) {
        ::SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previousProc_));
    }
    hwnd_ = nullptr;
}

LRESULT CWnd::Default() {
    return ::CallWindowProcA(previousProc_, hwnd_, current_.message, current_.wParam,
                             current_.lParam);
}

LRESULT CWnd::WindowProc(UINT, WPARAM, LPARAM) {
    return Default();
}

LRESULT CWnd::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    const Message outer = current_;
    current_ = {message, wParam, lParam};
    LRESULT result = WindowProc(message, wParam, lParam);
    current_ = outer;
    return result;
}

LRESULT CALLBACK CWnd::SharedWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTA*>(lParam);
        if (auto* self = static_cast<CWnd*>(cs->lpCreateParams); self && !self->hwnd_) {
            self->Attach(hwnd);
        }
    }
    CWnd* self = FromHandlePermanent(hwnd);
    if (!self)
        return ::DefWindowProcA(hwnd, message, wParam, lParam);
    if (message != WM_NCDESTROY)
        return self->Dispatch(message, wParam, lParam);

    LRESULT result = self->Dispatch(message, wParam, lParam);
    self->Detach();
    self->PostNcDestroy();
    return result;
}

}  // namespace tessik
