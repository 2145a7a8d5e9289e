#pragma once
// Messages sent to other applications' windows and waited for: a hung peer
// must not freeze us, so every such send is bounded.

#include <windows.h>

#include <optional>

namespace tessik {

inline constexpr UINT kPeerReplyTimeoutMs = 3000;

// The peer's answer, or nothing when it did not answer in time or is hung.
inline std::optional<LRESULT> SendToPeer(HWND peer, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!::SendMessageTimeoutA(peer, message, wParam, lParam, SMTO_ABORTIFHUNG, kPeerReplyTimeoutMs,
                               &result)) {
        return std::nullopt;
    }
    return static_cast<LRESULT>(result);
}

}  // namespace tessik
