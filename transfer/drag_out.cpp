// Dragging an entry's text out of the list.
#include "framework/ole_data_source.h"
#include "history/my_view.h"

namespace tessik {

void CMyView::DragOut(const std::string& text) {
    // When the block cannot be allocated no drag starts and nothing is put on
    // the clipboard: the press ends with the entry selected.
    UniqueHGlobal block =
        MakeTextBlock(text.data(), text.size(), GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_DDESHARE);
    if (!block)
        return;
    ComPtr<COleDataSource> source = COleDataSource::Create();
    if (!source)
        return;
    source->CacheGlobalData(CF_TEXT, std::move(block));
    // Whatever the target did with the copy, the list stays as it is. The
    // source, and with it the block, goes when the last target lets it go.
    source->DoDragDrop(DROPEFFECT_COPY);
}

}  // namespace tessik
