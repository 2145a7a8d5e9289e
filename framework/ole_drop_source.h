#pragma once
// The default drop source: decides when a pressed button becomes a drag (the
// start rule), and while the drag runs, when it drops or is cancelled. The
// system's drag loop starts at once, with no threshold, so the wait before it
// is ours.

#include <ole2.h>
#include <windows.h>

namespace tessik {

class COleDropSource : public IDropSource {
  public:
    COleDropSource() = default;
    COleDropSource(const COleDropSource&) = delete;
    COleDropSource& operator=(const COleDropSource&) = delete;

    // Called with the left button held. The main window takes the mouse capture
    // and watches the thread's mouse and keyboard messages, taking them out of
    // the queue without dispatching them: the drag starts when the pointer
    // leaves the start rectangle around the current cursor position or when the
    // drag delay has passed; a left or right button press or release, Esc, or
    // the loss of the capture cancels it. The capture ends with the wait. True
    // when the drag starts.
    bool WaitForDragStart();

    // IUnknown: the object lives on the stack for one drag; the counts only
    // serve COM.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override { return --references_; }

    // IDropSource: Esc or the right button cancels, releasing the left button
    // drops; the system shows its standard cursors.
    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escapePressed, DWORD keyState) override;
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD effect) override;

  private:
    ULONG references_ = 0;
};

}  // namespace tessik
