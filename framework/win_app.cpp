#include "framework/win_app.h"

#include <cstdlib>

#include "app/module_names.h"
#include "framework/doc_template.h"
#include "framework/frame_wnd.h"
#include "framework/framework_ids.h"

namespace tessik {
namespace {

constexpr char kSettingsSection[] = "Settings";
constexpr char kPreviewPagesKey[] = "PreviewPages";

}  // namespace

CWinApp* CWinApp::current_ = nullptr;

CWinApp::CWinApp() {
    current_ = this;
}

CWinApp::~CWinApp() {
    if (current_ == this)
        current_ = nullptr;
}

int CWinApp::RunApplication(HINSTANCE instance, int cmdShow) {
    instance_ = instance;
    cmdShow_ = cmdShow;
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    modulePath_ = path;
    exeName_ = ExecutableName(modulePath_, [](unsigned char b) { return ::IsDBCSLeadByte(b); });
    appTitle_ = LoadString(IDS_APP_TITLE);
    if (appTitle_.empty())
        appTitle_ = exeName_;

    int exitCode = 0;
    if (!InitInstance()) {
        if (mainWnd_)
            mainWnd_->DestroyWindow();
        exitCode = exited_ ? exitCode_ : ExitInstance();
    } else {
        exitCode = Run();
    }
    docTemplate_.reset();
    ole_.reset();
    return exitCode;
}

int CWinApp::Run() {
    MSG msg{};
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (PreTranslateMessage(msg))
            continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return exited_ ? exitCode_ : ExitInstance();
}

bool CWinApp::PreTranslateMessage(MSG& msg) {
    if (!mainWnd_)
        return false;
    HWND main = mainWnd_->GetSafeHwnd();
    HACCEL accelerators = mainWnd_->GetAccelerators();
    if (!accelerators || !main)
        return false;
    if (msg.hwnd != main && !::IsChild(main, msg.hwnd))
        return false;
    return ::TranslateAcceleratorA(main, accelerators, &msg) != 0;
}

int CWinApp::ExitInstance() {
    if (!settingsSaveSkipped_)
        SaveStdProfileSettings();
    return 0;
}

void CWinApp::EndForSessionEnd() {
    if (exited_)
        return;
    exitCode_ = ExitInstance();
    exited_ = true;
}

HWND CWinApp::GetMainHwnd() const {
    return mainWnd_ ? mainWnd_->GetSafeHwnd() : nullptr;
}

int CWinApp::TakeStartupShowCommand() {
    const int cmdShow = cmdShow_;
    cmdShow_ = SW_SHOWNORMAL;
    return cmdShow;
}

std::string CWinApp::LoadString(UINT id) const {
    // A string resource is stored as UTF-16; the A function converts it to the
    // ANSI code page. Grow the buffer until the text fits.
    std::string buffer(256, '\0');
    for (;;) {
        const int length =
            ::LoadStringA(instance_, id, buffer.data(), static_cast<int>(buffer.size()));
        if (length <= 0)
            return {};
        if (static_cast<size_t>(length) < buffer.size() - 2) {
            buffer.resize(static_cast<size_t>(length));
            return buffer;
        }
        buffer.resize(buffer.size() * 2);
    }
}

int CWinApp::DoMessageBox(const std::string& text, UINT type) {
    const UINT buttons = type & MB_TYPEMASK;
    const bool asksForNoIcon = (type & MB_ICONMASK) == 0;
    if (asksForNoIcon && (buttons == MB_OK || buttons == MB_OKCANCEL || buttons == MB_YESNO ||
                          buttons == MB_YESNOCANCEL)) {
        type |= MB_ICONEXCLAMATION;
    }
    HWND owner = GetMainHwnd();
    if (owner && !::IsWindowEnabled(owner))
        owner = ::GetLastActivePopup(owner);
    return ::MessageBoxA(owner, text.c_str(), appTitle_.c_str(), type);
}

int CWinApp::MessageBoxFromString(UINT stringId, UINT type) {
    return DoMessageBox(LoadString(stringId), type);
}

std::string CWinApp::GetProfileString(const char* section, const char* key,
                                      const char* defaultValue) const {
    return profile_.GetString(section, key, defaultValue);
}

bool CWinApp::WriteProfileString(const char* section, const char* key, const char* value) {
    return profile_.WriteString(section, key, value);
}

int CWinApp::GetProfileInt(const char* section, const char* key, int defaultValue) const {
    return profile_.GetInt(section, key, defaultValue);
}

bool CWinApp::WriteProfileInt(const char* section, const char* key, int value) {
    return profile_.WriteInt(section, key, value);
}

std::optional<std::vector<std::uint8_t>> CWinApp::GetProfileBinary(const char* section,
                                                                   const char* key) const {
    return profile_.GetBinary(section, key);
}

bool CWinApp::WriteProfileBinary(const char* section, const char* key, const std::uint8_t* data,
                                 size_t size) {
    return profile_.WriteBinary(section, key, data, size);
}

bool CWinApp::InitializeOle() {
    ole_.emplace();
    if (ole_->ok())
        return true;
    ole_.reset();
    return false;
}

void CWinApp::LoadStdProfileSettings(UINT recentFileCount) {
    if (recentFileCount > 0) {
        recentFiles_.emplace(recentFileCount);
        recentFiles_->ReadList(profile_);
    }
    previewPages_ = GetProfileInt(kSettingsSection, kPreviewPagesKey, 0);
}

void CWinApp::SaveStdProfileSettings() {
    if (recentFiles_)
        recentFiles_->WriteList(profile_);
    if (previewPages_ != 0)
        WriteProfileInt(kSettingsSection, kPreviewPagesKey, previewPages_);
}

void CWinApp::AddDocTemplate(std::unique_ptr<CSingleDocTemplate> docTemplate) {
    docTemplate_ = std::move(docTemplate);
}

CommandLineInfo CWinApp::ParseCommandLine() const {
    std::vector<std::string> args;
    for (int i = 1; i < __argc; ++i)
        args.emplace_back(__argv[i]);
    return tessik::ParseCommandLine(args);
}

bool CWinApp::ProcessShellCommand(const CommandLineInfo& info) {
    commandLine_ = info;
    switch (info.shellCommand) {
        case ShellCommand::FileNew:
        case ShellCommand::FileDde:
        case ShellCommand::FileOpen:
            OnCmdMsg(ID_FILE_NEW, CommandMode::Execute, nullptr);
            return mainWnd_ != nullptr;
        case ShellCommand::FilePrint:
        case ShellCommand::FilePrintTo:
            // Nothing prints: the file is opened hidden, then start-up ends.
            cmdShow_ = SW_HIDE;
            OnCmdMsg(ID_FILE_NEW, CommandMode::Execute, nullptr);
            return false;
        case ShellCommand::AppRegister:
        case ShellCommand::AppUnregister:
            // Nothing is kept in the registry, so there is nothing to add or
            // remove; end without a window and without storing settings.
            settingsSaveSkipped_ = true;
            return false;
    }
    return false;
}

void CWinApp::OnFileNew() {
    if (docTemplate_)
        docTemplate_->OpenNewDocument();
}

void CWinApp::OnAppExit() {
    if (HWND main = GetMainHwnd())
        ::SendMessageA(main, WM_CLOSE, 0, 0);
}

void CWinApp::HideApplication() {
    HWND main = GetMainHwnd();
    if (!main)
        return;
    ::ShowOwnedPopups(main, FALSE);
    ::ShowWindow(main, SW_HIDE);
    ::SetWindowPos(main, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

bool CWinApp::OnCmdMsg(UINT id, CommandMode mode, CCmdUI* ui) {
    static constexpr CommandEntry<CWinApp> kCommands[] = {
        {ID_FILE_NEW, ID_FILE_NEW, &CWinApp::OnFileNew},
        {ID_APP_EXIT, ID_APP_EXIT, &CWinApp::OnAppExit},
    };
    return DispatchFromTable<CWinApp>(this, kCommands, id, mode, ui);
}

}  // namespace tessik
