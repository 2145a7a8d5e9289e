#pragma once
// The document: the file the list was last loaded from or saved to. It owns no
// data; its one view holds the list.

#include <string>

#include "framework/cmd_target.h"

namespace tessik {

class CView;
class CSingleDocTemplate;

class CDocument : public CCmdTarget {
  public:
    CDocument() = default;
    ~CDocument() override = default;
    CDocument(const CDocument&) = delete;
    CDocument& operator=(const CDocument&) = delete;

    // The new-document step: deletes the contents, forgets the path and
    // clears the modified flag. The title stays.
    virtual bool OnNewDocument();
    virtual void DeleteContents() {}

    // Closes the document: destroys its frame and deletes the document.
    virtual void OnCloseDocument();
    // Whether the frame may close; asks nothing while the document is unmodified.
    virtual bool CanCloseFrame() { return true; }

    const std::string& GetTitle() const { return title_; }
    void SetTitle(std::string title) { title_ = std::move(title); }
    const std::string& GetPathName() const { return pathName_; }
    void SetPathName(std::string path) { pathName_ = std::move(path); }
    bool IsModified() const { return modified_; }
    void SetModifiedFlag(bool modified = true) { modified_ = modified; }

    void AddView(CView* view) { view_ = view; }
    void RemoveView(CView* view) {
        if (view_ == view)
            view_ = nullptr;
    }
    CView* GetFirstView() const { return view_; }

    CSingleDocTemplate* GetDocTemplate() const { return template_; }
    void SetDocTemplate(CSingleDocTemplate* docTemplate) { template_ = docTemplate; }

    bool OnCmdMsg(UINT id, CommandMode mode, CCmdUI* ui) override;

  private:
    std::string title_;
    std::string pathName_;
    bool modified_ = false;
    CView* view_ = nullptr;
    CSingleDocTemplate* template_ = nullptr;
};

}  // namespace tessik
