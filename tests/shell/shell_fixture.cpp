#include "tests/shell/shell_fixture.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>

#include "app/main_frame.h"
#include "app/resource_ids.h"
#include "app/resources/icon_resource.h"
#include "app/vell_doc.h"
#include "canvas/vell_view.h"
#include "framework/app_profile.h"
#include "framework/command_ids.h"
#include "framework/command_line_info.h"
#include "framework/doc_template.h"
#include "framework/frame_wnd.h"
#include "framework/menu_builder.h"
#include "framework/recent_file_list.h"

ShellTest::ShellTest() {
  // Closing the main window must not end the test run's own event loop.
  QApplication::setQuitOnLastWindowClosed(false);
}

ShellTest::~ShellTest() { Exit(); }

void ShellTest::MakeApp() {
  Exit();
  app_ = std::make_unique<CVellApp>();
  auto prompts = std::make_unique<ScriptedPrompts>();
  prompts_ = prompts.get();
  app_->SetPrompts(std::move(prompts));
  app_->Profile()->SetConfigRoot(configDir.path());
}

bool ShellTest::Start(const QStringList& arguments) {
  MakeApp();
  app_->SetCommandLine(arguments);
  return app_->InitInstance();
}

bool ShellTest::StartWithView(CRuntimeClass<CView> viewClass) {
  MakeApp();
  EnsureAppResources();
  app_->SetRegistryKey(QStringLiteral("Local AppWizard-Generated Applications"));
  app_->LoadStdProfileSettings(4);
  app_->AddDocTemplate(new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CVellDoc),
                                              RUNTIME_CLASS(CMainFrame), viewClass));
  CCommandLineInfo info;
  return app_->ProcessShellCommand(info);
}

void ShellTest::Exit() {
  if (!app_) return;
  if (CFrameWnd* main = frame()) main->RouteCommand(ID_APP_EXIT);
  if (app_->DocTemplate()) app_->DocTemplate()->CloseAll();
  app_->m_pMainWnd = nullptr;
  app_->ExitInstance();
  app_.reset();
  prompts_ = nullptr;
}

void ShellTest::Restart(const QStringList& arguments) {
  Exit();
  Start(arguments);
}

CFrameWnd* ShellTest::frame() const {
  return app_ && app_->DocTemplate() ? app_->DocTemplate()->frame() : nullptr;
}

CDocument* ShellTest::document() const {
  return app_ && app_->DocTemplate() ? app_->DocTemplate()->document() : nullptr;
}

CVellView* ShellTest::view() const {
  return frame() ? dynamic_cast<CVellView*>(frame()->GetActiveView()) : nullptr;
}

QString ShellTest::Caption() const { return frame() ? frame()->windowTitle() : QString(); }

QStringList ShellTest::RecentFiles() const {
  const CRecentFileList* list = app_->RecentFileList();
  return list ? list->entriesMostRecentFirst() : QStringList();
}

bool ShellTest::Route(unsigned id) { return frame() && frame()->RouteCommand(id); }

QString ShellTest::FilePath(const QString& name) const { return filesDir.filePath(name); }

QString ShellTest::MakeFile(const QString& name, const QByteArray& content) {
  const QString path = FilePath(name);
  QDir().mkpath(QFileInfo(path).path());
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
  file.write(content);
  return path;
}

QByteArray ShellTest::ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QString ShellTest::IniPath() const {
  return configDir.filePath(QStringLiteral("Local AppWizard-Generated Applications/Vell.ini"));
}

void ShellTest::WriteIni(const QByteArray& text) {
  QDir().mkpath(QFileInfo(IniPath()).path());
  QFile file(IniPath());
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(text);
}

QByteArray ShellTest::ReadIni() const {
  QFile file(IniPath());
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QMenu* ShellTest::OpenFilePopup() {
  const QList<QAction*> popups = frame()->menuBar()->actions();
  if (popups.isEmpty() || !popups.first()->menu()) return nullptr;
  QMenu* popup = popups.first()->menu();
  emit popup->aboutToShow();
  return popup;
}

QStringList ShellTest::ItemTexts(const QMenu* popup) {
  QStringList texts;
  for (const QAction* action : popup->actions()) {
    texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
  }
  return texts;
}

QAction* ShellTest::ActionOf(const QMenu* popup, unsigned id) {
  for (QAction* action : popup->actions()) {
    if (CommandIdOf(action) == id) return action;
  }
  return nullptr;
}
