#include "gui/shell/book_form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScreen>

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "core/exercises/dead_keys.h"
#include "core/shell/strings.h"
#include "gui/shell/artwork.h"
#include "gui/shell/form_view.h"
#include "gui/shell/input_witness.h"
#include "gui/shell/qt_text.h"

namespace tq {
namespace {

constexpr int kNumLockWidth = 470;

TBookForm* g_bookForm = nullptr;

// The accent of a dead key (Windows-1252), 0 for any other key.
char DeadKeyAccent(int key) {
  switch (key) {
    case Qt::Key_Dead_Grave:
      return '`';
    case Qt::Key_Dead_Acute:
      return '\xB4';
    case Qt::Key_Dead_Circumflex:
      return '^';
    case Qt::Key_Dead_Tilde:
      return '~';
    case Qt::Key_Dead_Diaeresis:
      return '\xA8';
    case Qt::Key_Dead_Abovering:
      return '\xB0';
    case Qt::Key_Dead_Cedilla:
      return '\xB8';
    default:
      return 0;
  }
}

// Decoding a picture passes through full-size copies of it; the allocator
// keeps the freed space unless asked to hand it back.
void ReleaseFreedMemory() {
#ifdef __GLIBC__
  malloc_trim(0);
#endif
}

const QColor kMaroon(128, 0, 0);

TImage* MakeImage(QWidget* parent, const char* name, QRect geometry, TImage::Painter painter,
                  bool stretch = false) {
  auto* image = new TImage(parent, name);
  image->setGeometry(geometry);
  image->SetPainter(std::move(painter));
  image->SetStretch(stretch);
  return image;
}

QPushButton* MakeButton(QWidget* parent, const char* name, QRect geometry) {
  auto* button = new QPushButton(parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(geometry);
  button->setFont(PixelFont("Arial", 13));
  return button;
}

}  // namespace

TBookForm* BookForm() {
  return g_bookForm;
}
void SetBookForm(TBookForm* form) {
  g_bookForm = form;
}

TBookForm::TBookForm() : QWidget(nullptr) {
  setObjectName(QStringLiteral("BookForm"));
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setWindowTitle(ToQString(Str(kStrProgramTitle)));
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::white);
  setPalette(pal);

  BackGround32 = MakeImage(this, "BackGround32", QRect(0, 0, kClientWidth, kClientHeight),
                           artwork::Background, true);
  CreateBook();
  CreateConsole();
  CreateCover();

  // Captions come from the string table, so a translated table changes them.
  LoadLabel->SetCaption(ToQString(Str(kStrLoading)));
  LogLabel->SetCaption(ToQString(Str(kStrEnterName)));
  TitleGuided->SetCaption(ToQString(Str(kStrTabStudying)));
  TitleRevision->SetCaption(ToQString(Str(kStrTabReview)));
  TitleInfo->SetCaption(ToQString(Str(kStrTabStatistics)));
  TitleLogo->SetCaption(ToQString(Str(kStrTabInfo)));
  TitleOptions->SetCaption(ToQString(Str(kStrTabSettings)));
  TitleExit->SetCaption(ToQString(Str(kStrTabExit)));

  for (QWidget* w : std::initializer_list<QWidget*>{
           MenuGuided, MenuRevision, MenuInfo, MenuLogo, MenuOptions, MenuExit, TitleGuided,
           TitleRevision, TitleInfo, TitleLogo, TitleOptions, TitleExit, SkipB, Back, SkipF, Cancel,
           BeginB, Next})
    SetControlCursor(w, kCursorHand);

  SetConsoleStyle(0);
  SetButtons(0);
  caretFlashTime_ = QApplication::cursorFlashTime();
  blinkTimer_ = new QTimer(this);
  blinkTimer_->setSingleShot(true);
  blinkTimer_->setInterval(kCaretBlinkMs);
  connect(blinkTimer_, &QTimer::timeout, this, [this] { StopCaretBlink(); });
  blinkTimer_->start();
  resize(kClientWidth, kClientHeight);
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect s = screen->geometry();
    move(s.left() + (s.width() - kClientWidth) / 2, s.top() + (s.height() - kClientHeight) / 2);
  }
  CenterBook();
}

TBookForm::~TBookForm() {
  if (g_bookForm == this) g_bookForm = nullptr;
  QApplication::setCursorFlashTime(caretFlashTime_);
}

void TBookForm::UserInput() {
  if (QApplication::cursorFlashTime() != caretFlashTime_)
    QApplication::setCursorFlashTime(caretFlashTime_);
  blinkTimer_->start();
}

void TBookForm::StopCaretBlink() {
  QApplication::setCursorFlashTime(0);
}

void TBookForm::CreateBook() {
  Book = new QWidget(this);
  Book->setObjectName(QStringLiteral("Book"));
  Book->setGeometry(32, 24, kBookWidth, kBookHeight);

  TabRowPic = MakeImage(Book, "TabRowPic", QRect(0, 0, 779, 61), artwork::TabRow);
  Image4 = MakeImage(Book, "Image4", QRect(0, 61, 779, 469), artwork::Paper);
  // In the wide layout one white sheet covers both pages of the paper
  // picture, fold included, from edge to edge.
  wideSheet_ = new TPanel(Book, "WideSheet");
  wideSheet_->setGeometry(8, 61, 763, 454);
  wideSheet_->hide();
  foldEdge_ = new TImage(Book, "FoldEdge");
  foldEdge_->hide();
  MenuGuided = MakeImage(Book, "MenuGuided", QRect(28, 18, 113, 43), artwork::LargeTab);
  MenuRevision = MakeImage(Book, "MenuRevision", QRect(141, 18, 114, 43), artwork::LargeTab);
  MenuInfo = MakeImage(Book, "MenuInfo", QRect(255, 18, 129, 43), artwork::LargeTab);
  MenuLogo = MakeImage(Book, "MenuLogo", QRect(406, 31, 43, 21), artwork::SmallTab);
  MenuOptions = MakeImage(Book, "MenuOptions", QRect(472, 31, 77, 21), artwork::SmallTab);
  MenuExit = MakeImage(Book, "MenuExit", QRect(677, 27, 66, 30), artwork::ExitTab);
  HideSettings = MakeImage(Book, "HideSettings", QRect(472, 31, 97, 21), artwork::HiddenTab);
  HideSettings->hide();

  const QFont large = PixelFont("Arial", 16, true);
  const QFont small = PixelFont("Arial", 13, true);
  TitleGuided = MakeLabel(Book, "TitleGuided", QPoint(60, 31), large, Qt::white);
  TitleRevision = MakeLabel(Book, "TitleRevision", QPoint(174, 31), large, Qt::white);
  TitleInfo = MakeLabel(Book, "TitleInfo", QPoint(289, 31), large, Qt::white);
  TitleLogo = MakeLabel(Book, "TitleLogo", QPoint(419, 33), small, Qt::white);
  TitleOptions = MakeLabel(Book, "TitleOptions", QPoint(484, 33), small, Qt::white);
  TitleExit = MakeLabel(Book, "TitleExit", QPoint(681, 32), large, kMaroon);
  for (TLabel* title : {TitleGuided, TitleRevision, TitleInfo, TitleLogo, TitleOptions})
    title->SetShadow(true);
  TitleExit->SetAutoSize(false);
  TitleExit->SetAlignment(Qt::AlignHCenter | Qt::AlignTop);
  TitleExit->resize(57, 20);

  PageSeparator = MakeImage(Book, "PageSeparator", QRect(370, 61, 35, 442), artwork::Spine, true);
  WidePage = new TPanel(Book, "WidePage");
  WidePage->setGeometry(28, 74, 718, 428);
  LeftPage = new TPanel(Book, "LeftPage");
  LeftPage->setGeometry(28, 74, 338, 428);
  RightPage = new TPanel(Book, "RightPage");
  RightPage->setGeometry(405, 74, 338, 428);

  TitleConsole = new QWidget(Book);
  TitleConsole->setObjectName(QStringLiteral("TitleConsole"));
  TitleConsole->setGeometry(28, 61, 345, 52);
  Image1 = MakeImage(TitleConsole, "Image1", QRect(0, 0, 345, 52), artwork::TitleRule);
  Title = MakeLabel(TitleConsole, "Title", QPoint(8, 12), PixelFont("Arial", 29, true), Qt::black);
  // A long title is drawn smaller rather than run into the quill at the
  // right end of the title rule.
  Title->SetMaxWidth(kTitleRoom);
}

void TBookForm::CreateConsole() {
  BtnConsole = new QWidget(Book);
  BtnConsole->setObjectName(QStringLiteral("BtnConsole"));
  BtnConsole->setGeometry(553, 424, 193, 78);
  ConsolePic1 = MakeImage(BtnConsole, "ConsolePic1", QRect(0, 0, 193, 80),
                          [](QPainter& p, const QRect& r) { artwork::Console(p, r, 1); });
  ConsolePic2 = MakeImage(BtnConsole, "ConsolePic2", QRect(0, 0, 193, 80),
                          [](QPainter& p, const QRect& r) { artwork::Console(p, r, 2); });
  auto button = [this](const char* name, int left, artwork::Glyph glyph) {
    return MakeImage(BtnConsole, name, QRect(left, 13, 52, 44),
                     [glyph](QPainter& p, const QRect& r) { artwork::ConsoleButton(p, r, glyph); });
  };
  SkipB = button("SkipB", 10, artwork::Glyph::SkipBack);
  Back = button("Back", 72, artwork::Glyph::Back);
  SkipF = button("SkipF", 72, artwork::Glyph::SkipForward);
  Cancel = button("Cancel", 61, artwork::Glyph::Cancel);
  BeginB = button("BeginB", 136, artwork::Glyph::Begin);
  Next = button("Next", 137, artwork::Glyph::Next);

  // The six captions under the buttons; the first one's font is copied to
  // the others.
  auto caption = [this](const char* name, int left, int text, const TLabel* first) {
    auto* label = new TLabel(BtnConsole, name);
    label->SetAutoSize(false);
    label->setGeometry(left, 58, 55, 16);
    label->SetAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->SetLabelFont(first ? first->font() : PointFont("Arial", 9));
    label->SetFontColor(Qt::white);
    label->SetCaption(ToQString(Str(text)));
    return label;
  };
  BeginLabel = caption("BeginLabel", 135, kStrBeginCaption, nullptr);
  NextLabel = caption("NextLabel", 134, kStrNextCaption, BeginLabel);
  BackLabel = caption("BackLabel", 71, kStrBackCaption, BeginLabel);
  SkipFLabel = caption("SkipFLabel", 70, kStrSkipFCaption, BeginLabel);
  SkipBLabel = caption("SkipBLabel", 9, kStrSkipBCaption, BeginLabel);
  CancelLabel = caption("CancelLabel", 67, kStrCancelCaption, BeginLabel);
  BtnConsole->hide();
}

void TBookForm::CreateCover() {
  BookCover = new QWidget(this);
  BookCover->setObjectName(QStringLiteral("BookCover"));
  BookCover->setGeometry(352, 560, 329, 504);
  CoverPic = MakeImage(BookCover, "CoverPic", QRect(0, 0, 329, 504), artwork::Cover, true);
  Shape1 = MakeImage(BookCover, "Shape1", QRect(44, 292, 268, 168), artwork::CoverFrame);

  const QColor ink(70, 46, 28);
  LogLabel = MakeLabel(BookCover, "LogLabel", QPoint(62, 306), PixelFont("Arial", 14, true), ink);
  NewUserLbl =
      MakeLabel(BookCover, "NewUserLbl", QPoint(62, 304), PixelFont("Arial", 14, true), ink);
  NewUserLbl->SetAutoSize(false);
  NewUserLbl->SetWordWrap(true);
  NewUserLbl->resize(232, 52);
  LoadLabel = MakeLabel(BookCover, "LoadLabel", QPoint(62, 428), PixelFont("Arial", 12), ink);
  LoadLabel->SetAutoSize(false);
  LoadLabel->SetAlignment(Qt::AlignHCenter | Qt::AlignTop);
  LoadLabel->resize(232, 18);

  for (QWidget* w : std::initializer_list<QWidget*>{LogLabel, NewUserLbl}) w->hide();
  BookCover->hide();
}

void TBookForm::CreateCoverControls() {
  if (NameField) return;
  NameField = new QComboBox(BookCover);
  NameField->setObjectName(QStringLiteral("NameField"));
  NameField->setEditable(true);
  NameField->setInsertPolicy(QComboBox::NoInsert);
  NameField->setFont(PixelFont("Arial", 14));
  NameField->setGeometry(62, 330, 232, 28);
  NameField->lineEdit()->setMaxLength(255);

  LogOK = MakeButton(BookCover, "LogOK", QRect(62, 372, 106, 32));
  LogOK->setDefault(true);
  LogVisitor = MakeButton(BookCover, "LogVisitor", QRect(188, 372, 106, 32));
  UserYes = MakeButton(BookCover, "UserYes", QRect(62, 372, 106, 32));
  UserYes->setDefault(true);
  UserCancel = MakeButton(BookCover, "UserCancel", QRect(188, 372, 106, 32));
  UserCancel->setProperty("cancel", true);
  for (QWidget* w :
       std::initializer_list<QWidget*>{NameField, LogOK, LogVisitor, UserYes, UserCancel})
    w->hide();
  LogOK->setText(ToQString(Str(kStrLogOK)));
  LogVisitor->setText(ToQString(Str(kStrLogVisitor)));
  UserYes->setText(ToQString(Str(kStrUserYes)));
  UserCancel->setText(ToQString(Str(kStrUserCancel)));
}

void TBookForm::LoadArtwork(const QString& programDir) {
  const QString background = QDir(programDir).filePath(artwork::FileOf(BackGround32->objectName()));
  BackGround32->LoadFromFile(background, true);
  ReleaseFreedMemory();
  artworkDir_ = programDir;
  if (!Book->isHidden()) LoadBookArtwork();
}

void TBookForm::LoadBookArtwork() {
  if (artworkDir_.isEmpty()) return;
  const QDir dir(artworkDir_);
  artworkDir_.clear();
  for (TImage* image : Book->findChildren<TImage*>()) {
    const QString file = artwork::FileOf(image->objectName());
    if (file.isEmpty()) continue;
    image->LoadFromFile(dir.filePath(file), true);
  }
  // The two pages of the spread show the paper picture through them, with
  // its shading at the spine, instead of white rectangles on it. The wide
  // page stays white across the whole book: the fold must not run through
  // what spans both pages.
  if (!Image4->Picture().isNull())
    for (TPanel* page : {LeftPage, RightPage}) page->SetTransparent();
  CoverFoldNotch();
  ReleaseFreedMemory();
}

// Under the wide sheet the paper's bottom edge runs on across the fold: the
// notch where the two stacks of page edges meet is covered with the edges
// on either side of it, blended from left to right.
void TBookForm::CoverFoldNotch() {
  if (Image4->Picture().isNull()) return;
  const QRect sheet = wideSheet_->geometry();
  const QRect fold = PageSeparator->geometry();
  const QRect area(fold.left() - 1, sheet.bottom() + 1, fold.width() + 2,
                   Image4->geometry().bottom() - sheet.bottom());
  const QImage paper = Image4->grab(area.translated(-Image4->pos())).toImage();
  if (paper.width() < 2 || paper.height() < 1) return;
  QImage patch(paper.size(), QImage::Format_RGB32);
  const int last = paper.width() - 1;
  for (int y = 0; y < paper.height(); ++y) {
    const QColor a = paper.pixelColor(0, y);
    const QColor b = paper.pixelColor(last, y);
    for (int x = 0; x <= last; ++x) {
      auto mix = [&](int from, int to) { return from + (to - from) * x / last; };
      patch.setPixelColor(
          x, y, QColor(mix(a.red(), b.red()), mix(a.green(), b.green()), mix(a.blue(), b.blue())));
    }
  }
  foldEdge_->setGeometry(area);
  foldEdge_->SetPicture(QPixmap::fromImage(patch));
}

void TBookForm::SetLayout(int mode) {
  switch (mode) {
    case 0:
      CreateCoverControls();
      Book->resize(Book->width(), kBookHeight);
      Book->hide();
      BookCover->show();
      break;
    case 1:
      LoadBookArtwork();
      Book->show();
      BookCover->hide();
      WidePage->show();
      wideSheet_->setVisible(!Image4->Picture().isNull());
      foldEdge_->setVisible(!foldEdge_->Picture().isNull());
      LeftPage->hide();
      RightPage->hide();
      PageSeparator->hide();
      break;
    case 2:
      LoadBookArtwork();
      Book->show();
      BookCover->hide();
      WidePage->hide();
      wideSheet_->hide();
      foldEdge_->hide();
      LeftPage->show();
      RightPage->show();
      PageSeparator->show();
      break;
    case 3:
      Book->hide();
      BookCover->hide();
      break;
    default:
      break;
  }
}

void TBookForm::SetButtons(int mask) {
  buttonSet_ = mask;
  const struct {
    TImage* button;
    TLabel* caption;
    int bit;
  } buttons[] = {{BeginB, BeginLabel, kBtnBegin}, {Next, NextLabel, kBtnNext},
                 {Back, BackLabel, kBtnBack},     {Cancel, CancelLabel, kBtnCancel},
                 {SkipF, SkipFLabel, kBtnSkipF},  {SkipB, SkipBLabel, kBtnSkipB}};
  for (const auto& b : buttons) {
    b.button->setVisible(mask & b.bit);
    b.caption->setVisible(mask & b.bit);
  }
  BtnConsole->setVisible(mask != 0);
}

void TBookForm::SetConsoleStyle(int style) {
  consoleStyle_ = style;
  // The chosen background goes in front of the other, behind the buttons.
  (style == 1 ? ConsolePic2 : ConsolePic1)->lower();
  (style == 1 ? ConsolePic1 : ConsolePic2)->stackUnder(SkipB);
}

void TBookForm::KeepStill() {
  if (!still_.isNull() || !Book->isVisible()) return;
  // The window behind the book too: the book does not paint all of its area.
  still_ = grab(Book->geometry());
}

void TBookForm::DropStill() {
  still_ = QPixmap();
  ShowStill(false);
}

void TBookForm::ShowStill(bool show) {
  if (!show || still_.isNull()) {
    if (stillImage_) stillImage_->hide();
    return;
  }
  if (!stillImage_) stillImage_ = new TImage(Book, "PageStill");
  stillImage_->setGeometry(QRect(QPoint(0, 0), still_.size()));
  stillImage_->SetPicture(still_);
  stillImage_->show();
  stillImage_->raise();
  stillImage_->repaint();
}

void TBookForm::RaiseStudyingTab() {
  if (OnStudyingTab) OnStudyingTab();
}

void TBookForm::CenterBook() {
  const int w = width();
  const int h = height();
  Book->move((w - Book->width()) / 2, (h - Book->height()) / 2);
  BookCover->move((w - BookCover->width()) / 2, (h - BookCover->height()) / 2);
  BackGround32->setGeometry(0, 0, w, h);
}

bool TBookForm::Enlarged() const {
  return (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) != 0;
}

void TBookForm::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // The book is a window of its own size that only maximises: a drag to
  // another size springs back (once the window manager has settled whether
  // the window is maximised).
  if (!Enlarged() && size() != QSize(kClientWidth, kClientHeight))
    QTimer::singleShot(kSettleMs, this, [this] {
      if (!Enlarged()) resize(kClientWidth, kClientHeight);
    });
  CenterBook();
  if (OnResize) OnResize();
}

void TBookForm::closeEvent(QCloseEvent* event) {
  bool canClose = true;
  if (OnCloseQuery) OnCloseQuery(this, canClose);
  if (!canClose) {
    event->ignore();
    return;
  }
  event->accept();
  // The book is the main window: closing it ends the application.
  TerminateApplication();
}

bool TBookForm::PreviewKeyEvent(QKeyEvent* event) {
  UserInput();
  WitnessKeyEvent(*event);
  return event->type() == QEvent::KeyPress ? PreviewKeyDown(event) : PreviewKeyUp(event);
}

void TBookForm::NoteNumLock(const QKeyEvent& event) {
  if (!(event.modifiers() & Qt::KeypadModifier)) return;
  const int k = event.key();
  const bool figure =
      (k >= Qt::Key_0 && k <= Qt::Key_9) || k == Qt::Key_Period || k == Qt::Key_Comma;
  bool cursor = false;
  for (int c : {Qt::Key_Home, Qt::Key_End, Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down,
                Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Insert, Qt::Key_Delete, Qt::Key_Clear})
    cursor |= k == c;
  if (figure && numLockLabel_) numLockLabel_->hide();
  if (!cursor) return;
  if (!numLockLabel_) {
    numLockLabel_ = MakeLabel(Book, "NumLockLabel", QPoint(0, 0), PixelFont("Arial", 13, true),
                              kMaroon, kStrNumLockOff);
    numLockLabel_->SetTransparent(false);
    numLockLabel_->SetBackground(QColor(255, 243, 200));
  }
  // Above the tabs, ending over the Exit tab's right edge.
  numLockLabel_->SetAutoSize(false);
  numLockLabel_->SetAlignment(Qt::AlignCenter);
  numLockLabel_->setGeometry(kBookWidth - 36 - kNumLockWidth, 0, kNumLockWidth, 18);
  numLockLabel_->show();
  numLockLabel_->raise();
}

bool TBookForm::PreviewKeyDown(QKeyEvent* event) {
  NoteNumLock(*event);
  if (OnPaste && IsPasteKey(*event)) {
    auto handler = OnPaste;
    handler();
    return true;
  }
  const ShiftState shift = ShiftOf(event->modifiers());
  int key = VirtualKeyOf(*event);
  if (key == kVkTab && shift == kSsCtrl) {
    if (OnNextTab) OnNextTab();
    return true;
  }
  if (key == kVkTab && shift == (kSsCtrl | kSsShift)) {
    if (OnPreviousTab) OnPreviousTab();
    return true;
  }
  if (OnKeyDown && key != 0) {
    auto handler = OnKeyDown;
    handler(key, shift);
    if (key == 0) return true;
  }
  // Characters go to key-press; Alt combinations type nothing.
  if (OnKeyPress && !(shift & kSsAlt)) {
    if (const char accent = DeadKeyAccent(event->key())) {
      // The accent waits for the next key; the same dead key twice types it.
      if (pendingAccent_ == accent) {
        pendingAccent_ = 0;
        char ch = accent;
        auto handler = OnKeyPress;
        handler(ch);
      } else {
        pendingAccent_ = accent;
        if (OnDeadKey) OnDeadKey(accent);
      }
      return true;
    }
    const QString text = event->text();
    for (QChar c : text) {
      int code = AnsiOfChar(c);
      if (code < 0) continue;
      std::string typed(1, static_cast<char>(code));
      if (pendingAccent_) {
        typed = ComposeAfterDeadKey(pendingAccent_, typed[0]);
        pendingAccent_ = 0;
      }
      bool consumed = false;
      for (char t : typed) {
        char ch = t;
        auto handler = OnKeyPress;
        handler(ch);
        consumed |= ch == 0;
      }
      if (consumed) return true;
    }
  }
  if ((key == kVkReturn || key == kVkEscape) && shift == 0) return ClickDialogButton(key);
  return false;
}

bool TBookForm::RefusePastedInput(const QEvent& event) {
  if (!OnPaste) return false;
  bool pasted = false;
  if (event.type() == QEvent::MouseButtonPress)
    pasted = static_cast<const QMouseEvent&>(event).button() == Qt::MiddleButton;
  else if (event.type() == QEvent::InputMethod)
    pasted = static_cast<const QInputMethodEvent&>(event).commitString().size() > 1;
  if (!pasted) return false;
  auto handler = OnPaste;
  handler();
  return true;
}

bool TBookForm::PreviewKeyUp(QKeyEvent* event) {
  int key = VirtualKeyOf(*event);
  if (OnKeyUp && key != 0) {
    auto handler = OnKeyUp;
    handler(key, ShiftOf(event->modifiers()));
    return key == 0;
  }
  return false;
}

bool TBookForm::ClickDialogButton(int key) {
  if (key == kVkReturn) {
    if (auto* focused = qobject_cast<QPushButton*>(focusWidget());
        focused && focused->isVisible() && focused->isEnabled()) {
      focused->click();
      return true;
    }
  }
  for (QPushButton* b : findChildren<QPushButton*>()) {
    if (!b->isVisible() || !b->isEnabled()) continue;
    if ((key == kVkReturn && b->isDefault()) ||
        (key == kVkEscape && b->property("cancel").toBool())) {
      b->click();
      return true;
    }
  }
  return false;
}

}  // namespace tq
