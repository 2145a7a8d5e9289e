#pragma once
// A data object on the receiving side: the clipboard's, or the one a drag
// brings over a drop target.

#include <ole2.h>
#include <windows.h>

#include "framework/com_ptr.h"
#include "framework/handles.h"

namespace tessik {

class COleDataObject {
  public:
    // Ties the object to the clipboard; the OLE clipboard is fetched when data
    // is first asked for.
    void AttachClipboard() {
        data_.reset();
        clipboard_ = true;
    }
    void Attach(IDataObject* data) {
        data_ = ComPtr<IDataObject>::Share(data);
        clipboard_ = false;
    }
    void Release() {
        data_.reset();
        clipboard_ = false;
    }

    // For the clipboard this asks the system clipboard directly; otherwise the
    // data object, for content aspect, index -1, any medium.
    bool IsDataAvailable(CLIPFORMAT format);

    // A global block the caller owns: the medium's own block when nothing else
    // holds it, otherwise a copy. Null when the data cannot be had as a block.
    UniqueHGlobal GetGlobalData(CLIPFORMAT format);

  private:
    IDataObject* EnsureDataObject();

    ComPtr<IDataObject> data_;
    bool clipboard_ = false;
};

}  // namespace tessik
