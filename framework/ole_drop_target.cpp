#include "framework/ole_drop_target.h"

#include "framework/view.h"
#include "transfer/drop_effect.h"

namespace tessik {

COleDropTarget::~COleDropTarget() {
    Revoke();
}

bool COleDropTarget::Register(CView* view) {
    if (FAILED(::CoLockObjectExternal(this, TRUE, FALSE)))
        return false;
    if (FAILED(::RegisterDragDrop(view->GetSafeHwnd(), this))) {
        ::CoLockObjectExternal(this, FALSE, TRUE);
        return false;
    }
    view_ = view;
    hwnd_ = view->GetSafeHwnd();
    return true;
}

void COleDropTarget::Revoke() {
    if (!hwnd_)
        return;
    ::RevokeDragDrop(hwnd_);
    ::CoLockObjectExternal(this, FALSE, TRUE);
    hwnd_ = nullptr;
    view_ = nullptr;
}

HRESULT COleDropTarget::QueryInterface(REFIID iid, void** object) {
    if (!object)
        return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDropTarget) {
        *object = static_cast<IDropTarget*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

POINT COleDropTarget::ToClient(POINTL screen) const {
    POINT point{screen.x, screen.y};
    ::ScreenToClient(hwnd_, &point);
    return point;
}

DWORD COleDropTarget::MatchedAnswer(bool entering, DWORD keyState, POINTL point, DWORD allowed) {
    const POINT client = ToClient(point);
    const DROPEFFECT answer = entering ? view_->OnDragEnter(&dragData_, keyState, client)
                                       : view_->OnDragOver(&dragData_, keyState, client);
    return MatchDropEffect(answer, allowed);
}

HRESULT COleDropTarget::DragEnter(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) {
    if (!effect)
        return E_INVALIDARG;
    if (!view_) {
        *effect = DROPEFFECT_NONE;
        return S_OK;
    }
    dragData_.Attach(data);
    *effect = MatchedAnswer(true, keyState, point, *effect);
    return S_OK;
}

HRESULT COleDropTarget::DragOver(DWORD keyState, POINTL point, DWORD* effect) {
    if (!effect)
        return E_INVALIDARG;
    if (!view_) {
        *effect = DROPEFFECT_NONE;
        return S_OK;
    }
    *effect = MatchedAnswer(false, keyState, point, *effect);
    return S_OK;
}

HRESULT COleDropTarget::DragLeave() {
    if (view_)
        view_->OnDragLeave();
    dragData_.Release();
    return S_OK;
}

HRESULT COleDropTarget::Drop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) {
    if (!effect)
        return E_INVALIDARG;
    if (!view_) {
        *effect = DROPEFFECT_NONE;
        return S_OK;
    }
    dragData_.Attach(data);
    DWORD result = MatchedAnswer(false, keyState, point, *effect);
    if (result != DROPEFFECT_NONE && !view_->OnDrop(&dragData_, result, ToClient(point))) {
        result = DROPEFFECT_NONE;
    }
    if (result == DROPEFFECT_NONE)
        view_->OnDragLeave();
    dragData_.Release();
    *effect = result;
    return S_OK;
}

}  // namespace tessik
