#include "gui/exercises/text_events.h"

#include "core/files/ansi.h"
#include "core/records/user.h"
#include "core/shell/host.h"
#include "core/shell/strings.h"
#include "gui/exercises/exercise_results.h"
#include "gui/exercises/lcds.h"
#include "gui/exercises/session_canvas.h"
#include "gui/shell/book_form.h"
#include "gui/shell/qt_text.h"
#include "gui/storage/event_page_stg.h"

namespace tq {
namespace {

constexpr TColor kTypedGreen = 0x008000;
constexpr TColor kLime = 0x00FF00;

// Where the message of a finished exercise sits over the text.
constexpr QPoint kMessagePlace(170, 80);

// The rhythm light on the console.
constexpr QRect kRhythmLightPlace(582, 201, 115, 110);

bool LargeFont() {
  return CurrentUser().LargeFont != 0;
}

}  // namespace

// ---- TCustomTypingEvent ----

TCustomTypingEvent::TCustomTypingEvent(const std::string& eventLine) : TTimedEvent(eventLine) {
  ExerciseView = MakeControl<CanvasDisplay>(BookForm()->WidePage);
  ExerciseView->setFont(TextFont(14, 18, true));
  ExerciseView->setGeometry(kViewLeft, kViewTop, kViewWidth, kViewHeight);
}

QFont TCustomTypingEvent::TextFont(int points, int largePoints, bool bold) {
  return PointFont("Times New Roman", LargeFont() ? largePoints : points, bold);
}

void TCustomTypingEvent::ShowPage() {
  TTimedEvent::ShowPage();
  ExerciseView->setGeometry(kViewLeft, kViewTop, kViewWidth, kViewHeight);
  ExerciseView->show();
  ExerciseView->raise();
}

void TCustomTypingEvent::HidePage() {
  ExerciseView->hide();
  TTimedEvent::HidePage();
}

QPoint TCustomTypingEvent::MessagePlace() const {
  return kMessagePlace;
}

void TCustomTypingEvent::OnStopped() {
  TEventPageStg* stg = EventPageStg();
  stg->EventMsg->move(MessagePlace());
  stg->MsgLabel1->SetCaption(ToQString(Str(kStrExerciseCompleted)));
  stg->MsgLabel2->SetCaption(ToQString(Str(kStrPressEnterToContinue)));
  TTimedEvent::OnStopped();
}

// ---- TCustomTextEvent ----

TCustomTextEvent::TCustomTextEvent(const std::string& eventLine, TextKind kind)
    : TCustomTypingEvent(eventLine), kind_(kind) {
  QWidget* page = BookForm()->WidePage;
  NoWarning = AnsiUpperCase(Fields().Field(4)) == "TRUE";
  TypingView = MakeControl<TypingDisplay>(page);
  TypingView->setFont(PointFont("Arial", 13));
  RhythmLight = MakeControl<TTrafficLightLcd>(page);
  ExerciseView->setFont(TextFont(14, 18, false));
  session_ =
      std::make_unique<TextSession>(ExerciseView->DisplayMetrics(), TypingView->DisplayMetrics());
  session_->SetListener(this);
  ExerciseView->Show(session_->ExerciseView());
  TypingView->Show(session_->TypingView());
}

TCustomTextEvent::~TCustomTextEvent() {
  // The displays paint the session's canvases: they go before it.
  delete TypingView;
  delete ExerciseView;
  TypingView = nullptr;
  ExerciseView = nullptr;
}

void TCustomTextEvent::FillParams(TextSessionParams& params) {
  params.Kind = kind_;
  params.Text = Text().value_or(std::string());
  params.StoryPosition = StoryPosition();
  params.NoWarning = NoWarning;
  params.SentenceLoop = CurrentUser().SentenceLoop;
  params.SentenceMaxLoop = CurrentUser().SentenceMaxLoop;
}

void TCustomTextEvent::ShowPage() {
  TCustomTypingEvent::ShowPage();
  TEventPageStg* stg = EventPageStg();
  const int viewHeight = ViewHeight();
  ExerciseView->resize(kViewWidth, viewHeight);
  session_->ExerciseView().TypedColor = kTypedGreen;

  // The strip under the text, the typing display's screen under it down
  // to the page's bottom margin, and the display inside the screen.
  const int stripTop = kViewTop + viewHeight + 1;
  stg->LeftConsole->move(kViewLeft, stripTop);
  const int screenTop = stripTop + 35;
  const int pageHeight = BookForm()->WidePage->height();
  stg->Screen1->setGeometry(kViewLeft, screenTop, TEventPageStg::kScreen1Width,
                            pageHeight - kBottomGap - screenTop);
  TypingView->setGeometry(stg->Screen1->geometry().adjusted(kScreenBorder, kScreenBorder,
                                                            -kScreenBorder, -kScreenBorder));
  TypingView->SetBackgroundColor(kColorBlack);
  session_->TypingView().MarkColor = kLime;
  TypingView->SetFontColor(kLime);

  stg->Screen3->hide();
  stg->RhythmTitle->show();
  IsExam = false;
  RhythmLight->setGeometry(kRhythmLightPlace);
  RhythmLight->SetCaptions(ToQString(Str(kStrRhythmSteady)), ToQString(Str(kStrRhythmUnsteady)),
                           ToQString(Str(kStrRhythmWatchOut)));
  RhythmLight->SetLight(0);
  RhythmLight->show();
  RhythmLight->raise();
  stg->EventMsg->hide();

  TextSessionParams params;
  FillParams(params);
  session_->Show(params);

  TypingView->setEnabled(true);
  TypingView->show();
  TypingView->raise();
  TypingView->setFocus();
}

void TCustomTextEvent::KeyPress(char& key) {
  TCustomTypingEvent::KeyPress(key);
  if (key == 0) return;
  session_->KeyPress(key, GetHost().Now(), ShiftKeys().Held());
  // Every key is the exercise's: none moves the focus or clicks a button.
  key = 0;
}

int TCustomTextEvent::GetProgress() {
  return session_->GetProgress();
}

void TCustomTextEvent::OnStarted() {
  TypingView->setEnabled(true);
  TTimedEvent::OnStarted();
}

void TCustomTextEvent::OnStopped() {
  TypingView->setEnabled(false);
  TCustomTypingEvent::OnStopped();
}

void TCustomTextEvent::RhythmLevelChanged(int level) {
  RhythmLight->SetLight(level);
}

void TCustomTextEvent::HidePage() {
  results_ = session_->Finish(Result());
  SetStoryPosition(results_.StoryPosition);
  // A story chosen by the student continues there next time.
  if (TextChosen()) CurrentUser().StoryChoice = results_.StoryPosition;
  // An exam not passed counts as not finished.
  StoreResult(results_.PageResult);
  DeliverExerciseResults(results_);
  TypingView->hide();
  RhythmLight->hide();
  TCustomTypingEvent::HidePage();
}

bool TCustomTextEvent::LessonResults(LessonResultValues& values) const {
  if (!results_.HasResults) return false;
  values.Efficiency = results_.Efficiency;
  values.Accuracy = results_.Accuracy;
  values.Speed = results_.Speed;
  values.Rhythm = results_.Rhythm;
  values.Capitals = results_.Shift.Capitals;
  values.RightShift = results_.Shift.RightHand;
  return true;
}

// ---- TExamEvent ----

TExamEvent::TExamEvent(const std::string& eventLine)
    : TTextEvent(eventLine, TextKind::Exam), Minimums(Fields().ExamLineMinimums()) {}

void TExamEvent::ShowPage() {
  TTextEvent::ShowPage();
  IsExam = true;
}

void TExamEvent::FillParams(TextSessionParams& params) {
  TTextEvent::FillParams(params);
  params.Minimums = Minimums;
}

// ---- TTextBlockEvent ----

TTextBlockEvent::TTextBlockEvent(const std::string& eventLine, TextKind kind)
    : TCustomTextEvent(eventLine, kind) {}

void TTextBlockEvent::ShowPage() {
  TEventPageStg* stg = EventPageStg();
  stg->CreditLbl->SetCaption(QString());
  stg->CreditLbl->move(kCreditLeft, kCreditTop);
  BorrowControl(stg->CreditLbl, BookForm()->WidePage);
  TCustomTextEvent::ShowPage();
  stg->CreditLbl->raise();
}

void TTextBlockEvent::CreditChanged(const std::string& credit) {
  TLabel* label = EventPageStg()->CreditLbl;
  const QString text = ToQString(credit);
  if (label->Caption() != text) label->SetCaption(text);
}

// ---- TSentenceEvent ----

TSentenceEvent::TSentenceEvent(const std::string& eventLine)
    : TTextBlockEvent(eventLine, TextKind::Sentence) {}

void TSentenceEvent::ShowPage() {
  // Sentences are shown in larger letters, before the first line is laid out.
  ExerciseView->setFont(TextFont(20, 26, false));
  TTextBlockEvent::ShowPage();
}

}  // namespace tq
