#pragma once
// The about box on dialog template 100; the framework's dialog handling closes it.

#include "framework/dialog.h"
#include "resources/resource.h"

namespace tessik {

class CAboutDlg : public CDialog {
  public:
    CAboutDlg() : CDialog(IDD_ABOUTBOX) {}
};

}  // namespace tessik
