#pragma once
// The driver as an OLE application on the clipboard (OleSetClipboard), on a thread of its own
// that keeps its apartment's messages flowing while the program asks it for the data.
//
// Needed to offer a CF_TEXT block without any NUL: Wine writes a NUL over the last byte of every
// CF_TEXT block stored with SetClipboardData, whereas a reader through the OLE clipboard gets the
// source's own block, marshalled at its full size.

#include <windows.h>

#include <functional>
#include <string_view>
#include <thread>

namespace e2e {

class TextDataObject;

class OleClipboardSource {
  public:
    OleClipboardSource();
    OleClipboardSource(const OleClipboardSource&) = delete;
    OleClipboardSource& operator=(const OleClipboardSource&) = delete;
    // Takes its data off the clipboard if it is still there, then ends the thread.
    ~OleClipboardSource();

    // Puts a data object offering exactly `bytes` as CF_TEXT on the clipboard.
    bool Offer(std::string_view bytes);

  private:
    void ThreadMain(HANDLE ready);
    void RunOnSourceThread(const std::function<void()>& work);
    void Withdraw();

    HWND window_ = nullptr;
    TextDataObject* offered_ = nullptr;  // touched only on the source thread
    std::thread thread_;
};

}  // namespace e2e
