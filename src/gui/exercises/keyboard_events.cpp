#include "gui/exercises/keyboard_events.h"

#include <QEvent>
#include <QPainter>

#include "core/files/ansi.h"
#include "core/records/user.h"
#include "core/shell/host.h"
#include "core/shell/strings.h"
#include "gui/exercises/exercise_art.h"
#include "gui/exercises/fingers.h"
#include "gui/exercises/keyboard.h"
#include "gui/exercises/lcds.h"
#include "gui/exercises/session_canvas.h"
#include "gui/shell/book_form.h"
#include "gui/shell/qt_text.h"
#include "gui/storage/event_page_stg.h"

namespace tq {
namespace {

constexpr int kEnterKey = 13;
constexpr int kTimerMs = 1000;
// A timer may fire a little early; the drill is asked again this soon.
constexpr int kTimerRetryMs = 50;

// The keyboard sits 25 pixels under the strip; the text ends 5 above it.
constexpr int kStripAboveKeyboard = 25;
constexpr int kTextTop = 13;
constexpr int kTextGap = 5;

// New keys: key pictures 34 high, 40 apart; 32 wide, the terminator 90.
constexpr int kKeyHeight = 34;
constexpr int kKeyStep = 40;
constexpr int kKeyWidth = 32;
constexpr int kTerminatorWidth = 90;

double Now() {
  return GetHost().Now();
}

// Calls back whenever the watched widget has moved (the book window
// centres the book after every change of its size).
class MoveWatch : public QObject {
 public:
  MoveWatch(QWidget* watched, std::function<void()> onMove)
      : watched_(watched), onMove_(std::move(onMove)) {
    watched_->installEventFilter(this);
  }
  ~MoveWatch() override {
    if (watched_) watched_->removeEventFilter(this);
  }
  bool eventFilter(QObject* object, QEvent* event) override {
    if (object == watched_ && event->type() == QEvent::Move) onMove_();
    return false;
  }

 private:
  QPointer<QWidget> watched_;
  std::function<void()> onMove_;
};

}  // namespace

// ---- TCustomKeyboardEvent ----

TCustomKeyboardEvent::TCustomKeyboardEvent(const std::string& eventLine)
    : TCustomTypingEvent(eventLine) {
  TBookForm* book = BookForm();
  QWidget* page = book->WidePage;
  Keyboard = MakeControl<TKeyboard>(page, &KeyData());
  Fingers = MakeControl<TFingers>(static_cast<QWidget*>(book));
  Lamps = MakeControl<TMissedLcd>(page);
  FeedbackPicture = MakeControl<TImage>(page, "FeedbackPicture");
  DrillTimer.setSingleShot(true);
  DrillTimer.setTimerType(Qt::PreciseTimer);
  DrillTimer.callOnTimeout([this] { RunDrillTimer(); });
}

TCustomKeyboardEvent::~TCustomKeyboardEvent() {
  DrillTimer.stop();
  // The marks of the shared layout are this page's.
  if (Active()) KeyData().ClearMarks();
}

DrillParams TCustomKeyboardEvent::Params() const {
  DrillParams params;
  params.Text = Text().value_or(std::string());
  params.KnownKeys = KnownKeys;
  params.WordLoop = CurrentUser().WordLoop;
  params.WordMaxLoop = CurrentUser().WordMaxLoop;
  params.EnterTerminator = AnsiUpperCase(Fields().Field(4)) == "ENTER";
  return params;
}

void TCustomKeyboardEvent::ShowPage() {
  TCustomTypingEvent::ShowPage();
  TBookForm* book = BookForm();
  TEventPageStg* stg = EventPageStg();
  Drill().SetDrillListener(this);

  stg->Screen1->hide();
  stg->Screen3->hide();
  stg->Screen3->resize(stg->Screen3->width(), kLampFrameHeight);
  Lamps->SetPictures(LampPicture(false), LampPicture(true));
  Lamps->SetValue(0);
  Lamps->move(stg->Screen3->x() + kLampMargin, stg->Screen3->y() + kLampMargin);
  FeedbackPicture->move(kFeedbackPlace);
  FeedbackPicture->hide();

  PlaceFingers();
  bookWatch_ = std::make_unique<MoveWatch>(book->Book, [this] { PlaceFingers(); });
  Fingers->SetFinger(0);
  Fingers->show();
  Fingers->raise();

  Keyboard->setGeometry(kKeyboardPlace);
  Keyboard->show();
  Keyboard->raise();
  const int stripTop = kKeyboardPlace.top() - kStripAboveKeyboard;
  stg->LeftConsole->move(kViewLeft, stripTop);
  ExerciseView->setGeometry(kViewLeft, kTextTop, kViewWidth, stripTop - kTextGap - kTextTop);

  book->OnKeyUp = [this](int&, ShiftState) { Drill().KeyUp(); };
}

void TCustomKeyboardEvent::ShowDrill() {
  // The learned keys changed with the drill: the whole keyboard anew.
  TakeMarks();
  Keyboard->update();
  Fingers->SetFinger(Drill().Finger());
  LampsChanged(Drill().CorrectCount(), Drill().RequiredCorrect());
}

void TCustomKeyboardEvent::PlaceFingers() {
  TBookForm* book = BookForm();
  Fingers->move(book->Book->pos() + kFingersOffset);
}

void TCustomKeyboardEvent::KeyPress(char& key) {
  TCustomTypingEvent::KeyPress(key);
  if (key == 0) return;
  Drill().KeyPress(key, Now());
  key = 0;
  ArmDrillTimer();
}

void TCustomKeyboardEvent::DeadKey(char accent) {
  Drill().DeadKey(accent);
}

void TCustomKeyboardEvent::HidePage() {
  DrillTimer.stop();
  bookWatch_.reset();
  if (TBookForm* book = BookForm()) book->OnKeyUp = nullptr;
  KeyData().ClearMarks();
  KeyData().PressKey('\0');
  Keyboard->hide();
  Fingers->hide();
  Lamps->hide();
  FeedbackPicture->hide();
  TCustomTypingEvent::HidePage();
}

void TCustomKeyboardEvent::TakeMarks() {
  const auto& keys = Keyboard->KeyData().Keys;
  marks_.resize(keys.size());
  for (std::size_t i = 0; i < keys.size(); ++i)
    marks_[i] = {keys[i]->Lit, keys[i]->Wrong, keys[i]->Pressed};
}

void TCustomKeyboardEvent::KeyboardChanged() {
  const auto& keys = Keyboard->KeyData().Keys;
  if (marks_.size() != keys.size()) {
    TakeMarks();
    Keyboard->update();
    return;
  }
  // Only the keys whose marks changed are painted again.
  for (std::size_t i = 0; i < keys.size(); ++i) {
    const TKeyInfoExt& key = *keys[i];
    const KeyMarks now{key.Lit, key.Wrong, key.Pressed};
    if (now == marks_[i]) continue;
    marks_[i] = now;
    Keyboard->update(TKeyboard::KeyArea(key));
  }
}

void TCustomKeyboardEvent::FingerChanged(int finger) {
  Fingers->SetFinger(finger);
}

void TCustomKeyboardEvent::LampsChanged(int value, int count) {
  TEventPageStg* stg = EventPageStg();
  Lamps->SetCount(count);
  Lamps->SetValue(value);
  const bool shown = count >= 2;
  Lamps->setVisible(shown);
  stg->Screen3->setVisible(shown);
  stg->CorrectTitle->setVisible(shown);
  if (shown) Lamps->raise();
  ArmDrillTimer();
}

void TCustomKeyboardEvent::FeedbackChanged(int kind) {
  if (kind == 0) {
    FeedbackPicture->hide();
    return;
  }
  FeedbackPicture->SetPicture(tq::FeedbackPicture(kind == 2));
  FeedbackPicture->resize(FeedbackPicture->Picture().size());
  FeedbackPicture->show();
  FeedbackPicture->raise();
  ArmDrillTimer();
}

void TCustomKeyboardEvent::ArmDrillTimer() {
  const CustomKeyboardDrill& drill = Drill();
  const bool due = drill.CorrectResetRunning() || drill.Feedback() != 0;
  if (due && !DrillTimer.isActive()) DrillTimer.start(kTimerMs);
}

void TCustomKeyboardEvent::RunDrillTimer() {
  CustomKeyboardDrill& drill = Drill();
  drill.Tick(Now());
  if (drill.CorrectResetRunning() || drill.Feedback() != 0) DrillTimer.start(kTimerRetryMs);
}

// ---- TWordEvent ----

TWordEvent::TWordEvent(const std::string& eventLine) : TCustomKeyboardEvent(eventLine) {
  WordDisplay = MakeControl<CanvasDisplay>(BookForm()->WidePage);
  WordDisplay->setFont(PointFont("Times New Roman", 36, true));
  WordDisplay->setGeometry(kWordPlace);
  drill_ = std::make_unique<WordDrill>(ExerciseView->DisplayMetrics(),
                                       WordDisplay->DisplayMetrics(), KeyData());
  ExerciseView->Show(drill_->TextView());
  WordDisplay->Show(drill_->WordDisplay());
  WordDisplay->SetBackgroundColor(kWordColor);
}

TWordEvent::~TWordEvent() {
  delete WordDisplay;
  delete ExerciseView;
}

void TWordEvent::ShowPage() {
  TCustomKeyboardEvent::ShowPage();
  TEventPageStg* stg = EventPageStg();
  QWidget* page = BookForm()->WidePage;
  ExerciseView->hide();
  stg->EventMsg->hide();
  BorrowControl(stg->DecorativeBox, page);
  BorrowControl(stg->AnotherDecorativeBox, page);
  WordDisplay->setGeometry(kWordPlace);
  WordDisplay->show();
  WordDisplay->raise();
  FeedbackPicture->raise();
  drill_->Show(Params());
  ShowDrill();
}

void TWordEvent::HidePage() {
  drill_->Finish();
  WordDisplay->hide();
  TCustomKeyboardEvent::HidePage();
}

// ---- TNewKeysEvent ----

TNewKeysEvent::TNewKeysEvent(const std::string& eventLine) : TCustomKeyboardEvent(eventLine) {
  KeysImage = MakeControl<TImage>(BookForm()->WidePage, "KeysImage");
  KeysImage->setGeometry(kKeysPlace);
  drill_ = std::make_unique<NewKeysDrill>(ExerciseView->DisplayMetrics(), KeyData());
  ExerciseView->Show(drill_->TextView());
}

TNewKeysEvent::~TNewKeysEvent() {
  delete ExerciseView;
}

void TNewKeysEvent::ShowPage() {
  TCustomKeyboardEvent::ShowPage();
  TEventPageStg* stg = EventPageStg();
  QWidget* page = BookForm()->WidePage;
  ExerciseView->hide();
  stg->EventMsg->hide();
  stg->NewKeys->move(0, 0);
  BorrowControl(stg->NewKeys, page);
  stg->NewKeys->show();
  stg->NewKeys->raise();
  KeysImage->setGeometry(kKeysPlace);
  KeysImage->show();
  KeysImage->raise();
  FeedbackPicture->raise();
  drill_->Show(Params());
  ShowDrill();
  DrawGroup();
}

void TNewKeysEvent::MaterialChanged() {
  DrawGroup();
}

void TNewKeysEvent::DrawGroup() {
  QPixmap picture(KeysImage->size());
  picture.fill(ToQColor(kKeysColor));
  {
    QPainter p(&picture);
    const std::string& group = drill_->Group();
    for (std::size_t i = 0; i < group.size(); ++i) {
      const bool terminator = i + 1 == group.size();
      const int width = terminator ? kTerminatorWidth : kKeyWidth;
      const std::string caption = terminator
                                      ? Str(group[i] == kEnterKey ? kStrKeyEnter : kStrKeySpace)
                                      : std::string(1, group[i]);
      const int state = static_cast<int>(i) + 1 == drill_->CharPos() ? 1 : 0;
      p.drawPixmap(static_cast<int>(i) * kKeyStep, 0,
                   Keyboard->KeyImage(caption, kKeyHeight, state, width));
    }
  }
  KeysImage->SetPicture(picture);
  TLabel* finger = EventPageStg()->FingerLbl;
  const QString text = ToQString(drill_->FingerText());
  if (finger->Caption() != text) finger->SetCaption(text);
}

// ---- TKeyboardEvent ----

TKeyboardEvent::TKeyboardEvent(const std::string& eventLine) : TCustomKeyboardEvent(eventLine) {
  drill_ = std::make_unique<KeyboardDrill>(ExerciseView->DisplayMetrics(), KeyData());
  ExerciseView->Show(drill_->TextView());
}

TKeyboardEvent::~TKeyboardEvent() {
  delete ExerciseView;
}

void TKeyboardEvent::ShowPage() {
  TCustomKeyboardEvent::ShowPage();
  EventPageStg()->EventMsg->hide();
  drill_->Show(Params());
  ShowDrill();
}

void TKeyboardEvent::HidePage() {
  drill_->Finish();
  TCustomKeyboardEvent::HidePage();
}

}  // namespace tq
