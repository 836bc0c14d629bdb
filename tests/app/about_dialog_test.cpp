// The About box: laid out in pixels from its dialog units and font, its icons found in
// the resource file, and ended by the button, Enter, Esc and the close box with the
// right result, owned by the active main window.

#include <QDialog>
#include <QFontInfo>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

#include "app/about_dlg.h"
#include "app/resources/about_dialog_resource.h"
#include "app/resources/icon_resource.h"
#include "framework/dialog.h"
#include "tests/app/ui_test_support.h"

namespace {

TEST(MapDialogRect, QuarterAndEighthOfTheBaseUnitsRoundedToNearest) {
  const struct {
    QRect dialogUnits;
    DialogBaseUnits units;
    QRect pixels;
  } cases[] = {
      {{178, 7, 50, 14}, {7, 15}, {312, 13, 88, 26}},  // 311.5 -> 312, 13.125 -> 13, 87.5 -> 88
      {{0, 0, 235, 55}, {6, 12}, {0, 0, 353, 83}},     // 352.5 -> 353, 82.5 -> 83
      {{11, 17, 20, 20}, {8, 16}, {22, 34, 40, 40}},
      {{1, 1, 1, 1}, {1, 3}, {0, 0, 0, 0}},            // 0.25 and 0.375 round down
  };
  for (const auto& c : cases) EXPECT_EQ(MapDialogRect(c.dialogUnits, c.units), c.pixels);
}

QLabel* LabelWithText(QDialog& dialog, const QString& text) {
  for (QLabel* label : dialog.findChildren<QLabel*>()) {
    if (label->text() == text) return label;
  }
  return nullptr;
}

TEST(AboutDialogLayout, PixelsFromDialogUnitsOfItsFont) {
  EnsureAppResources();
  std::unique_ptr<QDialog> dialog = CreateDialogWindow(kAboutBoxTemplate, nullptr);
  EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8("关于 "));
  // "宋体" 9 pt, or an installed CJK face that has the dialog's characters.
  const QFont font = dialog->font();
  EXPECT_EQ(font.pointSize(), 9);
  const QFontMetrics metrics(font);
  for (char32_t c : {U'关', U'于', U'版', U'确', U'定'}) EXPECT_TRUE(metrics.inFontUcs4(c)) << QFontInfo(font).family().toStdString();

  const DialogBaseUnits u = DialogBaseUnitsOf(font);
  ASSERT_GT(u.x, 2);
  ASSERT_GT(u.y, 8);
  auto px = [&](int x, int y, int cx, int cy) { return MapDialogRect({x, y, cx, cy}, u); };
  EXPECT_EQ(dialog->size(), px(0, 0, 235, 55).size());
  EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());  // a modal frame: fixed size

  QPushButton* ok = dialog->findChild<QPushButton*>();
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ(ok->text(), QString::fromUtf8("确定"));
  EXPECT_EQ(ok->geometry(), px(178, 7, 50, 14));
  EXPECT_TRUE(ok->isDefault());
  EXPECT_EQ(ok->property("vellControlId").toInt(), 1);

  QLabel* version = LabelWithText(*dialog, QString::fromUtf8(" 1.0 版"));
  ASSERT_NE(version, nullptr);
  EXPECT_EQ(version->geometry(), px(40, 10, 119, 8));
  QLabel* second = LabelWithText(*dialog, QString::fromUtf8(kAboutBoxTemplate.controls[2].text));
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second->geometry(), px(40, 25, 119, 8));
  // The second line fits its 119 x 8 units on one line.
  EXPECT_LE(metrics.horizontalAdvance(second->text()), second->width());
  EXPECT_LE(metrics.height(), second->height());

  // The icon static sizes itself to the system icon, at its template position.
  QLabel* icon = nullptr;
  for (QLabel* label : dialog->findChildren<QLabel*>()) if (!label->pixmap().isNull()) icon = label;
  ASSERT_NE(icon, nullptr);
  EXPECT_EQ(icon->pos(), px(11, 17, 20, 20).topLeft());
  EXPECT_EQ(icon->pixmap().size(), QSize(32, 32));
  // Every control lies inside the client area.
  for (QWidget* child : dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    EXPECT_TRUE(dialog->rect().contains(child->geometry())) << child->metaObject()->className();
  }
}

TEST(AppIcons, ResourceFileHoldsBothIconsWithTheirSizes) {
  const QIcon main = LoadAppIcon(128);
  ASSERT_FALSE(main.isNull());
  EXPECT_TRUE(main.availableSizes().contains(QSize(64, 64)));
  const QIcon document = LoadAppIcon(129);
  ASSERT_FALSE(document.isNull());
  EXPECT_TRUE(document.availableSizes().contains(QSize(32, 32)));
  EXPECT_TRUE(document.availableSizes().contains(QSize(16, 16)));
  EXPECT_TRUE(LoadAppIcon(130).isNull());
}

// Runs the About box modally (the main window must be active); `end` acts on the dialog
// once it shows. Returns DoModal's result; a dialog that does not end is closed with
// 99 after a few seconds so the test fails instead of hanging.
int RunAboutBox(const std::function<void(QDialog*)>& end, QWidget** ownerSeen) {
  CAboutDlg about;
  QTimer::singleShot(0, [&] {
    (void)QTest::qWaitFor([&] { return about.window() && about.window()->isVisible(); }, 3000);
    QDialog* dialog = about.window();
    if (dialog == nullptr) return;
    *ownerSeen = dialog->parentWidget();
    EXPECT_EQ(QApplication::activeModalWidget(), dialog);
    end(dialog);
  });
  // A watchdog that ends a box nobody closed; it dies with this call, so it can never
  // fire into a later test.
  QTimer watchdog;
  watchdog.setSingleShot(true);
  QObject::connect(&watchdog, &QTimer::timeout, [&] { about.EndDialog(99); });
  watchdog.start(5000);
  return about.DoModal();
}

TEST(AboutDialogRun, ButtonEnterEscAndCloseBoxEndIt) {
  QMainWindow main;
  main.resize(400, 300);
  ASSERT_TRUE(ShowActive(main));
  auto focusOf = [](QDialog* d) -> QWidget* {
    QWidget* focus = QApplication::focusWidget();
    return focus && focus->window() == d ? focus : d;
  };
  const struct {
    const char* how;
    std::function<void(QDialog*)> end;
    int result;
  } cases[] = {
      {"button", [](QDialog* d) { QTest::mouseClick(d->findChild<QPushButton*>(), Qt::LeftButton); }, 1},
      {"Enter", [&](QDialog* d) { QTest::keyClick(focusOf(d), Qt::Key_Return); }, 1},
      {"keypad Enter", [&](QDialog* d) { QTest::keyClick(focusOf(d), Qt::Key_Enter, Qt::KeypadModifier); }, 1},
      {"Esc", [&](QDialog* d) { QTest::keyClick(focusOf(d), Qt::Key_Escape); }, 2},
      {"close box", [](QDialog* d) { d->close(); }, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.how);
    QWidget* owner = nullptr;
    EXPECT_EQ(RunAboutBox(c.end, &owner), c.result);
    EXPECT_EQ(owner, &main);
    ASSERT_TRUE(ShowActive(main));
  }
}

TEST(AboutDialogRun, GivenParentIsTheOwner) {
  QMainWindow main;
  QWidget other;
  ASSERT_TRUE(ShowActive(main));
  CDialog dialog(kAboutBoxTemplate, &other);
  QWidget* owner = nullptr;
  QTimer::singleShot(0, [&] {
    (void)QTest::qWaitFor([&] { return dialog.window() != nullptr; }, 3000);
    if (dialog.window() == nullptr) return;
    owner = dialog.window()->parentWidget();
    dialog.EndDialog(2);
  });
  EXPECT_EQ(dialog.DoModal(), 2);
  EXPECT_EQ(owner, &other);
  EXPECT_EQ(dialog.window(), nullptr);
}

}  // namespace
