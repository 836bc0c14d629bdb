#include "app/main_frame.h"

bool CMainFrame::PreCreateWindow(CREATESTRUCT& cs) {
  if (!CFrameWnd::PreCreateWindow(cs)) return false;
  // The window is still created with the caption it was given ("Vell"); this is the
  // text that follows the document title from the first caption update on.
  m_strTitle = QStringLiteral("Kalmo");
  return true;
}

int CMainFrame::OnCreate(CREATESTRUCT* cs) { return CFrameWnd::OnCreate(cs) == -1 ? -1 : 0; }
