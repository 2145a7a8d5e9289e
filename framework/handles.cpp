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

UniqueHGlobal CopyGlobalBlock(HGLOBAL source) {
    const SIZE_T size = ::GlobalSize(source);
    UniqueHGlobal copy(::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, size));
    if (!copy)
        return copy;
    GlobalLockGuard from(source);
    GlobalLockGuard to(copy.get());
    if (!from || !to)
        return UniqueHGlobal();
    std::memcpy(to.data(), from.data(), size);
    return copy;
}

}  // namespace tessik
