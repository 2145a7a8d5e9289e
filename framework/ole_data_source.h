#pragma once
// The giving side of OLE data transfer: a data object that offers global
// memory blocks for reading. It owns its blocks and frees them when the last
// reference goes; every consumer that asks for data gets a copy of its own.

#include <ole2.h>
#include <windows.h>

#include <vector>

#include "framework/com_ptr.h"
#include "framework/handles.h"

namespace tessik {

class COleDataSource final : public IDataObject {
  public:
    // A new source holding one reference, which the caller owns; empty when
    // it cannot be made.
    static ComPtr<COleDataSource> Create();

    COleDataSource(const COleDataSource&) = delete;
    COleDataSource& operator=(const COleDataSource&) = delete;

    // Offers the block in the given format as an HGLOBAL for the content
    // aspect, index -1, no target device. The source owns the block from now
    // on; a block already cached in that format is freed.
    void CacheGlobalData(CLIPFORMAT format, UniqueHGlobal block);

    // Runs a whole drag with the default drop source (its start rule first) and
    // returns the final effect: what the target reported on the drop, or
    // DROPEFFECT_NONE when the drag was cancelled or never started.
    DWORD DoDragDrop(DWORD allowedEffects);

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // IDataObject
    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override;
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC* format, STGMEDIUM* medium) override;
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override;
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC* format,
                                                    FORMATETC* canonical) override;
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC* format, STGMEDIUM* medium, BOOL release) override;
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) override;
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC* format, DWORD flags, IAdviseSink* sink,
                                      DWORD* connection) override;
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD connection) override;
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA** advises) override;

  private:
    struct CachedItem {
        FORMATETC format;
        UniqueHGlobal block;
    };

    COleDataSource() = default;
    ~COleDataSource() = default;

    // The cached item that answers the request, or the reason none does.
    HRESULT Find(const FORMATETC* request, const CachedItem** found) const;

    LONG references_ = 1;
    std::vector<CachedItem> items_;
};

}  // namespace tessik
