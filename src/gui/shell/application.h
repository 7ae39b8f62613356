#pragma once
// The program block: creates the application, the book window and the
// navigation bar, and hands control to the main controller (which makes the
// storage forms once the window is up).

#include <QApplication>

#include "gui/shell/main_controller.h"

namespace tq {

// The application object. The book window previews every key on its way to
// one of its controls, once per key, before the control sees it.
class TApplication : public QApplication {
 public:
  TApplication(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
};

// Creates the windows, runs the main controller and frees the windows.
// Needs an application object and an installed Host. Returns the exit code.
int RunProgram(const StartOptions& options);

// The whole program: application, Qt host, RunProgram.
int RunApplication(int argc, char** argv);

}  // namespace tq
