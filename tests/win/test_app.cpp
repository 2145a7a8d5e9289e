#include "tests/win/test_app.h"

#include <windows.h>

namespace tessik::test {
namespace {

// Start-up and the message loop are the tests' own; the object only has to
// exist and answer for the application.
class TestApplication : public CWinApp {
  public:
    // The test executable holds the program's resources, and window classes
    // are registered for it, so a frame can be made and destroyed many times.
    TestApplication() { SetInstanceHandle(::GetModuleHandleA(nullptr)); }

    void SetExtraCommands(CCmdTarget* commands) { extraCommands_ = commands; }

    bool OnCmdMsg(UINT id, CommandMode mode, CCmdUI* ui) override {
        if (extraCommands_ && extraCommands_->OnCmdMsg(id, mode, ui))
            return true;
        return CWinApp::OnCmdMsg(id, mode, ui);
    }

  private:
    CCmdTarget* extraCommands_ = nullptr;
};

TestApplication theTestApp;

std::string FreshTemporaryFileName() {
    char folder[MAX_PATH] = {};
    char path[MAX_PATH] = {};
    if (!::GetTempPathA(MAX_PATH, folder) || !::GetTempFileNameA(folder, "tsk", 0, path))
        return {};
    return path;
}

}  // namespace

CWinApp& TestApp() {
    return theTestApp;
}

ScopedSettingsFile::ScopedSettingsFile()
    : path_(FreshTemporaryFileName()), previous_(TestApp().GetProfileName()) {
    // GetTempFileName made the file; the settings start out missing.
    ::DeleteFileA(path_.c_str());
    TestApp().SetProfileName(path_);
}

ScopedSettingsFile::~ScopedSettingsFile() {
    TestApp().SetProfileName(previous_);
    ::DeleteFileA(path_.c_str());
}

ScopedAppCommands::ScopedAppCommands(CCmdTarget& commands) {
    theTestApp.SetExtraCommands(&commands);
}

ScopedAppCommands::~ScopedAppCommands() {
    theTestApp.SetExtraCommands(nullptr);
}

}  // namespace tessik::test
