// Handing an entry to another application: a press on an entry selects it and
// either drags its text out (OLE drag and drop) or, in the paste-via-clipboard
// mode, starts a carry that pastes it where the button is released. The list
// is also a drop target that accepts text with the copy effect and adds nothing.
#include "framework/clipboard.h"
#include "framework/ole_data_object.h"
#include "framework/peer_message.h"
#include "framework/win_app.h"
#include "history/my_view.h"
#include "resources/resource.h"

namespace tessik {

void CMyView::OnLButtonDown(POINT point) {
    ListBoxControl list = List();
    const ListBoxControl::Hit hit = list.ItemFromPoint(point);
    if (!hit.onEntry) {
        Default();
        return;
    }
    list.Select(hit.index);
    const std::string text = list.TextAt(hit.index);
    if (PasteViaClipboard()) {
        StartCarry(text);
    } else {
        DragOut(text);
    }
}

void CMyView::StartCarry(const std::string& text) {
    ::SetCapture(GetSafeHwnd());
    {
        // The clipboard is emptied before the block is made; when the block
        // cannot be made, nothing is put on it and the release pastes nothing.
        // When the clipboard cannot be opened it keeps what it holds. Either
        // way the carry goes on.
        ClipboardOpenGuard clipboard(GetSafeHwnd());
        if (clipboard.IsOpen())
            PutTextOnOpenClipboard(text);
    }
    Default();
}

void CMyView::OnMouseMove() {
    if (::GetCapture() == GetSafeHwnd()) {
        HINSTANCE instance = CWinApp::Current()->GetInstanceHandle();
        ::SetCursor(::LoadCursorA(instance, MAKEINTRESOURCEA(IDC_CARRY_CURSOR)));
    }
    Default();
}

void CMyView::OnLButtonUp(POINT point) {
    if (::GetCapture() == GetSafeHwnd()) {
        POINT screen = point;
        ::ClientToScreen(GetSafeHwnd(), &screen);
        HWND target = ::WindowFromPoint(screen);
        if (target && ::IsClipboardFormatAvailable(CF_TEXT)) {
            POINT client = screen;
            ::ScreenToClient(target, &client);
            const LPARAM packed =
                MAKELPARAM(static_cast<WORD>(client.x), static_cast<WORD>(client.y));
            // A target that does not answer in time is treated like one that
            // reports no position.
            const auto position = SendToPeer(target, EM_CHARFROMPOS, 0, packed);
            if (position && static_cast<DWORD>(*position) != 0xFFFFFFFF) {
                const WPARAM caret = LOWORD(static_cast<DWORD>(*position));
                SendToPeer(target, EM_SETSEL, caret, static_cast<LPARAM>(caret));
                ::SetFocus(target);
                ::PostMessageA(target, WM_PASTE, 0, 0);
            }
        }
        ::ReleaseCapture();
    }
    Default();
}

DROPEFFECT CMyView::OnDragEnter(COleDataObject* data, DWORD, POINT) {
    return data->IsDataAvailable(CF_TEXT) ? DROPEFFECT_COPY : DROPEFFECT_NONE;
}

DROPEFFECT CMyView::OnDragOver(COleDataObject* data, DWORD, POINT) {
    return data->IsDataAvailable(CF_TEXT) ? DROPEFFECT_COPY : DROPEFFECT_NONE;
}

BOOL CMyView::OnDrop(COleDataObject* data, DROPEFFECT, POINT) {
    return data->IsDataAvailable(CF_TEXT) ? TRUE : FALSE;
}

}  // namespace tessik
