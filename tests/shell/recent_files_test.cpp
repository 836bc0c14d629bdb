// The recent-file list as the user meets it: its order through opens and saves, its
// items in the File menu, and the settings file that carries it across restarts.
#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

#include "framework/command_ids.h"
#include "framework/document.h"
#include "framework/frame_wnd.h"
#include "framework/menu_builder.h"
#include "tests/shell/shell_fixture.h"

namespace {

class RecentFileMenu : public ShellTest {
 protected:
  QString MenuName(int index) {
    const QAction* item = ActionOf(OpenFilePopup(), ID_FILE_MRU_FILE1 + index);
    return item ? item->text() : QString();
  }
  QStringList RecentMenuTexts() {
    QStringList texts;
    for (const QAction* action : OpenFilePopup()->actions()) {
      const unsigned id = CommandIdOf(action);
      if (id >= ID_FILE_MRU_FILE1 && id <= ID_FILE_MRU_FILE16) texts << action->text();
    }
    return texts;
  }
  QVariant IniValue(const QString& key) const {
    return QSettings(IniPath(), QSettings::IniFormat).value(key);
  }
};

TEST_F(RecentFileMenu, AFirstStartShowsTheGreyedPlaceholderAndWritesNoList) {
  ASSERT_TRUE(Start());
  QMenu* popup = OpenFilePopup();
  ASSERT_NE(popup, nullptr);
  EXPECT_EQ(ItemTexts(popup),
            (QStringList{"新建(&N)\tCtrl+N", "打开(&O)...\tCtrl+O", "保存(&S)\tCtrl+S",
                         "另存为(&A)...", "-", "最近文件", "-", "退出(&X)"}));
  EXPECT_FALSE(ActionOf(popup, ID_FILE_MRU_FILE1)->isEnabled());
  Exit();
  const QSettings ini(IniPath(), QSettings::IniFormat);
  EXPECT_FALSE(ini.childGroups().contains(QStringLiteral("Recent File List"))) << ReadIni().toStdString();
  EXPECT_FALSE(ini.contains(QStringLiteral("Settings/PreviewPages")));
}

TEST_F(RecentFileMenu, KeepsTheLastFourMovesAReopenedEntryUpAndSurvivesARestart) {
  ASSERT_TRUE(Start());
  QStringList paths;
  for (const char* name : {"a.txt", "b.txt", "c.txt", "d.txt", "e.txt"}) {
    paths << MakeFile(QString::fromLatin1(name));
    app().OpenDocumentFile(paths.last());
  }
  EXPECT_EQ(RecentFiles(), (QStringList{paths[4], paths[3], paths[2], paths[1]}));

  EXPECT_TRUE(Route(ID_FILE_MRU_FILE1 + 2));  // entry 3: c.txt
  EXPECT_EQ(Caption(), QStringLiteral("c.txt - Kalmo"));
  const QStringList expected{paths[2], paths[4], paths[3], paths[1]};
  EXPECT_EQ(RecentFiles(), expected);
  const QStringList menu = RecentMenuTexts();
  ASSERT_EQ(menu.size(), 4);
  for (int i = 0; i < 4; ++i) {
    EXPECT_TRUE(menu[i].startsWith(QStringLiteral("&%1 ").arg(i + 1))) << menu[i].toStdString();
    EXPECT_TRUE(menu[i].endsWith(QFileInfo(expected[i]).fileName())) << menu[i].toStdString();
  }

  Restart();
  EXPECT_EQ(RecentFiles(), expected);
  EXPECT_EQ(RecentMenuTexts(), menu);
  EXPECT_EQ(IniValue(QStringLiteral("Recent File List/File1")).toString(), paths[2]);
  EXPECT_FALSE(IniValue(QStringLiteral("Recent File List/File5")).isValid());
}

TEST_F(RecentFileMenu, LongPathsAreShortenedToThirtyCharactersInTheMenu) {
  ASSERT_TRUE(Start());
  const QString path = MakeFile(QStringLiteral("a-rather-long-folder-name/another-long-folder/"
                                               "long-name.txt"));
  app().OpenDocumentFile(path);
  const QString text = MenuName(0);
  ASSERT_TRUE(text.startsWith(QStringLiteral("&1 "))) << text.toStdString();
  EXPECT_LE(text.mid(3).toUcs4().size(), 30) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("..."))) << text.toStdString();
  EXPECT_EQ(RecentFiles().value(0), path);  // the list itself keeps the full path
}

// A listed file that was deleted: choosing it shows the error and drops the entry, and
// the document stays as it was.
TEST_F(RecentFileMenu, ADeletedFileGivesTheErrorAndDropsItsEntry) {
  ASSERT_TRUE(Start());
  const QString gone = MakeFile(QStringLiteral("gone.txt"));
  const QString current = MakeFile(QStringLiteral("current.txt"));
  app().OpenDocumentFile(gone);
  app().OpenDocumentFile(current);
  ASSERT_TRUE(QFile::remove(gone));

  EXPECT_TRUE(Route(ID_FILE_MRU_FILE1 + 1));
  ASSERT_EQ(prompts().messages.size(), 1u);
  EXPECT_EQ(prompts().messages[0].caption, QStringLiteral("Vell"));
  EXPECT_TRUE(prompts().messages[0].text.contains(gone)) << prompts().messages[0].text.toStdString();
  EXPECT_EQ(RecentFiles(), QStringList{current});
  EXPECT_EQ(Caption(), QStringLiteral("current.txt - Kalmo"));
  EXPECT_EQ(document()->GetPathName(), current);
  EXPECT_FALSE(frame()->IsCommandEnabled(ID_FILE_MRU_FILE1 + 1));

  Exit();
  EXPECT_FALSE(IniValue(QStringLiteral("Recent File List/File2")).isValid());
  EXPECT_EQ(IniValue(QStringLiteral("Recent File List/File1")).toString(), current);
}

TEST_F(RecentFileMenu, SaveAsPutsThePathFirst) {
  ASSERT_TRUE(Start());
  const QString opened = MakeFile(QStringLiteral("opened.txt"));
  app().OpenDocumentFile(opened);
  prompts().saveAnswers.push_back(FilePath(QStringLiteral("saved.txt")));
  Route(ID_FILE_SAVE_AS);
  EXPECT_EQ(RecentFiles(), (QStringList{FilePath(QStringLiteral("saved.txt")), opened}));
}

// "PreviewPages" is read with the default 0 and written back only when it is not 0.
TEST_F(RecentFileMenu, PreviewPagesIsKeptButNeverAdded) {
  const struct {
    const char* stored;  // null: no such value
    QVariant afterExit;
  } cases[] = {{nullptr, QVariant()}, {"3", QVariant(3)}};
  for (const auto& c : cases) {
    QFile::remove(IniPath());
    if (c.stored) WriteIni(QByteArray("[Settings]\nPreviewPages=") + c.stored + "\n");
    ASSERT_TRUE(Start());
    Exit();
    const QVariant value = IniValue(QStringLiteral("Settings/PreviewPages"));
    EXPECT_EQ(value.isValid(), c.afterExit.isValid()) << (c.stored ? c.stored : "none");
    if (c.afterExit.isValid()) {
      EXPECT_EQ(value.toInt(), c.afterExit.toInt());
    }
  }
}

}  // namespace
