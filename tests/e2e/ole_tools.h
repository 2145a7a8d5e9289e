#pragma once
// The driver as another application in OLE drag and drop: a drop target window that records what
// is dropped on it, and a drag source window that starts a drag of its own data when pressed.
// Each lives on its own UiThread, so it answers the program while the test sends input.

#include <ole2.h>
#include <windows.h>

#include <chrono>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "ui_thread.h"
#include "wait.h"

namespace e2e {

// One format a drag source offers: an HGLOBAL holding exactly these bytes.
struct OfferedData {
    CLIPFORMAT format;
    std::string bytes;
};

// CF_TEXT of the text and its terminating NUL.
OfferedData TextData(std::string_view text);
// CF_HDROP naming one file: data without any text.
OfferedData FileListData(std::string_view path);

// What the drop target has seen so far.
struct DropRecord {
    int enters = 0;
    int leaves = 0;
    int drops = 0;
    DWORD allowedAtEnter = 0;  // the effects the source allowed, as DragEnter saw them
    DWORD allowedAtDrop = 0;
    DWORD answerAtDrop = 0;  // the effect the target reported on the drop
    // The whole CF_TEXT block of the last drop, terminating NUL and all.
    std::optional<std::string> droppedBlock;
};

// A top-level window registered with RegisterDragDrop. It accepts CF_TEXT with the copy effect
// when the source allows copying, and answers no-drop otherwise.
class DropTargetWindow {
  public:
    explicit DropTargetWindow(const RECT& placement);
    DropTargetWindow(const DropTargetWindow&) = delete;
    DropTargetWindow& operator=(const DropTargetWindow&) = delete;
    ~DropTargetWindow();

    HWND Window() const { return window_; }
    DropRecord Record() const;
    bool WaitForDrop(std::chrono::milliseconds timeout = kDefaultTimeout) const;

    class Target;

  private:
    UiThread thread_;
    std::unique_ptr<Target> target_;
    HWND window_ = nullptr;
};

// What a drag that the driver started ended with.
struct DragOutcome {
    HRESULT result = E_PENDING;
    DWORD effect = DROPEFFECT_NONE;
    // The effects the target answered while the pointer moved, as the source was told them.
    std::vector<DWORD> feedback;
};

// A top-level window that, when the left button is pressed on it, runs DoDragDrop on its own
// thread with the given data and allowed effects, like an editor starting a drag.
class DragSourceWindow {
  public:
    DragSourceWindow(const RECT& placement, std::vector<OfferedData> data, DWORD allowedEffects);
    DragSourceWindow(const DragSourceWindow&) = delete;
    DragSourceWindow& operator=(const DragSourceWindow&) = delete;
    ~DragSourceWindow();

    HWND Window() const { return window_; }
    // The outcome once DoDragDrop has returned; nothing before.
    std::optional<DragOutcome> Outcome() const;
    std::optional<DragOutcome> WaitForOutcome(
        std::chrono::milliseconds timeout = kDefaultTimeout) const;

    struct State;

  private:
    UiThread thread_;
    std::unique_ptr<State> state_;
    HWND window_ = nullptr;
};

}  // namespace e2e
