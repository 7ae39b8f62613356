#pragma once
// TMain: the life of the program from the first instruction to the last.
// It prepares the book window, reads the settings, opens the sounds, loads
// the keyboard layout, makes sure a user base exists, signs a student in
// and then runs the tab loop: the page behind the selected tab runs until
// the student picks another tab or closes the window. There is no global
// event loop: every page runs its own, and the tab loop sits above them.
//
// The book window and the navigation bar exist before Run (the program
// block creates them); the storage forms are made once the window shows.

#include <string>

class QWidget;

namespace tq {

class TNavigate;

struct StartOptions {
  // The program directory (the executable's); it becomes the current one.
  std::string programDir;
  // Where a per-machine setup file is looked for; empty: the user's
  // configuration folder.
  std::string windowsDir;
  // The program directory must not be written: settings, records and the
  // error log go to the per-user folders.
  bool readOnlyProgram = false;
};

// The command-line option that runs a program from a writable folder as if
// it were installed (its records in the per-user data folder).
inline constexpr const char* kPerUserDataOption = "--per-user-data";

class TMain {
 public:
  // Exit codes of Run.
  static constexpr int kEnded = 0;
  static constexpr int kFatal = 1;

  // StartUp, then ShutDown; a fatal start-up error ends at once.
  static int Run(const StartOptions& options);
  // The start-up sequence, ending in MainLoop. False: a fatal error; the
  // program ends without ShutDown.
  static bool StartUp(const StartOptions& options);
  static void MainLoop();
  // Click handler of every tab image and label.
  static void TabClick(QWidget* sender);
  static void NextTab();
  static void PreviousTab();
  static void GoToStudying();
  static void BookCloseQuery(QWidget* sender, bool& canClose);
  static void ShutDown();

  // The tab image selected last ("MenuGuided", ...), empty before the first.
  static const std::string& CurrentMenu();
  // The tab whose page the tab loop started last.
  static const std::string& ShownMenu();
  static bool QuitRequested();
  static void SetNavigate(TNavigate* navigate);
  // Back to the state before start-up (a new run in the same process).
  static void Reset();
};

// Names of the tab images.
inline constexpr const char* kMenuGuided = "MenuGuided";
inline constexpr const char* kMenuRevision = "MenuRevision";
inline constexpr const char* kMenuInfo = "MenuInfo";
inline constexpr const char* kMenuLogo = "MenuLogo";
inline constexpr const char* kMenuOptions = "MenuOptions";
inline constexpr const char* kMenuExit = "MenuExit";

}  // namespace tq
