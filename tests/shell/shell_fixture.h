#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

#include "app/vell_app.h"
#include "framework/runtime_class.h"
#include "tests/shell/scripted_prompts.h"

class CDocument;
class CFrameWnd;
class CView;
class CVellView;
class QAction;
class QMenu;

// One application object per test, started as the program starts it but inside the
// test's QApplication: its settings live in a temporary folder, its dialogs and message
// boxes are answered by ScriptedPrompts, and its documents are files in another
// temporary folder.
class ShellTest : public testing::Test {
 protected:
  ShellTest();
  ~ShellTest() override;

  // Makes a CVellApp and runs InitInstance with `arguments` as its command line (the
  // program's name left out). Returns InitInstance's result.
  bool Start(const QStringList& arguments = {});
  // Start-up with a template whose view is `viewClass`, for views made to show routing
  // or failure; otherwise as InitInstance with no arguments. Returns whether start-up
  // may go on.
  bool StartWithView(CRuntimeClass<CView> viewClass);
  // The program's end: Exit through the menu's route when there is a window, then the
  // window and document released and ExitInstance, as CWinApp::Run does.
  void Exit();
  void Restart(const QStringList& arguments = {});

  CVellApp& app() { return *app_; }
  ScriptedPrompts& prompts() { return *prompts_; }
  CFrameWnd* frame() const;
  CDocument* document() const;
  CVellView* view() const;
  QString Caption() const;
  QStringList RecentFiles() const;
  bool Route(unsigned id);

  // A file in the test's document folder with `content`; returns its absolute path.
  QString MakeFile(const QString& name, const QByteArray& content = {});
  QString FilePath(const QString& name) const;
  static QByteArray ReadFile(const QString& path);

  QString IniPath() const;
  void WriteIni(const QByteArray& text);
  QByteArray ReadIni() const;

  // The File popup after it was opened: the enabling and the recent files are
  // evaluated then, as when the user opens it.
  QMenu* OpenFilePopup();
  static QStringList ItemTexts(const QMenu* popup);
  static QAction* ActionOf(const QMenu* popup, unsigned id);

  QTemporaryDir configDir;
  QTemporaryDir filesDir;

 private:
  void MakeApp();

  std::unique_ptr<CVellApp> app_;
  ScriptedPrompts* prompts_ = nullptr;
};
