#pragma once
// The application: one running copy per executable name, the settings file
// beside the executable, one document template, and the about box.

#include <memory>

#include "framework/mutex.h"
#include "framework/win_app.h"

namespace tessik {

class CMyApp : public CWinApp {
  public:
    CMyApp() = default;

    bool OnCmdMsg(UINT id, CommandMode mode, CCmdUI* ui) override;

  protected:
    bool InitInstance() override;
    int ExitInstance() override;

  private:
    void OnAppAbout();

    std::unique_ptr<CMutex> instanceLock_;
};

}  // namespace tessik
