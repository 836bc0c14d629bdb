#pragma once

#include "framework/frame_wnd.h"

// The main window: caption "<document title> - Kalmo", the menu bar and accelerators of
// resource 128, no toolbar and no status bar.
class CMainFrame : public CFrameWnd {
 public:
  bool PreCreateWindow(CREATESTRUCT& cs) override;
  int OnCreate(CREATESTRUCT* cs) override;
};
