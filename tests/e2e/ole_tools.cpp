#include "ole_tools.h"

#include <shlobj.h>

#include <cstring>

#include "driver_window.h"

namespace e2e {
namespace {

HGLOBAL BlockOf(const std::string& bytes) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    if (block && !bytes.empty()) {
        std::memcpy(GlobalLock(block), bytes.data(), bytes.size());
        GlobalUnlock(block);
    }
    return block;
}

// A data object that offers a few HGLOBAL formats for reading.
class TestDataObject final : public IDataObject {
  public:
    explicit TestDataObject(std::vector<OfferedData> data) : data_(std::move(data)) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (iid == IID_IUnknown || iid == IID_IDataObject) {
            *object = static_cast<IDataObject*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0) {
            delete this;
        }
        return left;
    }

    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
        const OfferedData* offered = Find(format);
        if (!offered) {
            return DV_E_FORMATETC;
        }
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = BlockOf(offered->bytes);
        medium->pUnkForRelease = nullptr;
        return medium->hGlobal ? S_OK : E_OUTOFMEMORY;
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override {
        return Find(format) ? S_OK : DV_E_FORMATETC;
    }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override {
        out->ptd = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) override {
        if (direction != DATADIR_GET) {
            return E_NOTIMPL;
        }
        std::vector<FORMATETC> etcs;
        for (const auto& offered : data_) {
            etcs.push_back({offered.format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL});
        }
        return SHCreateStdEnumFmtEtc(static_cast<UINT>(etcs.size()), etcs.data(), formats);
    }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override {
        return OLE_E_ADVISENOTSUPPORTED;
    }

  private:
    ~TestDataObject() = default;

    const OfferedData* Find(const FORMATETC* format) const {
        if (!format || format->dwAspect != DVASPECT_CONTENT || !(format->tymed & TYMED_HGLOBAL)) {
            return nullptr;
        }
        for (const auto& offered : data_) {
            if (offered.format == format->cfFormat) {
                return &offered;
            }
        }
        return nullptr;
    }

    LONG references_ = 1;
    std::vector<OfferedData> data_;
};

// The usual drop source: Esc cancels, releasing the left button drops. It records the feedback.
class TestDropSource final : public IDropSource {
  public:
    explicit TestDropSource(std::vector<DWORD>* feedback) : feedback_(feedback) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (iid == IID_IUnknown || iid == IID_IDropSource) {
            *object = static_cast<IDropSource*>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    // Lives on the stack for one DoDragDrop.
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape, DWORD keyState) override {
        if (escape) {
            return DRAGDROP_S_CANCEL;
        }
        return (keyState & MK_LBUTTON) ? S_OK : DRAGDROP_S_DROP;
    }
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD effect) override {
        feedback_->push_back(effect);
        return DRAGDROP_S_USEDEFAULTCURSORS;
    }

  private:
    std::vector<DWORD>* feedback_;
};

std::optional<std::string> TextBlockOf(IDataObject* data) {
    FORMATETC format{CF_TEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium{};
    if (FAILED(data->GetData(&format, &medium))) {
        return std::nullopt;
    }
    std::optional<std::string> bytes;
    if (medium.tymed == TYMED_HGLOBAL) {
        if (const void* locked = GlobalLock(medium.hGlobal)) {
            bytes.emplace(static_cast<const char*>(locked), GlobalSize(medium.hGlobal));
            GlobalUnlock(medium.hGlobal);
        }
    }
    ReleaseStgMedium(&medium);
    return bytes;
}

}  // namespace

OfferedData TextData(std::string_view text) {
    std::string bytes(text);
    bytes.push_back('\0');
    return {CF_TEXT, std::move(bytes)};
}

OfferedData FileListData(std::string_view path) {
    DROPFILES header{};
    header.pFiles = sizeof(header);
    std::string bytes(reinterpret_cast<const char*>(&header), sizeof(header));
    bytes += path;
    bytes.append(2, '\0');  // the name's end and the list's end
    return {CF_HDROP, std::move(bytes)};
}

// The drop target object; its counts only serve COM, the window owns it.
class DropTargetWindow::Target final : public IDropTarget {
  public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (iid == IID_IUnknown || iid == IID_IDropTarget) {
            *object = static_cast<IDropTarget*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD, POINTL, DWORD* effect) override {
        FORMATETC format{CF_TEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
        hasText_ = data->QueryGetData(&format) == S_OK;
        std::lock_guard lock(mutex_);
        ++record_.enters;
        record_.allowedAtEnter = *effect;
        *effect = Answer(*effect);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragOver(DWORD, POINTL, DWORD* effect) override {
        *effect = Answer(*effect);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragLeave() override {
        std::lock_guard lock(mutex_);
        ++record_.leaves;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) override {
        auto block = TextBlockOf(data);
        std::lock_guard lock(mutex_);
        ++record_.drops;
        record_.allowedAtDrop = *effect;
        *effect = Answer(*effect);
        record_.answerAtDrop = *effect;
        record_.droppedBlock = std::move(block);
        return S_OK;
    }

    DropRecord Record() const {
        std::lock_guard lock(mutex_);
        return record_;
    }

  private:
    DWORD Answer(DWORD allowed) const {
        return hasText_ && (allowed & DROPEFFECT_COPY) ? DROPEFFECT_COPY : DROPEFFECT_NONE;
    }

    bool hasText_ = false;  // touched only on the window's thread
    mutable std::mutex mutex_;
    DropRecord record_;
};

DropTargetWindow::DropTargetWindow(const RECT& placement) : target_(std::make_unique<Target>()) {
    thread_.Run([&] {
        window_ = CreateDriverWindow(L"E2EDropTarget", DefWindowProcW, placement, nullptr);
        if (window_ && FAILED(RegisterDragDrop(window_, target_.get()))) {
            DestroyWindow(window_);
            window_ = nullptr;
        }
    });
}

DropTargetWindow::~DropTargetWindow() {
    thread_.Run([&] {
        if (window_) {
            RevokeDragDrop(window_);
            DestroyWindow(window_);
        }
    });
}

DropRecord DropTargetWindow::Record() const {
    return target_->Record();
}

bool DropTargetWindow::WaitForDrop(std::chrono::milliseconds timeout) const {
    return WaitUntil([&] { return Record().drops > 0; }, timeout);
}

struct DragSourceWindow::State {
    std::vector<OfferedData> data;
    DWORD allowedEffects;
    mutable std::mutex mutex;
    std::optional<DragOutcome> outcome;

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* state = DriverWindowContext<State>(window);
        if (message == WM_LBUTTONDOWN && state) {
            state->RunDrag();
            return 0;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }

    void RunDrag() {
        DragOutcome result;
        auto* object = new TestDataObject(data);
        TestDropSource source(&result.feedback);
        result.result = DoDragDrop(object, &source, allowedEffects, &result.effect);
        object->Release();
        std::lock_guard lock(mutex);
        outcome = std::move(result);
    }
};

DragSourceWindow::DragSourceWindow(const RECT& placement, std::vector<OfferedData> data,
                                   DWORD allowedEffects)
    : state_(std::make_unique<State>()) {
    state_->data = std::move(data);
    state_->allowedEffects = allowedEffects;
    thread_.Run([&] {
        window_ = CreateDriverWindow(L"E2EDragSource", &State::WindowProc, placement, state_.get());
    });
}

DragSourceWindow::~DragSourceWindow() {
    thread_.Run([&] {
        if (window_) {
            DestroyWindow(window_);
        }
    });
}

std::optional<DragOutcome> DragSourceWindow::Outcome() const {
    std::lock_guard lock(state_->mutex);
    return state_->outcome;
}

std::optional<DragOutcome> DragSourceWindow::WaitForOutcome(
    std::chrono::milliseconds timeout) const {
    WaitUntil([&] { return Outcome().has_value(); }, timeout);
    return Outcome();
}

}  // namespace e2e
