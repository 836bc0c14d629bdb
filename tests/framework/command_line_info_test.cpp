#include "framework/command_line_info.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

using Cmd = CCommandLineInfo::ShellCommand;

struct CommandLineCase {
  const char* name;
  QStringList arguments;
  Cmd command;
  QString file;
  QString printer = {};
  QString driver = {};
  QString port = {};
  bool embedded = false;
  bool automated = false;
  bool perUser = false;
};

void PrintTo(const CommandLineCase& c, std::ostream* os) { *os << c.name; }

class CommandLineForms : public ::testing::TestWithParam<CommandLineCase> {};

TEST_P(CommandLineForms, ParsesToTheExpectedCommandAndFields) {
  const CommandLineCase& c = GetParam();
  CCommandLineInfo info;
  ParseCommandLine(c.arguments, info);
  EXPECT_EQ(info.m_nShellCommand, c.command);
  EXPECT_EQ(info.m_strFileName, c.file);
  EXPECT_EQ(info.m_strPrinterName, c.printer);
  EXPECT_EQ(info.m_strDriverName, c.driver);
  EXPECT_EQ(info.m_strPortName, c.port);
  EXPECT_EQ(info.m_bRunEmbedded, c.embedded);
  EXPECT_EQ(info.m_bRunAutomated, c.automated);
  EXPECT_EQ(info.m_bRegisterPerUser, c.perUser);
  EXPECT_EQ(info.m_bShowSplash, !c.embedded && !c.automated);
}

const CommandLineCase kForms[] = {
    {"NoArguments", {}, Cmd::FileNew, ""},
    {"APath", {"/tmp/a.txt"}, Cmd::FileOpen, "/tmp/a.txt"},
    {"RelativePathKeptAsTyped", {"docs/a b.txt"}, Cmd::FileOpen, "docs/a b.txt"},
    {"SlashIsAPathNotAFlag", {"/p"}, Cmd::FileOpen, "/p"},
    {"OnlyTheFirstPlainArgumentIsTheFile", {"a", "b", "c"}, Cmd::FileOpen, "a"},
    {"Print", {"-p", "a.txt"}, Cmd::FilePrint, "a.txt"},
    {"PrintAfterThePath", {"a.txt", "-p"}, Cmd::FilePrint, "a.txt"},
    {"PrintFlagComparesWithCase", {"-P", "a.txt"}, Cmd::FileOpen, "a.txt"},
    {"PrintTo", {"-pt", "a.txt", "lp0", "drv", "usb1"}, Cmd::FilePrintTo, "a.txt",
     "lp0", "drv", "usb1"},
    {"PrintToAfterThePath", {"a.txt", "-pt", "lp0", "drv", "usb1"}, Cmd::FilePrintTo,
     "a.txt", "lp0", "drv", "usb1"},
    // A plain argument before "-pt" is no printer; only those after the flag count.
    {"PrintToTakesOnlyArgumentsAfterTheFlag", {"a.txt", "x", "-pt", "lp0", "drv"},
     Cmd::FilePrintTo, "a.txt", "lp0", "drv", ""},
    {"PrintToIgnoresAFifthPlainArgument", {"-pt", "a", "lp0", "drv", "usb1", "extra"},
     Cmd::FilePrintTo, "a", "lp0", "drv", "usb1"},
    {"PrintToFlagComparesWithCase", {"-PT", "a.txt", "lp0"}, Cmd::FileOpen, "a.txt"},
    {"Dde", {"-dde"}, Cmd::FileDDE, ""},
    {"DdeFlagComparesWithCase", {"-DDE"}, Cmd::FileNew, ""},
    {"Register", {"-Register"}, Cmd::AppRegister, ""},
    {"RegserverAnyCase", {"-REGSERVER"}, Cmd::AppRegister, ""},
    {"RegisterPerUser", {"-registerperuser"}, Cmd::AppRegister, "", {}, {}, {}, false,
     false, true},
    {"RegserverPerUser", {"-RegserverPerUser"}, Cmd::AppRegister, "", {}, {}, {}, false,
     false, true},
    {"Unregister", {"-Unregister"}, Cmd::AppUnregister, ""},
    {"UnregserverAnyCase", {"-unregSERVER"}, Cmd::AppUnregister, ""},
    {"UnregisterPerUser", {"-UnregisterPerUser"}, Cmd::AppUnregister, "", {}, {}, {},
     false, false, true},
    {"UnregserverPerUser", {"-UNREGSERVERPERUSER"}, Cmd::AppUnregister, "", {}, {}, {},
     false, false, true},
    {"UnregisterEmbedded", {"-Unregister", "-Embedding"}, Cmd::AppUnregister, "", {},
     {}, {}, true},
    {"EmbeddingStartsAsWithout", {"-embedding"}, Cmd::FileNew, "", {}, {}, {}, true},
    {"AutomationWithAPath", {"-Automation", "a.txt"}, Cmd::FileOpen, "a.txt", {}, {},
     {}, false, true},
    {"UnknownFlagIgnored", {"-verbose", "a.txt"}, Cmd::FileOpen, "a.txt"},
    {"LoneDashIgnored", {"-", "--", "a.txt"}, Cmd::FileOpen, "a.txt"},
    {"FlagNameIsTheWholeRest", {"-pfoo", "a.txt"}, Cmd::FileOpen, "a.txt"},
    {"ChinesePath", {"/home/用户/文档.txt"}, Cmd::FileOpen, "/home/用户/文档.txt"},
};

INSTANTIATE_TEST_SUITE_P(CommandLine, CommandLineForms, ::testing::ValuesIn(kForms),
                         [](const auto& info) { return std::string(info.param.name); });

// ParseParam is the overridable seam: it receives each argument without its "-", the
// flag marker, and "last" exactly once, on the final argument.
class RecordingInfo : public CCommandLineInfo {
 public:
  void ParseParam(const QString& param, bool flag, bool last) override {
    seen.append(QStringLiteral("%1|%2|%3").arg(param).arg(flag).arg(last));
    CCommandLineInfo::ParseParam(param, flag, last);
  }
  QStringList seen;
};

TEST(CommandLine, ParseParamSeesEachArgumentWithFlagAndLast) {
  RecordingInfo info;
  ParseCommandLine({"-Embedding", "/x/a.txt", "-pt"}, info);
  EXPECT_EQ(info.seen, (QStringList{"Embedding|1|0", "/x/a.txt|0|0", "pt|1|1"}));
  EXPECT_EQ(info.m_nShellCommand, CCommandLineInfo::FilePrintTo);
}

}  // namespace
