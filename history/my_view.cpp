#include "history/my_view.h"

#include <windowsx.h>

#include "app/settings_profile.h"
#include "framework/document.h"
#include "framework/win_app.h"
#include "history/list_font.h"
#include "resources/resource.h"

namespace tessik {
namespace {

// WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_HSCROLL | LBS_NOINTEGRALHEIGHT;
// the border becomes the sunken client edge.
constexpr DWORD kListStyle = 0x50b00100;

}  // namespace

CMyView::CMyView() : CCtrlView("LISTBOX", 0) {}

CMyView::~CMyView() = default;

bool CMyView::PreCreateWindow(CREATESTRUCTA& cs) {
    SetDefaultStyle(kListStyle);
    return CCtrlView::PreCreateWindow(cs);
}

int CMyView::OnCreate(const CREATESTRUCTA& cs) {
    if (CCtrlView::OnCreate(cs) == -1)
        return -1;
    if (!dropTarget_.Register(this))
        return -1;
    JoinClipboardChain();
    font_ = LoadStoredListFont(*CWinApp::Current());
    if (!font_)
        font_ = MakeDefaultListFont();
    ::SendMessageA(GetSafeHwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
    RecomputeExtent();
    return 0;
}

void CMyView::OnDestroy() {
    LeaveClipboardChain();
    StoreListFont(*CWinApp::Current(), font_.get());
    CCtrlView::OnDestroy();
}

void CMyView::ResetDocument() {
    if (CDocument* document = GetDocument())
        document->OnNewDocument();
}

LRESULT CMyView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_DRAWCLIPBOARD:
            OnDrawClipboard();
            return 0;
        case WM_CHANGECBCHAIN:
            OnChangeCbChain(reinterpret_cast<HWND>(wParam), reinterpret_cast<HWND>(lParam));
            return 0;
        case WM_LBUTTONDOWN:
            OnLButtonDown({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return 0;
        case WM_MOUSEMOVE:
            OnMouseMove();
            return 0;
        case WM_LBUTTONUP:
            OnLButtonUp({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return 0;
        case WM_NCDESTROY:
            dropTarget_.Revoke();
            return CCtrlView::WindowProc(message, wParam, lParam);
        default:
            return CCtrlView::WindowProc(message, wParam, lParam);
    }
}

bool CMyView::OnCmdMsg(UINT id, CommandMode mode, CCmdUI* ui) {
    static constexpr CommandEntry<CMyView> kCommands[] = {
        {ID_EDIT_COPY, ID_EDIT_COPY, &CMyView::OnEditCopy, &CMyView::OnUpdateEditCopy},
        {ID_EDIT_CLEAR, ID_EDIT_CLEAR, &CMyView::OnEditClear, &CMyView::OnUpdateEditCopy},
        {ID_EDIT_CLEAR_ALL, ID_EDIT_CLEAR_ALL, &CMyView::OnEditClearAll,
         &CMyView::OnUpdateEditClearAll},
        {ID_EDIT_FONT, ID_EDIT_FONT, &CMyView::OnEditFont},
        {ID_USE_CLIPBOARD, ID_USE_CLIPBOARD, &CMyView::OnUseClipboard,
         &CMyView::OnUpdateUseClipboard},
    };
    return DispatchFromTable<CMyView>(this, kCommands, id, mode, ui);
}

}  // namespace tessik
