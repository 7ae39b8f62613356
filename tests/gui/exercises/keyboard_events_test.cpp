// The keyboard drills on screen: the key to press lit green on the
// keyboard, the key pressed by mistake crossed out, the finger named and
// shown, the lamps and the feedback picture, and only the keys whose marks
// changed painted again.

#include "gui/exercises/keyboard_events.h"

#include "event_fixture.h"
#include "gui/exercises/fingers.h"
#include "gui/exercises/keyboard.h"
#include "gui/exercises/lcds.h"
#include "gui/render_probe.h"
#include "gui/storage/event_page_stg.h"
#include "gui/widgets/controls.h"

namespace tq {
namespace {

using test::PageScript;

const TKeyInfoExt& KeyOf(char c) {
  const TKeyInfoExt* key = KeyData().FindKey(std::string(1, c));
  EXPECT_NE(key, nullptr) << c;
  static TKeyInfoExt none;
  return key ? *key : none;
}

// The colour in the middle of the left part of a key's face (clear of its
// label and its shadow).
QRgb FaceColor(TKeyboard& keyboard, char c) {
  const TKeyInfoExt& key = KeyOf(c);
  const QImage image = keyboard.grab().toImage();
  return image.pixel(key.X + 8, key.Y + key.Height / 2 + 4);
}

class KeyboardEventsTest : public test::EventPageTest {};

TEST_F(KeyboardEventsTest, NewKeysLightTheNextKeyAndNameItsFinger) {
  TNewKeysEvent event("event=NEWKEYS;1;asdf jkl");
  struct Seen {
    bool aLit, sLit, xWrong;
    std::string finger;
    QRgb aFace;
  };
  Seen start{}, afterA{}, afterMistake{};
  auto look = [&](Seen& s) {
    s.aLit = KeyOf('a').Lit;
    s.sLit = KeyOf('s').Lit;
    s.xWrong = KeyOf('x').Wrong;
    s.finger = EventPageStg()->FingerLbl->Caption().toStdString();
    s.aFace = FaceColor(*event.Keyboard, 'a');
  };
  QRect keyboardPlace, keysPlace;
  PageScript script;
  script.When([&] { return event.InLoop(); },
              [&] {
                keyboardPlace = event.Keyboard->geometry();
                keysPlace = event.KeysImage->geometry();
                look(start);
                Type("a");
                look(afterA);
                Type("x");
                look(afterMistake);
                Press(Qt::Key_Escape);
              });
  host.AnswerNext(true);
  EXPECT_EQ(event.Run(), kEventCancelled);
  EXPECT_EQ(keyboardPlace, QRect(30, 128, 502, 250));
  EXPECT_EQ(keysPlace, QRect(120, 25, 260, 35));
  EXPECT_TRUE(start.aLit);
  EXPECT_FALSE(start.sLit);
  EXPECT_EQ(start.finger, "left little finger");
  EXPECT_TRUE(test::Near(start.aFace, kLitFaceColor)) << test::Hex(start.aFace);
  EXPECT_FALSE(afterA.aLit);
  EXPECT_TRUE(afterA.sLit);
  EXPECT_EQ(afterA.finger, "left ring finger");
  EXPECT_FALSE(test::Near(afterA.aFace, kLitFaceColor)) << test::Hex(afterA.aFace);
  EXPECT_TRUE(afterMistake.sLit);
  EXPECT_TRUE(afterMistake.xWrong);
  // Leaving takes every mark off the shared layout.
  EXPECT_FALSE(KeyOf('s').Lit);
  EXPECT_FALSE(KeyOf('x').Wrong);
}

TEST_F(KeyboardEventsTest, AKeyboardDrillLightsTheExpectedKeyAfterAMistake) {
  TKeyboardEvent event("event=KEYBOARD;1;as df");
  bool litBefore = true, aLit = false, xWrong = false, litAfterRight = true;
  int fingerOnMistake = -1, fingerAfterRight = -1;
  QRgb aFace = 0;
  bool lampsShown = true;
  PageScript script;
  script
      .When([&] { return event.InLoop(); },
            [&] {
              // The keyboard drill does not show the way before a mistake.
              litBefore = KeyOf('a').Lit;
              lampsShown = event.Lamps->isVisible() || EventPageStg()->Screen3->isVisible();
              Type("x");
              aLit = KeyOf('a').Lit;
              xWrong = KeyOf('x').Wrong;
              aFace = FaceColor(*event.Keyboard, 'a');
              fingerOnMistake = event.Fingers->Finger();
              Type("a");
              litAfterRight = KeyOf('a').Lit || KeyOf('x').Wrong;
              fingerAfterRight = event.Fingers->Finger();
              Type("s df\r");
            })
      .When([&] { return event.State() == kEventFinished; }, [&] { Press(Qt::Key_Return); });
  EXPECT_EQ(event.Run(), kEventNext);
  EXPECT_FALSE(litBefore);
  EXPECT_FALSE(lampsShown) << "the keyboard drill has no lamps";
  EXPECT_TRUE(aLit);
  EXPECT_TRUE(xWrong);
  EXPECT_TRUE(test::Near(aFace, kLitFaceColor)) << test::Hex(aFace);
  EXPECT_EQ(fingerOnMistake, KeyData().FingerOf('a'));
  EXPECT_FALSE(litAfterRight);
  EXPECT_EQ(fingerAfterRight, 0);
}

TEST_F(KeyboardEventsTest, OnlyTheKeysWhoseMarksChangedArePaintedAgain) {
  TNewKeysEvent event("event=NEWKEYS;1;asdf");
  QRegion painted;
  QRegion allowed;
  PageScript script;
  script.When([&] { return event.InLoop(); },
              [&] {
                test::Flush();
                test::PaintRecorder recorder(event.Keyboard);
                const int fingerBefore = event.Fingers->Finger();
                Type("a");
                test::Flush();
                painted = recorder.painted;
                for (char c : {'a', 's'}) allowed += TKeyboard::KeyArea(KeyOf(c));
                // The hands lie over the empty bottom of the keyboard's
                // rectangle: a finger changing there shows through.
                const QPoint handsOffset = event.Fingers->mapTo(book.get(), QPoint(0, 0)) -
                                           event.Keyboard->mapTo(book.get(), QPoint(0, 0));
                for (int f : {fingerBefore, event.Fingers->Finger()})
                  allowed += event.Fingers->FingerArea(f).translated(handsOffset);
                Press(Qt::Key_Escape);
              });
  host.AnswerNext(true);
  event.Run();
  EXPECT_FALSE(painted.isEmpty());
  EXPECT_TRUE((painted - allowed).isEmpty())
      << "painted " << painted.boundingRect().width() << "x" << painted.boundingRect().height();
}

TEST_F(KeyboardEventsTest, AWordTypedRightLightsALampAndShowsTheOkPicture) {
  TWordEvent event("event=WORD;1;as");
  int lampsCount = -1, lampsAfterRight = -1, lampsAfterMistake = -1;
  bool pictureAfterRight = false, pictureHiddenByNextKey = false;
  bool titleShown = false;
  int stateAfterAll = -1;
  PageScript script;
  script.When([&] { return event.InLoop(); },
              [&] {
                lampsCount = event.Lamps->Count();
                titleShown = EventPageStg()->CorrectTitle->isVisible();
                Type("as ");
                lampsAfterRight = event.Lamps->Value();
                pictureAfterRight = event.FeedbackPicture->isVisible();
                Type("a");
                pictureHiddenByNextKey = !event.FeedbackPicture->isVisible();
                Type("x");  // a mistake in the second attempt
                Type("s ");
                lampsAfterMistake = event.Lamps->Value();
                Type("as as ");
                stateAfterAll = event.State();
                Press(Qt::Key_Return);
              });
  EXPECT_EQ(event.Run(), kEventNext);
  EXPECT_EQ(lampsCount, 3);
  EXPECT_TRUE(titleShown);
  EXPECT_EQ(lampsAfterRight, 1);
  EXPECT_TRUE(pictureAfterRight);
  EXPECT_TRUE(pictureHiddenByNextKey);
  EXPECT_EQ(lampsAfterMistake, 1) << "an attempt with a mistake lights nothing";
  EXPECT_EQ(stateAfterAll, kEventFinished);
}

TEST_F(KeyboardEventsTest, TheHandsSitBelowTheKeyboardAndFollowTheBook) {
  TKeyboardEvent event("event=KEYBOARD;1;as");
  QPoint atStart, afterResize;
  QPoint bookAtStart, bookAfterResize;
  PageScript script;
  script.When([&] { return event.InLoop(); },
              [&] {
                atStart = event.Fingers->pos();
                bookAtStart = book->Book->pos();
                book->resize(book->width() + 100, book->height() + 60);
                afterResize = event.Fingers->pos();
                bookAfterResize = book->Book->pos();
                Press(Qt::Key_Escape);
              });
  event.Run();
  EXPECT_EQ(atStart, bookAtStart + QPoint(80, 371));
  EXPECT_NE(bookAfterResize, bookAtStart);
  EXPECT_EQ(afterResize, bookAfterResize + QPoint(80, 371));
}

}  // namespace
}  // namespace tq
