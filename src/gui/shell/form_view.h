#pragma once
// TFormView: the base of every page, event and game. A page borrows
// controls from a hidden storage form onto the book's panels while it is
// shown and gives them back when it closes; Execute runs a local event loop
// (a nested QEventLoop, so a waiting page costs no processor time) until
// the page closes. One page at a time is the current view and gets the
// book window's keys.

#include <QEventLoop>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "gui/shell/keys.h"

namespace tq {

class TFormView {
 public:
  TFormView();
  // Destroying a page that is still open warns and closes it first.
  virtual ~TFormView();
  TFormView(const TFormView&) = delete;
  TFormView& operator=(const TFormView&) = delete;

  // Asked first when the page is to close; setting refuse keeps it open.
  std::function<void(TFormView* view, bool& refuse)> OnCloseQuery;
  // Told after the page has closed.
  std::function<void(TFormView* view)> OnClosed;

  // True means the page is not to be shown. Default false.
  virtual bool IsSkipped();
  // Puts the page's controls on the book. Default: only marks it shown.
  virtual void ShowPage();
  // Keys of the book window while this page is shown. Default: unless
  // passive, hand them to the attached views.
  virtual void KeyPress(char& key);
  virtual void KeyDown(int& key, ShiftState shift);
  // Opens the page and waits until it closes; returns Result.
  virtual int Execute();
  // Shows the page without making it current (attached views).
  virtual bool ShowPassive();
  // Opens the page; true when it skipped itself.
  virtual bool Show();
  // Closes the page unless someone refuses.
  virtual void CloseView(bool& refuse);
  // Takes the page's controls off the book. Default: gives back every
  // borrowed control.
  virtual void HidePage();

  // A non-zero result closes the page; a refused close puts it back to 0.
  void SetResult(int value);
  int Result() const { return result_; }

  // Moves a control onto newParent, remembering where it came from.
  void BorrowControl(QWidget* control, QWidget* newParent);
  // Borrows every child control of container, keeping their order.
  void BorrowChildren(QWidget* container, QWidget* newParent);
  int BorrowedCount() const { return static_cast<int>(borrowed_.size()); }

  bool Shown() const { return shown_; }
  bool Active() const { return active_; }
  bool Passive() const { return passive_; }
  bool InLoop() const { return inLoop_; }

  TFormView* AttachedView1 = nullptr;
  TFormView* AttachedView2 = nullptr;
  std::string ViewName;

 protected:
  // Lets descendants set the result without closing (IsSkipped may).
  void StoreResult(int value) { result_ = value; }
  // Gives back every borrowed control (the default HidePage).
  void ReturnBorrowedControls();

 private:
  struct Borrowed {
    QPointer<QWidget> control;
    QPointer<QWidget> formerParent;
    bool hidden;  // hidden on its former parent
  };
  void LeaveLocalLoop();

  std::vector<Borrowed> borrowed_;
  int result_ = 0;
  bool shown_ = false;
  bool active_ = false;
  bool passive_ = false;
  bool inLoop_ = false;
  bool leaveLoop_ = false;
  QEventLoop* loop_ = nullptr;
  // The page that was current when this one was shown: it is current again
  // when this one closes, if it is still open.
  TFormView* previousView_ = nullptr;
};

// The page that currently receives the keyboard, or none.
TFormView* CurrentView();
// Asks the current page to close; true when it refused. False without one.
bool QueryCloseCurrentView();

// The application's termination flag: set when the book window closes;
// every running page loop then ends, and loops started later end at once.
void TerminateApplication();
bool ApplicationTerminated();
// A fatal stop: terminates the application, which then ends without
// writing the settings.
void HaltApplication();
bool ApplicationHalted();
// Clears both flags (a new run of the program in the same process, as in
// tests).
void ResetApplicationTerminated();

}  // namespace tq
