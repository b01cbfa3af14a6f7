// Painting text needs a QGuiApplication; the tests paint offscreen, without a display.
#include <gtest/gtest.h>

#include <QGuiApplication>

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  int qtArgc = 3;
  char program[] = "render_tests", platformOption[] = "-platform", offscreen[] = "offscreen";
  char* qtArgv[] = {program, platformOption, offscreen, nullptr};
  QGuiApplication app(qtArgc, qtArgv);
  return RUN_ALL_TESTS();
}
