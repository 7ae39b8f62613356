// Running one exercise: events come from the factory, their page results
// become study codes, and the bookmark moves along.
#include <gtest/gtest.h>

#include "core/course/event_loader.h"
#include "core/course/exercise.h"
#include "core/exercises/event_line.h"
#include "core/exercises/study_codes.h"
#include "core/records/bookmark.h"
#include "core/records/result_gate.h"
#include "core/records/user.h"
#include "study_script.h"
#include "support/fake_host.h"

namespace tq {
namespace {

class ExerciseRunTest : public ::testing::Test {
 protected:
  ExerciseRunTest() : student_("VISITOR"), events_(student_, host_) { host_.Install(); }

  TExercise Exercise(int events) {
    TExercise e;
    for (int i = 1; i <= events; ++i) {
      TEventLoader l;
      EXPECT_TRUE(l.Create("event=TEXT;1;e" + std::to_string(i)));
      e.Events.push_back(l);
      e.EventWeights.push_back(1);
      e.TotalEventWeight += 1;
    }
    return e;
  }

  test::FakeHost host_;
  TUser student_;
  test::ScriptedEvents events_;
};

TEST_F(ExerciseRunTest, RunEventMapsPageResults) {
  TEventLoader loader;
  ASSERT_TRUE(loader.Create("event=text;2;NIL"));
  const std::pair<int, int> cases[] = {{kEventClosed, kStudyStop},
                                       {kEventDone, kStudyGoOn},
                                       {kEventCancelled, kStudyCancelled},
                                       {kEventNext, kStudyNext},
                                       {kEventCancelledFinished, kStudyCancelledFinished},
                                       {9, kStudyGoOn}};
  for (auto [result, code] : cases) {
    events_.Add(result);
    EXPECT_EQ(loader.RunEvent(nullptr, student_), code) << result;
  }
}

TEST_F(ExerciseRunTest, RunEventPreparesTheEvent) {
  student_.AddKeyGroup("fj");
  student_.AddKeyGroup("dk");
  student_.AddKeyGroup("sl");
  TEventLoader loader;
  ASSERT_TRUE(loader.Create("event=BUILDER;1;effic:;true"));
  loader.TimeBudget = 300;
  loader.KeyLevel = 2;
  loader.InCourse = false;
  loader.RunEvent(nullptr, student_);
  ASSERT_EQ(events_.runs.size(), 1u);
  const test::EventRun& run = events_.runs[0];
  EXPECT_EQ(run.Line, "event=BUILDER;1;effic:;true");
  EXPECT_FALSE(run.Setup.InCourse);
  EXPECT_EQ(run.Setup.TimeBudget, 300);
  EXPECT_EQ(run.Setup.KeyLevel, 2);
  EXPECT_EQ(run.Setup.KnownKeys, "fjdk");
  // Key level 0 knows no keys while the course has groups.
  loader.KeyLevel = 0;
  loader.RunEvent(nullptr, student_);
  EXPECT_EQ(events_.runs.back().Setup.KnownKeys, "");
  // A course without any groups lets every letter be used.
  student_.KeyGroups.clear();
  loader.RunEvent(nullptr, student_);
  EXPECT_EQ(events_.runs.back().Setup.KnownKeys,
            "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
}

TEST_F(ExerciseRunTest, AnUnknownTypeRunsNothingAndCountsAsDone) {
  TEventLoader loader;
  ASSERT_TRUE(loader.Create("event=JUGGLE;1;NIL"));
  events_.Add(kEventClosed);
  EXPECT_EQ(loader.RunEvent(nullptr, student_), kStudyGoOn);
  EXPECT_TRUE(events_.runs.empty());
}

TEST_F(ExerciseRunTest, RunMovesTheBookmark) {
  struct Case {
    int startEvent;
    std::vector<int> results;  // page results of the events that run
    int code;
    bool finished;
    int event;  // the bookmark's event afterwards
    int eventsRun;
  };
  const Case cases[] = {
      {1, {3, 1, 3}, kStudyGoOn, true, 4, 3},
      {0, {3, 3, 3}, kStudyGoOn, true, 4, 3},  // event 0 counts as 1
      {-5, {3, 3, 3}, kStudyGoOn, true, 4, 3},
      {1, {3, 3, kEventCancelled}, kStudyGoOn, false, 3, 3},    // stays on the third
      {3, {3}, kStudyGoOn, true, 4, 1},                         // resumes there
      {1, {kEventCancelledFinished}, kStudyGoOn, false, 2, 1},  // moves past it
      {3, {kEventCancelledFinished}, kStudyGoOn, true, 4, 1},   // past the last one
      {2, {kEventClosed}, kStudyStop, false, 2, 1},
      {4, {}, kStudyEventOverflow, false, 4, 0},
      {9, {}, kStudyEventOverflow, false, 9, 0},
  };
  TExercise exercise = Exercise(3);
  for (const Case& c : cases) {
    events_.runs.clear();
    events_.scripts.clear();
    for (int r : c.results) events_.Add(r);
    TBookMark bookmark;
    bookmark.Event = c.startEvent;
    bool finished = !c.finished;
    EXPECT_EQ(exercise.Run(bookmark, finished, student_), c.code) << c.startEvent;
    EXPECT_EQ(finished, c.finished) << c.startEvent;
    EXPECT_EQ(bookmark.Event, c.event) << c.startEvent;
    EXPECT_EQ(static_cast<int>(events_.runs.size()), c.eventsRun) << c.startEvent;
  }
}

TEST_F(ExerciseRunTest, AnExerciseWithoutEventsIsDoneAtOnce) {
  TExercise empty;
  TBookMark bookmark;
  bool finished = false;
  EXPECT_EQ(empty.Run(bookmark, finished, student_), kStudyGoOn);
  EXPECT_TRUE(finished);
  bookmark.Event = 2;
  EXPECT_EQ(empty.Run(bookmark, finished, student_), kStudyEventOverflow);
}

TEST_F(ExerciseRunTest, LessonResultsKeepTheFurthestExercise) {
  TEventLoader text;
  ASSERT_TRUE(text.Create("event=TEXT;1;NIL"));
  auto run = [&](int chapter, int exercise, int mode, double efficiency) {
    test::EventScript s;
    s.HasResults = true;
    s.Values = {efficiency, 95.5, 180.25, 86.5};
    events_.scripts.push_back(s);
    TBookMark bookmark;
    bookmark.Chapter = chapter;
    bookmark.Exercise = exercise;
    bookmark.Mode = mode;
    text.RunEvent(&bookmark, student_);
  };
  run(2, 3, TBookMark::kModeGuided, 80);
  EXPECT_EQ(student_.ChapterExercise[2], 3);
  EXPECT_FLOAT_EQ(student_.ChapterEfficiency[2], 80);
  EXPECT_FLOAT_EQ(student_.ChapterAccuracy[2], 95.5f);
  EXPECT_FLOAT_EQ(student_.ChapterSpeed[2], 180.25f);
  EXPECT_EQ(student_.ChapterRhythm[2], 86);  // 86.5 rounds to the even 86
  run(2, 3, TBookMark::kModeGuided, 81);     // the same exercise again
  EXPECT_FLOAT_EQ(student_.ChapterEfficiency[2], 81);
  run(2, 2, TBookMark::kModeGuided, 50);  // an earlier exercise keeps nothing
  EXPECT_FLOAT_EQ(student_.ChapterEfficiency[2], 81);
  EXPECT_EQ(student_.ChapterExercise[2], 3);
  run(2, 12, TBookMark::kModeGuided, 70);  // beyond ten exercises is still a number
  EXPECT_EQ(student_.ChapterExercise[2], 12);
  // The introduction's lessons are not the student's.
  run(1, 1, TBookMark::kModeIntroduction, 99);
  run(1, 1, TBookMark::kModeReview, 99);
  EXPECT_EQ(student_.ChapterExercise[1], 0);
  EXPECT_FLOAT_EQ(student_.ChapterEfficiency[1], -1);
  // Lessons outside the tables keep nothing, and nothing else changes.
  auto before = student_.ChapterEfficiency;
  run(0, 1, TBookMark::kModeGuided, 99);
  run(21, 1, TBookMark::kModeGuided, 99);
  EXPECT_EQ(student_.ChapterEfficiency, before);
  // An event without results records nothing.
  events_.Add(kEventNext);
  TBookMark bookmark;
  bookmark.Chapter = 3;
  bookmark.Exercise = 1;
  text.RunEvent(&bookmark, student_);
  EXPECT_EQ(student_.ChapterExercise[3], 0);
}

// An exercise whose keys came at machine speed stores no lesson result.
TEST_F(ExerciseRunTest, AnExerciseNotCountedRecordsNoLessonResult) {
  TEventLoader text;
  ASSERT_TRUE(text.Create("event=TEXT;1;NIL"));
  for (bool machine : {true, false}) {
    ResultGate().Begin();
    if (machine)
      for (uint32_t ms = 0; ms < 40; ms += 2) ResultGate().NoteKey(ms);
    test::EventScript s;
    s.HasResults = true;
    s.Values = {70, 95, 180, 80};
    events_.scripts.push_back(s);
    TBookMark bookmark;
    bookmark.Chapter = 4;
    bookmark.Exercise = 2;
    text.RunEvent(&bookmark, student_);
    EXPECT_EQ(student_.ChapterExercise[4], machine ? 0 : 2) << machine;
  }
}

}  // namespace
}  // namespace tq
