#pragma once

#include <QString>
#include <QStringList>

// What the command line asks the application to do at start-up, filled argument by
// argument by ParseCommandLine. The application's start-up carries out m_nShellCommand.
//
// Flags begin with "-" only: on this platform "/" begins an absolute path. "p", "pt" and
// "dde" compare with case, the other flag names without; unknown flags are ignored.
class CCommandLineInfo {
 public:
  enum ShellCommand {
    FileNew,        // no file argument: a new document
    FileOpen,       // a file argument: open it
    FilePrint,      // -p with a file
    FilePrintTo,    // -pt with a file, printer, driver and port
    FileDDE,        // -dde
    AppRegister,    // -Register, -Regserver, -RegisterPerUser, -RegserverPerUser
    AppUnregister,  // -Unregister, -Unregserver, -UnregisterPerUser, -UnregserverPerUser
    FileNothing = -1
  };

  CCommandLineInfo() = default;
  virtual ~CCommandLineInfo() = default;

  // Called once per argument, in order. `param` is the argument without its leading "-"
  // when `flag` is true; `last` is true for the final argument.
  virtual void ParseParam(const QString& param, bool flag, bool last);

  ShellCommand m_nShellCommand = FileNew;
  QString m_strFileName;
  QString m_strPrinterName;
  QString m_strDriverName;
  QString m_strPortName;
  bool m_bRunEmbedded = false;    // -Embedding
  bool m_bRunAutomated = false;   // -Automation
  bool m_bRegisterPerUser = false;  // one of the ...PerUser forms of (un)register
  bool m_bShowSplash = true;      // false when embedded or automated

 protected:
  void ParseParamFlag(const QString& name);
  void ParseParamNotFlag(const QString& param);
  void ParseLast(bool last);
};

// Feeds every argument (the program's own name already removed) to info.ParseParam.
void ParseCommandLine(const QStringList& argumentsWithoutProgram, CCommandLineInfo& info);
