#include "framework/frame_wnd.h"

#include <string>

#include "framework/command_routing.h"
#include "framework/document.h"
#include "framework/framework_ids.h"
#include "framework/handles.h"
#include "framework/menu_update.h"
#include "framework/view.h"
#include "framework/win_app.h"

namespace tessik {
namespace {

constexpr char kFrameClassName[] = "TessikFrame";

// The window title is the first '\n'-separated field of the document string.
std::string WindowTitleField(const std::string& documentString) {
    return documentString.substr(0, documentString.find('\n'));
}

}  // namespace

CFrameWnd::~CFrameWnd() = default;

bool CFrameWnd::LoadFrame(UINT resourceId, DWORD style, CCreateContext* context) {
    CWinApp* app = CWinApp::Current();
    HINSTANCE instance = app->GetInstanceHandle();
    const std::string title = WindowTitleField(app->LoadString(resourceId));
    UniqueHMenu menu(::LoadMenuA(instance, MAKEINTRESOURCEA(resourceId)));

    CREATESTRUCTA cs{};
    cs.hInstance = instance;
    cs.lpszName = title.c_str();
    cs.style = style;
    cs.x = cs.y = cs.cx = cs.cy = CW_USEDEFAULT;
    cs.hMenu = menu.get();
    iconId_ = resourceId;
    if (!PreCreateWindow(cs)) {
        delete this;
        return false;
    }

    createContext_ = context;
    // Style bits of the framework's own are not the system's business.
    cs.style &= ~FWS_ADDTOTITLE;
    HWND hwnd = CreateOwnWindow(cs);
    if (!hwnd) {
        // A window that was made and then failed took its menu and this object
        // with it; one that was never made leaves both to us.
        if (::IsMenu(menu.get())) {
            delete this;
        } else {
            menu.release();
        }
        return false;
    }
    createContext_ = nullptr;
    menu.release();  // the window owns its menu now
    accelerators_ = ::LoadAcceleratorsA(instance, MAKEINTRESOURCEA(resourceId));
    return true;
}

bool CFrameWnd::PreCreateWindow(CREATESTRUCTA& cs) {
    WNDCLASSEXA wc{};
    wc.style = CS_DBLCLKS;
    wc.hInstance = cs.hInstance;
    wc.hIcon = ::LoadIconA(cs.hInstance, MAKEINTRESOURCEA(iconId_));
    wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kFrameClassName;
    if (!RegisterOwnClass(wc))
        return false;
    cs.lpszClass = kFrameClassName;
    cs.dwExStyle |= WS_EX_CLIENTEDGE;
    return true;
}

int CFrameWnd::OnCreate(const CREATESTRUCTA&) {
    if (Default() == -1)
        return -1;
    return CreateView(createContext_) ? 0 : -1;
}

bool CFrameWnd::CreateView(CCreateContext* context) {
    if (!context || !context->makeView)
        return true;
    std::unique_ptr<CView> view = context->makeView();
    if (!view)
        return false;
    CView* created = view.get();
    view_ = std::move(view);
    if (!created->Create(this, IDW_PANE_FIRST, context->document))
        return false;
    return true;
}

void CFrameWnd::InitialUpdateFrame(int cmdShow) {
    CWinApp* app = CWinApp::Current();
    if (!app->GetMainWnd())
        app->SetMainWnd(this);
    if (view_ && view_->GetSafeHwnd()) {
        SetActiveView(view_.get());
        view_->OnInitialUpdate();
    }
    ShowWindow(cmdShow);
    ::UpdateWindow(GetSafeHwnd());
    if (activeView_)
        ::SetFocus(activeView_->GetSafeHwnd());
}

void CFrameWnd::OnDestroy() {
    Default();
}

void CFrameWnd::PostNcDestroy() {
    CWinApp* app = CWinApp::Current();
    if (app->GetMainWnd() == this) {
        app->SetMainWnd(nullptr);
        ::PostQuitMessage(0);
    }
    // A frame owns itself while its window lives; its view goes with it.
    delete this;
}

void CFrameWnd::OnSize() {
    if (!view_ || !view_->GetSafeHwnd())
        return;
    RECT client{};
    ::GetClientRect(GetSafeHwnd(), &client);
    ::MoveWindow(view_->GetSafeHwnd(), 0, 0, client.right, client.bottom, TRUE);
}

void CFrameWnd::OnClose() {
    CDocument* document = activeView_ ? activeView_->GetDocument() : nullptr;
    if (document && !document->CanCloseFrame())
        return;
    CWinApp* app = CWinApp::Current();
    if (app->GetMainWnd() == this)
        app->HideApplication();
    if (document) {
        document->OnCloseDocument();  // destroys this frame
    } else {
        DestroyWindow();
    }
}

void CFrameWnd::OnEndSession(bool ending) {
    if (!ending)
        return;
    CWinApp* app = CWinApp::Current();
    if (app->GetMainWnd() != this)
        return;
    CDocument* document = activeView_ ? activeView_->GetDocument() : nullptr;
    if (document) {
        document->OnCloseDocument();
    } else {
        DestroyWindow();
    }
    app->EndForSessionEnd();
}

LRESULT CFrameWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    const UINT id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    const bool fromMenuOrAccelerator = lParam == 0 && code <= 1;
    if (fromMenuOrAccelerator && !CommandAllowed(*this, id))
        return 0;
    RouteCommand(*this, id, CommandMode::Execute, nullptr);
    return 0;
}

void CFrameWnd::OnInitMenuPopup(HMENU menu, bool isSystemMenu) {
    if (isSystemMenu)
        return;
    UpdateMenuItems(*this, menu);
}

bool CFrameWnd::OnCmdMsg(UINT, CommandMode, CCmdUI*) {
    return false;
}

LRESULT CFrameWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            return OnCreate(*reinterpret_cast<CREATESTRUCTA*>(lParam));
        case WM_DESTROY:
            OnDestroy();
            return 0;
        case WM_SIZE:
            Default();
            OnSize();
            return 0;
        case WM_SETFOCUS:
            if (activeView_ && activeView_->GetSafeHwnd()) {
                ::SetFocus(activeView_->GetSafeHwnd());
                return 0;
            }
            return Default();
        case WM_CLOSE:
            OnClose();
            return 0;
        case WM_COMMAND:
            return OnCommand(wParam, lParam);
        case WM_INITMENUPOPUP:
            OnInitMenuPopup(reinterpret_cast<HMENU>(wParam), HIWORD(lParam) != 0);
            return 0;
        case WM_QUERYENDSESSION:
            return TRUE;  // the document is never modified, so nothing to ask
        case WM_ENDSESSION:
            OnEndSession(wParam != FALSE);
            return 0;
        default:
            return CWnd::WindowProc(message, wParam, lParam);
    }
}

}  // namespace tessik
