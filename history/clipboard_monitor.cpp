// The view as a clipboard viewer: it joins the chain when created, keeps the
// chain intact, passes every notification on, and captures each new clipboard
// text at the top of the list unless some entry already begins with it.
#include <cstring>

#include "framework/ole_data_object.h"
#include "framework/peer_message.h"
#include "history/my_view.h"

namespace tessik {

void CMyView::JoinClipboardChain() {
    // The system sends the first clipboard notification before this returns,
    // so that one is passed on to nobody: the successor is not known yet.
    nextViewer_ = ::SetClipboardViewer(GetSafeHwnd());
    joinedChain_ = true;
}

void CMyView::LeaveClipboardChain() {
    if (!joinedChain_)
        return;
    ::ChangeClipboardChain(GetSafeHwnd(), nextViewer_);
    joinedChain_ = false;
}

void CMyView::OnChangeCbChain(HWND removed, HWND following) {
    Default();
    if (removed == nextViewer_) {
        nextViewer_ = following;
    } else if (nextViewer_) {
        SendToPeer(nextViewer_, WM_CHANGECBCHAIN, reinterpret_cast<WPARAM>(removed),
                   reinterpret_cast<LPARAM>(following));
    }
}

void CMyView::OnDrawClipboard() {
    Default();
    if (nextViewer_)
        SendToPeer(nextViewer_, WM_DRAWCLIPBOARD, 0, 0);

    COleDataObject clipboard;
    clipboard.AttachClipboard();
    if (!clipboard.IsDataAvailable(CF_TEXT))
        return;
    UniqueHGlobal block = clipboard.GetGlobalData(CF_TEXT);
    if (!block)
        return;
    {
        GlobalLockGuard lock(block.get());
        if (!lock)
            return;
        // The text ends at its first NUL, and never beyond the block.
        const auto* bytes = static_cast<const char*>(lock.data());
        const size_t length = ::strnlen(bytes, ::GlobalSize(block.get()));
        const std::string_view text(bytes, length);

        ListBoxControl list = List();
        if (list.FindEntryBeginningWith(text) == LB_ERR) {
            list.InsertTop(text);
            extent_.EntryInserted(list, 0);
        }
    }
    block.reset();
    ResetDocument();
}

}  // namespace tessik
