#pragma once
// TBookForm: the one window of the program, drawn as an open book. It holds
// the tab row, the two facing pages and the wide page that pages borrow
// controls onto, the title console, the button console with its six
// captions, and the closed book (the cover) with the sign-in controls. It
// previews every key: Ctrl+Tab and Ctrl+Shift+Tab switch tabs, every other
// key goes to the handlers the current page installed.

#include <QComboBox>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "gui/shell/keys.h"
#include "gui/widgets/controls.h"

namespace tq {

class TBookForm : public QWidget {
 public:
  // The client size of the window and the design size of the book.
  static constexpr int kClientWidth = 898;
  static constexpr int kClientHeight = 739;
  // The book is as wide as its paper and tab row pictures (the forms gave
  // the panel 769 pixels, which cut 10 pixels off the paper's right edge).
  static constexpr int kBookWidth = 779;
  static constexpr int kBookDesignHeight = 649;
  static constexpr int kBookHeight = 520;  // set at run time
  // The page title's width, from its left end to just before the quill.
  static constexpr int kTitleRoom = 304;

  // Console button bits of SetButtons.
  static constexpr int kBtnBegin = 1;
  static constexpr int kBtnNext = 2;
  static constexpr int kBtnBack = 4;
  static constexpr int kBtnCancel = 8;
  static constexpr int kBtnSkipF = 16;
  static constexpr int kBtnSkipB = 32;

  TBookForm();
  ~TBookForm() override;

  // 0 cover, 1 wide page, 2 two pages, 3 nothing; other values do nothing.
  void SetLayout(int mode);
  // Shows the console buttons named by the bits of mask with their captions.
  void SetButtons(int mask);
  int ButtonSet() const { return buttonSet_; }
  // 1 puts the first console background in front, anything else the second.
  void SetConsoleStyle(int style);
  int ConsoleStyle() const { return consoleStyle_; }
  void RaiseStudyingTab();
  // A still of the book's pages as they are now, kept while the page is
  // taken down and the next one is not yet up; a message shown in between
  // stands over the still instead of an empty book. The first still since
  // the last page went up is kept: the parts of a page that close one after
  // the other do not replace it with a half-empty book.
  void KeepStill();
  void DropStill();
  // Shows the kept still (if any) in front of the book, or hides it.
  void ShowStill(bool show);
  // Centres the book and the cover in the client area.
  void CenterBook();
  // True while the window is maximised (or full screen); otherwise it keeps
  // the book's own size, and a drag to another size springs back after
  // kSettleMs.
  bool Enlarged() const;
  static constexpr int kSettleMs = 250;
  // Loads the window's pictures from the program directory where present;
  // missing ones are drawn. The background comes at once; the book's own
  // pictures when the book first opens (the cover does not show them).
  void LoadArtwork(const QString& programDir);
  // Makes the cover's edit box and buttons. Standard controls cost a good
  // part of the start-up time, so they are made once the window shows (at
  // the latest by SetLayout(0)); until then NameField, LogOK, LogVisitor,
  // UserYes and UserCancel are none.
  void CreateCoverControls();

  // Close-query handler: clearing canClose keeps the window open.
  std::function<void(QWidget* sender, bool& canClose)> OnCloseQuery;
  // The navigation events the main controller installs.
  std::function<void()> OnNextTab;
  std::function<void()> OnPreviousTab;
  std::function<void()> OnStudyingTab;
  // The key handlers the current page installs while it is shown. Setting
  // key to 0 consumes it.
  std::function<void(int& key, ShiftState shift)> OnKeyDown;
  std::function<void(char& key)> OnKeyPress;
  // A dead key (an accent) went down; the character it composes with the
  // next key then comes through OnKeyPress as one character.
  std::function<void(char accent)> OnDeadKey;
  std::function<void(int& key, ShiftState shift)> OnKeyUp;
  // Pasted input (the clipboard shortcut, a middle click, an input method's
  // commit of several characters): a page that takes only typed keys
  // installs this, and the input goes no further.
  std::function<void()> OnPaste;
  // A middle click or an input method's commit reached the window; true
  // when the page refused it as pasted input.
  bool RefusePastedInput(const QEvent& event);
  // Told after every size change (the settings record the maximised state).
  std::function<void()> OnResize;

  // Controls, by their form names.
  TImage* BackGround32;
  QWidget* Book;
  TImage* TabRowPic;
  TImage* Image4;
  TImage* MenuGuided;
  TImage* MenuRevision;
  TImage* MenuInfo;
  TImage* MenuLogo;
  TImage* MenuOptions;
  TImage* MenuExit;
  TImage* HideSettings;
  TLabel* TitleGuided;
  TLabel* TitleRevision;
  TLabel* TitleInfo;
  TLabel* TitleLogo;
  TLabel* TitleOptions;
  TLabel* TitleExit;
  TImage* PageSeparator;
  TPanel* WidePage;
  TPanel* LeftPage;
  TPanel* RightPage;
  QWidget* TitleConsole;
  TImage* Image1;
  TLabel* Title;
  QWidget* BtnConsole;
  TImage* ConsolePic1;
  TImage* ConsolePic2;
  TImage* SkipB;
  TImage* Back;
  TImage* SkipF;
  TImage* Cancel;
  TImage* BeginB;
  TImage* Next;
  TLabel* BeginLabel;
  TLabel* NextLabel;
  TLabel* BackLabel;
  TLabel* SkipFLabel;
  TLabel* SkipBLabel;
  TLabel* CancelLabel;
  QWidget* BookCover;
  TImage* CoverPic;
  QWidget* Shape1;
  TLabel* LogLabel;
  TLabel* LoadLabel;
  TLabel* NewUserLbl;
  QComboBox* NameField = nullptr;
  QPushButton* LogOK = nullptr;
  QPushButton* LogVisitor = nullptr;
  QPushButton* UserYes = nullptr;
  QPushButton* UserCancel = nullptr;

  // Previews a key event on its way to a control of this window (the
  // application calls it once per event); true when it was consumed.
  bool PreviewKeyEvent(QKeyEvent* event);
  // Told of every key and mouse press in this window.
  void UserInput();
  // How long a caret blinks after the last key or click.
  static constexpr int kCaretBlinkMs = 5000;
  void SetCaretBlinkTimeout(int ms) { blinkTimer_->start(ms); }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void CreateBook();
  void CreateConsole();
  void CreateCover();
  bool PreviewKeyDown(QKeyEvent* event);
  bool PreviewKeyUp(QKeyEvent* event);
  // Enter clicks the default button, Escape the cancel button, as on a
  // dialog.
  bool ClickDialogButton(int key);
  // The accent of a dead key waiting for the next key, 0 when none.
  char pendingAccent_ = 0;

  // The caret of an edit box stops blinking after a while without input
  // (as on other desktops), so a waiting page costs no processor time.
  void RestartCaretBlink();
  void StopCaretBlink();

  void LoadBookArtwork();
  void CoverFoldNotch();
  // A keypad key that arrives as a cursor key means Num Lock is off: the
  // book says so until a keypad figure arrives.
  void NoteNumLock(const QKeyEvent& event);

  int buttonSet_ = 0;
  int consoleStyle_ = 0;
  QString artworkDir_;  // empty: nothing (more) to load
  QPixmap still_;
  TImage* stillImage_ = nullptr;
  TLabel* numLockLabel_ = nullptr;
  TPanel* wideSheet_ = nullptr;
  TImage* foldEdge_ = nullptr;
  QTimer* blinkTimer_;
  int caretFlashTime_;
};

// The program's book window (none before it is created).
TBookForm* BookForm();
void SetBookForm(TBookForm* form);

}  // namespace tq
