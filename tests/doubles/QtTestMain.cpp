// GoogleTest main for tests that make widgets: an offscreen QApplication with the toolkit's
// default font, as the program has.
#include <gtest/gtest.h>

#include <QApplication>

#include "platform/toolkit/DefaultFont.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  QApplication::setFont(tk::DefaultFont());
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
