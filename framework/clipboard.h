#pragma once
// Clipboard access: the clipboard held open for a scope, and writing one text.

#include <windows.h>

#include <string_view>

namespace tessik {

class ClipboardOpenGuard {
  public:
    explicit ClipboardOpenGuard(HWND owner) : open_(::OpenClipboard(owner) != FALSE) {}
    ~ClipboardOpenGuard() {
        if (open_)
            ::CloseClipboard();
    }
    ClipboardOpenGuard(const ClipboardOpenGuard&) = delete;
    ClipboardOpenGuard& operator=(const ClipboardOpenGuard&) = delete;

    bool IsOpen() const { return open_; }

  private:
    bool open_;
};

// Empties the open clipboard and puts the text on it as CF_TEXT in a moveable
// block of length + 1 bytes; the clipboard owns the block afterwards. Returns
// false when the block could not be made or was refused.
bool PutTextOnOpenClipboard(std::string_view text);

}  // namespace tessik
