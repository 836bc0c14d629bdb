#pragma once

#include <QApplication>
#include <QTest>
#include <QWidget>

// Shows `window` and makes it the active window, which window shortcuts and modal
// ownership need. Without a window manager, activation may need to be asked for.
inline bool ShowActive(QWidget& window) {
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) return false;
  window.activateWindow();
  if (QTest::qWaitForWindowActive(&window, 1000)) return true;
  QApplication::setActiveWindow(&window);
  return QApplication::activeWindow() == &window;
}
