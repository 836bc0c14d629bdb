#include "app/vell_app.h"

#include <QIcon>

#include "app/about_dlg.h"
#include "app/main_frame.h"
#include "app/resource_ids.h"
#include "app/resources/accelerator_resource.h"
#include "app/resources/icon_resource.h"
#include "app/resources/menu_resource.h"
#include "app/resources/string_resource.h"
#include "app/vell_doc.h"
#include "bitmap/dib_error_reporter.h"
#include "canvas/vell_view.h"
#include "framework/command_ids.h"
#include "framework/command_line_info.h"
#include "framework/doc_template.h"
#include "framework/frame_wnd.h"
#include "framework/prompts.h"

namespace {

constexpr char kRegistryKey[] = "Local AppWizard-Generated Applications";

// The bitmap reader's failures: a box captioned "Error" with one OK button and no icon,
// owned by the window that has the focus.
void ShowDibError(const char* message) {
  if (CWinApp* app = AfxGetApp()) {
    app->Prompts().ShowMessage(FocusOwnerWindow(), QString::fromUtf8(message),
                               QStringLiteral("Error"));
  }
}

}  // namespace

CVellApp::CVellApp() {
  OnCommand(ID_APP_ABOUT, &CVellApp::OnAppAbout);
  OnCommand(ID_FILE_NEW, &CWinApp::OnFileNew);
  OnCommand(ID_FILE_OPEN, &CWinApp::OnFileOpen);
}

bool CVellApp::InitInstance() {
  EnsureAppResources();
  SetDibErrorReporter(&ShowDibError);
  SetRegistryKey(QString::fromUtf8(kRegistryKey));
  LoadStdProfileSettings(4);
  AddDocTemplate(new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CVellDoc),
                                        RUNTIME_CLASS(CMainFrame), RUNTIME_CLASS(CVellView)));
  CCommandLineInfo cmdInfo;
  ParseCommandLine(cmdInfo);
  if (!ProcessShellCommand(cmdInfo) || !m_pMainWnd) return false;
  m_pMainWnd->show();
  m_pMainWnd->update();
  return true;
}

QString CVellApp::LoadString(unsigned id) const {
  const char* text = ::LoadString(id);
  return text ? QString::fromUtf8(text) : QString();
}

const MenuResource* CVellApp::FindMenu(unsigned id) const { return FindMenuResource(id); }

const AcceleratorResource* CVellApp::FindAccelerators(unsigned id) const {
  return FindAcceleratorResource(id);
}

QIcon CVellApp::LoadIcon(unsigned id) const { return LoadAppIcon(id); }

void CVellApp::OnAppAbout() {
  CAboutDlg aboutDlg;
  aboutDlg.DoModal();
}
