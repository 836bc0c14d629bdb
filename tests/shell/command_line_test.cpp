// What each form of the command line does at start-up, through InitInstance.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include "app/main_frame.h"
#include "app/vell_doc.h"
#include "canvas/vell_view.h"
#include "framework/app_profile.h"
#include "framework/frame_wnd.h"
#include "tests/shell/shell_fixture.h"

namespace {

// What the settings file holds after the program ended, compared with before.
enum class Settings {
  kListed,     // the opened file (or the earlier one) is at the top of the list
  kUntouched,  // byte for byte as before
  kRemoved,    // the file and its folder are gone
};

struct StartCase {
  const char* what;
  QStringList arguments;  // "FILE" and "MISSING" stand for a file that exists / does not
  bool goesOn;            // InitInstance's result
  bool windowShown;
  const char* caption;    // null: no window left
  int messages;
  Settings settings;
  const char* listed;     // the expected File1 after exit for kListed
};

class CommandLine : public ShellTest {
 protected:
  void SetUp() override {
    file = MakeFile(QStringLiteral("given.txt"), "content");
    earlier = MakeFile(QStringLiteral("earlier.txt"));
    WriteIni(QByteArray("[Recent%20File%20List]\nFile1=") + earlier.toUtf8() + "\n");
    iniBefore = ReadIni();
  }
  QStringList Resolve(const QStringList& arguments) const {
    QStringList resolved;
    for (const QString& argument : arguments) {
      if (argument == QLatin1String("FILE")) resolved << file;
      else if (argument == QLatin1String("MISSING")) resolved << FilePath(QStringLiteral("missing.txt"));
      else resolved << argument;
    }
    return resolved;
  }
  QString file, earlier;
  QByteArray iniBefore;
};

const QString kNew = QStringLiteral("标题 - Kalmo");

const StartCase kStarts[] = {
    {"no arguments", {}, true, true, "标题 - Kalmo", 0, Settings::kListed, "earlier"},
    {"a path", {"FILE"}, true, true, "given.txt - Kalmo", 0, Settings::kListed, "given"},
    {"a path after an unknown flag", {"-P", "-verbose", "FILE"}, true, true,
     "given.txt - Kalmo", 0, Settings::kListed, "given"},
    {"print", {"-p", "FILE"}, false, false, "given.txt - Kalmo", 0, Settings::kListed, "given"},
    {"print to", {"-pt", "FILE", "printer", "driver", "port"}, false, false,
     "given.txt - Kalmo", 0, Settings::kListed, "given"},
    {"register", {"-Register"}, false, false, nullptr, 0, Settings::kUntouched, nullptr},
    {"regserver, any case", {"-REGSERVER", "FILE"}, false, false, nullptr, 0,
     Settings::kUntouched, nullptr},
    {"register per user", {"-RegisterPerUser"}, false, false, nullptr, 0, Settings::kUntouched,
     nullptr},
    {"unregister", {"-Unregister"}, false, false, nullptr, 1, Settings::kRemoved, nullptr},
    {"unregserver per user", {"-unregserverperuser"}, false, false, nullptr, 1,
     Settings::kRemoved, nullptr},
    {"unregister embedded", {"-Unregister", "-Embedding"}, false, false, nullptr, 0,
     Settings::kRemoved, nullptr},
    {"embedding", {"-Embedding"}, true, true, "标题 - Kalmo", 0, Settings::kListed, "earlier"},
    {"automation", {"-Automation", "FILE"}, true, true, "given.txt - Kalmo", 0,
     Settings::kListed, "given"},
    {"dde", {"-dde"}, true, true, "标题 - Kalmo", 0, Settings::kListed, "earlier"},
    {"a missing file", {"MISSING"}, false, false, nullptr, 1, Settings::kListed, "earlier"},
};

TEST_F(CommandLine, EachFormStartsAsItShould) {
  for (const StartCase& c : kStarts) {
    SCOPED_TRACE(c.what);
    WriteIni(iniBefore);
    EXPECT_EQ(Start(Resolve(c.arguments)), c.goesOn);
    if (c.caption) {
      ASSERT_NE(frame(), nullptr);
      EXPECT_EQ(Caption(), QString::fromUtf8(c.caption));
      EXPECT_EQ(frame()->isVisible(), c.windowShown);
      if (c.windowShown) {
        EXPECT_EQ(app().m_pMainWnd, frame());
      }
    } else {
      EXPECT_TRUE(frame() == nullptr || !frame()->isVisible());
    }
    EXPECT_EQ(static_cast<int>(prompts().messages.size()), c.messages);
    for (const auto& message : prompts().messages) {
      EXPECT_EQ(message.caption, QStringLiteral("Vell"));
    }
    if (c.settings == Settings::kRemoved && c.messages == 1) {
      EXPECT_EQ(prompts().messages[0].text, QString::fromUtf8(kUnregisteredMessage));
    }
    Exit();
    switch (c.settings) {
      case Settings::kListed:
        EXPECT_EQ(QSettings(IniPath(), QSettings::IniFormat)
                      .value(QStringLiteral("Recent File List/File1"))
                      .toString(),
                  QString::fromUtf8(c.listed) == QLatin1String("given") ? file : earlier);
        break;
      case Settings::kUntouched:
        EXPECT_EQ(ReadIni(), iniBefore);
        break;
      case Settings::kRemoved:
        EXPECT_FALSE(QFileInfo::exists(IniPath()));
        EXPECT_FALSE(QFileInfo::exists(QFileInfo(IniPath()).path()));
        break;
    }
  }
}

TEST_F(CommandLine, AMissingFileIsReportedWithItsPath) {
  const QString missing = FilePath(QStringLiteral("missing.txt"));
  EXPECT_FALSE(Start({missing}));
  ASSERT_EQ(prompts().messages.size(), 1u);
  EXPECT_TRUE(prompts().messages[0].text.contains(missing)) << prompts().messages[0].text.toStdString();
  EXPECT_EQ(app().m_pMainWnd, nullptr);
}

TEST_F(CommandLine, UnregisterKeepsAFolderOtherApplicationsStillUse) {
  const QString neighbour = QFileInfo(IniPath()).path() + QStringLiteral("/Other.ini");
  QFile(neighbour).open(QIODevice::WriteOnly);
  EXPECT_FALSE(Start({QStringLiteral("-Unregister")}));
  Exit();
  EXPECT_FALSE(QFileInfo::exists(IniPath()));
  EXPECT_TRUE(QFileInfo::exists(neighbour));
}

TEST_F(CommandLine, ARelativePathIsMadeAbsolute) {
  QDir::setCurrent(filesDir.path());
  const bool started = Start({QStringLiteral("./given.txt")});
  QDir::setCurrent(QStringLiteral(VELL_SOURCE_DIR));
  EXPECT_TRUE(started);
  EXPECT_EQ(document()->GetPathName(), file);
  EXPECT_EQ(RecentFiles().value(0), file);
}

// A view whose window cannot be made: the document and frame cannot be made either.
class CBrokenView : public CVellView {
 public:
  int OnCreate(CREATESTRUCT*) override { return -1; }
};

TEST_F(CommandLine, AFrameThatCannotBeMadeEndsStartUp) {
  EXPECT_FALSE(StartWithView(RUNTIME_CLASS(CBrokenView)));
  ASSERT_EQ(prompts().messages.size(), 1u);
  EXPECT_EQ(prompts().messages[0].text, QStringLiteral("建立空文档失败。"));
  EXPECT_EQ(prompts().messages[0].caption, QStringLiteral("Vell"));
  EXPECT_EQ(app().m_pMainWnd, nullptr);
  EXPECT_EQ(frame(), nullptr);
}

}  // namespace
