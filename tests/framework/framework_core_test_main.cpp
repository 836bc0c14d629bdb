#include <QCoreApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// The whole run sees a fresh, empty configuration directory; it must be in place
// before the first QSettings use, because Qt reads it only once per process.
int main(int argc, char** argv) {
  QTemporaryDir configHome;
  if (!configHome.isValid()) return 2;
  qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
