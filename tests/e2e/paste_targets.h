#pragma once
// The driver as applications that the program pastes into: an edit field, and a window whose
// thread hangs when asked for a character position. Each lives on its own UiThread.

#include <windows.h>

#include <atomic>
#include <chrono>
#include <string>
#include <string_view>

#include "ui_thread.h"
#include "unique_handle.h"

namespace e2e {

// A top-level window filled by a multi-line edit field holding `text`.
class EditWindow {
  public:
    EditWindow(const RECT& placement, std::string_view text);
    EditWindow(const EditWindow&) = delete;
    EditWindow& operator=(const EditWindow&) = delete;
    ~EditWindow();

    HWND Edit() const { return edit_; }
    std::string Text() const;
    // Replaces the text and puts the caret at its start.
    void Reset(std::string_view text) const;
    // The caret (start and end of the selection), as EM_GETSEL reports it.
    DWORD Selection() const;
    // A screen point over the left half of the character at `index`: the field reports that index
    // for it (and, beyond the first line, the line number in the high word).
    POINT CharacterPoint(int index) const;

  private:
    UiThread thread_;
    HWND window_ = nullptr;
    HWND edit_ = nullptr;
};

// A top-level window whose thread stops answering for `hang` when it receives EM_CHARFROMPOS, as
// a hung application would; it answers 0 after that, or as soon as the object goes.
class HungWindow {
  public:
    HungWindow(const RECT& placement, std::chrono::milliseconds hang);
    HungWindow(const HungWindow&) = delete;
    HungWindow& operator=(const HungWindow&) = delete;
    ~HungWindow();

    HWND Window() const { return window_; }
    bool ReceivedPositionQuery() const { return queried_; }

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    UniqueHandle wake_;
    DWORD hangMs_;
    std::atomic<bool> queried_{false};
    UiThread thread_;
    HWND window_ = nullptr;
};

}  // namespace e2e
