#include "clipboard_tools.h"

#include <chrono>
#include <cstring>

#include "wait.h"

namespace e2e {
namespace {

// The program or Wine's X11 bridge may hold the clipboard open for a moment.
constexpr auto kOpenTimeout = 5s;

// Opens the clipboard without an owner window for the object's lifetime. Writing it then leaves the
// clipboard without owner, so no driver window has to answer WM_DESTROYCLIPBOARD later; Wine
// accepts SetClipboardData after such an open.
class OpenedClipboard {
  public:
    OpenedClipboard() {
        open_ = WaitUntil([] { return OpenClipboard(nullptr) != FALSE; }, kOpenTimeout);
    }
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;
    ~OpenedClipboard() {
        if (open_) {
            CloseClipboard();
        }
    }
    explicit operator bool() const { return open_; }

  private:
    bool open_ = false;
};

// A global memory block that belongs to us until the clipboard takes it.
class OwnedGlobal {
  public:
    explicit OwnedGlobal(std::string_view bytes)
        : block_(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes.empty() ? 1 : bytes.size())) {
        if (block_ && !bytes.empty()) {
            void* data = GlobalLock(block_);
            std::memcpy(data, bytes.data(), bytes.size());
            GlobalUnlock(block_);
        }
    }
    OwnedGlobal(const OwnedGlobal&) = delete;
    OwnedGlobal& operator=(const OwnedGlobal&) = delete;
    ~OwnedGlobal() {
        if (block_) {
            GlobalFree(block_);
        }
    }
    HGLOBAL get() const { return block_; }
    void release() { block_ = nullptr; }

  private:
    HGLOBAL block_;
};

bool PutBlockOnClipboard(std::string_view bytes) {
    OwnedGlobal block(bytes);
    if (!block.get()) {
        return false;
    }
    OpenedClipboard clipboard;
    if (!clipboard || !EmptyClipboard()) {
        return false;
    }
    if (!SetClipboardData(CF_TEXT, block.get())) {
        return false;
    }
    block.release();  // the clipboard owns it now
    return true;
}

}  // namespace

bool SetClipboardText(std::string_view text) {
    std::string withTerminator(text);
    withTerminator.push_back('\0');
    return PutBlockOnClipboard(withTerminator);
}

bool SetClipboardBlock(std::string_view bytes) {
    return PutBlockOnClipboard(bytes);
}

bool SetClipboardBitmapOnly() {
    HBITMAP bitmap = CreateBitmap(8, 8, 1, 32, nullptr);
    if (!bitmap) {
        return false;
    }
    OpenedClipboard clipboard;
    if (!clipboard || !EmptyClipboard() || !SetClipboardData(CF_BITMAP, bitmap)) {
        DeleteObject(bitmap);
        return false;
    }
    return true;
}

bool EmptyTheClipboard() {
    OpenedClipboard clipboard;
    return clipboard && EmptyClipboard();
}

std::optional<std::string> GetClipboardText() {
    OpenedClipboard clipboard;
    if (!clipboard) {
        return std::nullopt;
    }
    HANDLE block = GetClipboardData(CF_TEXT);
    if (!block) {
        return std::nullopt;
    }
    const auto* bytes = static_cast<const char*>(GlobalLock(block));
    if (!bytes) {
        return std::nullopt;
    }
    const size_t size = GlobalSize(block);
    const std::string text(bytes, strnlen(bytes, size));
    GlobalUnlock(block);
    return text;
}

ClipboardHolder::ClipboardHolder()
    : thread_([this] {
          // Opened for a window of its own: Wine lets anyone reopen a clipboard opened without
          // a window.
          HWND window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                        GetModuleHandleW(nullptr), nullptr);
          const bool opened =
              window &&
              WaitUntil([window] { return OpenClipboard(window) != FALSE; }, kOpenTimeout);
          std::unique_lock lock(mutex_);
          opened_ = true;
          holding_ = opened;
          changed_.notify_all();
          changed_.wait_for(lock, 120s, [this] { return release_; });
          if (opened) {
              CloseClipboard();
          }
          if (window) {
              DestroyWindow(window);
          }
      }) {
    std::unique_lock lock(mutex_);
    changed_.wait_for(lock, kOpenTimeout + 5s, [this] { return opened_; });
}

ClipboardHolder::~ClipboardHolder() {
    {
        std::lock_guard lock(mutex_);
        release_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

}  // namespace e2e
