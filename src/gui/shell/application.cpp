#include "gui/shell/application.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <memory>

#include "core/shell/host.h"
#include "core/shell/strings.h"
#include "core/shell/user_folders.h"
#include "gui/exercises/event_registry.h"
#include "gui/review/builder_view.h"
#include "gui/review/choose_text_view.h"
#include "gui/shell/book_form.h"
#include "gui/shell/navigate.h"
#include "gui/shell/qt_host.h"
#include "gui/shell/qt_text.h"
#include "gui/storage/storage_forms.h"
#include "gui/widgets/controls.h"

namespace tq {

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TApplication::notify(QObject* receiver, QEvent* event) {
  const QEvent::Type type = event->type();
  if ((type == QEvent::KeyPress || type == QEvent::KeyRelease) && receiver->isWidgetType()) {
    auto* book = dynamic_cast<TBookForm*>(static_cast<QWidget*>(receiver)->window());
    if (book && book->PreviewKeyEvent(static_cast<QKeyEvent*>(event))) return true;
  } else if (type == QEvent::MouseButtonPress && receiver->isWidgetType()) {
    if (auto* book = dynamic_cast<TBookForm*>(static_cast<QWidget*>(receiver)->window())) {
      book->UserInput();
      if (book->RefusePastedInput(*event)) return true;
    }
  } else if (type == QEvent::InputMethod && receiver->isWidgetType()) {
    if (auto* book = dynamic_cast<TBookForm*>(static_cast<QWidget*>(receiver)->window()))
      if (book->RefusePastedInput(*event)) return true;
  }
  return QApplication::notify(receiver, event);
}

int RunProgram(const StartOptions& options) {
  auto book = std::make_unique<TBookForm>();
  SetBookForm(book.get());
  RegisterEventPages();
  RegisterReviewEvents();
  InstallStoryPage();
  auto navigate = std::make_unique<TNavigate>(book.get());
  TMain::SetNavigate(navigate.get());

  const int rc = TMain::Run(options);

  TMain::SetNavigate(nullptr);
  navigate.reset();
  UnregisterEventPages();
  DestroyStorageForms();
  SetBookForm(nullptr);
  book.reset();
  return rc;
}

int RunApplication(int argc, char** argv) {
  TApplication app(argc, argv);
  app.setApplicationName(ToQString(Str(kStrProgramTitle)));
  // The program ends when the main controller returns, not when the last
  // window closes.
  app.setQuitOnLastWindowClosed(false);
  // The book's own font, so that no other face is loaded for message boxes.
  app.setFont(PointFont("Arial", 9));
  QtHost host;
  SetHost(&host);
  StartOptions options;
  const QString exeDir = QCoreApplication::applicationDirPath();
  // Built, the material lies beside the program; installed, in share/tapquill.
  QString programDir = exeDir;
  if (!QFileInfo::exists(exeDir + QStringLiteral("/KLDef.ini")))
    programDir = QDir::cleanPath(exeDir + QStringLiteral("/../share/tapquill"));
  options.programDir = programDir.toStdString();
  options.readOnlyProgram =
      IsReadOnlyProgramDir(options.programDir, exeDir.toStdString()) ||
      QCoreApplication::arguments().contains(QLatin1String(kPerUserDataOption));
  const int rc = RunProgram(options);
  SetHost(nullptr);
  return rc;
}

}  // namespace tq
