#pragma once
// A minimal OLE data object that offers one CF_TEXT item (TYMED_HGLOBAL) holding exactly the given
// bytes: no NUL is added. Each GetData hands out a copy of its own.

#include <windows.h>
#include <ole2.h>

#include <string>
#include <string_view>

namespace e2e {

class TextDataObject final : public IDataObject {
  public:
    // Made with one reference, which the caller owns.
    static TextDataObject* Create(std::string_view bytes);

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // IDataObject
    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override;
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC* format, STGMEDIUM* medium) override;
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override;
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC* in, FORMATETC* out) override;
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC* format, STGMEDIUM* medium, BOOL release) override;
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) override;
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC* format, DWORD flags, IAdviseSink* sink,
                                      DWORD* connection) override;
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD connection) override;
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA** advises) override;

  private:
    explicit TextDataObject(std::string_view bytes) : bytes_(bytes) {}
    ~TextDataObject() = default;

    LONG references_ = 1;
    std::string bytes_;
};

}  // namespace e2e
