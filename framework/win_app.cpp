#include "framework/win_app.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QLibraryInfo>
#include <QSessionManager>
#include <QTranslator>
#include <cstdio>

#include "framework/app_profile.h"
#include "framework/command_ids.h"
#include "framework/command_line_info.h"
#include "framework/doc_template.h"
#include "framework/document.h"
#include "framework/file_path.h"
#include "framework/frame_wnd.h"
#include "framework/framework_strings.h"
#include "framework/prompts.h"
#include "framework/session_signals.h"

namespace {

CWinApp* theApp = nullptr;

// Qt's own dialogs (file dialogs, message-box buttons) in Simplified Chinese, whatever
// the user's locale: the whole interface is Chinese.
void InstallChineseTranslations(QApplication& app) {
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  for (const char* name : {"qtbase_zh_CN", "qt_zh_CN"}) {
    auto* translator = new QTranslator(&app);
    if (translator->load(QString::fromLatin1(name), folder)) {
      app.installTranslator(translator);
    } else {
      delete translator;
    }
  }
}

}  // namespace

CWinApp* AfxGetApp() { return theApp; }

void AfxMessageBox(const QString& text) {
  if (!theApp || !QApplication::instance()) {
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
    return;
  }
  theApp->Prompts().ShowMessage(FocusOwnerWindow(), text, theApp->AppName());
}

CWinApp::CWinApp()
    : prompts_(std::make_unique<CDialogPrompts>()), profile_(std::make_unique<CAppProfile>()) {
  theApp = this;
  OnCommandRange(ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE16, &CWinApp::OnOpenRecentFile);
  OnUpdateCommandRange(ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE16, &CWinApp::IsRecentFileEnabled);
  OnCommand(ID_APP_EXIT, &CWinApp::OnAppExit);
}

CWinApp::~CWinApp() {
  template_.reset();
  if (theApp == this) theApp = nullptr;
}

int CWinApp::Run(int& argc, char** argv) {
  QApplication qtApp(argc, argv);
  InstallChineseTranslations(qtApp);
  // The desktop session ending (log-out, shut-down, a terminating signal) closes the
  // program like Exit, so the settings are written then too.
  QObject::connect(&qtApp, &QGuiApplication::commitDataRequest,
                   [this](QSessionManager&) { WriteSettings(); });
  QuitOnTerminationSignals(&qtApp);
  profile_ = std::make_unique<CAppProfile>(AppName());

  int status = 0;
  if (InitInstance() && !TerminationRequested()) status = qtApp.exec();
  if (template_) template_->CloseAll();
  m_pMainWnd = nullptr;
  ExitInstance();
  return startupFailed_ ? 1 : status;
}

bool CWinApp::InitInstance() { return true; }

int CWinApp::ExitInstance() {
  WriteSettings();
  return 0;
}

void CWinApp::WriteSettings() {
  // Writing is idempotent: a session end that the user cancels writes now, and the
  // real exit writes again later.
  if (!profile_) return;
  if (!profile_->SaveStdProfileSettings()) {
    std::fprintf(stderr, "Vell: the settings could not be written to %s\n",
                 profile_->iniPath().toUtf8().constData());
  }
}

QString CWinApp::LoadString(unsigned) const { return {}; }

QString CWinApp::AppName() const {
  const QString name = LoadString(AFX_IDS_APP_TITLE);
  return name.isEmpty() ? QStringLiteral("Vell") : name;
}

QString CWinApp::DocumentString(unsigned resourceId, int field) const {
  return LoadString(resourceId).split(QLatin1Char('\n')).value(field);
}

const MenuResource* CWinApp::FindMenu(unsigned) const { return nullptr; }
const AcceleratorResource* CWinApp::FindAccelerators(unsigned) const { return nullptr; }
QIcon CWinApp::LoadIcon(unsigned) const { return {}; }

void CWinApp::SetRegistryKey(const QString& key) { profile_->SetRegistryKey(key); }

void CWinApp::LoadStdProfileSettings(int maxMru) { profile_->LoadStdProfileSettings(maxMru); }

CRecentFileList* CWinApp::RecentFileList() const { return profile_->recentFileList(); }

void CWinApp::AddToRecentFileList(const QString& path) {
  if (CRecentFileList* list = RecentFileList()) list->Add(path);
}

void CWinApp::AddDocTemplate(CSingleDocTemplate* docTemplate) { template_.reset(docTemplate); }

void CWinApp::ParseCommandLine(CCommandLineInfo& info) const {
  if (commandLine_) {
    ::ParseCommandLine(*commandLine_, info);
    return;
  }
  QStringList arguments = QCoreApplication::arguments();
  if (!arguments.isEmpty()) arguments.removeFirst();
  ::ParseCommandLine(arguments, info);
}

void CWinApp::SetCommandLine(const QStringList& argumentsWithoutProgram) {
  commandLine_ = argumentsWithoutProgram;
}

bool CWinApp::ProcessShellCommand(CCommandLineInfo& info) {
  switch (info.m_nShellCommand) {
    case CCommandLineInfo::FileNew:
    case CCommandLineInfo::FileDDE:  // no DDE service: starts as without arguments
      OnFileNew();
      startupFailed_ = m_pMainWnd == nullptr;
      return !startupFailed_;
    case CCommandLineInfo::FileOpen:
      startupFailed_ = OpenDocumentFile(info.m_strFileName) == nullptr;
      return !startupFailed_;
    case CCommandLineInfo::FilePrint:
    case CCommandLineInfo::FilePrintTo:
      // No printing: the file is opened (and listed) in a hidden window, then the
      // program ends.
      m_nCmdShow = SW_HIDE;
      startupFailed_ = OpenDocumentFile(info.m_strFileName) == nullptr;
      return false;
    case CCommandLineInfo::AppRegister:
      profile_->SuppressSaveAtExit();
      return false;
    case CCommandLineInfo::AppUnregister:
      profile_->SuppressSaveAtExit();
      if (!profile_->Unregister()) {
        startupFailed_ = true;
        AfxMessageBox(QString::fromUtf8(fw::kSaveFailed)
                          .arg(profile_->iniPath(), QString::fromUtf8(fw::kReasonAccessDenied)));
      } else if (!info.m_bRunEmbedded) {
        AfxMessageBox(QString::fromUtf8(kUnregisteredMessage));
      }
      return false;
    case CCommandLineInfo::FileNothing:
      return true;
  }
  return true;
}

void CWinApp::OnFileNew() {
  if (!template_) return;
  if (template_->OpenDocumentFile(QString(), m_nCmdShow != SW_HIDE)) m_pMainWnd = template_->frame();
}

void CWinApp::OnFileOpen() {
  const QString path = Prompts().AskOpenFileName(MainWindow(), QString::fromUtf8(fw::kOpenTitle),
                                                 QString::fromUtf8(fw::kAllFilesFilter));
  if (!path.isEmpty()) OpenDocumentFile(path);
}

CDocument* CWinApp::OpenDocumentFile(const QString& path) {
  if (!template_) return nullptr;
  const QString absolute = AbsoluteFilePath(path);
  CDocument* current = template_->document();
  if (current && SameFilePath(current->GetPathName(), absolute)) {
    if (CFrameWnd* frame = template_->frame()) {
      frame->raise();
      frame->activateWindow();
    }
    return current;
  }
  CDocument* document = template_->OpenDocumentFile(absolute, m_nCmdShow != SW_HIDE);
  if (document) m_pMainWnd = template_->frame();
  return document;
}

void CWinApp::OnOpenRecentFile(unsigned id) {
  CRecentFileList* list = RecentFileList();
  const int index = static_cast<int>(id - ID_FILE_MRU_FILE1);
  if (!list || index >= list->GetCount()) return;
  // The entry is removed after the error when its file cannot be opened.
  if (!OpenDocumentFile((*list)[index])) list->Remove(index);
}

bool CWinApp::IsRecentFileEnabled(unsigned id) const {
  const CRecentFileList* list = RecentFileList();
  return list && static_cast<int>(id - ID_FILE_MRU_FILE1) < list->GetCount();
}

void CWinApp::OnAppExit() {
  if (m_pMainWnd) m_pMainWnd->close();
}

void CWinApp::SetPrompts(std::unique_ptr<CPrompts> prompts) { prompts_ = std::move(prompts); }

QWidget* CWinApp::MainWindow() const { return m_pMainWnd; }
