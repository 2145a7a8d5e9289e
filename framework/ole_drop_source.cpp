#include "framework/ole_drop_source.h"

#include "framework/win_app.h"
#include "transfer/drag_start_rule.h"

namespace tessik {
namespace {

struct DragThresholds {
    int distance;  // pixels
    DWORD delayMs;
};

// The system's drag settings, read from WIN.INI once per process, when the
// first drag begins; later changes take effect at the next start.
const DragThresholds& SystemDragThresholds() {
    static const DragThresholds thresholds{
        static_cast<int>(::GetProfileIntA("windows", "DragMinDist", kDefaultDragMinDist)),
        ::GetProfileIntA("windows", "DragDelay", kDefaultDragDelayMs),
    };
    return thresholds;
}

// Ends the wait's capture, if the window still holds it.
class CaptureGuard {
  public:
    explicit CaptureGuard(HWND window) : window_(window) { ::SetCapture(window); }
    ~CaptureGuard() {
        if (::GetCapture() == window_)
            ::ReleaseCapture();
    }
    CaptureGuard(const CaptureGuard&) = delete;
    CaptureGuard& operator=(const CaptureGuard&) = delete;

    bool Held() const { return ::GetCapture() == window_; }

  private:
    HWND window_;
};

// The next mouse message of the thread, else the next keyboard message, taken
// out of the queue. Sent messages are handled on the way, as always.
bool TakeNextInput(MSG& msg) {
    return ::PeekMessageA(&msg, nullptr, WM_MOUSEFIRST, WM_MBUTTONDBLCLK, PM_REMOVE) ||
           ::PeekMessageA(&msg, nullptr, WM_KEYFIRST, WM_UNICHAR, PM_REMOVE);
}

bool CancelsWait(const MSG& msg) {
    switch (msg.message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_RBUTTONDBLCLK:
            return true;
        case WM_KEYDOWN:
            return msg.wParam == VK_ESCAPE;
        default:
            return false;
    }
}

}  // namespace

bool COleDropSource::WaitForDragStart() {
    const DragThresholds& thresholds = SystemDragThresholds();
    POINT start{};
    ::GetCursorPos(&start);
    const DragStartRect startRect = MakeDragStartRect(start.x, start.y, thresholds.distance);

    CWinApp* app = CWinApp::Current();
    HWND main = app ? app->GetMainHwnd() : nullptr;
    if (!main)
        return false;  // no window to watch the mouse with
    CaptureGuard capture(main);
    const DWORD began = ::GetTickCount();
    for (;;) {
        if (!capture.Held())
            return false;
        MSG msg{};
        if (TakeNextInput(msg)) {
            if (CancelsWait(msg))
                return false;
            if (!startRect.Contains(msg.pt.x, msg.pt.y))
                return true;
            continue;
        }
        const DWORD elapsed = ::GetTickCount() - began;
        if (elapsed > thresholds.delayMs)
            return true;
        // Nothing to look at: sleep until input or a sent message arrives, or
        // until the delay is over. The wait wakes only for input that came after
        // the last look at the queue, so left-over messages of other kinds
        // cannot make it spin; the capture is checked again on every wake-up.
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, thresholds.delayMs - elapsed + 1,
                                    QS_INPUT | QS_SENDMESSAGE);
    }
}

HRESULT COleDropSource::QueryInterface(REFIID iid, void** object) {
    if (!object)
        return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDropSource) {
        *object = static_cast<IDropSource*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

HRESULT COleDropSource::QueryContinueDrag(BOOL escapePressed, DWORD keyState) {
    if (escapePressed || (keyState & MK_RBUTTON))
        return DRAGDROP_S_CANCEL;
    if (!(keyState & MK_LBUTTON))
        return DRAGDROP_S_DROP;
    return S_OK;
}

HRESULT COleDropSource::GiveFeedback(DWORD) {
    return DRAGDROP_S_USEDEFAULTCURSORS;
}

}  // namespace tessik
