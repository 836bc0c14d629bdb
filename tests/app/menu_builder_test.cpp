// The menu bar built from the application's menu table: texts, hints, separators and
// ids as in the table; greying decided by the enabling hook each time a popup opens;
// commands only while enabled; the recent-file region.

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "app/resources/menu_resource.h"
#include "framework/menu_builder.h"
#include "tests/app/ui_test_support.h"

namespace {

class MenuBarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    hooks.onCommand = [this](unsigned id) { commands.push_back(id); };
    hooks.isEnabled = [this](unsigned id) { return enabled.count(id) != 0; };
    hooks.onPopupAboutToShow = [this](QMenu* popup) {
      opened.push_back(popup);
      if (beforeEnabling) beforeEnabling(popup);
    };
    BuildMenuBar(window.menuBar(), kMainFrameMenu, hooks);
    ASSERT_TRUE(ShowActive(window));
  }

  QMenu* Popup(int index) { return window.menuBar()->actions().at(index)->menu(); }

  // Opens the popup as a user would, so aboutToShow runs, then closes it again.
  void OpenAndClose(QMenu* popup) {
    popup->popup(window.mapToGlobal(QPoint(10, 30)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(popup));
    popup->hide();
  }

  std::vector<QString> Texts(QMenu* popup) {
    std::vector<QString> texts;
    for (QAction* a : popup->actions()) texts.push_back(a->isSeparator() ? "-" : a->text());
    return texts;
  }

  QMainWindow window;
  CommandHooks hooks;
  std::set<unsigned> enabled;
  std::vector<unsigned> commands;
  std::vector<QMenu*> opened;
  std::function<void(QMenu*)> beforeEnabling;
};

TEST_F(MenuBarTest, PopupsAndItemsFollowTheTableWithHintsAsTextOnly) {
  const QList<QAction*> popups = window.menuBar()->actions();
  ASSERT_EQ(popups.size(), 4);
  const char* titles[] = {"文件(&F)", "颜色", "编辑(&E)", "帮助(&H)"};
  for (int p = 0; p < 4; ++p) {
    SCOPED_TRACE(p);
    EXPECT_EQ(popups[p]->text(), QString::fromUtf8(titles[p]));
    const MenuPopup& resource = kMainFrameMenu.popups[p];
    const QList<QAction*> items = popups[p]->menu()->actions();
    ASSERT_EQ(items.size(), qsizetype(resource.items.size()));
    for (qsizetype i = 0; i < items.size(); ++i) {
      const MenuItem& item = resource.items[i];
      EXPECT_EQ(items[i]->isSeparator(), IsSeparator(item)) << i;
      EXPECT_EQ(CommandIdOf(items[i]), item.id) << i;
      if (!IsSeparator(item)) {
        EXPECT_EQ(items[i]->text(), QString::fromUtf8(item.text)) << i;
      }
      // The hint after the tab is shown, but is no second shortcut beside the
      // accelerator table's.
      EXPECT_TRUE(items[i]->shortcut().isEmpty()) << i;
    }
  }
  EXPECT_EQ(Popup(0)->actions()[0]->text(), QString::fromUtf8("新建(&N)\tCtrl+N"));
}

TEST_F(MenuBarTest, GreyedItemStartsDisabledAndOthersEnabled) {
  for (QAction* a : Popup(0)->actions()) {
    if (a->isSeparator()) continue;
    EXPECT_EQ(a->isEnabled(), CommandIdOf(a) != 57616) << a->text().toStdString();
  }
}

TEST_F(MenuBarTest, OpeningAPopupAsksEnablingForEveryItem) {
  enabled = {57600, 57601, 57665};
  OpenAndClose(Popup(0));
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0], Popup(0));
  const std::vector<std::pair<unsigned, bool>> expected = {
      {57600, true}, {57601, true}, {57603, false}, {57604, false}, {57616, false}, {57665, true}};
  for (const auto& [id, on] : expected) {
    EXPECT_EQ(FindCommandAction(window.menuBar(), id)->isEnabled(), on) << id;
  }
  // Routing changes between openings: the next opening follows.
  enabled = {57603};
  OpenAndClose(Popup(0));
  EXPECT_FALSE(FindCommandAction(window.menuBar(), 57600)->isEnabled());
  EXPECT_TRUE(FindCommandAction(window.menuBar(), 57603)->isEnabled());
}

TEST_F(MenuBarTest, EditItemsWithoutHandlerShowGreyed) {
  enabled = {32771, 32772, 32773, 32774};
  OpenAndClose(Popup(2));
  for (unsigned id : {57643u, 57635u, 57634u, 57637u}) {
    EXPECT_FALSE(FindCommandAction(window.menuBar(), id)->isEnabled()) << id;
  }
}

TEST_F(MenuBarTest, ChoosingAnItemSendsItsCommandOnlyWhileEnabled) {
  enabled = {32771, 32772, 32773, 32774};
  QMenu* colours = Popup(1);
  colours->popup(window.mapToGlobal(QPoint(10, 30)));
  ASSERT_TRUE(QTest::qWaitForWindowExposed(colours));
  // A real click on "黄色".
  QAction* yellow = colours->actions()[2];
  QTest::mouseClick(colours, Qt::LeftButton, {}, colours->actionGeometry(yellow).center());
  EXPECT_EQ(commands, std::vector<unsigned>{32773});

  // The command was disabled after the popup had been enabled: choosing it does nothing.
  commands.clear();
  OpenAndClose(colours);
  enabled.erase(32774);
  colours->actions()[3]->trigger();
  EXPECT_TRUE(commands.empty());
  colours->actions()[0]->trigger();
  EXPECT_EQ(commands, std::vector<unsigned>{32771});
}

TEST_F(MenuBarTest, RecentFilesReplaceThePlaceholderAndItComesBack) {
  QMenu* file = Popup(0);
  enabled = {57616, 57617, 57618};
  beforeEnabling = [](QMenu* popup) {
    ReplaceRecentFileItems(popup, {"&1 a.txt", "&2 b.txt", "&3 c.txt"});
  };
  OpenAndClose(file);
  EXPECT_EQ(Texts(file), (std::vector<QString>{"新建(&N)\tCtrl+N", "打开(&O)...\tCtrl+O",
                                               "保存(&S)\tCtrl+S", "另存为(&A)...", "-", "&1 a.txt",
                                               "&2 b.txt", "&3 c.txt", "-", "退出(&X)"}));
  for (unsigned id : {57616u, 57617u, 57618u}) {
    QAction* entry = FindCommandAction(file, id);
    ASSERT_NE(entry, nullptr) << id;
    EXPECT_TRUE(entry->isEnabled()) << id;
  }
  FindCommandAction(file, 57617)->trigger();
  EXPECT_EQ(commands, std::vector<unsigned>{57617});

  // The list emptied: the greyed placeholder is back, even though routing enables 57616.
  beforeEnabling = [](QMenu* popup) { ReplaceRecentFileItems(popup, {}); };
  OpenAndClose(file);
  EXPECT_EQ(Texts(file)[5], QString::fromUtf8("最近文件"));
  EXPECT_EQ(Texts(file).size(), 8u);
  EXPECT_FALSE(FindCommandAction(file, 57616)->isEnabled());
  EXPECT_EQ(FindCommandAction(file, 57617), nullptr);
  commands.clear();
  FindCommandAction(file, 57616)->trigger();
  EXPECT_TRUE(commands.empty());
}

TEST_F(MenuBarTest, RecentFileRegionHoldsAtMostSixteenAndOnlyInItsPopup) {
  QStringList many;
  for (int i = 1; i <= 20; ++i) many << QString("&%1 f%1").arg(i);
  ASSERT_TRUE(ReplaceRecentFileItems(Popup(0), many));
  EXPECT_NE(FindCommandAction(Popup(0), 57631), nullptr);
  EXPECT_EQ(Popup(0)->actions().size(), 8 - 1 + 16);
  EXPECT_EQ(Popup(0)->actions()[20]->text(), "&16 f16");
  EXPECT_TRUE(Popup(0)->actions()[21]->isSeparator());
  // Shrinking again replaces the whole region, not just its first item.
  ASSERT_TRUE(ReplaceRecentFileItems(Popup(0), {"&1 x"}));
  EXPECT_EQ(Popup(0)->actions().size(), 8);
  EXPECT_FALSE(ReplaceRecentFileItems(Popup(1), {"&1 x"}));
  EXPECT_EQ(Popup(1)->actions().size(), 4);
}

}  // namespace
