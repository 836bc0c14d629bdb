#include "framework/recent_file_list.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QStringList Entries(const CRecentFileList& list) { return list.entriesMostRecentFirst(); }

TEST(RecentFileList, FiveOpensKeepTheLastFourMostRecentFirst) {
  CRecentFileList list(4);
  for (const char* path : {"/d/1.txt", "/d/2.txt", "/d/3.txt", "/d/4.txt", "/d/5.txt"}) {
    list.Add(path);
  }
  EXPECT_EQ(Entries(list), (QStringList{"/d/5.txt", "/d/4.txt", "/d/3.txt", "/d/2.txt"}));
  EXPECT_EQ(list.GetSize(), 4);
  EXPECT_EQ(list.GetCount(), 4);
}

TEST(RecentFileList, ReopeningAnEntryMovesItUpAndKeepsTheOthersInOrder) {
  CRecentFileList list(4);
  for (const char* path : {"/d/1.txt", "/d/2.txt", "/d/3.txt", "/d/4.txt"}) list.Add(path);
  list.Add(list[2]);  // position 3 of the menu
  EXPECT_EQ(Entries(list), (QStringList{"/d/2.txt", "/d/4.txt", "/d/3.txt", "/d/1.txt"}));
  list.Add("/d/2.txt");  // already on top: nothing moves, nothing drops out
  EXPECT_EQ(Entries(list), (QStringList{"/d/2.txt", "/d/4.txt", "/d/3.txt", "/d/1.txt"}));
}

TEST(RecentFileList, PathsAreComparedCleanedAndWithCase) {
  CRecentFileList list(4);
  list.Add("/d/a.txt");
  list.Add("/d/sub/.././a.txt");
  EXPECT_EQ(Entries(list), (QStringList{"/d/a.txt"}));
  list.Add("/d/A.txt");
  EXPECT_EQ(Entries(list), (QStringList{"/d/A.txt", "/d/a.txt"}));
}

TEST(RecentFileList, RelativePathsAreMadeAbsoluteAgainstTheCurrentDirectory) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString previous = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(dir.path()));
  CRecentFileList list(4);
  list.Add("notes/../a.txt");
  QDir::setCurrent(previous);
  EXPECT_EQ(Entries(list), (QStringList{QDir(dir.path()).absoluteFilePath("a.txt")}));
}

TEST(RecentFileList, RemoveAndBadInputKeepTheListConsistent) {
  CRecentFileList list(4);
  for (const char* path : {"/d/1.txt", "/d/2.txt", "/d/3.txt"}) list.Add(path);
  list.Add("");
  list.Remove(-1);
  list.Remove(3);
  EXPECT_EQ(list.GetCount(), 3);
  list.Remove(1);  // a failing recent file is taken out; the later ones move up
  EXPECT_EQ(Entries(list), (QStringList{"/d/3.txt", "/d/1.txt"}));
  EXPECT_EQ(list[2], QString());
  EXPECT_EQ(list[-1], QString());
  EXPECT_EQ(list.GetDisplayName(2, "/"), QString());
  EXPECT_EQ(list.GetMenuText(2, "/"), QString());

  CRecentFileList none(0);
  none.Add("/d/1.txt");
  EXPECT_TRUE(none.IsEmpty());
}

TEST(RecentFileList, MenuTextsAreNumberedShortenedAndShowAmpersands) {
  CRecentFileList list(4);
  list.Add("/home/someone/projects/vell/notes/today.txt");
  list.Add("/w/R&D.txt");
  EXPECT_EQ(list.GetMenuText(0, "/w"), "&1 R&&D.txt");
  EXPECT_EQ(list.GetDisplayName(0, "/w"), "R&D.txt");
  EXPECT_EQ(list.GetMenuText(1, "/w"), "&2 /.../vell/notes/today.txt");
}

// Reads and writes through a QSettings on a file of its own.
class RecentFileListStore : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir.isValid()); }
  QString IniPath() const { return dir.filePath("Vell.ini"); }
  QTemporaryDir dir;
};

TEST_F(RecentFileListStore, WrittenEntriesReadBackInOrderThroughAFreshSettings) {
  const QStringList paths{"/d/带 空格, 和逗号.txt", "/d/@at=eq;semi#hash\"q\".txt",
                          "/d/100%.txt", "/d/back\\slash.txt"};
  CRecentFileList written(4);
  for (auto it = paths.rbegin(); it != paths.rend(); ++it) written.Add(*it);
  {
    QSettings store(IniPath(), QSettings::IniFormat);
    written.WriteList(store);
  }
  QSettings store(IniPath(), QSettings::IniFormat);
  EXPECT_EQ(store.value("Recent File List/File1").toString(), paths[0]);
  EXPECT_FALSE(store.contains("Recent File List/File5"));
  CRecentFileList read(4);
  read.ReadList(store);
  EXPECT_EQ(Entries(read), paths);
}

TEST_F(RecentFileListStore, WritingTheListReplacesTheWholeGroup) {
  {
    QSettings store(IniPath(), QSettings::IniFormat);
    store.setValue("Recent File List/File1", "/old/1.txt");
    store.setValue("Recent File List/File3", "/old/3.txt");
    store.setValue("Recent File List/Stray", "x");
    CRecentFileList list(4);
    list.Add("/new/a.txt");
    list.WriteList(store);
  }
  QSettings store(IniPath(), QSettings::IniFormat);
  store.beginGroup("Recent File List");
  EXPECT_EQ(store.allKeys(), QStringList{"File1"});
  EXPECT_EQ(store.value("File1").toString(), "/new/a.txt");
  store.endGroup();

  CRecentFileList empty(4);
  empty.WriteList(store);
  store.sync();
  QSettings reread(IniPath(), QSettings::IniFormat);
  EXPECT_FALSE(reread.childGroups().contains("Recent File List"));
}

TEST_F(RecentFileListStore, HandEditedHolesDuplicatesAndBlanksAreSkippedOnRead) {
  QSettings store(IniPath(), QSettings::IniFormat);
  store.setValue("Recent File List/File1", "");
  store.setValue("Recent File List/File2", "/d/b.txt");
  store.setValue("Recent File List/File4", "/d/./b.txt");
  store.setValue("Recent File List/File3", "/d/c.txt");
  store.setValue("Recent File List/File5", "/d/beyond-the-size.txt");
  CRecentFileList list(4);
  list.Add("/d/previous.txt");
  list.ReadList(store);
  EXPECT_EQ(Entries(list), (QStringList{"/d/b.txt", "/d/c.txt"}));
}

}  // namespace
