// The program studied from start to end, in-process: a new student signs
// in, chooses the Beginner course and 25-minute lessons, works through every
// exercise of lesson 1 by typing into the book window (correct keys, some
// wrong ones, some corrected with Backspace), goes on to lesson 2 and
// closes the window. Then the user base is read back: the bookmark, the
// done exercises, the lesson's results, the last results, the studying time
// and the per-key counts must be what was typed.

#include <gtest/gtest.h>

#include <QDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <filesystem>
#include <map>
#include <set>
#include <typeinfo>

#include "core/course/chapter.h"
#include "core/exercises/exercise_canvas.h"
#include "core/files/ansi.h"
#include "core/records/user.h"
#include "gui/course/chapter_views.h"
#include "gui/course/welcome_views.h"
#include "gui/exercises/keyboard_events.h"
#include "gui/exercises/text_events.h"
#include "gui/games/game_event.h"
#include "gui/gui_support.h"
#include "gui/pages/sign_in_views.h"
#include "gui/pages/std_profile_view.h"
#include "gui/shell/application.h"
#include "gui/shell/book_form.h"
#include "gui/shell/main_controller.h"
#include "gui/shell/sounds.h"
#include "gui/storage/add_views_stg.h"
#include "gui/storage/storage_forms.h"
#include "gui/storage/welcome_stg.h"
#include "gui/widgets/exercise_list.h"
#include "support/fake_host.h"
#include "support/temp_dir.h"

namespace tq {
namespace {

constexpr double kSecond = 1.0 / 86400.0;
// The student types a key every 0.2 s; every event page is left exactly
// 170 s after it opened: 2 min 50 s, which counts as 3 minutes.
constexpr double kKeySeconds = 0.2;
constexpr double kEventSeconds = 170;
constexpr int kEventMinutes = 3;
// A wrong key every this many keys of a drill.
constexpr int kDrillErrorEvery = 17;

// Plays the student: looks at the page in front of it a few times a
// millisecond and does what a student would do there.
class Student : public QObject {
 public:
  explicit Student(test::FakeHost& host) : host_(host) {
    connect(&timer_, &QTimer::timeout, this, [this] {
      if (busy_ || done_) return;
      busy_ = true;
      // Queued: whatever the action starts runs in the page loops, not in
      // this timer's handler.
      QMetaObject::invokeMethod(
          this, [this] { Act(); }, Qt::QueuedConnection);
    });
    timer_.start(2);
  }

  // What was typed, per character asked for: keystrokes and wrong ones.
  std::map<char, int> hits;
  std::set<char> missed;
  std::vector<std::string> events;  // the event pages, in order
  std::vector<int> resultSpeeds;    // speed figures shown after texts
  char examCorrected = 0;           // the exam's key put right with Backspace
  int lessonTwoSeen = 0;
  std::string failure;

  bool Done() const { return done_; }

 private:
  void Act() {
    Step();
    busy_ = false;
    if (++ticks_ > 40000 && !done_) Fail("the student got stuck on " + Describe());
  }

  void Fail(const std::string& why) {
    failure = why;
    fprintf(stderr, "STUDENT FAIL: %s\n", why.c_str());
    done_ = true;
    TerminateApplication();
  }

  static std::string Joined(const std::vector<std::string>& list) {
    std::string all;
    for (const std::string& e : list) all += e + " ";
    return all;
  }

  static std::string Describe() {
    TFormView* v = CurrentView();
    return v ? typeid(*v).name() : "no page";
  }

  void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    host_.now += kKeySeconds * kSecond;
    QTest::keyClick(BookForm(), key, mods);
  }
  void Char(char c) {
    host_.now += kKeySeconds * kSecond;
    if (c == '\r')
      QTest::keyClick(BookForm(), Qt::Key_Return);
    else if (c == '\b')
      QTest::keyClick(BookForm(), Qt::Key_Backspace);
    else
      QTest::keyClick(BookForm(), c);
  }

  // Keeps every event open for exactly kEventSeconds.
  void Opened(TFormView* page, const std::string& kind) {
    if (page == current_) return;
    current_ = page;
    opened_ = host_.now;
    events.push_back(kind);
  }
  void Leave() {
    host_.now = opened_ + kEventSeconds * kSecond;
    QTest::keyClick(BookForm(), Qt::Key_Return);
  }

  // A wrong key for an expected one: a home-row letter that is not it.
  static char WrongFor(char expected) { return expected == 'k' ? 'j' : 'k'; }

  void Step() {
    TFormView* v = CurrentView();
    if (!v || !v->InLoop()) return;
    if (dynamic_cast<TCoverView*>(v)) {
      BookForm()->NameField->setEditText("erin typist");
      BookForm()->LogOK->click();
    } else if (dynamic_cast<TNewUserView*>(v)) {
      BookForm()->UserYes->click();
    } else if (dynamic_cast<TWelcomeView*>(v)) {
      QTest::mouseClick(StorageForms().WelcomeStg->StudyingMask, Qt::LeftButton);
    } else if (dynamic_cast<TStdProfileView*>(v)) {
      TAddViewsStg& stg = *StorageForms().AddViewsStg;
      const int beginner =
          static_cast<int>(std::find(StdProfileView().CourseFiles.begin(),
                                     StdProfileView().CourseFiles.end(), "Beginner") -
                           StdProfileView().CourseFiles.begin());
      stg.ContentsList->setCurrentIndex(beginner);
      stg.Time25->click();
      QTest::mouseClick(BookForm()->Next, Qt::LeftButton);
    } else if (v == &ChapterView()) {
      Spread();
    } else if (auto* drill = dynamic_cast<TCustomKeyboardEvent*>(v)) {
      Drill(*drill);
    } else if (auto* text = dynamic_cast<TCustomTextEvent*>(v)) {
      Text(*text);
    } else if (auto* game = dynamic_cast<TCustomGameEvent*>(v)) {
      Game(*game);
    } else if (dynamic_cast<TEvent*>(v)) {
      Opened(v, "MESSAGE");
      Leave();
    } else {
      Fail("an unexpected page: " + Describe());
    }
  }

  void Spread() {
    TExerciseList* list = ChpContentsView().List();
    if (ChpContentsView().Chapter->Number == 2) {
      ++lessonTwoSeen;
      done_ = true;
      BookForm()->close();
      return;
    }
    if (ChapterView().AttachedView1 == &ExercInfoView() && ExercInfoView().ShowsResults())
      resultSpeeds.push_back(ExercInfoView().Trends.Current.Speed);
    // The bookmark has selected the next exercise; after the last one the
    // "Next Lesson" row.
    if (list->Current() == list->RowCount() && events.size() < 7)
      return Fail("the lesson ended before its exercises were done: " + Joined(events));
    if (events.size() > 7) return Fail("an exercise had to be done again");
    QTest::keyClick(BookForm(), Qt::Key_Return);
  }

  // A game is played to its end: the first key starts it, its clock runs a
  // tick a step until the sixth miss, and Enter goes on once "Game over."
  // has stood its two seconds.
  void Game(TCustomGameEvent& game) {
    Opened(&game, "BUBBLES");
    if (!game.Model() || game.Model()->State() == kGameNotStarted) return Char('x');
    if (game.Model()->State() != kGameOver) {
      host_.ticks += game.Model()->Interval();
      host_.now += game.Model()->Interval() / 1000.0 * kSecond;
      game.RunLoop();
    } else if (!game.KeysBlocked()) {
      Leave();
    }
  }

  void Drill(TCustomKeyboardEvent& drill) {
    const char* kind = dynamic_cast<TWordEvent*>(&drill)      ? "WORD"
                       : dynamic_cast<TNewKeysEvent*>(&drill) ? "NEWKEYS"
                                                              : "KEYBOARD";
    Opened(&drill, kind);
    // New-key drills count nothing; the others count the key asked for.
    const bool counts = std::string(kind) != "NEWKEYS";
    int typed = 0;
    while (drill.State() != kEventFinished && CurrentView() == &drill) {
      char expected = drill.Drill().ExpectedChar();
      // The word drill asks for the character under its word's cursor.
      if (auto* words = dynamic_cast<TWordEvent*>(&drill)) {
        const std::string current = words->Words().WordDisplay().GetCurrentChar();
        expected = current.empty() ? 0 : current[0];
      }
      if (expected == 0) return Fail(std::string(kind) + " drill expects nothing");
      if (++typed % kDrillErrorEvery == 0 && expected != '\r' && expected != ' ') {
        if (counts) {
          ++hits[expected];
          missed.insert(expected);
        }
        Char(WrongFor(expected));
        continue;
      }
      if (counts && static_cast<unsigned char>(expected) >= 33) ++hits[expected];
      Char(expected);
      if (typed > 3000) return Fail(std::string(kind) + " drill does not end");
    }
    Leave();
  }

  void Text(TCustomTextEvent& event) {
    Opened(&event, event.IsExam ? "EXAM" : "TEXT");
    int words = 0;
    while (event.State() != kEventFinished && CurrentView() == &event) {
      const std::string word = event.Session().ExerciseView().GetWord(0);
      if (word.empty()) return Fail("a text without its end");
      ++words;
      for (std::size_t i = 0; i < word.size(); ++i) {
        // The third word starts with a wrong key, put right at once: the
        // key typed after the Backspace counts as an error of its own.
        if (words == 3 && i == 0) {
          Char(WrongFor(word[0]));
          Char('\b');
          ++hits[word[0]];
          missed.insert(word[0]);
          if (event.IsExam) examCorrected = word[0];
        }
        ++hits[word[i]];
        Char(word[i]);
      }
      Char(' ');
      if (words > 500) return Fail("a text that does not end");
    }
    Leave();
  }

  test::FakeHost& host_;
  QTimer timer_;
  bool busy_ = false;
  bool done_ = false;
  int ticks_ = 0;
  TFormView* current_ = nullptr;
  double opened_ = 0;
};

class StudyingEndToEndTest : public test::ShippedProgramTest {};

TEST_F(StudyingEndToEndTest, LessonOneTypedThroughAndStoredInTheUserBase) {
  Student student(host);
  const int rc = RunProgram(StartOptions{program.path(), windows.path()});
  ASSERT_TRUE(student.failure.empty()) << student.failure;
  EXPECT_EQ(rc, TMain::kEnded);
  EXPECT_TRUE(student.Done());
  EXPECT_EQ(student.lessonTwoSeen, 1);
  EXPECT_EQ(student.events, (std::vector<std::string>{"MESSAGE", "NEWKEYS", "KEYBOARD", "WORD",
                                                      "TEXT", "BUBBLES", "EXAM"}));
  // The text's results were on the left page of the spread afterwards.
  ASSERT_FALSE(student.resultSpeeds.empty());
  for (const auto& m : host.messages) ADD_FAILURE() << "message box: " << m.text;

  // Everything below comes from the file.
  QDir::setCurrent(QString::fromStdString(program.path()));
  std::unique_ptr<TUser> erin = TUser::FindUser("Erin Typist");
  ASSERT_NE(erin, nullptr);
  EXPECT_EQ(erin->GetContents(), "Beginner.cnt");
  EXPECT_EQ(erin->LessonDuration, 25);

  // On lesson 2, at its first exercise; lesson 1 is the furthest reached.
  EXPECT_EQ(erin->BookMark.Chapter, 2);
  EXPECT_EQ(erin->BookMark.Exercise, 1);
  EXPECT_EQ(erin->BookMark.Event, 1);
  EXPECT_EQ(erin->Chapter, 1);
  EXPECT_EQ(erin->Exercise, 6);
  for (int e = 1; e <= TUser::kExercises; ++e) {
    EXPECT_EQ(erin->IsExerciseDone(1, e), e <= 6) << "1." << e;
    EXPECT_FALSE(erin->IsExerciseDone(2, e)) << "2." << e;
  }

  // Seven pages of 2 min 50 s each: 3 minutes each, 170 s each in the
  // lesson's seconds; going on to lesson 2 started its minutes afresh.
  EXPECT_EQ(erin->StudyMinutes, 7 * kEventMinutes);
  EXPECT_EQ(erin->LessonMinutes, 0);
  // The lesson's seconds start from nothing, not from the record's "no
  // time yet" (-1).
  EXPECT_EQ(erin->ChapterSeconds[1], 7 * static_cast<int>(kEventSeconds));
  EXPECT_EQ(erin->ChapterSeconds[2], -1);

  // The exam was typed last: every word right in the end, so accuracy 100,
  // rhythm 100 (keys at an even pace) and the speed of its characters over
  // the time from its first key to its last.
  const std::string exam = test::ReadFile(program / "Beginner/L01Exam.kls");
  int examChars = 0;
  int examWords = 0;
  {
    std::size_t pos = 0;
    for (TextToken t = NextToken(exam, pos); t.kind != TokenKind::End; t = NextToken(exam, pos))
      if (t.kind == TokenKind::Word) {
        examChars += static_cast<int>(t.text.size());
        ++examWords;
      }
  }
  // Each word and its separator; the third word took two more keys.
  const int examKeys = examChars + examWords + 2;
  const double ticks = RoundEven((examKeys - 1) * kKeySeconds * kSecond * 100000);
  const int speed = static_cast<int>(RoundEven((examChars + examWords) / (ticks / 60)));
  EXPECT_EQ(erin->LastSpeed, speed);
  EXPECT_FLOAT_EQ(erin->LastAccuracy, 100.0f);
  EXPECT_EQ(erin->LastRhythm, 100);
  EXPECT_EQ(erin->ChapterExercise[1], 6);
  EXPECT_FLOAT_EQ(erin->ChapterSpeed[1], static_cast<float>(speed));
  EXPECT_FLOAT_EQ(erin->ChapterAccuracy[1], 100.0f);
  EXPECT_EQ(erin->ChapterRhythm[1], 100);
  EXPECT_FLOAT_EQ(erin->ChapterEfficiency[1], static_cast<float>(erin->LastEfficiency));
  // The spread showed the exam's speed on its results page.
  EXPECT_EQ(student.resultSpeeds.back(), speed);

  // Per key: every keystroke asked for is counted once; only keys that
  // went wrong carry errors (older ones fade as the key is typed again),
  // and the exam's corrected key does.
  const TDifficultKeys& keys = erin->DifficultKeys();
  for (int code = TDifficultKeys::kFirstCode; code <= TDifficultKeys::kLastCode; ++code) {
    const char c = static_cast<char>(code);
    const auto at = static_cast<std::size_t>(code);
    const int expected = student.hits.count(c) ? student.hits.at(c) : 0;
    EXPECT_EQ(keys.TotalCount[at], expected) << "key " << c;
    if (keys.WeightedErrors[at] > 0) {
      EXPECT_TRUE(student.missed.count(c)) << "key " << c;
    }
    EXPECT_LE(keys.WeightedErrors[at], keys.WeightedHits[at]) << "key " << c;
  }
  EXPECT_GT(student.hits['a'], 100);
  EXPECT_GT(keys.WeightedErrors[static_cast<unsigned char>(student.examCorrected)], 0);
}

}  // namespace
}  // namespace tq
