#pragma once
// Makes a view's window an OLE drop target and forwards the drag events to the
// view's OnDragEnter / OnDragOver / OnDragLeave / OnDrop. The view's answer is
// matched with the effects the source allows. Nothing scrolls during a drag.

#include <ole2.h>
#include <windows.h>

#include "framework/ole_data_object.h"

namespace tessik {

class CView;

class COleDropTarget : public IDropTarget {
  public:
    COleDropTarget() = default;
    ~COleDropTarget();
    COleDropTarget(const COleDropTarget&) = delete;
    COleDropTarget& operator=(const COleDropTarget&) = delete;

    // Locks the object externally and registers the view's window; false (and
    // nothing held) when either fails.
    bool Register(CView* view);
    void Revoke();

    // IUnknown: the object lives as long as its owner; the counts only serve COM.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override { return --references_; }

    // IDropTarget
    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keyState, POINTL point,
                                        DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keyState, POINTL point, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragLeave() override;
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keyState, POINTL point,
                                   DWORD* effect) override;

  private:
    POINT ToClient(POINTL screen) const;
    // The view's answer for a drag entering or moving over it, matched with
    // the effects the source allows.
    DWORD MatchedAnswer(bool entering, DWORD keyState, POINTL point, DWORD allowed);

    CView* view_ = nullptr;
    HWND hwnd_ = nullptr;
    ULONG references_ = 0;
    COleDataObject dragData_;
};

}  // namespace tessik
