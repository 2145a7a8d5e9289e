#pragma once
// The frame window: caption, menu and accelerators from one resource number,
// one view filling its client area, command routing and the menus' update pass.

#include <windows.h>

#include <functional>
#include <memory>

#include "framework/cmd_target.h"
#include "framework/wnd.h"

namespace tessik {

class CView;
class CDocument;

// The framework's frame style bit that would add the document's name to the
// caption. It lives in the low word, which top-level windows do not use.
inline constexpr DWORD FWS_ADDTOTITLE = 0x00008000;

struct CCreateContext {
    CDocument* document = nullptr;
    std::function<std::unique_ptr<CView>()> makeView;
};

class CFrameWnd : public CWnd, public CCmdTarget {
  public:
    CFrameWnd() = default;
    ~CFrameWnd() override;

    // Creates the window from resource resourceId (caption field 0 of the string,
    // menu, accelerators, icon) and its view from the context. On failure the
    // frame object has deleted itself, as a frame does when its window goes.
    bool LoadFrame(UINT resourceId, DWORD style, CCreateContext* context);

    CView* GetActiveView() const { return activeView_; }
    void SetActiveView(CView* view) { activeView_ = view; }
    HACCEL GetAccelerators() const { return accelerators_; }

    // Makes the frame's view active, sends it the initial update and shows
    // the frame.
    void InitialUpdateFrame(int cmdShow);

    bool OnCmdMsg(UINT id, CommandMode mode, CCmdUI* ui) override;

  protected:
    virtual bool PreCreateWindow(CREATESTRUCTA& cs);
    virtual int OnCreate(const CREATESTRUCTA& cs);
    virtual void OnDestroy();

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override;

  private:
    bool CreateView(CCreateContext* context);
    void OnSize();
    void OnClose();
    LRESULT OnCommand(WPARAM wParam, LPARAM lParam);
    void OnInitMenuPopup(HMENU menu, bool isSystemMenu);
    void OnEndSession(bool ending);

    std::unique_ptr<CView> view_;
    CView* activeView_ = nullptr;
    CCreateContext* createContext_ = nullptr;
    HACCEL accelerators_ = nullptr;  // resource accelerators need no freeing
    UINT iconId_ = 0;
};

}  // namespace tessik
