#include "framework/command_line_info.h"

namespace {

bool IsOneOf(const QString& name, std::initializer_list<const char*> forms) {
  for (const char* form : forms) {
    if (name.compare(QLatin1String(form), Qt::CaseInsensitive) == 0) return true;
  }
  return false;
}

}  // namespace

void CCommandLineInfo::ParseParam(const QString& param, bool flag, bool last) {
  if (flag) {
    ParseParamFlag(param);
  } else {
    ParseParamNotFlag(param);
  }
  ParseLast(last);
}

void CCommandLineInfo::ParseParamFlag(const QString& name) {
  // The print and DDE flags are the shell's own verbs and compare exactly; the
  // registration and embedding flags are typed by people and compare without case.
  if (name == QLatin1String("pt")) {
    m_nShellCommand = FilePrintTo;
  } else if (name == QLatin1String("p")) {
    m_nShellCommand = FilePrint;
  } else if (IsOneOf(name, {"Register", "Regserver"})) {
    m_nShellCommand = AppRegister;
  } else if (IsOneOf(name, {"RegisterPerUser", "RegserverPerUser"})) {
    m_nShellCommand = AppRegister;
    m_bRegisterPerUser = true;
  } else if (IsOneOf(name, {"Unregister", "Unregserver"})) {
    m_nShellCommand = AppUnregister;
  } else if (IsOneOf(name, {"UnregisterPerUser", "UnregserverPerUser"})) {
    m_nShellCommand = AppUnregister;
    m_bRegisterPerUser = true;
  } else if (name == QLatin1String("dde")) {
    m_nShellCommand = FileDDE;
  } else if (IsOneOf(name, {"Embedding"})) {
    m_bRunEmbedded = true;
    m_bShowSplash = false;
  } else if (IsOneOf(name, {"Automation"})) {
    m_bRunAutomated = true;
    m_bShowSplash = false;
  }
}

void CCommandLineInfo::ParseParamNotFlag(const QString& param) {
  // The first plain argument is the file; printer, driver and port are taken only
  // once "-pt" has been seen, so plain arguments before that flag are not mistaken
  // for them.
  if (m_strFileName.isEmpty()) {
    m_strFileName = param;
  } else if (m_nShellCommand == FilePrintTo && m_strPrinterName.isEmpty()) {
    m_strPrinterName = param;
  } else if (m_nShellCommand == FilePrintTo && m_strDriverName.isEmpty()) {
    m_strDriverName = param;
  } else if (m_nShellCommand == FilePrintTo && m_strPortName.isEmpty()) {
    m_strPortName = param;
  }
}

void CCommandLineInfo::ParseLast(bool last) {
  if (!last) return;
  if (m_nShellCommand == FileNew && !m_strFileName.isEmpty()) m_nShellCommand = FileOpen;
  m_bShowSplash = !m_bRunEmbedded && !m_bRunAutomated;
}

void ParseCommandLine(const QStringList& argumentsWithoutProgram, CCommandLineInfo& info) {
  const qsizetype count = argumentsWithoutProgram.size();
  for (qsizetype i = 0; i < count; ++i) {
    const QString& argument = argumentsWithoutProgram[i];
    const bool flag = argument.startsWith(QLatin1Char('-'));
    info.ParseParam(flag ? argument.mid(1) : argument, flag, i + 1 == count);
  }
}
