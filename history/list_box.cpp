#include "history/list_box.h"

namespace tessik {

int ListBoxControl::Count() const {
    return static_cast<int>(Send(LB_GETCOUNT));
}

int ListBoxControl::TextLength(int index) const {
    return static_cast<int>(Send(LB_GETTEXTLEN, static_cast<WPARAM>(index)));
}

std::string ListBoxControl::TextAt(int index) const {
    const int length = TextLength(index);
    if (length <= 0)
        return {};
    std::string text(static_cast<size_t>(length) + 1, '\0');
    Send(LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(text.find('\0'));
    return text;
}

int ListBoxControl::CurrentSelection() const {
    return static_cast<int>(Send(LB_GETCURSEL));
}

void ListBoxControl::Select(int index) {
    Send(LB_SETCURSEL, static_cast<WPARAM>(index));
}

int ListBoxControl::FindEntryBeginningWith(std::string_view text) const {
    if (text.empty())
        return Count() > 0 ? 0 : LB_ERR;
    const std::string terminated(text);
    return static_cast<int>(
        Send(LB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(terminated.c_str())));
}

void ListBoxControl::InsertTop(std::string_view text) {
    const std::string terminated(text);
    Send(LB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(terminated.c_str()));
}

void ListBoxControl::Append(std::string_view text) {
    const std::string terminated(text);
    Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(terminated.c_str()));
}

void ListBoxControl::Delete(int index) {
    Send(LB_DELETESTRING, static_cast<WPARAM>(index));
}

void ListBoxControl::DeleteAll() {
    Send(LB_RESETCONTENT);
}

ListBoxControl::Hit ListBoxControl::ItemFromPoint(POINT clientPoint) const {
    const LPARAM packed =
        MAKELPARAM(static_cast<WORD>(clientPoint.x), static_cast<WORD>(clientPoint.y));
    const DWORD answer = static_cast<DWORD>(Send(LB_ITEMFROMPOINT, 0, packed));
    return {static_cast<int>(LOWORD(answer)), HIWORD(answer) == 0};
}

}  // namespace tessik
