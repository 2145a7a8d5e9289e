#pragma once
// Modal dialogs: one on a dialog template of the program's resources, and the
// font dialog. Both are owned by the main window, which is disabled while they
// are up.

#include <windows.h>
#include <commdlg.h>

namespace tessik {

class CDialog {
  public:
    explicit CDialog(UINT templateId) : templateId_(templateId) {}
    virtual ~CDialog() = default;

    // IDOK or IDCANCEL; -1 when the dialog could not be made.
    INT_PTR DoModal();

  protected:
    virtual BOOL OnInitDialog();

    HWND hwnd_ = nullptr;

  private:
    static INT_PTR CALLBACK DialogProc(HWND, UINT, WPARAM, LPARAM);

    UINT templateId_;
};

// Centres a dialog over its owner, kept within the owner's monitor work area,
// unless its template asks for a placement of its own.
void CenterDialogOverOwner(HWND dialog);

class CFontDialog {
  public:
    CFontDialog(const LOGFONTA* initial, DWORD flags);

    // IDOK or IDCANCEL (also when the dialog fails).
    INT_PTR DoModal();
    void GetCurrentFont(LOGFONTA* font) const { *font = font_; }
    // The flags the platform's dialog was given.
    DWORD flags() const { return choose_.Flags; }

  private:
    static UINT_PTR CALLBACK HookProc(HWND, UINT, WPARAM, LPARAM);

    LOGFONTA font_{};
    CHOOSEFONTA choose_{};
};

}  // namespace tessik
