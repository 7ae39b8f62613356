#include "gui/shell/application.h"

#include <QApplication>
#include <QWidget>

#include "core/shell/host.h"
#include "core/shell/strings.h"
#include "gui/shell/qt_host.h"
#include "gui/shell/qt_text.h"

namespace tq {

int RunApplication(int argc, char** argv) {
  QApplication app(argc, argv);
  QtHost host;
  SetHost(&host);
  QWidget book;
  book.setWindowTitle(ToQString(Str(kStrProgramTitle)));
  book.setFixedSize(898, 739);
  host.SetParentWindow(&book);
  book.show();
  int rc = app.exec();
  SetHost(nullptr);
  return rc;
}

}  // namespace tq
