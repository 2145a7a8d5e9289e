#include "framework/clipboard.h"

#include "framework/handles.h"

namespace tessik {

bool PutTextOnOpenClipboard(std::string_view text) {
    ::EmptyClipboard();
    UniqueHGlobal block = MakeTextBlock(text.data(), text.size(), GMEM_MOVEABLE);
    if (!block)
        return false;
    if (!::SetClipboardData(CF_TEXT, block.get()))
        return false;
    block.release();  // the clipboard owns it now
    return true;
}

}  // namespace tessik
