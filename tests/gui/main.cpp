// The GUI tests run headless on the offscreen platform, at 96 DPI, with the
// program's own application object so that the book window previews keys
// exactly as in the program.

#include <gtest/gtest.h>

#include <QLocale>

#include "gui/shell/application.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("QT_FONT_DPI", "96");
  QLocale::setDefault(QLocale::c());
  tq::TApplication app(argc, argv);
  app.setQuitOnLastWindowClosed(false);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
