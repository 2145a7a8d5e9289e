#pragma once
// Views: a window inside the frame that shows a document. CCtrlView is a view
// whose window is a system control, subclassed so that the view sees its
// messages first and Default() reaches the control's own procedure.

#include <windows.h>
#include <ole2.h>

#include <string>

#include "framework/cmd_target.h"
#include "framework/wnd.h"

namespace tessik {

// A set of DROPEFFECT_ flags.
using DROPEFFECT = DWORD;

class CDocument;
class CFrameWnd;
class COleDataObject;

class CView : public CWnd, public CCmdTarget {
  public:
    CDocument* GetDocument() const { return document_; }
    CFrameWnd* GetParentFrame() const { return frame_; }

    // Creates the view's window as the frame's pane and runs its creation.
    bool Create(CFrameWnd* frame, UINT id, CDocument* document);

    // Drop-target operations, called by the view's COleDropTarget.
    virtual DROPEFFECT OnDragEnter(COleDataObject* data, DWORD keyState, POINT point);
    virtual DROPEFFECT OnDragOver(COleDataObject* data, DWORD keyState, POINT point);
    virtual void OnDragLeave() {}
    virtual BOOL OnDrop(COleDataObject* data, DROPEFFECT effect, POINT point);

    virtual void OnInitialUpdate() {}

    bool OnCmdMsg(UINT, CommandMode, CCmdUI*) override { return false; }

  protected:
    virtual bool PreCreateWindow(CREATESTRUCTA& cs);
    virtual HWND CreateViewWindow(const CREATESTRUCTA& cs);
    // The creation handler; -1 fails the creation.
    virtual int OnCreate(const CREATESTRUCTA& cs);
    virtual void OnDestroy();

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override;

  private:
    CDocument* document_ = nullptr;
    CFrameWnd* frame_ = nullptr;
};

class CCtrlView : public CView {
  public:
    CCtrlView(std::string className, DWORD defaultStyle)
        : className_(std::move(className)), defaultStyle_(defaultStyle) {}

  protected:
    void SetDefaultStyle(DWORD style) { defaultStyle_ = style; }
    bool PreCreateWindow(CREATESTRUCTA& cs) override;
    HWND CreateViewWindow(const CREATESTRUCTA& cs) override;

  private:
    std::string className_;
    DWORD defaultStyle_;
};

}  // namespace tessik
