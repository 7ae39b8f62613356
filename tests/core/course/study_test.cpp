// Whole-course runs of guided studying with a scripted study interface:
// what the student is shown, and where the bookmark and the record stand
// after every step.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/course/guided_studying.h"
#include "core/exercises/event_line.h"
#include "core/exercises/study_codes.h"
#include "core/records/user.h"
#include "core/shell/errors.h"
#include "core/shell/program_settings.h"
#include "study_script.h"
#include "support/fake_host.h"
#include "support/temp_dir.h"

namespace tq {
namespace {

using test::StudyStep;

// Three lessons: 1.1 has four events, 2.2 ends with an exam.
const std::vector<std::string> kCourse = {"contents name=Test course",
                                          "begin chapter",
                                          "chapter name=1;Home row",
                                          "new keys=fj",
                                          "durationpercent=100",
                                          "begin exercise",
                                          "type=Text",
                                          "duration=1",
                                          "event=TEXT;1;one",
                                          "event=TEXT;1;two",
                                          "event=TEXT;1;three",
                                          "event=TEXT;1;four",
                                          "end exercise",
                                          "begin exercise",
                                          "type=Text",
                                          "duration=1",
                                          "event=TEXT;1;single",
                                          "end exercise",
                                          "end chapter",
                                          "begin chapter",
                                          "chapter name=2;Reaching",
                                          "new keys=dk",
                                          "begin exercise",
                                          "event=WORD;1;NIL",
                                          "end exercise",
                                          "begin exercise",
                                          "event=TEXT;1;practice",
                                          "event=exam;1;final",
                                          "end exercise",
                                          "end chapter",
                                          "begin chapter",
                                          "chapter name=3;Last",
                                          "begin exercise",
                                          "event=TEXT;1;NIL",
                                          "end exercise",
                                          "end chapter"};

const std::vector<std::string> kIntroduction = {
    "begin chapter", "chapter name=i;Welcome", "begin exercise",   "event=MESSAGE;1;Hello;Hello",
    "end exercise",  "begin exercise",         "event=EXAM;1;NIL", "end exercise",
    "end chapter"};

LessonAnswer Start(int exercise) {
  return {kLessonScreenStart, exercise};
}
LessonAnswer Button(int result, int selected = 1) {
  return {result, selected};
}

class StudyTest : public ::testing::Test {
 protected:
  StudyTest() : cwd_(dir_.path()) {
    host_.Install();
    SetErrorLogPath(dir_ / "Errors.log");
    Settings().DataPath = dir_.path();
    Settings().RequireAllPassedBeforeContinue = false;
    test::WriteFile(dir_ / "course.cnt", test::CourseText(kCourse));
    student_ = TUser::CreateUser("Anna");
    student_->SetContents("course.cnt");
    student_->LessonDuration = 25;
    host_.messages.clear();  // the new user base's notice
    ui_ = std::make_unique<test::ScriptedStudy>(*student_);
    events_ = std::make_unique<test::ScriptedEvents>(*student_, host_);
  }
  ~StudyTest() override {
    DifficultKeys().Clear();  // the program-wide statistics the runs touched
    Settings().RequireAllPassedBeforeContinue = false;
    Settings().DataPath = ".\\";
    SetErrorLogPath("Errors.log");
  }

  // A student part-way through the course.
  void At(int chapter, int exercise, int event = 1) {
    student_->BookMark.Chapter = chapter;
    student_->BookMark.Exercise = exercise;
    student_->BookMark.Event = event;
  }
  int Run() { return studying_.Run(*student_, *ui_); }
  std::unique_ptr<TUser> Saved() { return TUser::FindUser("Anna"); }
  std::vector<std::string> EventsRun() const {
    std::vector<std::string> sources;
    for (const auto& r : events_->runs) sources.push_back(EventLine(r.Line).TextSource());
    return sources;
  }
  std::vector<std::string> Messages() const {
    std::vector<std::string> texts;
    for (const auto& m : host_.messages) texts.push_back(m.text);
    return texts;
  }

  test::TempDir dir_;
  test::ScopedCurrentDir cwd_;
  test::FakeHost host_;
  std::unique_ptr<TUser> student_;
  std::unique_ptr<test::ScriptedStudy> ui_;
  std::unique_ptr<test::ScriptedEvents> events_;
  TGuidedStudying studying_;
};

TEST_F(StudyTest, ANewStudentSeesTheWelcomePageAndBackOnTheProfileReturnsToIt) {
  ui_->welcome = {kWelcomeStudy, kWelcomeStudy, kWelcomeStudy};
  ui_->profile = {7, kProfileStop};
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(ui_->pages, (std::vector<std::string>{"welcome", "profile", "welcome", "profile"}));
  EXPECT_EQ(ui_->introductionOffered, (std::vector<bool>{false, false}));
  EXPECT_EQ(student_->BookMark.Chapter, 0);
  ui_->pages.clear();
  ui_->welcome = {0};
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(ui_->pages, (std::vector<std::string>{"welcome"}));
}

TEST_F(StudyTest, TheProfileStartsTheFirstLesson) {
  test::WriteFile(dir_ / "Ch1.pic", "picture");
  ui_->welcome = {kWelcomeStudy};
  ui_->profile = {kProfileDone};
  ui_->onProfile = [](TUser& s) { s.SetContents("course.cnt"); };
  EXPECT_EQ(Run(), kStudyStop);  // the lesson screen was closed
  EXPECT_EQ(ui_->pages, (std::vector<std::string>{"welcome", "profile", "lesson 1"}));
  EXPECT_EQ(ui_->keyboards, (std::vector<std::string>{"qwerty.kbd"}));
  ASSERT_EQ(ui_->screens.size(), 1u);
  const LessonScreen& s = ui_->screens[0];
  EXPECT_EQ(s.Title, "Home row");
  EXPECT_EQ(s.Selected, 1);
  EXPECT_EQ(s.Picture, "Ch1.pic");
  EXPECT_EQ(s.LastRowText, "Next Lesson");
  EXPECT_EQ(s.ChapterDigit, "1");
  EXPECT_EQ(s.ChapterTens, "");
  EXPECT_EQ(s.LessonCount, "of 3");
  EXPECT_FALSE(s.CancelOn);
  EXPECT_TRUE(s.SkipForwardOn);
  EXPECT_FALSE(s.SkipBackOn);  // no previous lesson from lesson 1
  EXPECT_TRUE(s.BeginPage);
  EXPECT_EQ(s.Chapter->ExerciseCount(), 2);
  EXPECT_EQ(student_->ChapterCount, 3);
  EXPECT_EQ(Saved()->BookMark.Chapter, 1);
}

TEST_F(StudyTest, MovingBetweenLessonsStartsTheLessonAfresh) {
  At(1, 2, 1);
  student_->LessonMinutes = 17;
  student_->StudyMinutes = 40;
  ui_->lessons = {Button(kLessonScreenNext, 2), Button(kLessonScreenPrevious),
                  Button(kLessonScreenPrevious, 2), Start(2)};
  EXPECT_EQ(Run(), kStudyStop);
  EXPECT_EQ(ui_->steps, (std::vector<StudyStep>{
                            {1, 2, 1, 17},  // lesson 1, at its second exercise
                            {2, 1, 1, 0},   // next lesson: exercise 1, event 1, no minutes
                            {1, 1, 1, 0},   // previous lesson
                            {1, 2, 1, 0},   // Back in lesson 1 changes nothing
                            {1, 3, 1, 0},   // 1.2 done: the Next Lesson row
                        }));
  EXPECT_TRUE(ui_->screens[1].SkipBackOn);
  EXPECT_EQ(ui_->screens[1].ChapterDigit, "2");
  EXPECT_EQ(student_->StudyMinutes, 40);
}

TEST_F(StudyTest, ACancelledExerciseResumesAtItsEvent) {
  At(1, 1);
  events_->Add(kEventNext, 100);
  events_->Add(kEventNext, 100);
  events_->Add(kEventCancelled, 50);
  events_->Add(kEventNext);
  events_->Add(kEventNext);
  ui_->lessons = {Start(1), Start(1)};
  EXPECT_EQ(Run(), kStudyStop);
  EXPECT_EQ(EventsRun(), (std::vector<std::string>{"one", "two", "three", "three", "four"}));
  EXPECT_EQ(ui_->steps, (std::vector<StudyStep>{{1, 1, 1, 0},
                                                {1, 1, 3, 3},  // 100 s, 100 s, 50 s: 3 min
                                                {1, 2, 1, 3}}));
  EXPECT_FALSE(ui_->screens[1].BeginPage);  // the left page keeps the results
  EXPECT_EQ(ui_->pages[1], "exercise 1.1");
  EXPECT_TRUE(student_->IsExerciseDone(1, 1));
  EXPECT_FALSE(student_->IsExerciseDone(1, 2));
  EXPECT_EQ(student_->Chapter, 1);
  EXPECT_EQ(student_->Exercise, 1);
  EXPECT_EQ(student_->ChapterSeconds[1], 250);
  EXPECT_EQ(student_->StudyMinutes, 3);
  std::unique_ptr<TUser> saved = Saved();
  EXPECT_EQ(saved->BookMark.Exercise, 2);
  EXPECT_TRUE(saved->IsExerciseDone(1, 1));
}

// A program killed at any moment loses at most the exercise in progress:
// the record is written after the profile page and after every finished
// exercise, not only when studying stops.
TEST_F(StudyTest, TheRecordIsWrittenAfterTheProfileAndEveryFinishedExercise) {
  student_->BookMark.Chapter = 0;
  ui_->welcome = {kWelcomeStudy};
  ui_->profile = {kProfileDone};
  ui_->onProfile = [](TUser& s) { s.LessonDuration = 35; };
  for (int i = 0; i < 5; ++i) events_->Add(kEventNext, 70);
  ui_->lessons = {Start(1), Start(2), Start(1)};
  struct Seen {
    int chapter, exercise, duration, studyMinutes;
    bool done1, done2;
    int32_t totalKeys;
  };
  std::vector<Seen> seen;
  ui_->onLesson = [&] {
    std::unique_ptr<TUser> s = Saved();
    ASSERT_TRUE(s);
    seen.push_back({s->BookMark.Chapter, s->BookMark.Exercise, s->LessonDuration, s->StudyMinutes,
                    s->IsExerciseDone(1, 1), s->IsExerciseDone(1, 2),
                    s->DifficultKeys().TotalCount['f']});
    DifficultKeys().AddKeystroke('f', false);  // a keystroke of the next exercise
  };
  EXPECT_EQ(Run(), kStudyStop);
  ASSERT_EQ(seen.size(), 4u);
  EXPECT_EQ(seen[0].chapter, 1);  // the profile's choice is in the base
  EXPECT_EQ(seen[0].duration, 35);
  EXPECT_EQ(seen[1].exercise, 2);  // after exercise 1.1 (four events of 70 s)
  EXPECT_TRUE(seen[1].done1);
  EXPECT_EQ(seen[1].studyMinutes, 4);
  EXPECT_FALSE(seen[1].done2);
  EXPECT_EQ(seen[2].exercise, 3);  // after exercise 1.2
  EXPECT_TRUE(seen[2].done2);
  // The keystrokes of each finished exercise are in the record.
  EXPECT_EQ(seen[1].totalKeys, 1);
  EXPECT_EQ(seen[2].totalKeys, 2);
}

TEST_F(StudyTest, AnotherExerciseStartsAtItsFirstEvent) {
  At(1, 1, 3);
  ui_->lessons = {Start(2), Start(1)};
  EXPECT_EQ(Run(), kStudyStop);
  EXPECT_EQ(EventsRun(), (std::vector<std::string>{"single", "one", "two", "three", "four"}));
}

TEST_F(StudyTest, AFinalExamNotPassedLocksTheLesson) {
  At(2, 1);
  events_->Add(kEventNext);       // 2.1
  events_->Add(kEventNext);       // 2.2 practice
  events_->Add(kEventCancelled);  // the exam, not passed
  ui_->lessons = {Button(kLessonScreenNext),
                  Start(3),
                  Start(1),
                  Start(2),
                  Button(kLessonScreenNext, 2),
                  Start(2),
                  Button(kLessonScreenNext, 3)};
  events_->Add(kEventNext);  // the exam passed
  EXPECT_EQ(Run(), kStudyStop);
  const std::string locked =
      "Sorry, since you have not passed a required lesson exam\r\nyou are not allowed to go to "
      "the next lesson. ";
  EXPECT_EQ(Messages(), (std::vector<std::string>{locked, locked, locked}));
  EXPECT_EQ(host_.messages[0].caption, "Lesson Locked");
  EXPECT_EQ(host_.messages[0].kind, MessageKind::Warning);
  EXPECT_EQ(ui_->steps, (std::vector<StudyStep>{
                            {2, 1, 1, 0},  // Next: locked, the lesson shows again
                            {2, 1, 1, 0},  // the Next Lesson row: locked too
                            {2, 3, 1, 0},  // 2.1 done
                            {2, 2, 1, 0},  // 2.2 left at the exam
                            {2, 2, 2, 0},  // Next: still locked
                            {2, 2, 2, 0},  // the exam passed
                            {2, 3, 1, 0},  // Next leads on
                            {3, 1, 1, 0},
                        }));
  EXPECT_EQ(EventsRun(), (std::vector<std::string>{"NIL", "practice", "final", "final"}));
  EXPECT_EQ(student_->Chapter, 2);
  EXPECT_EQ(student_->KeyLevel, 2);
  EXPECT_EQ(DifficultKeys().LearnedKeys, "fjdk");
}

TEST_F(StudyTest, RequiringAllExercisesLocksWithTheOtherMessage) {
  Settings().RequireAllPassedBeforeContinue = true;
  At(1, 2);
  ui_->lessons = {Start(2), Button(kLessonScreenNext, 3), Start(1), Button(kLessonScreenNext)};
  EXPECT_EQ(Run(), kStudyStop);
  EXPECT_EQ(Messages(),
            (std::vector<std::string>{"Sorry, since you have not passed all exercises of "
                                      "lesson\r\nyou are not allowed to go to the next lesson."}));
  EXPECT_EQ(ui_->steps.back(), (StudyStep{2, 1, 1, 0}));
  EXPECT_EQ(ui_->pages.back(), "lesson 2");
}

TEST_F(StudyTest, FinishingTheLastLessonShowsTheGoodbyePageAndBackReturns) {
  At(3, 1);
  ui_->lessons = {Start(1), Start(2), Button(kLessonScreenClosed)};
  ui_->goodbye = {kGoodbyeBack};
  EXPECT_EQ(Run(), kStudyStop);
  EXPECT_EQ(ui_->pages, (std::vector<std::string>{"lesson 3", "exercise 3.1", "lesson 3", "goodbye",
                                                  "lesson 3"}));
  EXPECT_EQ(ui_->steps.back(), (StudyStep{3, 1, 1, 0}));
  EXPECT_EQ(Saved()->BookMark.Chapter, 3);
}

TEST_F(StudyTest, RestartClearsTheProgress) {
  At(3, 2);
  student_->SetExerciseDone(1, 1, true);
  student_->KeyLevel = 3;
  student_->StudyMinutes = 90;
  ui_->lessons = {Start(2)};
  ui_->goodbye = {kGoodbyeRestart};
  ui_->welcome = {0};
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(ui_->pages, (std::vector<std::string>{"lesson 3", "goodbye", "welcome"}));
  EXPECT_FALSE(student_->IsExerciseDone(1, 1));
  EXPECT_EQ(student_->KeyLevel, 1);
  EXPECT_EQ(student_->StudyMinutes, 0);
  std::unique_ptr<TUser> saved = Saved();
  EXPECT_EQ(saved->BookMark.Chapter, 0);
  EXPECT_EQ(saved->BookMark.Exercise, 1);
  EXPECT_EQ(saved->BookMark.Event, 1);
  EXPECT_FALSE(saved->IsExerciseDone(1, 1));
}

TEST_F(StudyTest, TheIntroductionIsACourseOfItsOwn) {
  test::WriteFile(dir_ / "introd.kls", test::CourseText(kIntroduction));
  Settings().RequireAllPassedBeforeContinue = true;
  test::EventScript withResults;
  withResults.HasResults = true;
  withResults.Values = {90, 90, 90, 90};
  events_->scripts = {withResults};
  ui_->welcome = {kWelcomeIntroduction, kWelcomeIntroduction};
  ui_->lessons = {Start(1), Start(3), Button(kLessonScreenCancel)};
  EXPECT_EQ(Run(), kStudyStop);  // leaving the introduction ends this run of the tab
  ASSERT_GE(ui_->screens.size(), 2u);
  const LessonScreen& s = ui_->screens[0];
  EXPECT_EQ(s.Title, "Welcome");
  EXPECT_EQ(s.LastRowText, "Exit introduction");
  EXPECT_EQ(s.ChapterDigit, " i");
  EXPECT_EQ(s.ChapterTens, "");
  EXPECT_EQ(s.LessonCount, "");
  EXPECT_TRUE(s.CancelOn);
  EXPECT_FALSE(s.SkipForwardOn);
  EXPECT_FALSE(s.SkipBackOn);
  EXPECT_EQ(ui_->introductionOffered, (std::vector<bool>{true}));
  // The exam at its end locks nothing, and its results are no lesson's.
  EXPECT_TRUE(host_.messages.empty());
  EXPECT_EQ(student_->ChapterExercise[1], 0);
  EXPECT_FALSE(student_->IsExerciseDone(1, 1));
  EXPECT_EQ(student_->BookMark.Chapter, 0);

  // Escape leaves it too; the introduction is loaded once.
  EXPECT_EQ(Run(), kStudyStop);
  EXPECT_EQ(ui_->pages, (std::vector<std::string>{"welcome", "lesson 1", "exercise 1.1", "lesson 1",
                                                  "welcome", "lesson 1"}));
}

TEST_F(StudyTest, ABrokenIntroductionIsReportedAndSkipped) {
  test::WriteFile(dir_ / "introd.kls", test::CourseText({"begin chapter", "durationpercent=x"}));
  ui_->welcome = {kWelcomeIntroduction, 0};
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(ui_->pages, (std::vector<std::string>{"welcome", "welcome"}));
  ASSERT_EQ(host_.messages.size(), 2u);
  EXPECT_EQ(
      host_.messages[1].text,
      "#-5733 Fatal Introduction file error\n\rintrod.kls: Contents file description invalid");
}

TEST_F(StudyTest, ABookmarkBeyondTheCourseOrLessonIsPutBackAndReported) {
  At(5, 1);
  EXPECT_EQ(Run(), kErrorChapterOverflow);
  EXPECT_EQ(student_->BookMark.Chapter, 3);
  EXPECT_EQ(Messages(), (std::vector<std::string>{
                            "#-1052 Contents detected error\n\rUser bookmark vs. Chapter data "
                            "overflow"}));
  EXPECT_EQ(Saved()->BookMark.Chapter, 3);

  host_.messages.clear();
  At(1, 9);
  EXPECT_EQ(Run(), kErrorExerciseOverflow);
  EXPECT_EQ(student_->BookMark.Exercise, 3);
  EXPECT_EQ(Messages(), (std::vector<std::string>{
                            "#-1052 Contents detected error\n\rUser bookmark vs. exercise data "
                            "overflow"}));
  // Next time the lesson shows with the bookmark in range.
  EXPECT_EQ(Run(), kStudyStop);
  EXPECT_EQ(ui_->steps, (std::vector<StudyStep>{{1, 3, 1, 0}}));

  // An event beyond the exercise starts the exercise afresh.
  host_.messages.clear();
  ui_->lessons = {Start(2)};
  At(1, 2, 5);
  EXPECT_EQ(Run(), kStudyStop);
  EXPECT_EQ(Messages(), (std::vector<std::string>{"#-1052 Contents detected error\n\r"
                                                  "Unknown error -1301"}));
  EXPECT_EQ(ui_->steps.back(), (StudyStep{1, 2, 1, 0}));
}

TEST_F(StudyTest, ACourseOrKeyboardThatDoesNotLoadEndsTheProgram) {
  At(1, 1);
  student_->SetContents("missing.cnt");
  EXPECT_EQ(Run(), kStudyStop);
  EXPECT_TRUE(ui_->halted);
  // The message names the student, the file and what is wrong with it.
  EXPECT_EQ(Messages(), (std::vector<std::string>{"#-5633 Fatal Contents Error; Program "
                                                  "halted\n\rAnna - missing.cnt: File not found"}));
  // Random bytes, or a course without a lesson, are refused the same way
  // instead of being taken as a course already completed.
  const struct {
    std::string bytes;
    const char* shown;
  } broken[] = {
      {std::string("\x9c\x01\xfe\x00garbage\r\n\x7f=;;\r\n", 16),
       "Anna - noise.cnt: not a course file: it has no \"$version\" header and no \"contents "
       "name\" line"},
      {"$version=1\r\ncontents name=Empty\r\n",
       "Anna - noise.cnt: the course holds no lesson (no \"begin chapter\")"},
      {"",
       "Anna - noise.cnt: not a course file: it has no \"$version\" header and no "
       "\"contents name\" line"},
  };
  student_->SetContents("noise.cnt");
  for (const auto& b : broken) {
    host_.messages.clear();
    ui_->halted = false;
    test::WriteFile(dir_ / "noise.cnt", b.bytes);
    EXPECT_EQ(Run(), kStudyStop);
    EXPECT_TRUE(ui_->halted);
    EXPECT_EQ(Messages(),
              (std::vector<std::string>{
                  std::string("#-5633 Fatal Contents Error; Program halted\n\r") + b.shown}));
    EXPECT_TRUE(std::find(ui_->pages.begin(), ui_->pages.end(), "goodbye") == ui_->pages.end());
  }

  host_.messages.clear();
  ui_->halted = false;
  test::WriteFile(dir_ / "own.cnt",
                  test::CourseText({"keyboard=dvorak.kbd", "begin chapter", "end chapter"}));
  student_->SetContents("own.cnt");
  ui_->keyboardLoads = false;
  EXPECT_EQ(Run(), kStudyStop);
  EXPECT_TRUE(ui_->halted);
  EXPECT_EQ(ui_->keyboards, (std::vector<std::string>{"DVORAK.KBD"}));
  EXPECT_EQ(Messages(), (std::vector<std::string>{"#-1 File not found\n\rDVORAK.KBD not found!"}));
}

TEST_F(StudyTest, AMalformedCourseEndsTheProgramWithItsPlaceShown) {
  At(1, 1);
  test::WriteFile(dir_ / "bad.cnt", test::CourseText({"begin chapter", "durationpercent=ten"}));
  student_->SetContents("bad.cnt");
  EXPECT_EQ(Run(), kStudyStop);
  EXPECT_TRUE(ui_->halted);
  EXPECT_EQ(Messages(), (std::vector<std::string>{
                            "bad.cnt, line 2: \"ten\" is not a whole number (durationpercent=ten)",
                            "#-5633 Fatal Contents Error; Program halted\n\rAnna - bad.cnt: "
                            "Contents file description invalid"}));
}

TEST_F(StudyTest, EventsKnowTheKeysOfTheirExercise) {
  test::WriteFile(
      dir_ / "keys.cnt",
      test::CourseText({"begin chapter", "begin exercise", "event=TEXT;1;before", "end exercise",
                        "new keys=fj", "begin exercise", "event=TEXT;1;after", "end exercise",
                        "end chapter", "begin chapter", "new keys=dk", "begin exercise",
                        "event=TEXT;1;second", "end exercise", "end chapter"}));
  student_->SetContents("keys.cnt");
  At(1, 1);
  ui_->lessons = {Start(1), Start(2), Button(kLessonScreenNext, 3), Start(1)};
  EXPECT_EQ(Run(), kStudyStop);
  ASSERT_EQ(events_->runs.size(), 3u);
  EXPECT_EQ(events_->runs[0].Setup.KnownKeys, "");  // before the lesson's new keys
  EXPECT_EQ(events_->runs[1].Setup.KnownKeys, "fj");
  EXPECT_EQ(events_->runs[2].Setup.KnownKeys, "fjdk");
  EXPECT_EQ(student_->KeyLevel, 2);
  EXPECT_EQ(DifficultKeys().LearnedKeys, "fjdk");
}

TEST_F(StudyTest, LessonsAndExercisesBeyondTheRecordTables) {
  // 21 lessons; the last has twelve exercises and ends with an exam.
  std::vector<std::string> lines;
  for (int c = 1; c <= 21; ++c) {
    lines.insert(lines.end(), {"begin chapter", "chapter name=x;L" + std::to_string(c)});
    int exercises = c == 21 ? 12 : 1;
    for (int e = 1; e <= exercises; ++e)
      lines.insert(
          lines.end(),
          {"begin exercise", e == 12 ? "event=EXAM;1;NIL" : "event=TEXT;1;NIL", "end exercise"});
    lines.push_back("end chapter");
  }
  test::WriteFile(dir_ / "long.cnt", test::CourseText(lines));
  student_->SetContents("long.cnt");
  At(12, 1);
  ui_->lessons = {Button(kLessonScreenClosed)};
  EXPECT_EQ(Run(), kStudyStop);
  EXPECT_EQ(ui_->screens[0].ChapterDigit, "2");
  EXPECT_EQ(ui_->screens[0].ChapterTens, "1");
  EXPECT_EQ(ui_->screens[0].LessonCount, "of 21");

  auto record = student_->ExerciseDone;
  At(21, 11);
  ui_->lessons = {Start(11), Start(12), Button(kLessonScreenNext, 13)};
  ui_->goodbye = {kGoodbyeClosed};
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(ui_->pages.back(), "goodbye");
  EXPECT_EQ(student_->ExerciseDone, record);  // nothing written outside the tables
  EXPECT_EQ(student_->Chapter, 21);
  EXPECT_EQ(student_->Exercise, 12);
  EXPECT_TRUE(host_.messages.empty());
}

TEST_F(StudyTest, ASingleReviewExerciseRunsOnce) {
  TContents contents;
  ASSERT_EQ(contents.Create("course.cnt", *student_), 0);
  TBookMark bookmark;
  bookmark.Chapter = 1;
  bookmark.Exercise = 2;
  bookmark.Mode = TBookMark::kModeReview;
  contents.BookMark = &bookmark;
  bool finished = false;
  EXPECT_EQ(contents.Study(*student_, finished, *ui_), kStudyGoOn);
  EXPECT_EQ(EventsRun(), (std::vector<std::string>{"single"}));
  EXPECT_TRUE(ui_->pages.empty());
  EXPECT_FALSE(student_->IsExerciseDone(1, 2));
}

}  // namespace
}  // namespace tq
