#include "text_data_object.h"

#include <shlobj.h>

#include <cstring>

namespace e2e {
namespace {

FORMATETC TextFormat() {
    return {CF_TEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
}

bool IsTextFormat(const FORMATETC* format) {
    return format && format->cfFormat == CF_TEXT && format->dwAspect == DVASPECT_CONTENT &&
           (format->tymed & TYMED_HGLOBAL) && (format->lindex == -1 || format->lindex == 0);
}

}  // namespace

TextDataObject* TextDataObject::Create(std::string_view bytes) {
    return new TextDataObject(bytes);
}

HRESULT TextDataObject::QueryInterface(REFIID iid, void** object) {
    if (!object) {
        return E_POINTER;
    }
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDataObject)) {
        *object = static_cast<IDataObject*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG TextDataObject::AddRef() {
    return static_cast<ULONG>(InterlockedIncrement(&references_));
}

ULONG TextDataObject::Release() {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) {
        delete this;
    }
    return static_cast<ULONG>(left);
}

HRESULT TextDataObject::GetData(FORMATETC* format, STGMEDIUM* medium) {
    if (!medium) {
        return E_POINTER;
    }
    if (!IsTextFormat(format)) {
        return DV_E_FORMATETC;
    }
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes_.size());
    if (!block) {
        return E_OUTOFMEMORY;
    }
    if (!bytes_.empty()) {
        std::memcpy(GlobalLock(block), bytes_.data(), bytes_.size());
        GlobalUnlock(block);
    }
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = block;
    medium->pUnkForRelease = nullptr;
    return S_OK;
}

HRESULT TextDataObject::GetDataHere(FORMATETC*, STGMEDIUM*) {
    return E_NOTIMPL;
}

HRESULT TextDataObject::QueryGetData(FORMATETC* format) {
    return IsTextFormat(format) ? S_OK : DV_E_FORMATETC;
}

HRESULT TextDataObject::GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) {
    if (out) {
        out->ptd = nullptr;
    }
    return E_NOTIMPL;
}

HRESULT TextDataObject::SetData(FORMATETC*, STGMEDIUM*, BOOL) {
    return E_NOTIMPL;
}

HRESULT TextDataObject::EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) {
    if (direction != DATADIR_GET) {
        return E_NOTIMPL;
    }
    FORMATETC text = TextFormat();
    return SHCreateStdEnumFmtEtc(1, &text, formats);
}

HRESULT TextDataObject::DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) {
    return OLE_E_ADVISENOTSUPPORTED;
}

HRESULT TextDataObject::DUnadvise(DWORD) {
    return OLE_E_ADVISENOTSUPPORTED;
}

HRESULT TextDataObject::EnumDAdvise(IEnumSTATDATA**) {
    return OLE_E_ADVISENOTSUPPORTED;
}

}  // namespace e2e
