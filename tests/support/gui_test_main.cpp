// The main of the GUI tests: a QApplication on the test's X server, with the user's
// configuration directory pointed at a fresh temporary folder first, so no test reads or
// writes real settings.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  QTemporaryDir configHome;
  qputenv("XDG_CONFIG_HOME", configHome.path().toUtf8());
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
