// GUI tests need one QApplication for the whole run, made before any widget.
#include <gtest/gtest.h>

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  // Listing the tests (CTest's discovery at build time) needs no display.
  if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
  QApplication app(argc, argv);
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  return RUN_ALL_TESTS();
}
