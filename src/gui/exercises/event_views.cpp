#include "gui/exercises/event_views.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>

#include <QWheelEvent>

#include "core/exercises/event_time.h"
#include "core/files/paths.h"
#include "core/records/result_gate.h"
#include "core/records/user.h"
#include "core/shell/host.h"
#include "core/shell/strings.h"
#include "gui/exercises/paste_notice.h"
#include "gui/exercises/view_canvas_widget.h"
#include "gui/shell/book_form.h"
#include "gui/shell/qt_text.h"
#include "gui/shell/sounds.h"
#include "gui/storage/event_page_stg.h"
#include "gui/widgets/controls.h"

namespace tq {
namespace {

// Turns the message's pages with the mouse wheel.
class WheelPager : public QObject {
 public:
  WheelPager(QWidget* watched, std::function<void(int)> turn)
      : QObject(watched), turn_(std::move(turn)) {
    watched->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::Wheel) return false;
    const int dy = static_cast<QWheelEvent*>(event)->angleDelta().y();
    if (dy != 0) turn_(dy < 0 ? 1 : -1);
    return true;
  }

 private:
  std::function<void(int)> turn_;
};

// Milliseconds of one clock tick (1/100000 day).
constexpr double kMsPerTick = 86400000.0 / kTicksPerDay;

// Over the text, as wide as the typing display under it.
constexpr QRect kPasteNoticeBox(50, 20, TEventPageStg::kScreen1Width, 250);

constexpr int kCoursePageButtons = TBookForm::kBtnNext | TBookForm::kBtnCancel;

StorySelector& StorySelectorHook() {
  static StorySelector selector;
  return selector;
}

StorySelection NoStoryPage(const std::string&, const std::string&, const std::string&) {
  return {kStoryBack, {}};
}

char FirstChar(int id) {
  const std::string& s = Str(id);
  return s.empty() ? '\0' : s[0];
}

double Now() {
  return GetHost().Now();
}

// Shows a caption only when it differs: a label repaints on every change.
void SetCaptionIfChanged(TLabel* label, const QString& text) {
  if (label->Caption() != text) label->SetCaption(text);
}

}  // namespace

void SetStorySelector(StorySelector selector) {
  StorySelectorHook() = std::move(selector);
}

// ---- TEvent ----

TEvent::TEvent(const std::string& eventLine) : fields_(eventLine) {}

TEvent::~TEvent() {
  DetachBook();
  for (QPointer<QWidget>& w : owned_) delete w.data();
}

void TEvent::Prepare(const EventSetup& setup) {
  InCourse = setup.InCourse;
  KnownKeys = setup.KnownKeys;
}

int TEvent::Run() {
  return Execute();
}

int TEvent::LoadText(const std::string& source) {
  const StorySelector& hook = StorySelectorHook();
  return tq::LoadText(source, text_, CurrentUser(), hook ? hook : StorySelector(NoStoryPage));
}

bool TEvent::IsSkipped() {
  if (!fields_.HasTextSource()) return false;
  const int loaded = LoadText(fields_.TextSource());
  int pageResult = kEventClosed;
  if (!SkipsPage(loaded, pageResult)) return false;
  StoreResult(pageResult);
  return true;
}

void TEvent::ShowPage() {
  TFormView::ShowPage();
  state_ = kEventNotStarted;
  // Every exercise is counted until its keys come at machine speed.
  ResultGate().Begin();
  OnCloseQuery = [this](TFormView*, bool& refuse) { CanClose(refuse); };
  StartTime = Now();
  TBookForm* book = BookForm();
  book->SetLayout(1);
  book->SetButtons(InCourse ? kCoursePageButtons : TBookForm::kBtnNext);
  RouteBook();
}

void TEvent::RouteBook() {
  TBookForm* book = BookForm();
  book->Next->OnClick = [this](QWidget* sender) { ButtonClick(sender); };
  book->Cancel->OnClick = [this](QWidget* sender) { ButtonClick(sender); };
  book->OnKeyDown = [this](int& key, ShiftState shift) { KeyDown(key, shift); };
  book->OnKeyPress = [this](char& key) { KeyPress(key); };
  book->OnDeadKey = [this](char accent) { DeadKey(accent); };
  routed_ = true;
}

void TEvent::DetachBook() {
  if (!routed_) return;
  routed_ = false;
  TBookForm* book = BookForm();
  if (!book) return;
  book->Next->OnClick = nullptr;
  book->Cancel->OnClick = nullptr;
  book->OnKeyDown = nullptr;
  book->OnKeyPress = nullptr;
  book->OnDeadKey = nullptr;
  book->OnKeyUp = nullptr;
  book->OnPaste = nullptr;
}

void TEvent::HidePage() {
  DetachBook();
  TFormView::HidePage();
}

void TEvent::KeyDown(int& key, ShiftState shift) {
  TFormView::KeyDown(key, shift);
  TBookForm* book = BookForm();
  if (shift == kSsAlt) {
    if (key == FirstChar(kStrEventAltNext)) {
      key = 0;
      ButtonClick(book->Next);
    } else if (key == FirstChar(kStrEventAltCancel)) {
      key = 0;
      ButtonClick(book->Cancel);
    }
  } else if (shift == 0) {
    if (key == kVkEscape) {
      key = 0;
      ButtonClick(book->Cancel);
    } else if (key == kVkReturn && state_ == kEventFinished) {
      key = 0;
      ButtonClick(book->Next);
    }
  }
}

void TEvent::ButtonClick(QWidget* sender) {
  tq::PlaySound(kSoundClick);
  if (!sender) return;
  const QString name = sender->objectName();
  if (name == QLatin1String("Cancel"))
    SetResult(state_ == kEventFinished ? kEventCancelledFinished : kEventCancelled);
  else if (name == QLatin1String("Next"))
    SetResult(kEventNext);
}

void TEvent::CanClose(bool& refuse) {
  if (state_ != kEventRunning && state_ != kEventPaused) return;
  if (!GetHost().AskYesNo(Str(kStrProgramTitle), Str(kStrUnfinishedQuestion))) refuse = true;
}

void TEvent::CloseView(bool& refuse) {
  const bool wasActive = Active();
  TFormView::CloseView(refuse);
  if (refuse || !wasActive) return;
  AccountStudyTime(CurrentUser(), StartTime, Now());
  TBookForm* book = BookForm();
  book->SetLayout(2);
  book->SetButtons(0);
}

// ---- TTimedEvent ----

TTimedEvent::TTimedEvent(const std::string& eventLine) : TEvent(eventLine) {
  ownClock_.SetListener(this);
  Timer.setSingleShot(true);
  Timer.setTimerType(Qt::PreciseTimer);
  Timer.callOnTimeout([this] {
    UpdateClock();
    ScheduleClock();
  });
}

TTimedEvent::~TTimedEvent() {
  Timer.stop();
}

void TTimedEvent::Prepare(const EventSetup& setup) {
  TEvent::Prepare(setup);
  TimeBudget = setup.TimeBudget;
}

int TTimedEvent::Run() {
  LastRemaining = -1;
  Timer.stop();
  UpdateClock();
  return TEvent::Run();
}

int TTimedEvent::Ticks() {
  return Clock().Ticks(Now());
}

void TTimedEvent::ShowPage() {
  TEvent::ShowPage();
  TBookForm* book = BookForm();
  TEventPageStg* stg = EventPageStg();
  book->TitleConsole->hide();
  BorrowControl(stg->RightConsole, book->WidePage);
  BorrowChildren(stg->EventConsole, book->WidePage);
  BorrowControl(stg->EventMsg, book->WidePage);
  ShowClockDisplay(true);
  SetProgress(0);
  // A typing exercise takes typed keys only. The notice stands at the foot
  // of the text, above where the student types.
  book->OnPaste = [book] { ShowPasteRefused(book->WidePage, kPasteNoticeBox); };
}

void TTimedEvent::HidePage() {
  Timer.stop();
  EventPageStg()->EventMsg->hide();
  BookForm()->TitleConsole->show();
  TEvent::HidePage();
}

void TTimedEvent::ButtonClick(QWidget* sender) {
  TEvent::ButtonClick(sender);
  if (sender && sender->objectName() == QLatin1String("Pause")) Pause();
}

void TTimedEvent::CanClose(bool& refuse) {
  // Only a clock this question stopped starts again when the student stays;
  // one that was already paused (between the lines of a sentence exercise)
  // waits for the next key as before.
  const bool wasRunning = State() == kEventRunning;
  if (wasRunning) Pause();
  TEvent::CanClose(refuse);
  if (refuse && wasRunning && State() == kEventPaused) Start();
}

void TTimedEvent::Start() {
  Clock().Start(Now());
}

void TTimedEvent::Pause() {
  Clock().Pause(Now());
}

void TTimedEvent::Stop() {
  Clock().Stop();
}

void TTimedEvent::StateChanged(int state) {
  SetState(state);
  switch (state) {
    case kEventRunning:
      OnStarted();
      break;
    case kEventPaused:
      OnPaused();
      break;
    case kEventFinished:
      OnStopped();
      break;
    default:
      break;
  }
}

void TTimedEvent::ScheduleClock() {
  if (TimeBudget <= 0 || State() != kEventRunning || Clock().ClockStart() == 0) return;
  // The display shows whole ticks, rounded: it next changes when the
  // elapsed time passes the next half tick.
  const double exact = (Now() - Clock().ClockStart()) * kTicksPerDay;
  const double next = std::floor(exact + 0.5) + 0.5;
  const double ms = std::ceil((next - exact) * kMsPerTick) + 1;
  Timer.start(static_cast<int>(std::clamp(ms, 1.0, kMsPerTick + 1)));
}

void TTimedEvent::OnStarted() {
  ScheduleClock();
  TEventPageStg* stg = EventPageStg();
  stg->EventMsg->hide();
  stg->TimeGraph->SetMinValue(0);
  if (TimeBudget > 0) stg->TimeGraph->SetMaxValue(TimeBudget);
}

void TTimedEvent::OnPaused() {
  Timer.stop();
}

void TTimedEvent::OnStopped() {
  Timer.stop();
  TEventPageStg* stg = EventPageStg();
  stg->EventMsg->raise();
  stg->EventMsg->show();
}

void TTimedEvent::PlaySound(int slot) {
  tq::PlaySound(slot);
}

void TTimedEvent::UpdateClock() {
  TEventPageStg* stg = EventPageStg();
  if (!stg) return;
  const int ticks = Ticks();
  if (TimeBudget == 0) {
    SetCaptionIfChanged(stg->TimeLbl, ToQString(Str(kStrClockCompleted)));
    return;
  }
  SetCaptionIfChanged(stg->TimeLbl, ToQString(Str(kStrClockTime)));
  stg->TimeGraph->SetProgress(ticks);
  const int remaining = TimeBudget - ticks;
  if (remaining == LastRemaining) return;
  LastRemaining = remaining;
  char text[32];
  std::snprintf(text, sizeof text, "%2.2d:%2.2d", remaining / 60, remaining % 60);
  SetCaptionIfChanged(stg->TimeLabel, QString::fromLatin1(text));
  if (ticks >= TimeBudget && State() != kEventFinished) {
    Stop();
    SetState(kEventFinished);
    TimeUp();
  }
}

void TTimedEvent::SetProgress(int percent) {
  Progress = percent;
  if (TimeBudget != 0) return;
  TEventPageStg* stg = EventPageStg();
  if (!stg) return;
  SetCaptionIfChanged(stg->TimeLabel, QString::number(percent) + QStringLiteral(" %"));
  stg->TimeGraph->SetMaxValue(100);
  stg->TimeGraph->SetProgress(percent);
}

void TTimedEvent::ShowClockDisplay(bool show) {
  if (show == ProgressShown) return;
  ProgressShown = show;
  TEventPageStg* stg = EventPageStg();
  for (QWidget* w :
       std::initializer_list<QWidget*>{stg->TimeLbl, stg->Screen2, stg->TimeGraph, stg->TimeLabel})
    w->setVisible(show);
}

// ---- TMessageEvent ----

TMessageEvent::TMessageEvent(const std::string& eventLine) : TEvent(eventLine) {
  QWidget* page = BookForm()->WidePage;
  TextView = MakeControl<ViewCanvasWidget>(page);
  PictureImage = MakeControl<TImage>(page, "PictureImage");
  PictureLeft = Fields().MessagePictureLeft();
  MoreLabel = MakeLabel(page, "MoreLabel", QPoint(0, 0), PointFont("Arial", 9, true),
                        QColor(120, 100, 70), kStrMessageMore);
  MoreLabel->hide();
  WheelFilter = new WheelPager(TextView, [this](int direction) { TurnPage(direction); });
}

TMessageEvent::~TMessageEvent() {
  delete MoreLabel;
}

void TMessageEvent::ShowPage() {
  TEvent::ShowPage();
  TBookForm* book = BookForm();
  book->Title->SetCaption(ToQString(Fields().MessageTitle()));

  bool hasPicture = false;
  if (Fields().Has(EventLine::kPictureField)) {
    const std::string& file = Fields().MessagePicture();
    if (FileExists(file) &&
        PictureImage->LoadFromFile(QString::fromStdString(ResolveExisting(file)))) {
      PictureImage->resize(PictureImage->Picture().size());
      hasPicture = true;
    }
  }

  TextView->setFont(PointFont("Arial", 11));
  TextView->SetFontColor(kColorBlack);
  const int w = book->WidePage->width();
  const int h = book->WidePage->height();
  int left = kTextLeftAlone;
  int width = kMaxTextWidth;
  if (hasPicture) {
    const int pw = PictureImage->width();
    if (PictureLeft) {
      PictureImage->move(kMargin, kTextTop);
      left = PictureImage->x() + pw + kMargin;
      width = std::min(kMaxTextWidth, w - left - kMargin);
    } else {
      PictureImage->move(w - pw - kMargin, kTextTop);
      left = kMargin;
      width = std::min(kMaxTextWidth, PictureImage->x() - left - kMargin);
    }
    PictureImage->show();
    PictureImage->raise();
  }
  // The text ends above the button console when it reaches the console's
  // columns, and leaves a line for the sign that more follows.
  int bottom = h - kMargin;
  if (left + width > kConsoleCorner.left()) bottom = kConsoleCorner.top() - kMargin;
  bottom -= kMoreLine;
  TextView->setGeometry(left, kTextTop, std::max(1, width), std::max(1, bottom - kTextTop));
  MoreLabel->move(left, bottom + 4);
  TViewCanvas& canvas = TextView->Canvas();
  canvas.SetCursorMode(TViewCanvas::kNoCursor);
  PageStarts.assign(1, 0);
  canvas.SetText(Text().value_or(std::string()), 0);
  TurnPage(0);
  TextView->show();
  TextView->raise();
  // A message is read, not typed: it is finished from the start.
  SetState(kEventFinished);
}

void TMessageEvent::TurnPage(int direction) {
  TViewCanvas& canvas = TextView->Canvas();
  if (direction > 0 && canvas.HasNextPage()) {
    PageStarts.push_back(canvas.NextPageStart());
    canvas.SetText(canvas.Text(), PageStarts.back());
  } else if (direction < 0 && PageStarts.size() > 1) {
    PageStarts.pop_back();
    canvas.SetText(canvas.Text(), PageStarts.back());
  }
  TextView->Refresh();
  const bool more = canvas.HasNextPage();
  MoreLabel->setVisible(more || PageStarts.size() > 1);
  MoreLabel->SetCaption(ToQString(Str(more ? kStrMessageMore : kStrMessageLastPage)));
  MoreLabel->raise();
}

void TMessageEvent::KeyDown(int& key, ShiftState shift) {
  if (shift == 0 && (key == kVkNext || key == kVkDown || key == kVkPrior || key == kVkUp)) {
    TurnPage(key == kVkNext || key == kVkDown ? 1 : -1);
    key = 0;
    return;
  }
  TEvent::KeyDown(key, shift);
}

void TMessageEvent::HidePage() {
  TextView->hide();
  PictureImage->hide();
  MoreLabel->hide();
  TEvent::HidePage();
}

}  // namespace tq
