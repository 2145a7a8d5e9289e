#pragma once
// The history list's operations on the view's list box window. The list box
// itself holds the entries; there is no other copy.

#include <windows.h>

#include <string>
#include <string_view>

namespace tessik {

class ListBoxControl {
  public:
    explicit ListBoxControl(HWND hwnd) : hwnd_(hwnd) {}

    HWND hwnd() const { return hwnd_; }
    int Count() const;
    // The entry's whole text, up to its first NUL.
    std::string TextAt(int index) const;
    int TextLength(int index) const;
    int CurrentSelection() const;
    void Select(int index);
    // The first entry from the top that begins with the text, letter case
    // ignored; LB_ERR when none does. Every entry begins with the empty text.
    int FindEntryBeginningWith(std::string_view text) const;
    void InsertTop(std::string_view text);
    void Append(std::string_view text);
    void Delete(int index);
    void DeleteAll();

    struct Hit {
        int index;
        bool onEntry;
    };
    Hit ItemFromPoint(POINT clientPoint) const;

  private:
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageA(hwnd_, message, wParam, lParam);
    }

    HWND hwnd_;
};

}  // namespace tessik
