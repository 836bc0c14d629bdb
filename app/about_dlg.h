#pragma once

#include "framework/dialog.h"

// The About box, from dialog template IDD_ABOUTBOX. The framework's dialog does all
// the work: "确定" and Enter end it with IDOK, Esc and the close box with IDCANCEL.
class CAboutDlg : public CDialog {
 public:
  // No parent: the owner is the application's active main window.
  CAboutDlg();
};
