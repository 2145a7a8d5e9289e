#pragma once
// Base of every window object. A static window procedure finds the object from
// its window (a window property set when the object is attached) and calls
// WindowProc, whose switch in each class unpacks the message into OnXxx calls.
// Default() hands the message being handled to the procedure that was there
// before: DefWindowProc for our own classes, the control's own procedure for a
// subclassed system control.

#include <windows.h>

namespace tessik {

class CWnd {
  public:
    CWnd() = default;
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND GetSafeHwnd() const { return hwnd_; }

    // The object attached to a window, or null for windows that are not ours.
    static CWnd* FromHandlePermanent(HWND hwnd);

    // Sends the current message on to the previous window procedure.
    LRESULT Default();

    BOOL ShowWindow(int cmdShow) { return ::ShowWindow(hwnd_, cmdShow); }
    BOOL DestroyWindow();

    // Registers a window class of ours whose procedure is the shared one.
    static bool RegisterOwnClass(WNDCLASSEXA wc);

  protected:
    // Every message of the window passes here; the default hands it on.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    // Called after WM_NCDESTROY, once the object no longer owns a window.
    virtual void PostNcDestroy() {}

    // Creates a window of one of our own classes attached to this object.
    HWND CreateOwnWindow(const CREATESTRUCTA& cs);

    // Attaches the object to an existing window (a system control) and takes
    // over its procedure.
    void SubclassWindow(HWND hwnd);

  private:
    static LRESULT CALLBACK SharedWindowProc(HWND, UINT, WPARAM, LPARAM);
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void Attach(HWND hwnd);
    void Detach();

    struct Message {
        UINT message = 0;
        WPARAM wParam = 0;
        LPARAM lParam = 0;
    };

    HWND hwnd_ = nullptr;
    WNDPROC previousProc_ = ::DefWindowProcA;
    Message current_;
};

}  // namespace tessik
