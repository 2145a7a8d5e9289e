#include "framework/document.h"

#include "framework/doc_template.h"
#include "framework/frame_wnd.h"
#include "framework/view.h"

namespace tessik {

bool CDocument::OnNewDocument() {
    DeleteContents();
    pathName_.clear();
    SetModifiedFlag(false);
    return true;
}

void CDocument::OnCloseDocument() {
    if (view_) {
        if (CFrameWnd* frame = view_->GetParentFrame())
            frame->DestroyWindow();
    }
    if (template_)
        template_->RemoveDocument(this);  // deletes this document
}

bool CDocument::OnCmdMsg(UINT, CommandMode, CCmdUI*) {
    return false;
}

}  // namespace tessik
