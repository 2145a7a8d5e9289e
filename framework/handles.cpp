#include "framework/handles.h"

#include <cstring>

namespace tessik {

UniqueHGlobal MakeTextBlock(const char* text, size_t length, UINT flags) {
    UniqueHGlobal block(::GlobalAlloc(flags, length + 1));
    if (!block)
        return block;
    GlobalLockGuard lock(block.get());
    if (!lock)
        return UniqueHGlobal();
    auto* bytes = static_cast<char*>(lock.data());
    std::memcpy(bytes, text, length);
    bytes[length] = '\0';
    return block;
}

}  // namespace tessik
