#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

#include "framework/cmd_target.h"

struct AcceleratorResource;
struct MenuResource;
class CAppProfile;
class QIcon;
class CCommandLineInfo;
class CDocument;
class CFrameWnd;
class CPrompts;
class CRecentFileList;
class CSingleDocTemplate;
class QWidget;

// Show states for the main window.
inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOW = 5;

// The application object: start-up through InitInstance, the event loop, the File
// commands that belong to the application (New, Open, the recent files, Exit), the
// settings profile and the framework's message boxes.
class CWinApp : public CCmdTarget {
 public:
  CWinApp();
  ~CWinApp() override;

  // The program's main: makes the Qt application, runs InitInstance, the event loop and
  // ExitInstance. Returns the process's exit status: 0, or 1 when start-up failed.
  int Run(int& argc, char** argv);

  virtual bool InitInstance();
  // Writes the recent-file list and the settings (unless the command line registered or
  // unregistered). Runs at exit, also when the desktop session ends.
  virtual int ExitInstance();

  // Texts of the application's string table; AppName() is entry 57344.
  virtual QString LoadString(unsigned id) const;
  QString AppName() const;
  // The application's other resources by id; null or empty when it has none.
  virtual const MenuResource* FindMenu(unsigned id) const;
  virtual const AcceleratorResource* FindAccelerators(unsigned id) const;
  virtual QIcon LoadIcon(unsigned id) const;
  // Field `field` of the document template string `resourceId` (fields split at "\n").
  QString DocumentString(unsigned resourceId, int field) const;

  // Settings: the key name, then the recent-file list and the settings.
  void SetRegistryKey(const QString& key);
  void LoadStdProfileSettings(int maxMru = 4);
  CAppProfile* Profile() const { return profile_.get(); }
  CRecentFileList* RecentFileList() const;
  void AddToRecentFileList(const QString& path);

  void AddDocTemplate(CSingleDocTemplate* docTemplate);
  CSingleDocTemplate* DocTemplate() const { return template_.get(); }
  // Reads the arguments of SetCommandLine, else the process's own (program name removed).
  void ParseCommandLine(CCommandLineInfo& info) const;
  // Replaces the process's arguments as the command line that start-up carries out, so
  // a host (or a test) can start the application with a command line of its choice.
  void SetCommandLine(const QStringList& argumentsWithoutProgram);
  // Carries out what the command line asks; false ends the program.
  bool ProcessShellCommand(CCommandLineInfo& info);

  // File commands.
  void OnFileNew();
  void OnFileOpen();
  void OnAppExit();
  void OnOpenRecentFile(unsigned id);
  // Opens `path` (made absolute); the document's own path only activates the frame.
  CDocument* OpenDocumentFile(const QString& path);

  CPrompts& Prompts() const { return *prompts_; }
  void SetPrompts(std::unique_ptr<CPrompts> prompts);
  QWidget* MainWindow() const;

  CFrameWnd* m_pMainWnd = nullptr;
  int m_nCmdShow = SW_SHOW;

 protected:
  bool IsRecentFileEnabled(unsigned id) const;

 private:
  void WriteSettings();

  std::unique_ptr<CPrompts> prompts_;
  std::unique_ptr<CAppProfile> profile_;
  std::unique_ptr<CSingleDocTemplate> template_;
  std::optional<QStringList> commandLine_;
  bool startupFailed_ = false;
};

CWinApp* AfxGetApp();
// A framework message box: captioned with the application's name, one OK button, no
// icon, owned by the window that has the focus.
void AfxMessageBox(const QString& text);
