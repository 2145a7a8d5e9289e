#include "framework/doc_template.h"

#include "framework/document.h"
#include "framework/frame_wnd.h"
#include "framework/framework_ids.h"
#include "framework/view.h"
#include "framework/win_app.h"

namespace tessik {

CSingleDocTemplate::CSingleDocTemplate(UINT resourceId, DocumentFactory makeDocument,
                                       FrameFactory makeFrame, ViewFactory makeView)
    : resourceId_(resourceId),
      makeDocument_(std::move(makeDocument)),
      makeFrame_(std::move(makeFrame)),
      makeView_(std::move(makeView)) {}

CSingleDocTemplate::~CSingleDocTemplate() = default;

CFrameWnd* CSingleDocTemplate::CreateNewFrame(CDocument* document) {
    CFrameWnd* frame = makeFrame_();
    if (!frame)
        return nullptr;
    CCreateContext context{document, makeView_};
    if (!frame->LoadFrame(resourceId_, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, &context)) {
        return nullptr;  // the frame has deleted itself
    }
    return frame;
}

CDocument* CSingleDocTemplate::OpenNewDocument() {
    CWinApp* app = CWinApp::Current();
    if (document_) {
        // One document at a time: a new document reuses it and its frame.
        if (!document_->OnNewDocument())
            return nullptr;
        document_->SetTitle(app->LoadString(IDS_UNTITLED));
        return document_.get();
    }

    document_ = makeDocument_();
    if (!document_) {
        app->MessageBoxFromString(IDS_FAILED_TO_CREATE_DOC);
        return nullptr;
    }
    document_->SetDocTemplate(this);
    CFrameWnd* frame = CreateNewFrame(document_.get());
    if (!frame) {
        app->MessageBoxFromString(IDS_FAILED_TO_CREATE_DOC);
        document_.reset();
        return nullptr;
    }
    if (!document_->OnNewDocument()) {
        frame->DestroyWindow();
        document_.reset();
        return nullptr;
    }
    document_->SetTitle(app->LoadString(IDS_UNTITLED));

    const int cmdShow = app->TakeStartupShowCommand();
    frame->InitialUpdateFrame(cmdShow);
    return document_.get();
}

void CSingleDocTemplate::RemoveDocument(CDocument* document) {
    if (document_.get() == document)
        document_.reset();
}

}  // namespace tessik
