#include "app/my_app.h"

#include "app/about_dlg.h"
#include "app/main_frame.h"
#include "app/module_names.h"
#include "files/my_doc.h"
#include "framework/doc_template.h"
#include "framework/frame_wnd.h"
#include "history/my_view.h"
#include "resources/resource.h"

namespace tessik {
namespace {

constexpr UINT kRecentFileCount = 4;

bool IsAnsiLeadByte(unsigned char byte) {
    return ::IsDBCSLeadByte(byte) != FALSE;
}

}  // namespace

bool CMyApp::InitInstance() {
    // One running copy per executable name. A lock whose owner ended without
    // releasing it counts as free; a name held by another kind of object, or
    // a running copy, ends this start silently.
    instanceLock_ = std::make_unique<CMutex>(GetExeName());
    if (!instanceLock_->IsValid() || !instanceLock_->TryLock())
        return false;

    if (!InitializeOle())
        return false;

    SetProfileName(SettingsPath(GetModulePath(), IsAnsiLeadByte));
    LoadStdProfileSettings(kRecentFileCount);

    AddDocTemplate(std::make_unique<CSingleDocTemplate>(
        IDR_MAINFRAME, [] { return std::make_unique<CMyDoc>(); },
        []() -> CFrameWnd* { return new CMainFrame; }, [] { return std::make_unique<CMyView>(); }));

    if (!ProcessShellCommand(ParseCommandLine()))
        return false;

    CFrameWnd* main = GetMainWnd();
    if (!main)
        return false;
    main->ShowWindow(SW_SHOW);
    ::UpdateWindow(main->GetSafeHwnd());
    return true;
}

int CMyApp::ExitInstance() {
    if (instanceLock_) {
        instanceLock_->Unlock();
        instanceLock_.reset();
    }
    CWinApp::ExitInstance();
    return 0;
}

void CMyApp::OnAppAbout() {
    CAboutDlg about;
    about.DoModal();
}

bool CMyApp::OnCmdMsg(UINT id, CommandMode mode, CCmdUI* ui) {
    static constexpr CommandEntry<CMyApp> kCommands[] = {
        {ID_APP_ABOUT, ID_APP_ABOUT, &CMyApp::OnAppAbout},
    };
    return DispatchFromTable<CMyApp>(this, kCommands, id, mode, ui) ||
           CWinApp::OnCmdMsg(id, mode, ui);
}

}  // namespace tessik
