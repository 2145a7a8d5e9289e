#include "framework/command_routing.h"

#include <array>

#include "framework/doc_template.h"
#include "framework/document.h"
#include "framework/frame_wnd.h"
#include "framework/view.h"
#include "framework/win_app.h"

namespace tessik {

bool RouteCommand(CFrameWnd& frame, UINT id, CommandMode mode, CCmdUI* ui) {
    CView* view = frame.GetActiveView();
    CDocument* document = view ? view->GetDocument() : nullptr;
    CSingleDocTemplate* docTemplate = document ? document->GetDocTemplate() : nullptr;
    const std::array<CCmdTarget*, 5> path = {view, document, docTemplate, &frame,
                                             CWinApp::Current()};
    for (CCmdTarget* target : path) {
        if (target && target->OnCmdMsg(id, mode, ui))
            return true;
    }
    return false;
}

bool CommandAllowed(CFrameWnd& frame, UINT id) {
    CCmdUI state(id);
    RouteCommand(frame, id, CommandMode::Update, &state);
    return state.enabled();
}

}  // namespace tessik
