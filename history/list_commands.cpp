// The edit menu's commands on the history list, and the paste-via-clipboard
// toggle.
#include "framework/clipboard.h"
#include "framework/dialog.h"
#include "history/my_view.h"

namespace tessik {
namespace {

bool SelectedEntryHasText(const ListBoxControl& list) {
    const int selected = list.CurrentSelection();
    return selected != LB_ERR && list.TextLength(selected) > 0;
}

}  // namespace

void CMyView::OnUpdateEditCopy(CCmdUI* ui) {
    ui->Enable(SelectedEntryHasText(List()));
}

void CMyView::OnUpdateEditClearAll(CCmdUI* ui) {
    ui->Enable(List().Count() > 0);
}

void CMyView::OnUpdateUseClipboard(CCmdUI* ui) {
    ui->SetCheck(pasteViaClipboard_ ? 1 : 0);
}

void CMyView::OnUseClipboard() {
    pasteViaClipboard_ = pasteViaClipboard_ ? FALSE : TRUE;
}

void CMyView::OnEditCopy() {
    ListBoxControl list = List();
    const int selected = list.CurrentSelection();
    if (selected == LB_ERR)
        return;
    const std::string text = list.TextAt(selected);
    if (text.empty())
        return;

    // The clipboard is opened before the entry moves, so an entry is never
    // lost when another application holds the clipboard. The notification
    // that follows finds the text at the top and only resets the document.
    ClipboardOpenGuard clipboard(GetSafeHwnd());
    if (!clipboard.IsOpen())
        return;
    list.Delete(selected);
    list.InsertTop(text);
    PutTextOnOpenClipboard(text);
}

void CMyView::OnEditClear() {
    ListBoxControl list = List();
    const int selected = list.CurrentSelection();
    if (selected == LB_ERR)
        return;
    extent_.RemoveEntry(list, selected);
    ResetDocument();
}

void CMyView::OnEditClearAll() {
    List().DeleteAll();
    RecomputeExtent();
    ResetDocument();
}

void CMyView::OnEditFont() {
    LOGFONTA current{};
    const bool hasFont =
        font_ && ::GetObjectA(font_.get(), sizeof current, &current) == sizeof current;
    CFontDialog dialog(hasFont ? &current : nullptr, CF_SCREENFONTS | CF_NOVERTFONTS);
    if (dialog.DoModal() != IDOK)
        return;

    LOGFONTA chosen{};
    dialog.GetCurrentFont(&chosen);
    font_.reset();
    font_.reset(::CreateFontIndirectA(&chosen));
    ::SendMessageA(GetSafeHwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
    RecomputeExtent();
}

}  // namespace tessik
