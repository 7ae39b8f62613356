// Text typing on screen: keys typed into the book window reach the core's
// text session with their times, and the figures the results page gets are
// the ones the core computes for the same keys; exams check their minimums;
// sentences pause between lines.

#include "gui/exercises/text_events.h"

#include "core/exercises/text_session.h"
#include "event_fixture.h"
#include "gui/exercises/lcds.h"
#include "gui/exercises/qt_font_metrics.h"
#include "gui/exercises/session_canvas.h"
#include "gui/storage/event_page_stg.h"

namespace tq {
namespace {

using test::kSecond;
using test::PageScript;

constexpr const char* kText = "the old fox sat on a red mat by the door";

struct TimedKey {
  char key;
  double at;
};

class TextEventsTest : public test::EventPageTest {
 protected:
  // Types and remembers each key with the time it was typed at.
  void TypeTimed(const std::string& text, double secondsPerKey) {
    for (char c : text) {
      Type(std::string(1, c), secondsPerKey);
      keys.push_back({c == '\r' ? '\r' : c, host.now});
    }
  }
  // The same keys through a session of the core, with nothing on screen.
  TextResults Replay(TextKind kind, const ExamMinimums& minimums, int pageResult) {
    QtFontMetrics text(PointFont("Times New Roman", 14));
    QtFontMetrics typing(PointFont("Arial", 13));
    TextSession session(text, typing);
    TextSessionParams params;
    params.Kind = kind;
    params.Text = kText;
    params.Minimums = minimums;
    session.Show(params);
    for (const TimedKey& k : keys) session.KeyPress(k.key == '\r' ? 13 : k.key, k.at);
    return session.Finish(pageResult);
  }
  std::vector<TimedKey> keys;
};

TEST_F(TextEventsTest, ATypedTextReachesTheResultsWithTheCoresFigures) {
  struct Case {
    const char* line;
    TextKind kind;
    ExamMinimums minimums;
    int result;
    const char* tip;  // the start of the tip, or empty for the studying tip
  } cases[] = {
      {"TEXT;1;%s;FALSE", TextKind::Text, {}, kEventNext, ""},
      {"EXAM;1;%s;FALSE;30;30;0",
       TextKind::Exam,
       {30, 30, 0},
       kEventNext,
       "Congratulations, you passed"},
      {"EXAM;1;%s;FALSE;30;100;0",
       TextKind::Exam,
       {30, 100, 0},
       kEventCancelled,
       "Your accuracy was not good enough"},
      // Seven fields: no minimums, any finished exam passes.
      {"EXAM;1;%s;FALSE;30;100", TextKind::Exam, {}, kEventNext, "Congratulations"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    keys.clear();
    delivered.clear();
    char line[256];
    std::snprintf(line, sizeof line, c.line, kText);
    std::unique_ptr<TCustomTextEvent> event;
    if (c.kind == TextKind::Exam)
      event = std::make_unique<TExamEvent>(std::string("event=") + line);
    else
      event = std::make_unique<TTextEvent>(std::string("event=") + line);
    PageScript script;
    script
        .When([&] { return event->InLoop(); },
              [&] {
                // A slip corrected with Backspace, a wrong word, a pause.
                TypeTimed("the olf\b\bld fox sat ", 0.2);
                TypeTimed("in a red mat ", 0.25);
                host.now += 8 * kSecond;
                TypeTimed("by the door ", 0.2);
              })
        .When([&] { return event->State() == kEventFinished; }, [&] { Press(Qt::Key_Return); });
    const int result = event->Run();
    EXPECT_EQ(result, c.result);

    const TextResults want = Replay(c.kind, c.minimums, kEventNext);
    ASSERT_EQ(delivered.size(), 1u);
    const TextResults& got = delivered[0];
    EXPECT_TRUE(got.HasResults);
    EXPECT_EQ(got.Ticks, want.Ticks);
    EXPECT_GT(got.Ticks, 10);
    EXPECT_EQ(got.Speed, want.Speed);
    EXPECT_FLOAT_EQ(got.Accuracy, want.Accuracy);
    EXPECT_LT(got.Accuracy, 100.0f) << "the wrong word counts";
    EXPECT_EQ(got.Efficiency, want.Efficiency);
    EXPECT_EQ(got.Rhythm, want.Rhythm);
    EXPECT_FLOAT_EQ(got.BackspacePercent, want.BackspacePercent);
    EXPECT_GT(got.BackspacePercent, 0.0f);
    EXPECT_EQ(got.SpeedGrade, want.SpeedGrade);
    EXPECT_EQ(got.Tip, want.Tip);
    EXPECT_EQ(got.PageResult, c.result);
    if (*c.tip) {
      EXPECT_EQ(got.Tip.rfind(c.tip, 0), 0u) << got.Tip;
    }

    // The course records the same figures for the lesson.
    LessonResultValues values;
    ASSERT_TRUE(event->LessonResults(values));
    EXPECT_DOUBLE_EQ(values.Speed, got.Speed);
    EXPECT_DOUBLE_EQ(values.Accuracy, got.Accuracy);
    EXPECT_DOUBLE_EQ(values.Efficiency, got.Efficiency);
    EXPECT_DOUBLE_EQ(values.Rhythm, got.Rhythm);
  }
}

TEST_F(TextEventsTest, AShortRunHasNoResultsAndAnUnfinishedExamFails) {
  TExamEvent event("event=EXAM;1;aa bb cc dd ee ff gg;FALSE;10;10;0");
  host.AnswerNext(true);
  PageScript script;
  script.When([&] { return event.InLoop(); },
              [&] {
                Type("aa bb ");
                Press(Qt::Key_Escape);
              });
  EXPECT_EQ(event.Run(), kEventCancelled);
  ASSERT_EQ(delivered.size(), 1u);
  EXPECT_FALSE(delivered[0].HasResults);
  EXPECT_EQ(delivered[0].Tip,
            "You didn't complete the whole exam and therefore cannot continue to the next lesson");
  LessonResultValues values;
  EXPECT_FALSE(event.LessonResults(values));
}

TEST_F(TextEventsTest, KeysAfterTheEndAreIgnoredAndTheTypingDisplayIsDisabled) {
  TTextEvent event("event=TEXT;1;aa bb;FALSE");
  std::string typedAfter;
  bool enabledWhileTyping = false, enabledAfter = true;
  PageScript script;
  script.When([&] { return event.InLoop(); },
              [&] {
                Type("aa ");
                enabledWhileTyping = event.TypingView->isEnabled();
                Type("bb ");
                Type("zz");
                typedAfter = event.Session().TypingView().TypedText();
                enabledAfter = event.TypingView->isEnabled();
                Press(Qt::Key_Return);
              });
  EXPECT_EQ(event.Run(), kEventNext);
  EXPECT_TRUE(enabledWhileTyping);
  EXPECT_FALSE(enabledAfter);
  EXPECT_EQ(typedAfter, "");
  EXPECT_EQ(std::count(sounds.begin(), sounds.end(), kSoundTheEnd), 1);
}

TEST_F(TextEventsTest, TheRhythmLightFollowsTheMeter) {
  TTextEvent event(std::string("event=TEXT;1;") + kText + ";FALSE");
  int light = -1;
  PageScript script;
  script.When([&] { return event.InLoop(); },
              [&] {
                Type("the old fox sat on", 0.2);
                light = event.RhythmLight->Light();
                Press(Qt::Key_Escape);
              });
  host.AnswerNext(true);
  event.Run();
  // Steady keys at the same pace light the steady lamp.
  EXPECT_EQ(light, 1);
}

TEST_F(TextEventsTest, SentencesPauseAfterEachLineAndTheNextKeyResumes) {
  TSentenceEvent event("event=SENTENCE;1;FILE:Lines.kls;FALSE");
  test::TempDir dir;
  test::ScopedCurrentDir cwd(dir.path());
  test::WriteFile(dir / "Lines.kls", "aa bb\r\ncc dd\r\n");
  int stateAfterLine = -1, stateAfterKey = -1;
  int ticksAtPause = -1, ticksAfterKey = -1;
  PageScript script;
  script
      .When([&] { return event.InLoop(); },
            [&] {
              Type("aa bb\r");
              stateAfterLine = event.State();
              ticksAtPause = event.Ticks();
              host.now += 60 * kSecond;
              Type("c");
              stateAfterKey = event.State();
              ticksAfterKey = event.Ticks();
              Type("c dd\r");
            })
      .When([&] { return event.State() == kEventFinished; }, [&] { Press(Qt::Key_Return); });
  EXPECT_EQ(event.Run(), kEventNext);
  EXPECT_EQ(stateAfterLine, kEventPaused);
  EXPECT_EQ(ticksAfterKey, ticksAtPause) << "the wait between lines does not count";
  EXPECT_EQ(stateAfterKey, kEventRunning);
}

}  // namespace
}  // namespace tq
