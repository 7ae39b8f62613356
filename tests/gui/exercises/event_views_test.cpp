// The event framework on screen: key routing (Enter, Escape, the Alt
// letters), the question before an unfinished exercise is left and the
// clock that pauses while it is open, the clock display with and without a
// time budget, and the message page's title, text and picture.

#include "gui/exercises/event_views.h"

#include <QImage>
#include <QPainter>

#include "core/shell/errors.h"
#include "core/shell/strings.h"
#include "event_fixture.h"
#include "gui/exercises/text_events.h"
#include "gui/exercises/view_canvas_widget.h"
#include "gui/storage/event_page_stg.h"
#include "support/temp_dir.h"

namespace tq {
namespace {

using test::kSecond;
using test::PageScript;

constexpr const char* kShortText = "event=TEXT;1;aa bb cc;FALSE";

class EventViewsTest : public test::EventPageTest {};

TEST_F(EventViewsTest, EnterIsNextOnlyOnceTheEventIsFinished) {
  TTextEvent event(kShortText);
  bool openAfterEarlyEnter = false;
  bool openAfterRunningEnter = false;
  int wordsAfterRunningEnter = -1;
  PageScript script;
  script
      .When([&] { return event.InLoop(); },
            [&] {
              Press(Qt::Key_Return);  // nothing typed yet: not Next
              openAfterEarlyEnter = event.Active();
              Type("aa\r");  // running: Enter ends the word
              openAfterRunningEnter = event.Active();
              wordsAfterRunningEnter = event.Session().WordsTyped();
              Type("bb cc ");
            })
      .When([&] { return event.State() == kEventFinished; }, [&] { Press(Qt::Key_Return); });
  EXPECT_EQ(event.Run(), kEventNext);
  EXPECT_TRUE(openAfterEarlyEnter);
  EXPECT_TRUE(openAfterRunningEnter);
  EXPECT_EQ(wordsAfterRunningEnter, 1);
  EXPECT_TRUE(host.questions.empty()) << "a finished event leaves without a question";
}

TEST_F(EventViewsTest, EscapeAndTheAltLettersLeaveWithTheirPageResults) {
  struct Case {
    const char* name;
    const char* typed;  // before the key
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    std::vector<bool> answers;
    int result;
    int questions;
  } cases[] = {
      {"escape before the first key", "", Qt::Key_Escape, Qt::NoModifier, {}, kEventCancelled, 0},
      {"escape while typing, yes",
       "aa",
       Qt::Key_Escape,
       Qt::NoModifier,
       {true},
       kEventCancelled,
       1},
      {"escape when finished", "aa bb cc ", Qt::Key_Escape, Qt::NoModifier, {}, 4, 0},
      {"alt+c when finished", "aa bb cc ", Qt::Key_C, Qt::AltModifier, {}, 4, 0},
      {"alt+n while typing, yes", "aa", Qt::Key_N, Qt::AltModifier, {true}, kEventNext, 1},
      {"alt+n when finished", "aa bb cc ", Qt::Key_N, Qt::AltModifier, {}, kEventNext, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    host.questions.clear();
    for (bool a : c.answers) host.AnswerNext(a);
    TTextEvent event(kShortText);
    PageScript script;
    script.When([&] { return event.InLoop(); },
                [&] {
                  Type(c.typed);
                  Press(c.key, c.modifiers);
                });
    EXPECT_EQ(event.Run(), c.result);
    EXPECT_EQ(static_cast<int>(host.questions.size()), c.questions);
  }
}

TEST_F(EventViewsTest, EscapeOnARunningEventPausesAsksAndResumesOnNo) {
  host.secondsPerQuestion = 30;
  host.AnswerNext(false);
  TTextEvent event(kShortText);
  int ticksBefore = -1, ticksAfter = -1, stateAfter = -1;
  bool activeAfter = false;
  PageScript script;
  script
      .When([&] { return event.InLoop(); },
            [&] {
              Type("aa b");
              host.now += 10 * kSecond;
              ticksBefore = event.Ticks();
              Press(Qt::Key_Escape);
              activeAfter = event.Active();
              stateAfter = event.State();
              ticksAfter = event.Ticks();
              Type("b cc ");
            })
      .When([&] { return event.State() == kEventFinished; }, [&] { Press(Qt::Key_Return); });
  EXPECT_EQ(event.Run(), kEventNext);
  ASSERT_EQ(host.questions.size(), 1u);
  EXPECT_EQ(host.questions[0].caption, "Tapquill");
  EXPECT_EQ(host.questions[0].text, "You haven't finished this exercise yet, proceed anyway?");
  EXPECT_TRUE(activeAfter);
  EXPECT_EQ(stateAfter, kEventRunning);
  // The 30 seconds the question was open do not count.
  EXPECT_GT(ticksBefore, 10);
  EXPECT_EQ(ticksAfter, ticksBefore);
}

TEST_F(EventViewsTest, ClockDisplayShowsCompletedAndPercentOrACountdown) {
  struct Case {
    int budget;
    const char* labelBefore;
    const char* valueBefore;
    int ticksLater;
    const char* valueLater;
    bool stoppedLater;
  } cases[] = {
      {0, "Completed", "0 %", 30, "0 %", false}, {60, "Time", "01:00", 30, "00:30", false},
      {60, "Time", "01:00", 59, "00:01", false}, {60, "Time", "01:00", 60, "00:00", true},
      {125, "Time", "02:05", 5, "02:00", false},
  };
  TEventPageStg* stg = EventPageStg();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.budget);
    TTextEvent event("event=TEXT;1;aa bb cc dd ee ff gg hh ii jj;FALSE");
    EventSetup setup;
    setup.TimeBudget = c.budget;
    event.Prepare(setup);
    std::string labelBefore, valueBefore, valueLater;
    bool stopped = false, messageShown = false;
    bool clockWakes = false;
    int wakeInMs = -1;
    PageScript script;
    script.When([&] { return event.InLoop(); },
                [&] {
                  labelBefore = stg->TimeLbl->Caption().toStdString();
                  valueBefore = stg->TimeLabel->Caption().toStdString();
                  Type("a");  // the first key starts the clock
                  // The clock sleeps until its display changes: half a tick
                  // from the start, then a tick at a time.
                  clockWakes = event.Timer.isActive();
                  wakeInMs = event.Timer.interval();
                  host.now += c.ticksLater * 0.864 * kSecond;
                  event.UpdateClock();
                  valueLater = stg->TimeLabel->Caption().toStdString();
                  stopped = event.State() == kEventFinished;
                  messageShown = stg->EventMsg->isVisible();
                  Press(Qt::Key_Escape);
                });
    host.AnswerNext(true);
    event.Run();
    EXPECT_EQ(labelBefore, c.labelBefore);
    EXPECT_EQ(valueBefore, c.valueBefore);
    EXPECT_EQ(valueLater, c.valueLater);
    EXPECT_EQ(stopped, c.stoppedLater);
    EXPECT_EQ(messageShown, c.stoppedLater);
    EXPECT_EQ(clockWakes, c.budget > 0);
    if (c.budget > 0) {
      EXPECT_EQ(wakeInMs, 433);
    }
    host.answers.clear();
  }
}

TEST_F(EventViewsTest, WithoutBudgetTheDisplayFollowsTheProgressOfTheText) {
  TTextEvent event("event=TEXT;1;aa bb cc dd;FALSE");
  std::string half, done;
  int halfProgress = -1;
  PageScript script;
  script.When([&] { return event.InLoop(); },
              [&] {
                Type("aa bb ");
                halfProgress = event.GetProgress();
                half = EventPageStg()->TimeLabel->Caption().toStdString();
                Type("cc dd ");
                done = EventPageStg()->TimeLabel->Caption().toStdString();
                Press(Qt::Key_Return);
              });
  EXPECT_EQ(event.Run(), kEventNext);
  EXPECT_GT(halfProgress, 0);
  EXPECT_LT(halfProgress, 100);
  EXPECT_EQ(half, std::to_string(halfProgress) + " %");
  EXPECT_EQ(done, "100 %");
  EXPECT_EQ(EventPageStg()->TimeGraph->Progress(), 100);
}

TEST_F(EventViewsTest, LeavingGivesEveryStorageControlBack) {
  const auto before = test::StorageParents();
  std::vector<std::pair<QWidget*, QWidget*>> formBefore;
  for (QWidget* w : EventPageStg()->findChildren<QWidget*>())
    formBefore.emplace_back(w, w->parentWidget());
  {
    TTextEvent event(kShortText);
    PageScript script;
    script.When([&] { return event.InLoop(); }, [&] { Press(Qt::Key_Escape); });
    event.Run();
  }
  for (const auto& [w, parent] : formBefore) EXPECT_EQ(w->parentWidget(), parent);
  EXPECT_FALSE(book->OnKeyDown);
  EXPECT_FALSE(book->OnKeyPress);
  EXPECT_EQ(book->ButtonSet(), 0);
  EXPECT_TRUE(book->TitleConsole->isVisibleTo(book.get()));
}

TEST_F(EventViewsTest, TheTimeAPageWasShownCountsTowardsTheLesson) {
  struct Case {
    int seconds;
    int minutes;
  } cases[] = {{170, 3}, {165, 2}, {46, 1}, {45, 0}, {4200, 60}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.seconds);
    auto student = std::make_unique<TUser>("Ann");
    student->BookMark.Chapter = 2;
    SetCurrentUser(std::move(student));
    TMessageEvent event("event=MESSAGE;0;Text;Title");
    PageScript script;
    script.When([&] { return event.InLoop(); },
                [&] {
                  host.now += c.seconds * kSecond;
                  Press(Qt::Key_Return);
                });
    EXPECT_EQ(event.Run(), kEventNext);
    EXPECT_EQ(CurrentUser().StudyMinutes, c.minutes);
    EXPECT_EQ(CurrentUser().LessonMinutes, c.minutes);
    EXPECT_EQ(CurrentUser().ChapterSeconds[2], std::min(c.seconds, 3600 + c.seconds % 60));
  }
}

class MessageEventTest : public test::EventPageTest {
 protected:
  void SetUp() override {
    EventPageTest::SetUp();
    SetErrorLogPath(dir / "Errors.log");
    QImage picture(100, 80, QImage::Format_RGB32);
    picture.fill(QColor(200, 20, 20));
    // The format is found from the content, whatever the extension.
    picture.save(QString::fromStdString(dir / "Lesson.pic"), "PNG");
  }
  test::TempDir dir;
  test::ScopedCurrentDir cwd{dir.path()};
};

TEST_F(MessageEventTest, ShowsTitleTextAndPictureOnTheChosenSide) {
  struct Case {
    const char* line;
    bool picture;
    int pictureLeft;
    int textLeft;
    int textWidth;
  } cases[] = {
      {"event=MESSAGE;0;Keep your wrists low.;Home row;Lesson.pic;LEFT", true, 15, 130, 360},
      {"event=MESSAGE;0;Keep your wrists low.;Home row;Lesson.pic;left", true, 15, 130, 360},
      // Right: the picture 15 from the right edge, the text up to 15 before it.
      {"event=MESSAGE;0;Keep your wrists low.;Home row;Lesson.pic;RIGHT", true, 603, 15, 360},
      {"event=MESSAGE;0;Keep your wrists low.;Home row;Lesson.pic", true, 603, 15, 360},
      {"event=MESSAGE;0;Keep your wrists low.;Home row;Missing.pic;LEFT", false, 0, 130, 360},
      {"event=MESSAGE;0;Keep your wrists low.;Home row", false, 0, 130, 360},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    TMessageEvent event(c.line);
    std::string title, text;
    QRect textRect, pictureRect;
    bool pictureShown = false;
    QRgb pixel = 0;
    int state = -1;
    PageScript script;
    script.When([&] { return event.InLoop(); },
                [&] {
                  title = book->Title->Caption().toStdString();
                  text = event.TextView->Canvas().Text();
                  textRect = event.TextView->geometry();
                  pictureRect = event.PictureImage->geometry();
                  pictureShown = event.PictureImage->isVisible();
                  state = event.State();
                  const QImage page = book->WidePage->grab().toImage();
                  pixel = page.pixel(pictureRect.center());
                  Press(Qt::Key_Return);
                });
    EXPECT_EQ(event.Run(), kEventNext);
    EXPECT_EQ(title, "Home row");
    EXPECT_EQ(text, "Keep your wrists low.");
    EXPECT_EQ(state, kEventFinished);
    EXPECT_EQ(textRect.left(), c.textLeft);
    EXPECT_EQ(textRect.top(), 50);
    EXPECT_EQ(textRect.width(), c.textWidth);
    // The page's bottom margin and the line for the sign that more follows.
    EXPECT_EQ(textRect.bottom() + 1, 428 - 15 - TMessageEvent::kMoreLine);
    EXPECT_EQ(pictureShown, c.picture);
    if (c.picture) {
      EXPECT_EQ(pictureRect, QRect(c.pictureLeft, 50, 100, 80));
      EXPECT_EQ(QColor(pixel), QColor(200, 20, 20));
    }
  }
}

TEST_F(MessageEventTest, CancelOnAMessageIsCancelAfterFinishing) {
  TMessageEvent event("event=MESSAGE;0;Text;Title");
  PageScript script;
  script.When([&] { return event.InLoop(); }, [&] { book->Cancel->OnClick(book->Cancel); });
  EXPECT_EQ(event.Run(), 4);
  EXPECT_TRUE(host.questions.empty());
}

// A text that cannot be read is reported, and the event does not run: it is
// left unfinished, so its exercise is not credited and the student returns
// to the lesson page.
TEST_F(MessageEventTest, AMissingTextFileIsReportedAndTheEventIsNotCredited) {
  TMessageEvent event("event=MESSAGE;0;FILE:Nowhere.kls;Title");
  bool shown = false;
  PageScript script;
  script.When([&] { return event.InLoop(); },
              [&] {
                shown = true;
                Press(Qt::Key_Return);
              });
  EXPECT_EQ(event.Run(), kEventCancelled);
  EXPECT_FALSE(shown);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_NE(host.messages.back().text.find("File Nowhere.kls missing or read error"),
            std::string::npos)
      << host.messages.back().text;
}

}  // namespace
}  // namespace tq
