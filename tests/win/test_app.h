#pragma once
// The application object of the Win32 tests, shared by every test in this
// executable. The program's windows reach the application through
// CWinApp::Current() (its settings file, its resources), so exactly one must
// exist; it is constructed before main runs, as the program's own is.

#include <string>

#include "framework/cmd_target.h"
#include "framework/win_app.h"

namespace tessik::test {

CWinApp& TestApp();

// Points the test application's settings at a fresh file in the temporary
// folder for the object's lifetime; the file is deleted at the end.
class ScopedSettingsFile {
  public:
    ScopedSettingsFile();
    ~ScopedSettingsFile();
    ScopedSettingsFile(const ScopedSettingsFile&) = delete;
    ScopedSettingsFile& operator=(const ScopedSettingsFile&) = delete;

    const std::string& Path() const { return path_; }

  private:
    std::string path_;
    std::string previous_;
};

// While it lives, commands offered to the test application go to `commands`
// first, as if its table were the application's own.
class ScopedAppCommands {
  public:
    explicit ScopedAppCommands(CCmdTarget& commands);
    ~ScopedAppCommands();
    ScopedAppCommands(const ScopedAppCommands&) = delete;
    ScopedAppCommands& operator=(const ScopedAppCommands&) = delete;
};

}  // namespace tessik::test
