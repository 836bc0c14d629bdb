// The accelerator table on a shown window: each key runs its command only while the
// command is enabled, a disabled command's key does nothing, and keys that are not in
// the table (the digits) reach the focused view.

#include <QKeyEvent>
#include <QShortcut>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "app/resources/accelerator_resource.h"
#include "framework/accelerator_table.h"
#include "tests/app/expected_accelerators.h"
#include "tests/app/ui_test_support.h"

namespace {

// Stands in for the view: records the key presses that reach it, leaving out the
// presses of the modifier keys themselves, which QTest sends around a chord.
class KeyRecorder : public QWidget {
 public:
  using QWidget::QWidget;
  std::vector<int> keys;

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    const int key = event->key();
    if (key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Meta) return;
    keys.push_back(key);
  }
};


class AcceleratorWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    hooks.onCommand = [this](unsigned id) { commands.push_back(id); };
    hooks.isEnabled = [this](unsigned id) { return enabled.count(id) != 0; };
    window.resize(200, 150);
    view.setGeometry(0, 0, 200, 150);
    view.setFocusPolicy(Qt::StrongFocus);
    shortcuts = InstallAccelerators(&window, kMainFrameAccelerators, hooks);
    ASSERT_TRUE(ShowActive(window));
    view.setFocus();
    ASSERT_TRUE(QTest::qWaitFor([this] { return view.hasFocus(); }, 1000));
  }

  QWidget window;
  KeyRecorder view{&window};
  CommandHooks hooks;
  std::set<unsigned> enabled;
  std::vector<unsigned> commands;
  std::vector<QShortcut*> shortcuts;
};

TEST_F(AcceleratorWindowTest, EachKeyRunsItsCommandWhenEnabled) {
  EXPECT_EQ(shortcuts.size(), 13u);
  for (const ExpectedAccelerator& k : kExpectedAccelerators) {
    SCOPED_TRACE(QKeySequence(QKeyCombination(k.modifiers, k.key)).toString().toStdString());
    enabled = {k.id};
    commands.clear();
    view.keys.clear();
    QTest::keyClick(&view, k.key, k.modifiers);
    EXPECT_EQ(commands, std::vector<unsigned>{k.id});
    EXPECT_TRUE(view.keys.empty());
  }
}

TEST_F(AcceleratorWindowTest, DisabledCommandsKeyDoesNothing) {
  // Everything else enabled, so a wrong id would show up.
  for (const ExpectedAccelerator& k : kExpectedAccelerators) {
    SCOPED_TRACE(k.id);
    enabled.clear();
    for (const ExpectedAccelerator& other : kExpectedAccelerators) enabled.insert(other.id);
    enabled.erase(k.id);
    commands.clear();
    QTest::keyClick(&view, k.key, k.modifiers);
    EXPECT_TRUE(commands.empty());
  }
}

TEST_F(AcceleratorWindowTest, DigitsAndOtherKeysReachTheView) {
  for (const ExpectedAccelerator& k : kExpectedAccelerators) enabled.insert(k.id);
  for (int digit = Qt::Key_1; digit <= Qt::Key_8; ++digit) {
    QTest::keyClick(&view, Qt::Key(digit));
  }
  // Modifiers must match exactly: these are no accelerators.
  QTest::keyClick(&view, Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
  QTest::keyClick(&view, Qt::Key_N);
  QTest::keyClick(&view, Qt::Key_F6, Qt::ControlModifier);
  EXPECT_TRUE(commands.empty());
  EXPECT_EQ(view.keys, (std::vector<int>{Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5,
                                         Qt::Key_6, Qt::Key_7, Qt::Key_8, Qt::Key_N, Qt::Key_N,
                                         Qt::Key_F6}));
}

// The frame's own path: key presses offered to TranslateAccelerator before the view.
TEST(TranslateAccelerator, MatchesExactlyAndRunsOnlyEnabledCommands) {
  std::vector<unsigned> commands;
  std::set<unsigned> enabled = {57600, 57637, 57681};
  CommandHooks hooks{[&](unsigned id) { commands.push_back(id); },
                     [&](unsigned id) { return enabled.count(id) != 0; },
                     {}};
  const struct {
    int key;
    Qt::KeyboardModifiers modifiers;
    bool isAccelerator;
    std::vector<unsigned> runs;
  } cases[] = {
      {Qt::Key_N, Qt::ControlModifier, true, {57600}},
      {Qt::Key_Insert, Qt::ShiftModifier | Qt::KeypadModifier, true, {57637}},  // keypad Ins
      {Qt::Key_F6, Qt::ShiftModifier, true, {57681}},
      {Qt::Key_F6, Qt::NoModifier, true, {}},            // disabled: used up, nothing runs
      {Qt::Key_Backspace, Qt::AltModifier, true, {}},
      {Qt::Key_N, Qt::ControlModifier | Qt::AltModifier, false, {}},
      {Qt::Key_1, Qt::NoModifier, false, {}},
      {Qt::Key_1, Qt::KeypadModifier, false, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.key);
    commands.clear();
    QKeyEvent press(QEvent::KeyPress, c.key, c.modifiers);
    EXPECT_EQ(TranslateAccelerator(kMainFrameAccelerators, press, hooks), c.isAccelerator);
    EXPECT_EQ(commands, c.runs);
    QKeyEvent release(QEvent::KeyRelease, c.key, c.modifiers);
    EXPECT_FALSE(TranslateAccelerator(kMainFrameAccelerators, release, hooks));
  }
}

}  // namespace
