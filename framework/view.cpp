#include "framework/view.h"

#include "framework/document.h"
#include "framework/frame_wnd.h"
#include "framework/win_app.h"

namespace tessik {
namespace {

// The style a frame asks for its pane; a control view replaces it with its own.
constexpr DWORD kDefaultViewStyle = WS_CHILD | WS_VISIBLE | WS_BORDER;
constexpr char kViewClassName[] = "TessikView";

}  // namespace

bool CView::Create(CFrameWnd* frame, UINT id, CDocument* document) {
    frame_ = frame;
    document_ = document;
    RECT client{};
    ::GetClientRect(frame->GetSafeHwnd(), &client);
    CREATESTRUCTA cs{};
    cs.hInstance = CWinApp::Current()->GetInstanceHandle();
    cs.hwndParent = frame->GetSafeHwnd();
    cs.hMenu = reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id));
    cs.x = client.left;
    cs.y = client.top;
    cs.cx = client.right - client.left;
    cs.cy = client.bottom - client.top;
    cs.style = kDefaultViewStyle;
    if (!PreCreateWindow(cs))
        return false;
    HWND hwnd = CreateViewWindow(cs);
    if (!hwnd)
        return false;
    if (OnCreate(cs) == -1) {
        ::DestroyWindow(hwnd);
        return false;
    }
    return true;
}

bool CView::PreCreateWindow(CREATESTRUCTA& cs) {
    if (!cs.lpszClass) {
        WNDCLASSEXA wc{};
        wc.style = CS_DBLCLKS;
        wc.hInstance = cs.hInstance;
        wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        wc.lpszClassName = kViewClassName;
        if (!RegisterOwnClass(wc))
            return false;
        cs.lpszClass = kViewClassName;
    }
    // A bordered view gets the sunken client edge instead of a flat border.
    if (cs.style & WS_BORDER) {
        cs.style &= ~WS_BORDER;
        cs.dwExStyle |= WS_EX_CLIENTEDGE;
    }
    return true;
}

HWND CView::CreateViewWindow(const CREATESTRUCTA& cs) {
    return CreateOwnWindow(cs);
}

int CView::OnCreate(const CREATESTRUCTA&) {
    if (document_)
        document_->AddView(this);
    return 0;
}

void CView::OnDestroy() {
    if (frame_ && frame_->GetActiveView() == this)
        frame_->SetActiveView(nullptr);
    Default();
}

void CView::PostNcDestroy() {
    if (document_)
        document_->RemoveView(this);
}

LRESULT CView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_DESTROY:
            OnDestroy();
            return 0;
        default:
            return CWnd::WindowProc(message, wParam, lParam);
    }
}

DROPEFFECT CView::OnDragEnter(COleDataObject*, DWORD, POINT) {
    return DROPEFFECT_NONE;
}
DROPEFFECT CView::OnDragOver(COleDataObject*, DWORD, POINT) {
    return DROPEFFECT_NONE;
}
BOOL CView::OnDrop(COleDataObject*, DROPEFFECT, POINT) {
    return FALSE;
}

bool CCtrlView::PreCreateWindow(CREATESTRUCTA& cs) {
    cs.lpszClass = className_.c_str();
    if (cs.style == kDefaultViewStyle)
        cs.style = defaultStyle_;
    return CView::PreCreateWindow(cs);
}

HWND CCtrlView::CreateViewWindow(const CREATESTRUCTA& cs) {
    // The control is created by its own class and then subclassed, so its own
    // creation has run when the view's creation handler starts.
    HWND hwnd = ::CreateWindowExA(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y,
                                  cs.cx, cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance, nullptr);
    if (hwnd)
        SubclassWindow(hwnd);
    return hwnd;
}

}  // namespace tessik
