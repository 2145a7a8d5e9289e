#pragma once
// The history list view: a list box that holds the entries, follows the
// clipboard, carries the list commands and hands entries to other applications.

#include <windows.h>

#include <string>

#include "framework/handles.h"
#include "framework/ole_drop_target.h"
#include "framework/view.h"
#include "history/horizontal_extent.h"
#include "history/list_box.h"

namespace tessik {

class CMyView : public CCtrlView {
  public:
    CMyView();
    ~CMyView() override;

    ListBoxControl List() const { return ListBoxControl(GetSafeHwnd()); }
    void RecomputeExtent() { extent_.Recompute(List()); }
    bool PasteViaClipboard() const { return pasteViaClipboard_ != FALSE; }
    HFONT Font() const { return font_.get(); }

    bool OnCmdMsg(UINT id, CommandMode mode, CCmdUI* ui) override;

    DROPEFFECT OnDragEnter(COleDataObject* data, DWORD keyState, POINT point) override;
    DROPEFFECT OnDragOver(COleDataObject* data, DWORD keyState, POINT point) override;
    BOOL OnDrop(COleDataObject* data, DROPEFFECT effect, POINT point) override;

  protected:
    bool PreCreateWindow(CREATESTRUCTA& cs) override;
    int OnCreate(const CREATESTRUCTA& cs) override;
    void OnDestroy() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    // Clipboard viewer chain.
    void JoinClipboardChain();
    void LeaveClipboardChain();
    void OnDrawClipboard();
    void OnChangeCbChain(HWND removed, HWND following);

    // List commands.
    void OnEditCopy();
    void OnUpdateEditCopy(CCmdUI* ui);
    void OnEditClear();
    void OnEditClearAll();
    void OnUpdateEditClearAll(CCmdUI* ui);
    void OnEditFont();
    void OnUseClipboard();
    void OnUpdateUseClipboard(CCmdUI* ui);

    // Transfers out of the list.
    void OnLButtonDown(POINT point);
    void OnMouseMove();
    void OnLButtonUp(POINT point);
    void DragOut(const std::string& text);
    void StartCarry(const std::string& text);

    void ResetDocument();

    BOOL pasteViaClipboard_ = FALSE;
    UniqueHFont font_;
    COleDropTarget dropTarget_;
    HWND nextViewer_ = nullptr;
    bool joinedChain_ = false;
    HorizontalExtent extent_;
};

}  // namespace tessik
