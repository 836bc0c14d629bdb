#include <QApplication>

#include <gtest/gtest.h>

// Widgets need a QApplication for the whole run; the tests need a display (Xvfb).
int main(int argc, char** argv) {
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
