// The event pages as a student sees them, with the first lesson of the
// Beginner course: each page is checked for controls that leave the page or
// cover one another, and, when TAPQUILL_SCREENSHOT_DIR names a folder, saved
// there as a picture of the whole window.

#include <QDir>
#include <QImage>
#include <string>
#include <vector>

#include "core/shell/errors.h"
#include "event_fixture.h"
#include "gui/exercises/fingers.h"
#include "gui/exercises/keyboard.h"
#include "gui/exercises/keyboard_events.h"
#include "gui/exercises/lcds.h"
#include "gui/exercises/session_canvas.h"
#include "gui/exercises/text_events.h"
#include "gui/exercises/view_canvas_widget.h"
#include "gui/render_probe.h"
#include "gui/storage/event_page_stg.h"
#include "support/temp_dir.h"

namespace tq {
namespace {

using test::PageScript;

constexpr const char* kLessonKeys = "asdfjkl;";

class EventPagesLookTest : public test::EventPageTest {
 protected:
  void SetUp() override {
    EventPageTest::SetUp();
    SetErrorLogPath(logDir / "Errors.log");
    book->resize(TBookForm::kClientWidth, TBookForm::kClientHeight);
  }
  // Saves the window when screenshots are asked for.
  void Shoot(const char* name) {
    test::SaveScreenshot(book->grab().toImage(), QString::fromLatin1(name) + ".png");
  }
  // Every visible control of the wide page lies on it.
  void ExpectAllOnThePage() {
    const QRect page(QPoint(0, 0), book->WidePage->size());
    for (QWidget* w : book->WidePage->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (!w->isVisible()) continue;
      EXPECT_TRUE(page.contains(w->geometry()))
          << w->objectName().toStdString() << " at " << w->x() << "," << w->y() << " " << w->width()
          << "x" << w->height();
    }
  }
  // A control stays clear of the button console in the book's corner.
  void ExpectClearOfButtons(QWidget* w) {
    const QRect onBook(w->mapTo(book->Book, QPoint(0, 0)), w->size());
    EXPECT_FALSE(onBook.intersects(book->BtnConsole->geometry())) << w->objectName().toStdString();
  }
  static QRect KeysBounds() {
    QRect r;
    for (const auto& key : KeyData().Keys)
      if (!key->Hidden) r |= TKeyboard::KeyArea(*key);
    return r;
  }
  test::TempDir logDir;
  test::ScopedCurrentDir cwd{TAPQUILL_DATA_DIR};
};

TEST_F(EventPagesLookTest, MessagePage) {
  TMessageEvent event("event=MESSAGE;0;FILE:Beginner\\L01Intro.kls;The home row;Ch1.pic;LEFT");
  QRect text, picture;
  PageScript script;
  script.When([&] { return event.InLoop(); },
              [&] {
                ExpectAllOnThePage();
                ExpectClearOfButtons(event.TextView);
                text = event.TextView->geometry();
                picture = event.PictureImage->geometry();
                Shoot("message_page");
                Press(Qt::Key_Return);
              });
  EXPECT_EQ(event.Run(), kEventNext);
  EXPECT_FALSE(picture.isEmpty());
  EXPECT_FALSE(text.intersects(picture));
}

// A text longer than the page is read page by page: Down, Page Down and the
// wheel turn forward, Up and Page Up back, and the sign under the text says
// which way more lies.
TEST_F(EventPagesLookTest, LongMessagePagesThroughItsText) {
  std::string text;
  for (int i = 1; i <= 60; ++i) text += "Paragraph " + std::to_string(i) + " of the long text. ";
  TMessageEvent event("event=MESSAGE;0;" + text + ";Long;Ch1.pic;LEFT");
  std::vector<int> starts;
  bool moreShown = false, lastShown = false, clear = true;
  PageScript script;
  script.When([&] { return event.InLoop(); },
              [&] {
                const TViewCanvas& canvas = event.TextView->Canvas();
                moreShown = event.MoreLabel->isVisible();
                clear = !QRect(event.MoreLabel->mapTo(book->Book, QPoint(0, 0)),
                               event.MoreLabel->size())
                             .intersects(book->BtnConsole->geometry());
                starts.push_back(canvas.PageStart());
                Press(Qt::Key_PageDown);
                starts.push_back(canvas.PageStart());
                Press(Qt::Key_Down);
                starts.push_back(canvas.PageStart());
                for (int i = 0; i < 20; ++i) Press(Qt::Key_PageDown);
                lastShown = !canvas.HasNextPage();
                Press(Qt::Key_PageUp);
                Press(Qt::Key_Up);
                Press(Qt::Key_Up);
                Press(Qt::Key_Up);
                for (int i = 0; i < 20; ++i) Press(Qt::Key_Up);
                starts.push_back(canvas.PageStart());
                Press(Qt::Key_Return);
              });
  EXPECT_EQ(event.Run(), kEventNext);
  ASSERT_EQ(starts.size(), 4u);
  EXPECT_EQ(starts[0], 0);
  EXPECT_GT(starts[1], starts[0]);
  EXPECT_GT(starts[2], starts[1]);
  EXPECT_EQ(starts[3], 0);
  EXPECT_TRUE(moreShown);
  EXPECT_TRUE(clear);
  EXPECT_TRUE(lastShown);
}

TEST_F(EventPagesLookTest, NewKeysDrill) {
  TNewKeysEvent event("event=NEWKEYS;1;FILE:Beginner\\L01New.kls");
  EventSetup setup;
  setup.KnownKeys = kLessonKeys;
  event.Prepare(setup);
  PageScript script;
  script.When([&] { return event.InLoop(); },
              [&] {
                Type("ff");
                ExpectAllOnThePage();
                const QRect keys = KeysBounds().translated(event.Keyboard->pos());
                EXPECT_FALSE(keys.intersects(event.KeysImage->geometry()));
                EXPECT_FALSE(keys.intersects(EventPageStg()->NewKeys->geometry()));
                // The hands sit below the keys.
                const QRect hands(event.Fingers->mapTo(book.get(), QPoint(0, 0)),
                                  event.Fingers->size());
                const QRect keysOnWindow(event.Keyboard->mapTo(book.get(), KeysBounds().topLeft()),
                                         KeysBounds().size());
                EXPECT_FALSE(hands.intersects(keysOnWindow));
                Shoot("new_keys_drill");
                Press(Qt::Key_Escape);
              });
  host.AnswerNext(true);
  event.Run();
}

TEST_F(EventPagesLookTest, KeyboardDrillAfterAMistake) {
  TKeyboardEvent event("event=KEYBOARD;1;FILE:Beginner\\L01Keyb.kls");
  EventSetup setup;
  setup.KnownKeys = kLessonKeys;
  event.Prepare(setup);
  PageScript script;
  script.When([&] { return event.InLoop(); },
              [&] {
                Type("\rsfl da");
                Type("k");  // wrong: l is next
                ExpectAllOnThePage();
                const QRect keys = KeysBounds().translated(event.Keyboard->pos());
                EXPECT_FALSE(keys.intersects(event.ExerciseView->geometry()));
                EXPECT_FALSE(keys.intersects(EventPageStg()->RightConsole->geometry()));
                Shoot("keyboard_drill");
                Press(Qt::Key_Escape);
              });
  host.AnswerNext(true);
  event.Run();
}

TEST_F(EventPagesLookTest, WordDrill) {
  TWordEvent event("event=WORD;1;FILE:Beginner\\L01Word.kls");
  EventSetup setup;
  setup.KnownKeys = kLessonKeys;
  event.Prepare(setup);
  PageScript script;
  script.When([&] { return event.InLoop(); },
              [&] {
                Type("alfalfa al");
                ExpectAllOnThePage();
                EXPECT_FALSE(
                    event.WordDisplay->geometry().intersects(event.Keyboard->geometry().intersected(
                        KeysBounds().translated(event.Keyboard->pos()))));
                Shoot("word_drill");
                Press(Qt::Key_Escape);
              });
  host.AnswerNext(true);
  event.Run();
}

TEST_F(EventPagesLookTest, TextInProgressWithMarkedWords) {
  TTextEvent event("event=TEXT;1;FILE:Beginner\\L01Text.kls;FALSE");
  PageScript script;
  script.When([&] { return event.InLoop(); },
              [&] {
                // A dotted mark (one slip), a solid one (a wrong word), a correction.
                Type("a lad askd dad; jjjk asks a lad\rall lads fal", 0.2);
                ExpectAllOnThePage();
                TEventPageStg* stg = EventPageStg();
                EXPECT_FALSE(event.ExerciseView->geometry().intersects(stg->Screen1->geometry()));
                EXPECT_TRUE(stg->Screen1->geometry().contains(event.TypingView->geometry()));
                EXPECT_FALSE(event.RhythmLight->geometry().intersects(stg->Screen2->geometry()));
                for (QWidget* w :
                     {static_cast<QWidget*>(stg->Screen1), static_cast<QWidget*>(stg->RightConsole),
                      static_cast<QWidget*>(event.RhythmLight)})
                  ExpectClearOfButtons(w);
                Shoot("text_in_progress");
                Press(Qt::Key_Escape);
              });
  host.AnswerNext(true);
  event.Run();
}

TEST_F(EventPagesLookTest, ParagraphWithItsCredit) {
  TParagraphEvent event("event=PARAGRAPH;1;FILE:Speed\\S01Para.kls;FALSE");
  PageScript script;
  script.When(
      [&] { return event.InLoop(); },
      [&] {
        Type("Sit tall, drop your shoulders, keep your wrists level.\r", 0.15);
        Type("Rest your fingers on the home row before each line.\r", 0.15);
        Type("Look at the text, not at your hands; trust them.\r", 0.15);
        Type("An even beat is worth more than a burst of speed.\r", 0.15);
        Type("Slow is sm", 0.15);
        TEventPageStg* stg = EventPageStg();
        EXPECT_EQ(stg->CreditLbl->Caption().toStdString(), "\u00a9 Sayings for typists");
        EXPECT_TRUE(stg->CreditLbl->isVisible());
        EXPECT_FALSE(stg->CreditLbl->geometry().intersects(stg->Screen1->geometry()));
        EXPECT_FALSE(stg->CreditLbl->geometry().intersects(stg->LeftConsole->geometry()));
        EXPECT_FALSE(event.ExerciseView->geometry().intersects(stg->LeftConsole->geometry()));
        ExpectAllOnThePage();
        Shoot("paragraph_with_credit");
        Press(Qt::Key_Escape);
      });
  host.AnswerNext(true);
  event.Run();
}

TEST_F(EventPagesLookTest, FinishedExam) {
  TExamEvent event("event=EXAM;1;FILE:Beginner\\L01Exam.kls;FALSE;30;30;0");
  EventSetup setup;
  setup.TimeBudget = 180;
  event.Prepare(setup);
  PageScript script;
  script
      .When([&] { return event.InLoop(); },
            [&] {
              Type(
                  "fjf jfj; a sad lad asks dad; all lads fall\r"
                  "dad adds salads; a lass asks a lad; jf fj\r",
                  0.18);
            })
      .When([&] { return event.State() == kEventFinished; },
            [&] {
              TEventPageStg* stg = EventPageStg();
              EXPECT_TRUE(stg->EventMsg->isVisible());
              EXPECT_TRUE(event.ExerciseView->geometry().contains(stg->EventMsg->geometry()));
              ExpectAllOnThePage();
              Shoot("exam_finished");
              Press(Qt::Key_Return);
            });
  EXPECT_EQ(event.Run(), kEventNext);
  ASSERT_EQ(delivered.size(), 1u);
  EXPECT_TRUE(delivered[0].ExamPassed) << delivered[0].Tip;
}

}  // namespace
}  // namespace tq
