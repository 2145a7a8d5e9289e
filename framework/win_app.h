#pragma once
// The application object: start-up and exit, the message loop with the main
// window's accelerators, the settings profile, the command line and the
// framework's message boxes. Exactly one exists; it is the one global object.

#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "framework/cmd_target.h"
#include "framework/ole_init.h"
#include "framework/profile_file.h"
#include "framework/recent_file_list.h"

namespace tessik {

class CFrameWnd;
class CSingleDocTemplate;

class CWinApp : public CCmdTarget {
  public:
    CWinApp();
    ~CWinApp() override;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    static CWinApp* Current() { return current_; }

    // The whole life of the program, from WinMain; returns the exit code.
    int RunApplication(HINSTANCE instance, int cmdShow);

    HINSTANCE GetInstanceHandle() const { return instance_; }
    CFrameWnd* GetMainWnd() const { return mainWnd_; }
    void SetMainWnd(CFrameWnd* frame) { mainWnd_ = frame; }
    HWND GetMainHwnd() const;

    // The executable's file name without folder and extension.
    const std::string& GetExeName() const { return exeName_; }
    const std::string& GetAppTitle() const { return appTitle_; }
    const std::string& GetModulePath() const { return modulePath_; }

    // The start-up show state; the first showing of the main window takes it,
    // after which it returns to the default.
    int TakeStartupShowCommand();
    void SetStartupShowCommand(int cmdShow) { cmdShow_ = cmdShow; }

    std::string LoadString(UINT id) const;
    // The framework's message box: the application title as caption, the
    // exclamation icon when the caller asks for none, modal over the main window.
    int DoMessageBox(const std::string& text, UINT type = MB_OK);
    int MessageBoxFromString(UINT stringId, UINT type = MB_OK);

    // Profile functions on the settings file.
    void SetProfileName(std::string path) { profile_.SetPath(std::move(path)); }
    const std::string& GetProfileName() const { return profile_.path(); }
    std::string GetProfileString(const char* section, const char* key,
                                 const char* defaultValue = "") const;
    bool WriteProfileString(const char* section, const char* key, const char* value);
    int GetProfileInt(const char* section, const char* key, int defaultValue) const;
    bool WriteProfileInt(const char* section, const char* key, int value);
    std::optional<std::vector<std::uint8_t>> GetProfileBinary(const char* section,
                                                              const char* key) const;
    bool WriteProfileBinary(const char* section, const char* key, const std::uint8_t* data,
                            size_t size);

    // Hides the main window and its owned pop-ups before the document closes.
    void HideApplication();
    // The session ends: the exit step runs now instead of after the loop.
    void EndForSessionEnd();

    const CommandLineInfo& GetCommandLineInfo() const { return commandLine_; }

    bool OnCmdMsg(UINT id, CommandMode mode, CCmdUI* ui) override;

  protected:
    // For an application object whose life does not start in RunApplication
    // (the Win32 tests): the module whose resources and window classes it uses.
    void SetInstanceHandle(HINSTANCE instance) { instance_ = instance; }

    virtual bool InitInstance() { return true; }
    // The exit step; the process's exit code.
    virtual int ExitInstance();

    bool InitializeOle();
    void LoadStdProfileSettings(UINT recentFileCount);
    void SaveStdProfileSettings();
    void AddDocTemplate(std::unique_ptr<CSingleDocTemplate> docTemplate);
    CommandLineInfo ParseCommandLine() const;
    bool ProcessShellCommand(const CommandLineInfo& info);

    // Framework command handlers.
    void OnFileNew();
    void OnAppExit();

  private:
    int Run();
    bool PreTranslateMessage(MSG& msg);

    static CWinApp* current_;

    HINSTANCE instance_ = nullptr;
    int cmdShow_ = SW_SHOWNORMAL;
    CFrameWnd* mainWnd_ = nullptr;
    std::string modulePath_;
    std::string exeName_;
    std::string appTitle_;
    ProfileFile profile_;
    std::optional<RecentFileList> recentFiles_;
    int previewPages_ = 0;
    bool settingsSaveSkipped_ = false;
    bool exited_ = false;
    int exitCode_ = 0;
    CommandLineInfo commandLine_;
    std::unique_ptr<CSingleDocTemplate> docTemplate_;
    std::optional<OleInitGuard> ole_;
};

}  // namespace tessik
