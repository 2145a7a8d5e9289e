#include "framework/ole_data_source.h"

#include <shlobj.h>
#include <new>

#include "framework/ole_drop_source.h"

namespace tessik {

ComPtr<COleDataSource> COleDataSource::Create() {
    return ComPtr<COleDataSource>::Adopt(new (std::nothrow) COleDataSource);
}

void COleDataSource::CacheGlobalData(CLIPFORMAT format, UniqueHGlobal block) {
    const FORMATETC etc{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    for (CachedItem& item : items_) {
        if (item.format.cfFormat == format) {
            item.block = std::move(block);
            return;
        }
    }
    items_.push_back(CachedItem{etc, std::move(block)});
}

DWORD COleDataSource::DoDragDrop(DWORD allowedEffects) {
    COleDropSource dropSource;
    if (!dropSource.WaitForDragStart())
        return DROPEFFECT_NONE;
    DWORD effect = DROPEFFECT_NONE;
    const HRESULT result = ::DoDragDrop(this, &dropSource, allowedEffects, &effect);
    return result == DRAGDROP_S_DROP ? effect : DROPEFFECT_NONE;
}

HRESULT COleDataSource::QueryInterface(REFIID iid, void** object) {
    if (!object)
        return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDataObject) {
        *object = static_cast<IDataObject*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG COleDataSource::AddRef() {
    return static_cast<ULONG>(::InterlockedIncrement(&references_));
}

ULONG COleDataSource::Release() {
    const LONG left = ::InterlockedDecrement(&references_);
    if (left == 0)
        delete this;
    return static_cast<ULONG>(left);
}

HRESULT COleDataSource::Find(const FORMATETC* request, const CachedItem** found) const {
    if (!request)
        return E_INVALIDARG;
    HRESULT reason = DV_E_FORMATETC;
    for (const CachedItem& item : items_) {
        if (item.format.cfFormat != request->cfFormat)
            continue;
        // Only data for the screen is offered: no target device.
        if (request->ptd) {
            reason = DV_E_FORMATETC;
        } else if (request->dwAspect != item.format.dwAspect) {
            reason = DV_E_DVASPECT;
        } else if (request->lindex != item.format.lindex) {
            reason = DV_E_LINDEX;
        } else if (!(request->tymed & item.format.tymed)) {
            reason = DV_E_TYMED;
        } else {
            if (found)
                *found = &item;
            return S_OK;
        }
    }
    return reason;
}

HRESULT COleDataSource::GetData(FORMATETC* format, STGMEDIUM* medium) {
    if (!medium)
        return E_INVALIDARG;
    const CachedItem* item = nullptr;
    if (const HRESULT result = Find(format, &item); result != S_OK)
        return result;
    HGLOBAL copy = CopyGlobalBlock(item->block.get()).release();
    if (!copy)
        return E_OUTOFMEMORY;
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = copy;
    medium->pUnkForRelease = nullptr;  // the consumer owns its copy
    return S_OK;
}

HRESULT COleDataSource::GetDataHere(FORMATETC*, STGMEDIUM*) {
    return E_NOTIMPL;
}

HRESULT COleDataSource::QueryGetData(FORMATETC* format) {
    return Find(format, nullptr);
}

HRESULT COleDataSource::GetCanonicalFormatEtc(FORMATETC* format, FORMATETC* canonical) {
    if (!format || !canonical)
        return E_INVALIDARG;
    *canonical = *format;
    canonical->ptd = nullptr;
    return DATA_S_SAMEFORMATETC;
}

HRESULT COleDataSource::SetData(FORMATETC*, STGMEDIUM*, BOOL) {
    return E_NOTIMPL;
}

HRESULT COleDataSource::EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) {
    if (!formats)
        return E_INVALIDARG;
    *formats = nullptr;
    if (direction != DATADIR_GET)
        return E_NOTIMPL;
    std::vector<FORMATETC> offered;
    offered.reserve(items_.size());
    for (const CachedItem& item : items_)
        offered.push_back(item.format);
    return ::SHCreateStdEnumFmtEtc(static_cast<UINT>(offered.size()), offered.data(), formats);
}

HRESULT COleDataSource::DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) {
    return OLE_E_ADVISENOTSUPPORTED;
}

HRESULT COleDataSource::DUnadvise(DWORD) {
    return OLE_E_ADVISENOTSUPPORTED;
}

HRESULT COleDataSource::EnumDAdvise(IEnumSTATDATA**) {
    return OLE_E_ADVISENOTSUPPORTED;
}

}  // namespace tessik
