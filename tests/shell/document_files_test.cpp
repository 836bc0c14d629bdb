// The File commands on the document that holds no data: what the caption, the files on
// disk, the canvas and the dialogs show after each.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "canvas/vell_view.h"
#include "framework/command_ids.h"
#include "framework/document.h"
#include "framework/frame_wnd.h"
#include "tests/shell/shell_fixture.h"

namespace {

const QString kNewCaption = QStringLiteral("标题 - Kalmo");

class DocumentFiles : public ShellTest {
 protected:
  void SetUp() override { ASSERT_TRUE(Start()); }

  // Lays a short stroke on the canvas and returns how many particles it holds.
  std::int64_t DrawStroke() {
    view()->OnLButtonDown(MK_LBUTTON, QPoint(20, 20));
    view()->OnMouseMove(MK_LBUTTON, QPoint(20, 20));
    view()->OnMouseMove(MK_LBUTTON, QPoint(60, 40));
    view()->OnLButtonUp(0, QPoint(60, 40));
    return view()->brush.count();
  }
};

TEST_F(DocumentFiles, CaptionFollowsNewOpenAndSaveAs) {
  EXPECT_EQ(Caption(), kNewCaption);
  EXPECT_EQ(document()->GetTitle(), QStringLiteral("标题"));

  app().OpenDocumentFile(MakeFile(QStringLiteral("letter.txt"), "text"));
  EXPECT_EQ(Caption(), QStringLiteral("letter.txt - Kalmo"));

  prompts().saveAnswers.push_back(FilePath(QStringLiteral("copy.ink")));
  EXPECT_TRUE(Route(ID_FILE_SAVE_AS));
  EXPECT_EQ(Caption(), QStringLiteral("copy.ink - Kalmo"));
  EXPECT_EQ(document()->GetPathName(), FilePath(QStringLiteral("copy.ink")));

  EXPECT_TRUE(Route(ID_FILE_NEW));
  EXPECT_EQ(Caption(), kNewCaption);
  EXPECT_TRUE(document()->GetPathName().isEmpty());
  EXPECT_TRUE(prompts().messages.empty());
}

TEST_F(DocumentFiles, OpenAsksWithItsTitleAndFilterAndLeavesFileAndCanvasAlone) {
  const std::int64_t particles = DrawStroke();
  ASSERT_GT(particles, 0);
  const QString path = MakeFile(QStringLiteral("photo.bmp"), "BM not really a bitmap");
  prompts().openAnswers.push_back(path);
  EXPECT_TRUE(Route(ID_FILE_OPEN));

  ASSERT_EQ(prompts().dialogs.size(), 1u);
  EXPECT_EQ(prompts().dialogs[0].kind, ScriptedPrompts::Dialog::kOpen);
  EXPECT_EQ(prompts().dialogs[0].title, QStringLiteral("打开"));
  EXPECT_EQ(prompts().dialogs[0].filterLabel, QStringLiteral("所有文件(*.*)"));
  EXPECT_EQ(Caption(), QStringLiteral("photo.bmp - Kalmo"));
  EXPECT_EQ(RecentFiles().value(0), path);
  EXPECT_EQ(ReadFile(path), QByteArray("BM not really a bitmap"));
  EXPECT_EQ(view()->brush.count(), particles);
  EXPECT_FALSE(document()->IsModified());
}

TEST_F(DocumentFiles, CancelledDialogsChangeNothing) {
  const QString path = MakeFile(QStringLiteral("kept.txt"));
  app().OpenDocumentFile(path);
  EXPECT_TRUE(Route(ID_FILE_OPEN));     // no answer queued: cancelled
  EXPECT_TRUE(Route(ID_FILE_SAVE_AS));  // likewise
  EXPECT_EQ(prompts().dialogs.size(), 2u);
  EXPECT_EQ(Caption(), QStringLiteral("kept.txt - Kalmo"));
  EXPECT_EQ(document()->GetPathName(), path);
  EXPECT_EQ(RecentFiles(), QStringList{path});
}

TEST_F(DocumentFiles, EmptyFileAndRelativePathOpen) {
  QDir::setCurrent(filesDir.path());
  MakeFile(QStringLiteral("sub/empty.txt"));
  EXPECT_NE(app().OpenDocumentFile(QStringLiteral("sub/../sub/empty.txt")), nullptr);
  QDir::setCurrent(QStringLiteral(VELL_SOURCE_DIR));
  EXPECT_EQ(document()->GetPathName(), FilePath(QStringLiteral("sub/empty.txt")));
  EXPECT_EQ(RecentFiles().value(0), FilePath(QStringLiteral("sub/empty.txt")));
  EXPECT_EQ(Caption(), QStringLiteral("empty.txt - Kalmo"));
}

// Opening the document's own file again only brings the window forward: the file is
// not opened again, so even a file deleted meanwhile gives no error.
TEST_F(DocumentFiles, OpeningTheOpenFileAgainOnlyActivates) {
  const QString path = MakeFile(QStringLiteral("same.txt"));
  app().OpenDocumentFile(path);
  app().OpenDocumentFile(MakeFile(QStringLiteral("other.txt")));
  app().OpenDocumentFile(path);
  ASSERT_TRUE(QFile::remove(path));
  EXPECT_EQ(app().OpenDocumentFile(path), document());
  EXPECT_TRUE(prompts().messages.empty());
  EXPECT_EQ(RecentFiles(), (QStringList{path, FilePath(QStringLiteral("other.txt"))}));
}

TEST_F(DocumentFiles, FailedOpenKeepsTheDocumentAndReportsCaptionedVell) {
  const QString kept = MakeFile(QStringLiteral("kept.txt"));
  app().OpenDocumentFile(kept);
  QDir().mkpath(FilePath(QStringLiteral("folder")));
  // A named pipe would block the open for good if it were opened like a file.
  ASSERT_EQ(::mkfifo(FilePath(QStringLiteral("pipe")).toUtf8().constData(), 0600), 0);
  for (const QString& bad : {FilePath(QStringLiteral("missing.txt")), FilePath(QStringLiteral("folder")),
                             FilePath(QStringLiteral("pipe"))}) {
    prompts().messages.clear();
    EXPECT_EQ(app().OpenDocumentFile(bad), nullptr) << bad.toStdString();
    ASSERT_EQ(prompts().messages.size(), 1u) << bad.toStdString();
    EXPECT_EQ(prompts().messages[0].caption, QStringLiteral("Vell"));
    EXPECT_TRUE(prompts().messages[0].text.contains(bad)) << prompts().messages[0].text.toStdString();
    EXPECT_EQ(document()->GetPathName(), kept);
    EXPECT_EQ(Caption(), QStringLiteral("kept.txt - Kalmo"));
    EXPECT_EQ(RecentFiles(), QStringList{kept});
  }
}

// Save of a document whose file exists must not destroy a file the program only opened.
TEST_F(DocumentFiles, SaveLeavesAnOpenedFileIntact) {
  const QString path = MakeFile(QStringLiteral("precious.txt"), "years of work\n");
  app().OpenDocumentFile(path);
  EXPECT_TRUE(Route(ID_FILE_SAVE));
  EXPECT_EQ(ReadFile(path), QByteArray("years of work\n"));
  EXPECT_TRUE(prompts().dialogs.empty());
  EXPECT_TRUE(prompts().messages.empty());
  EXPECT_EQ(Caption(), QStringLiteral("precious.txt - Kalmo"));
}

// Without a file to save into, Save is Save As, proposing the title without extension.
TEST_F(DocumentFiles, SaveWithoutAFileAsksAsSaveAs) {
  const struct {
    const char* what;
    bool openFirst;
    const char* proposed;
  } cases[] = {
      {"a new document", false, "标题"},
      {"a file that vanished", true, "notes"},
  };
  for (const auto& c : cases) {
    Route(ID_FILE_NEW);
    prompts().dialogs.clear();
    if (c.openFirst) {
      const QString path = MakeFile(QStringLiteral("notes.txt"), "x");
      app().OpenDocumentFile(path);
      ASSERT_TRUE(QFile::remove(path));
    }
    const QString target = FilePath(QString::fromUtf8(c.what) + QStringLiteral(".out"));
    prompts().saveAnswers.push_back(target);
    EXPECT_TRUE(Route(ID_FILE_SAVE)) << c.what;
    ASSERT_EQ(prompts().dialogs.size(), 1u) << c.what;
    EXPECT_EQ(prompts().dialogs[0].kind, ScriptedPrompts::Dialog::kSave);
    EXPECT_EQ(prompts().dialogs[0].title, QStringLiteral("另存为"));
    EXPECT_EQ(prompts().dialogs[0].proposedName, QString::fromUtf8(c.proposed)) << c.what;
    EXPECT_EQ(prompts().dialogs[0].filterLabel, QStringLiteral("所有文件(*.*)"));
    EXPECT_EQ(ReadFile(target), QByteArray()) << c.what;
    EXPECT_EQ(RecentFiles().value(0), target) << c.what;
  }
}

// Save As writes an empty file, also over an existing one once the dialog has had the
// replacement confirmed.
TEST_F(DocumentFiles, SaveAsWritesZeroBytes) {
  const std::int64_t particles = DrawStroke();
  const QString fresh = FilePath(QStringLiteral("fresh.dat"));
  const QString existing = MakeFile(QStringLiteral("existing.dat"), "old content");
  for (const QString& target : {fresh, existing}) {
    prompts().saveAnswers.push_back(target);
    EXPECT_TRUE(Route(ID_FILE_SAVE_AS));
    EXPECT_TRUE(QFileInfo::exists(target)) << target.toStdString();
    EXPECT_EQ(QFileInfo(target).size(), 0) << target.toStdString();
    EXPECT_EQ(document()->GetPathName(), target);
  }
  EXPECT_EQ(RecentFiles(), (QStringList{existing, fresh}));
  EXPECT_EQ(view()->brush.count(), particles);
  EXPECT_TRUE(prompts().messages.empty());
}

TEST_F(DocumentFiles, FailedSaveAsKeepsTheDocument) {
  const QString kept = MakeFile(QStringLiteral("kept.txt"), "k");
  app().OpenDocumentFile(kept);
  const QString impossible = FilePath(QStringLiteral("no-such-folder/out.txt"));
  prompts().saveAnswers.push_back(impossible);
  EXPECT_TRUE(Route(ID_FILE_SAVE_AS));
  ASSERT_EQ(prompts().messages.size(), 1u);
  EXPECT_EQ(prompts().messages[0].caption, QStringLiteral("Vell"));
  EXPECT_FALSE(QFileInfo::exists(impossible));
  EXPECT_EQ(document()->GetPathName(), kept);
  EXPECT_EQ(Caption(), QStringLiteral("kept.txt - Kalmo"));
  EXPECT_EQ(RecentFiles(), QStringList{kept});
  EXPECT_EQ(ReadFile(kept), QByteArray("k"));
}

TEST(ProposedSaveName, CutsAtTheFirstSeparatorAndDropsTheExtension) {
  const struct {
    const char* title;
    const char* proposed;
  } cases[] = {
      {"标题", "标题"},         {"report.txt", "report"}, {"a.b.c", "a.b"},
      {"draft:2.txt", "draft"}, {"x\\y.txt", "x"},        {".profile", ".profile"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CDocument::ProposedSaveName(QString::fromUtf8(c.title)), QString::fromUtf8(c.proposed))
        << c.title;
  }
}

TEST_F(DocumentFiles, NewAndExitNeverAskAndKeepTheStrokes) {
  const std::int64_t particles = DrawStroke();
  app().OpenDocumentFile(MakeFile(QStringLiteral("a.txt")));
  EXPECT_TRUE(Route(ID_FILE_NEW));
  EXPECT_EQ(view()->brush.count(), particles);
  EXPECT_EQ(Caption(), kNewCaption);
  EXPECT_TRUE(Route(ID_APP_EXIT));
  EXPECT_FALSE(frame()->isVisible());
  EXPECT_TRUE(prompts().dialogs.empty());
  EXPECT_TRUE(prompts().messages.empty());
}

}  // namespace
