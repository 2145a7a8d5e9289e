#pragma once
// Reads the program's history list box from this process. Texts travel as the W messages and are
// converted to the ANSI code page here: across processes Wine returns UTF-16 even for the A
// messages. Every message is sent with a bound, so a hung program fails the test instead of
// hanging it.
//
// Wine limit: LB_GETTEXT from another process reaches the program's ANSI window procedure through
// a fixed 512-byte buffer in the program's process, so a longer entry comes back cut short (767
// units) or overruns that buffer and crashes the program. Text() therefore reads only entries of
// at most kLongestReadableUnits UTF-16 units (510 bytes even if every character is double-byte);
// for a longer entry it fails the test and returns nothing. Its length is always readable.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace e2e {

inline constexpr int kLongestReadableUnits = 255;

class ListReader {
  public:
    explicit ListReader(HWND list) : list_(list) {}

    // LB_ERR (-1) when the list does not answer.
    int Count() const;
    int CurrentSelection() const;
    int HorizontalExtent() const;
    // The entry's length in UTF-16 units (equal to its byte length for ASCII text).
    int TextLengthUnits(int index) const;

    std::optional<std::string> Text(int index) const;
    // Every entry, top first; nothing when the list does not answer.
    std::optional<std::vector<std::string>> Texts() const;

  private:
    std::optional<LRESULT> Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

    HWND list_;
};

}  // namespace e2e
