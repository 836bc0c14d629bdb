// Which object carries out each command of the menu and the accelerators, and which
// commands are enabled: the route is view, document, frame, application, and the first
// object with an entry for the command decides.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

#include "app/resource_ids.h"
#include "canvas/vell_view.h"
#include "framework/command_ids.h"
#include "framework/document.h"
#include "framework/frame_wnd.h"
#include "framework/menu_builder.h"
#include "tests/shell/shell_fixture.h"

namespace {

enum class Owner { kView, kDocument, kFrame, kApplication, kNobody };

const char* OwnerName(Owner owner) {
  switch (owner) {
    case Owner::kView: return "view";
    case Owner::kDocument: return "document";
    case Owner::kFrame: return "frame";
    case Owner::kApplication: return "application";
    case Owner::kNobody: return "nobody";
  }
  return "?";
}

struct RouteCase {
  unsigned id;
  Owner owner;
  bool enabled;  // with an empty recent-file list
};

// Every command of the menu bar and the accelerator table.
constexpr RouteCase kRoutes[] = {
    {ID_FILE_NEW, Owner::kApplication, true},
    {ID_FILE_OPEN, Owner::kApplication, true},
    {ID_FILE_SAVE, Owner::kDocument, true},
    {ID_FILE_SAVE_AS, Owner::kDocument, true},
    {ID_FILE_MRU_FILE1, Owner::kApplication, false},
    {ID_APP_EXIT, Owner::kApplication, true},
    {ID_COLOR_RED, Owner::kView, true},
    {ID_COLOR_GREEN, Owner::kView, true},
    {ID_COLOR_YELLOW, Owner::kView, true},
    {ID_COLOR_BLUE, Owner::kView, true},
    {ID_EDIT_UNDO, Owner::kNobody, false},
    {ID_EDIT_CUT, Owner::kNobody, false},
    {ID_EDIT_COPY, Owner::kNobody, false},
    {ID_EDIT_PASTE, Owner::kNobody, false},
    {ID_APP_ABOUT, Owner::kApplication, true},
    {ID_NEXT_PANE, Owner::kFrame, false},
    {ID_PREV_PANE, Owner::kFrame, false},
};

const RouteCase* FindRoute(unsigned id) {
  for (const RouteCase& route : kRoutes) {
    if (route.id == id) return &route;
  }
  return nullptr;
}

class CommandRouting : public ShellTest {
 protected:
  Owner FirstOwner(unsigned id) {
    const std::pair<const CCmdTarget*, Owner> route[] = {
        {frame()->GetActiveView(), Owner::kView},
        {document(), Owner::kDocument},
        {frame(), Owner::kFrame},
        {&app(), Owner::kApplication}};
    for (const auto& [target, owner] : route) {
      if (target && target->HasCommandHandler(id)) return owner;
    }
    return Owner::kNobody;
  }
};

TEST_F(CommandRouting, EveryCommandHasItsOwnerAndEnabling) {
  ASSERT_TRUE(Start());
  for (const RouteCase& route : kRoutes) {
    EXPECT_STREQ(OwnerName(FirstOwner(route.id)), OwnerName(route.owner)) << route.id;
    EXPECT_EQ(frame()->IsCommandEnabled(route.id), route.enabled) << route.id;
  }
}

// Opening a popup greys exactly the items whose commands are disabled, and the table
// above covers every item of the menu bar.
TEST_F(CommandRouting, PopupsShowTheEnablingWhenTheyOpen) {
  ASSERT_TRUE(Start());
  int items = 0;
  for (QAction* popupAction : frame()->menuBar()->actions()) {
    QMenu* popup = popupAction->menu();
    ASSERT_NE(popup, nullptr);
    emit popup->aboutToShow();
    for (const QAction* action : popup->actions()) {
      if (action->isSeparator()) continue;
      const unsigned id = CommandIdOf(action);
      const RouteCase* route = FindRoute(id);
      ASSERT_NE(route, nullptr) << "menu item " << action->text().toStdString();
      EXPECT_EQ(action->isEnabled(), route->enabled) << action->text().toStdString();
      ++items;
    }
  }
  EXPECT_EQ(items, 15);  // 8 File items less 2 separators, 4 colours, 4 Edit less 1, About
}

TEST_F(CommandRouting, RecentFileItemsAreEnabledForOccupiedEntriesOnly) {
  ASSERT_TRUE(Start());
  app().OpenDocumentFile(MakeFile(QStringLiteral("one.txt")));
  EXPECT_TRUE(frame()->IsCommandEnabled(ID_FILE_MRU_FILE1));
  EXPECT_FALSE(frame()->IsCommandEnabled(ID_FILE_MRU_FILE1 + 1));
  const QMenu* popup = OpenFilePopup();
  const QAction* first = ActionOf(popup, ID_FILE_MRU_FILE1);
  ASSERT_NE(first, nullptr);
  EXPECT_TRUE(first->text().startsWith(QStringLiteral("&1 "))) << first->text().toStdString();
  EXPECT_TRUE(first->text().endsWith(QStringLiteral("one.txt"))) << first->text().toStdString();
  EXPECT_TRUE(first->isEnabled());
}

TEST_F(CommandRouting, ColourCommandsReachTheViewAndEditCommandsNobody) {
  ASSERT_TRUE(Start());
  const float blueBefore = view()->brush.inkBlue();
  const float redBefore = view()->brush.inkRed();
  EXPECT_TRUE(Route(ID_COLOR_YELLOW));
  EXPECT_TRUE(view()->brush.inkBlue() != blueBefore || view()->brush.inkRed() != redBefore);
  for (unsigned id : {ID_EDIT_UNDO, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, ID_NEXT_PANE}) {
    EXPECT_FALSE(Route(id)) << id;
  }
  EXPECT_TRUE(prompts().messages.empty());
}

TEST_F(CommandRouting, AboutShowsTheAboutBoxModally) {
  ASSERT_TRUE(Start());
  // The box runs its own modal loop; a timer inside that loop reads and closes it.
  QString shownTitle;
  QTimer closer;
  closer.setInterval(50);
  QObject::connect(&closer, &QTimer::timeout, [&] {
    if (QWidget* box = QApplication::activeModalWidget()) {
      shownTitle = box->windowTitle();
      box->close();
    }
  });
  closer.start();
  EXPECT_TRUE(Route(ID_APP_ABOUT));
  EXPECT_EQ(shownTitle, QStringLiteral("关于 "));
}

// A view that takes New itself and says Open is disabled: the view is asked first, so
// the application's handlers for the two never run.
class CShadowingView : public CVellView {
 public:
  CShadowingView() {
    OnCommand(ID_FILE_NEW, &CShadowingView::OnOwnNew);
    OnUpdateCommand(ID_FILE_OPEN, &CShadowingView::IsOpenEnabled);
  }
  void OnOwnNew() { ++newCount; }
  bool IsOpenEnabled() const { return false; }
  static inline int newCount = 0;
};

TEST_F(CommandRouting, TheFirstHandlerOnTheRouteWins) {
  CShadowingView::newCount = 0;
  ASSERT_TRUE(StartWithView(RUNTIME_CLASS(CShadowingView)));
  app().OpenDocumentFile(MakeFile(QStringLiteral("kept.txt")));
  EXPECT_TRUE(Route(ID_FILE_NEW));
  EXPECT_EQ(CShadowingView::newCount, 1);
  EXPECT_EQ(Caption(), QStringLiteral("kept.txt - Kalmo"));  // the application's New did not run

  EXPECT_FALSE(frame()->IsCommandEnabled(ID_FILE_OPEN));
  EXPECT_FALSE(Route(ID_FILE_OPEN));
  EXPECT_TRUE(prompts().dialogs.empty());
}

// Shortcut keys go through the same route and the same enabling as the items.
TEST_F(CommandRouting, ShortcutsActAsTheirItemsWhenEnabled) {
  CShadowingView::newCount = 0;
  ASSERT_TRUE(StartWithView(RUNTIME_CLASS(CShadowingView)));
  QWindow* surface = frame()->GetActiveView()->surface();
  QTest::keyClick(surface, Qt::Key_N, Qt::ControlModifier);
  EXPECT_EQ(CShadowingView::newCount, 1);
  QTest::keyClick(surface, Qt::Key_O, Qt::ControlModifier);  // disabled by the view
  EXPECT_TRUE(prompts().dialogs.empty());
  QTest::keyClick(surface, Qt::Key_S, Qt::ControlModifier);  // a new document: Save As
  ASSERT_EQ(prompts().dialogs.size(), 1u);
  EXPECT_EQ(prompts().dialogs[0].title, QStringLiteral("另存为"));
}

TEST_F(CommandRouting, CtrlNAndCtrlOReachTheApplication) {
  ASSERT_TRUE(Start());
  app().OpenDocumentFile(MakeFile(QStringLiteral("a.txt")));
  QWindow* surface = frame()->GetActiveView()->surface();
  QTest::keyClick(surface, Qt::Key_N, Qt::ControlModifier);
  EXPECT_EQ(Caption(), QStringLiteral("标题 - Kalmo"));
  prompts().openAnswers.push_back(FilePath(QStringLiteral("a.txt")));
  QTest::keyClick(surface, Qt::Key_O, Qt::ControlModifier);
  EXPECT_EQ(Caption(), QStringLiteral("a.txt - Kalmo"));
  // The Edit shortcuts have no handler and do nothing, the ink included.
  const float red = view()->brush.inkRed();
  QTest::keyClick(surface, Qt::Key_Z, Qt::ControlModifier);
  QTest::keyClick(surface, Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_EQ(view()->brush.inkRed(), red);
  EXPECT_EQ(Caption(), QStringLiteral("a.txt - Kalmo"));
  EXPECT_EQ(prompts().dialogs.size(), 1u);
}

}  // namespace
