#include "framework/ole_data_object.h"


namespace tessik {
namespace {

// Every kind of storage medium.
constexpr DWORD kAnyMedium = TYMED_HGLOBAL | TYMED_FILE | TYMED_ISTREAM | TYMED_ISTORAGE |
                             TYMED_GDI | TYMED_MFPICT | TYMED_ENHMF;

}  // namespace

IDataObject* COleDataObject::EnsureDataObject() {
    if (!data_ && clipboard_) {
        if (FAILED(::OleGetClipboard(data_.put())))
            data_.reset();
    }
    return data_.get();
}

bool COleDataObject::IsDataAvailable(CLIPFORMAT format) {
    if (clipboard_)
        return ::IsClipboardFormatAvailable(format) != FALSE;
    if (!data_)
        return false;
    FORMATETC etc{format, nullptr, DVASPECT_CONTENT, -1, kAnyMedium};
    return data_->QueryGetData(&etc) == S_OK;
}

UniqueHGlobal COleDataObject::GetGlobalData(CLIPFORMAT format) {
    IDataObject* data = EnsureDataObject();
    if (!data)
        return UniqueHGlobal();
    FORMATETC etc{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL | TYMED_MFPICT};
    STGMEDIUM medium{};
    if (FAILED(data->GetData(&etc, &medium)))
        return UniqueHGlobal();
    if (medium.tymed != TYMED_HGLOBAL && medium.tymed != TYMED_MFPICT) {
        ::ReleaseStgMedium(&medium);
        return UniqueHGlobal();
    }
    if (!medium.pUnkForRelease)
        return UniqueHGlobal(medium.hGlobal);
    UniqueHGlobal copy = CopyGlobalBlock(medium.hGlobal);
    ::ReleaseStgMedium(&medium);
    return copy;
}

}  // namespace tessik
