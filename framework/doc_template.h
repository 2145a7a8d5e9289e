#pragma once
// The single-document template: one resource number and the three factories
// for the document, its frame and its view. It owns the one document.

#include <functional>
#include <memory>

#include "framework/cmd_target.h"

namespace tessik {

class CDocument;
class CFrameWnd;
class CView;

class CSingleDocTemplate : public CCmdTarget {
  public:
    using DocumentFactory = std::function<std::unique_ptr<CDocument>()>;
    // Frames own themselves once their window exists (they go with it).
    using FrameFactory = std::function<CFrameWnd*()>;
    using ViewFactory = std::function<std::unique_ptr<CView>()>;

    CSingleDocTemplate(UINT resourceId, DocumentFactory makeDocument, FrameFactory makeFrame,
                       ViewFactory makeView);
    ~CSingleDocTemplate() override;

    UINT GetResourceId() const { return resourceId_; }
    CDocument* GetDocument() const { return document_.get(); }

    // A new, empty document: makes the document, its frame and view, runs the
    // new-document step and shows the frame. Null when that failed (the
    // failure has been reported).
    CDocument* OpenNewDocument();

    // Deletes the document (called by the document as it closes).
    void RemoveDocument(CDocument* document);

    bool OnCmdMsg(UINT, CommandMode, CCmdUI*) override { return false; }

  private:
    CFrameWnd* CreateNewFrame(CDocument* document);

    UINT resourceId_;
    DocumentFactory makeDocument_;
    FrameFactory makeFrame_;
    ViewFactory makeView_;
    std::unique_ptr<CDocument> document_;
};

}  // namespace tessik
