#pragma once
// The driver as another application on the clipboard: puts text (or a picture only) on it, reads
// it back, and holds it open so that nobody else can open it.

#include <windows.h>

#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

namespace e2e {

// CF_TEXT of `text` and its terminating NUL. False when the clipboard could not be written.
bool SetClipboardText(std::string_view text);
// CF_TEXT whose block holds exactly `bytes`: no NUL is added. Wine stores CF_TEXT with a NUL over
// its last byte, so other processes never see a block without NUL this way; OleClipboardSource
// offers one.
bool SetClipboardBlock(std::string_view bytes);
// A small bitmap and no text.
bool SetClipboardBitmapOnly();
// Empties the clipboard (no format at all).
bool EmptyTheClipboard();
// The CF_TEXT on the clipboard up to its first NUL; nothing when there is no text.
std::optional<std::string> GetClipboardText();

// Keeps the clipboard open on a thread of its own from construction to destruction, as a busy
// application would; OpenClipboard fails for everybody else meanwhile.
class ClipboardHolder {
  public:
    ClipboardHolder();
    ClipboardHolder(const ClipboardHolder&) = delete;
    ClipboardHolder& operator=(const ClipboardHolder&) = delete;
    ~ClipboardHolder();

    // Whether the clipboard was opened.
    bool IsHolding() const { return holding_; }

  private:
    std::mutex mutex_;
    std::condition_variable changed_;
    bool opened_ = false;
    bool holding_ = false;
    bool release_ = false;
    std::thread thread_;
};

}  // namespace e2e
