#include "core/course/contents.h"

#include <gtest/gtest.h>

#include <limits>

#include "core/exercises/study_codes.h"
#include "core/files/data_file.h"
#include "core/records/user.h"
#include "core/shell/errors.h"
#include "core/shell/strings.h"
#include "study_script.h"
#include "support/fake_host.h"
#include "support/temp_dir.h"

namespace tq {
namespace {

using test::CourseText;

class ContentsTest : public ::testing::Test {
 protected:
  ContentsTest() : cwd_(dir_.path()), student_("VISITOR") {
    host_.Install();
    SetErrorLogPath(dir_ / "Errors.log");
    student_.LessonDuration = 25;
  }
  ~ContentsTest() override { SetErrorLogPath("Errors.log"); }

  int Load(const std::vector<std::string>& lines, bool outline = false) {
    test::WriteFile(dir_ / "c.cnt", CourseText(lines));
    return outline ? contents_.CreateOutline("c.cnt", student_)
                   : contents_.Create("c.cnt", student_);
  }
  const TChapter& Lesson(std::size_t i) const { return *contents_.Chapters.at(i); }
  std::vector<std::string> MessageTexts() const {
    std::vector<std::string> texts;
    for (const auto& m : host_.messages) texts.push_back(m.text);
    return texts;
  }

  test::TempDir dir_;
  test::ScopedCurrentDir cwd_;
  test::FakeHost host_;
  TUser student_;
  TContents contents_;
};

TEST_F(ContentsTest, ReadsTheCourseLevelKeywords) {
  ASSERT_EQ(Load({"' a comment", "", "  contents name=Home row\t", "Default Time=35",
                  "keyboard=dvorak.kbd", "wizardname=Beginner", "wordloop=4", "wordmaxloop=6",
                  "sentenceloop=2", "sentencemaxloop=3", "unknown keyword=1", "begin chapter",
                  "end chapter"}),
            0);
  EXPECT_EQ(contents_.ContentsName, "Home row");
  EXPECT_EQ(contents_.DefaultTime, 35);
  EXPECT_EQ(contents_.Keyboard, "DVORAK.KBD");
  EXPECT_EQ(contents_.WizardName, "Beginner");
  EXPECT_EQ(student_.WordLoop, 4);
  EXPECT_EQ(student_.WordMaxLoop, 6);
  EXPECT_EQ(student_.SentenceLoop, 2);
  EXPECT_EQ(student_.SentenceMaxLoop, 3);
  EXPECT_TRUE(host_.messages.empty());
}

TEST_F(ContentsTest, ValuesThatMayBeMissing) {
  struct Case {
    std::vector<std::string> lines;
    std::string wizard, keyboard;
  };
  const Case cases[] = {
      {{"wizardname"}, "", "ALL"},
      {{"wizardname="}, "", "ALL"},
      {{"wizardname=Advanced"}, "Advanced", "ALL"},
      {{"keyboard"}, "", "ALL"},
      {{}, "", "ALL"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> lines = c.lines;
    lines.insert(lines.end(), {"begin chapter", "end chapter"});
    ASSERT_EQ(Load(lines), 0);
    EXPECT_EQ(contents_.WizardName, c.wizard);
    EXPECT_EQ(contents_.Keyboard, c.keyboard);
  }
}

TEST_F(ContentsTest, ChapterLevelKeywordsAndTitles) {
  ASSERT_EQ(Load({"begin chapter", "chapter name=x;Home keys", "picture=Ch2.pic",
                  "extradesc=Both hands", "end chapter", "Begin Chapter", "CHAPTER NAME=Only one",
                  "End Chapter", "begin chapter", "chapter name=a;;Third", "end chapter"}),
            0);
  ASSERT_EQ(contents_.ChapterCount(), 3);
  EXPECT_EQ(Lesson(0).Title, "Home keys");
  EXPECT_EQ(Lesson(0).Picture, "Ch2.pic");
  EXPECT_EQ(Lesson(0).ExtraDescription, "Both hands");
  EXPECT_EQ(Lesson(0).Number, 1);
  EXPECT_EQ(Lesson(0).NumberText, "1");
  // With one value there is no third field: the title stays empty.
  EXPECT_EQ(Lesson(1).Title, "");
  // Two delimiters in a row make no empty field.
  EXPECT_EQ(Lesson(2).Title, "Third");
  EXPECT_EQ(Lesson(2).NumberText, "3");
  EXPECT_EQ(student_.ChapterCount, 3);
}

TEST_F(ContentsTest, KeyGroupsGoToTheStudent) {
  student_.AddKeyGroup("left over from another course");
  ASSERT_EQ(Load({"begin chapter", "new keys=fj", "new keys=Keys%;more", "end chapter"}), 0);
  EXPECT_EQ(student_.KeyGroups, (std::vector<std::string>{"fj", "Keys;more"}));
  EXPECT_EQ(Lesson(0).NewKeys, student_.KeyGroups);
}

TEST_F(ContentsTest, LessonMinutesFromThePercentage) {
  struct Case {
    int lessonLength;
    std::string percent;
    int minutes;
  };
  const Case cases[] = {{25, "50", 12}, {45, "50", 22}, {35, "100", 35}, {0, "50", 0},
                        {25, "0", 0},   {25, "3", 0},   {45, "-10", -4}};
  for (const Case& c : cases) {
    student_.LessonDuration = c.lessonLength;
    ASSERT_EQ(Load({"begin chapter", "durationpercent=" + c.percent, "end chapter"}), 0);
    EXPECT_EQ(Lesson(0).Minutes, c.minutes) << c.lessonLength << " " << c.percent;
  }
}

TEST_F(ContentsTest, ExerciseMinutesShareTheLessonRoundingHalvesToEven) {
  struct Case {
    int lessonLength;
    std::vector<int> weights;
    std::vector<int> minutes;
  };
  // Lesson minutes are lessonLength * 100 %.
  const Case cases[] = {
      {10, {1, 1, 1}, {3, 3, 3}},                   // 3.33 each
      {5, {1, 1}, {2, 2}},                          // 2.5 rounds to the even 2
      {7, {1, 1}, {4, 4}},                          // 3.5 rounds to the even 4
      {10, {0, 0}, {0, 0}},                         // no weights: no minutes
      {10, {3, 1}, {8, 2}},                         // 7.5 -> 8, 2.5 -> 2
      {5, {1, 9}, {0, 4}},                          // 0.5 -> 0, 4.5 -> 4: exact halves
      {3, {1, 1, 1, 1, 1, 1}, {0, 0, 0, 0, 0, 0}},  // 0.5 each
  };
  for (const Case& c : cases) {
    student_.LessonDuration = c.lessonLength;
    std::vector<std::string> lines = {"begin chapter", "durationpercent=100"};
    for (int w : c.weights) {
      lines.insert(lines.end(), {"begin exercise", "duration=" + std::to_string(w),
                                 "event=TEXT;1;NIL", "end exercise"});
    }
    lines.push_back("end chapter");
    ASSERT_EQ(Load(lines), 0);
    std::vector<int> got;
    for (const TExercise& e : Lesson(0).Exercises) got.push_back(e.Minutes);
    EXPECT_EQ(got, c.minutes) << c.lessonLength;
  }
}

TEST_F(ContentsTest, EventBudgetsInTicks) {
  struct Case {
    std::vector<int> weights;
    int minutes;
    std::vector<int> ticks;
  };
  const Case cases[] = {
      {{1, 1, 2}, 10, {150, 150, 300}},
      {{0, 0, 0}, 10, {0, 0, 0}},
      {{1, 2}, 1, {20, 40}},  // 20.0 and 40.0
      {{1, 1, 1}, 1, {20, 20, 20}},
      {{1, 1, 1}, 5, {100, 100, 100}},  // a third of 300 ticks is 100, not 99.99
      {{1, 2}, 5, {100, 200}},
      {{2, 1}, 0, {0, 0}},
  };
  for (const Case& c : cases) {
    student_.LessonDuration = c.minutes;
    std::vector<std::string> lines = {"begin chapter", "durationpercent=100", "begin exercise",
                                      "duration=1"};
    for (int w : c.weights) lines.push_back("event=TEXT;" + std::to_string(w) + ";NIL");
    lines.insert(lines.end(), {"end exercise", "end chapter"});
    ASSERT_EQ(Load(lines), 0);
    const TExercise& e = Lesson(0).Exercises.at(0);
    EXPECT_EQ(e.Minutes, c.minutes);
    std::vector<int> got;
    for (const TEventLoader& l : e.Events) got.push_back(l.TimeBudget);
    EXPECT_EQ(got, c.ticks);
  }
}

TEST_F(ContentsTest, HugeNumbersStayInRange) {
  student_.LessonDuration = 32767;
  ASSERT_EQ(
      Load({"begin chapter", "durationpercent=2147483647", "begin exercise", "duration=2147483647",
            "event=TEXT;2147483647;NIL", "event=TEXT;-2147483648;NIL", "end exercise",
            "begin exercise", "duration=-2147483648", "end exercise", "end chapter"}),
      0);
  // The lesson stops at a million minutes; shares and budgets stop at the
  // limits of their type instead of wrapping round.
  EXPECT_EQ(Lesson(0).Minutes, 1000000);
  const TExercise& e = Lesson(0).Exercises.at(0);
  EXPECT_EQ(e.Minutes, std::numeric_limits<int>::min());
  EXPECT_EQ(e.Events.at(0).TimeBudget, std::numeric_limits<int>::max());
  EXPECT_EQ(e.Events.at(1).TimeBudget, std::numeric_limits<int>::min());
}

TEST_F(ContentsTest, ExercisesAndTheirEvents) {
  ASSERT_EQ(Load({"begin chapter", "begin exercise", "end exercise", "begin exercise",
                  "Type=Word drill", "duration=3", "event=word;2;FILE:w.txt;x", "Event=Exam;1;NIL",
                  "END EXERCISE", "end chapter", "begin chapter", "begin exercise", "end exercise",
                  "end chapter", "begin chapter", "begin exercise",
                  "event=MESSAGE;1;Hello, world;Title", "end exercise", "end chapter"}),
            0);
  const TExercise& e = Lesson(0).Exercises.at(1);
  EXPECT_EQ(e.Id, "1.2");
  EXPECT_EQ(Lesson(1).Exercises.at(0).Id, "2.1");
  EXPECT_EQ(e.TypeText, "Word drill");
  EXPECT_EQ(e.Weight, 3);
  EXPECT_EQ(e.LastEventType, "Exam");  // as written; the lock compares it upper-cased
  ASSERT_EQ(e.EventCount(), 2);
  EXPECT_EQ(e.Events[0].EventType, "WORD");
  EXPECT_EQ(e.Events[0].Weight, 2);
  EXPECT_EQ(e.Events[0].Parameters, "event=word;2;FILE:w.txt;x");
  EXPECT_TRUE(e.Events[0].InCourse);
  EXPECT_EQ(e.EventWeights, (std::vector<int>{2, 1}));
  EXPECT_EQ(e.TotalEventWeight, 3);
  // The loader's own split also cuts at commas; the weight is still field 2.
  EXPECT_EQ(Lesson(2).Exercises.at(0).Events.at(0).EventType, "MESSAGE");
}

TEST_F(ContentsTest, NewKeysApplyToTheExercisesAfterThem) {
  ASSERT_EQ(Load({"begin chapter", "begin exercise", "event=TEXT;1;NIL", "end exercise",
                  "new keys=fj",   "begin exercise", "event=TEXT;1;NIL", "end exercise",
                  "new keys=dk",   "begin exercise", "event=TEXT;1;NIL", "end exercise",
                  "end chapter",   "begin chapter",  "begin exercise",   "event=TEXT;1;NIL",
                  "end exercise",  "new keys=sl",    "begin exercise",   "event=TEXT;1;NIL",
                  "end exercise",  "end chapter"}),
            0);
  std::vector<int> levels;
  for (const auto& c : contents_.Chapters)
    for (const TExercise& e : c->Exercises) {
      levels.push_back(e.KeyLevel);
      EXPECT_EQ(e.Events.at(0).KeyLevel, e.KeyLevel);
    }
  // The first exercise of each lesson precedes the lesson's "new keys".
  EXPECT_EQ(levels, (std::vector<int>{0, 1, 2, 0, 3}));
}

TEST_F(ContentsTest, LoaderMessagesAndWhereTheyArose) {
  ASSERT_EQ(Load({"contents name=x", "begin chapter", "new keys", "begin exercise", "type",
                  "type=", "event=TEXT;1;NIL", "end exercise", "begin exercise", "type=Text",
                  "end chapter"}),
            0);
  EXPECT_EQ(MessageTexts(), (std::vector<std::string>{"Contents/Chapter: missing new keys entry",
                                                      "Contents/Exercise: missing type entry",
                                                      "Contents/Exercise: missing type entry",
                                                      "Exercise object: eof in middle of exercise",
                                                      "Chapter object: eof in middle of chapter"}));
  for (const auto& m : host_.messages) {
    EXPECT_EQ(m.kind, MessageKind::Error);
    EXPECT_EQ(m.caption, "Error");
  }
  ASSERT_EQ(contents_.Messages().size(), 5u);
  EXPECT_EQ(contents_.Messages()[0].Line, 3);
  EXPECT_EQ(contents_.Messages()[1].Line, 5);
  EXPECT_EQ(contents_.Messages()[2].Line, 6);
  // The exercise that met the end of the file is still kept.
  EXPECT_EQ(Lesson(0).ExerciseCount(), 2);
  EXPECT_EQ(Lesson(0).Exercises[1].TypeText, "Text");
  EXPECT_TRUE(student_.KeyGroups.empty());
}

TEST_F(ContentsTest, LineNumbersCountTheHeader) {
  ASSERT_EQ(Load({"$version=5", "$description=Test;course", "begin chapter", "new keys"}), 0);
  ASSERT_EQ(contents_.Messages().size(), 2u);
  EXPECT_EQ(contents_.Messages()[0].Line, 4);
}

TEST_F(ContentsTest, MoreThanTwentyEventsAreReportedOnceAndDropped) {
  std::vector<std::string> lines = {"begin chapter", "begin exercise"};
  for (int i = 1; i <= 23; ++i) lines.push_back("event=TEXT;" + std::to_string(i) + ";NIL");
  lines.insert(lines.end(), {"end exercise", "begin exercise", "event=EXAM;1;NIL", "end exercise",
                             "end chapter"});
  ASSERT_EQ(Load(lines), 0);
  EXPECT_EQ(MessageTexts(), (std::vector<std::string>{"Exercise object: overflow max 20 events"}));
  const TExercise& e = Lesson(0).Exercises.at(0);
  EXPECT_EQ(e.EventCount(), 20);
  EXPECT_EQ(e.EventWeights.size(), 20u);
  EXPECT_EQ(e.TotalEventWeight, 210);  // 1 + ... + 20
  EXPECT_EQ(e.Events.back().Weight, 20);
  EXPECT_EQ(Lesson(0).Exercises.at(1).LastEventType, "EXAM");
}

TEST_F(ContentsTest, MoreThanTwoHundredExercisesAreReportedOnceAndDropped) {
  std::vector<std::string> lines = {"begin chapter"};
  for (int i = 1; i <= 203; ++i)
    lines.insert(lines.end(), {"begin exercise", "type=T" + std::to_string(i), "event=TEXT;1;NIL",
                               "end exercise"});
  lines.insert(lines.end(), {"end chapter", "begin chapter", "chapter name=x;Next", "end chapter"});
  ASSERT_EQ(Load(lines), 0);
  EXPECT_EQ(MessageTexts(),
            (std::vector<std::string>{"Chapter object: overflow max 200 Exercises"}));
  ASSERT_EQ(Lesson(0).ExerciseCount(), 200);
  EXPECT_EQ(Lesson(0).Exercises.back().Id, "1.200");
  EXPECT_EQ(Lesson(0).Exercises.back().TypeText, "T200");
  // The dropped exercises were read past, so the next lesson is intact.
  ASSERT_EQ(contents_.ChapterCount(), 2);
  EXPECT_EQ(Lesson(1).Title, "Next");
}

TEST_F(ContentsTest, AMalformedNumberStopsTheLoadWithItsPlace) {
  struct Case {
    std::vector<std::string> lines;
    int line;
    std::string text;
  };
  const Case cases[] = {
      {{"default time=ten"}, 1, "ten"},
      {{"wordloop=3x"}, 1, "3x"},
      {{"sentencemaxloop"}, 1, ""},
      {{"begin chapter", "durationpercent=ten"}, 2, "ten"},
      {{"begin chapter", "begin exercise", "duration=1.5"}, 3, "1.5"},
      {{"begin chapter", "begin exercise", "event=TEXT;heavy;NIL"}, 3, "heavy"},
      {{"begin chapter", "begin exercise", "event=TEXT"}, 3, ""},
  };
  for (const Case& c : cases) {
    host_.messages.clear();
    std::vector<std::string> lines = c.lines;
    lines.insert(lines.end(), {"begin chapter", "new keys=fj", "end chapter"});
    EXPECT_EQ(Load(lines), kErrorContentsInvalid) << c.text;
    EXPECT_EQ(contents_.ChapterCount(), 0);
    EXPECT_EQ(student_.ChapterCount, 0);
    EXPECT_TRUE(student_.KeyGroups.empty());
    ASSERT_EQ(host_.messages.size(), 1u) << c.text;
    const std::string& shown = host_.messages[0].text;
    EXPECT_NE(shown.find("c.cnt, line " + std::to_string(c.line) + ": \"" + c.text + "\""),
              std::string::npos)
        << shown;
    EXPECT_NE(shown.find("is not a whole number"), std::string::npos);
    EXPECT_NE(shown.find(c.lines.back()), std::string::npos);
  }
}

TEST_F(ContentsTest, AFileThatDoesNotOpenGivesItsStatus) {
  student_.AddKeyGroup("old");
  EXPECT_EQ(contents_.Create("missing.cnt", student_), kFileNotFound);
  EXPECT_EQ(contents_.ChapterCount(), 0);
  EXPECT_TRUE(student_.KeyGroups.empty());
  EXPECT_TRUE(host_.messages.empty());
}

TEST_F(ContentsTest, OutlineReadsWhatTheFullLoadReadsButNoExercises) {
  std::vector<std::string> lines = {
      "contents name=Course", "begin chapter",      "chapter name=x;One", "picture=a.pic",
      "new keys=fj",          "durationpercent=40", "begin exercise",     "type=Text",
      "event=TEXT;1;NIL",     "  End Exercise  ",   "new keys=dk",        "begin exercise",
      "end exercise=",        "end exercise",       "end chapter",        "begin chapter",
      "chapter name=x;Two",   "new keys=gh",        "end chapter"};
  ASSERT_EQ(Load(lines), 0);
  auto fullTitles = contents_.GetChapterList(false);
  auto fullKeys = student_.KeyGroups;
  std::vector<int> fullMinutes;
  for (const auto& c : contents_.Chapters) fullMinutes.push_back(c->Minutes);

  ASSERT_EQ(Load(lines, true), 0);
  EXPECT_TRUE(contents_.OutlineOnly);
  EXPECT_EQ(contents_.GetChapterList(false), fullTitles);
  EXPECT_EQ(student_.KeyGroups, fullKeys);
  EXPECT_EQ(student_.KeyGroups, (std::vector<std::string>{"fj", "dk", "gh"}));
  EXPECT_EQ(Lesson(0).Picture, "a.pic");
  for (std::size_t i = 0; i < contents_.Chapters.size(); ++i) {
    EXPECT_EQ(Lesson(i).Minutes, fullMinutes[i]);
    EXPECT_EQ(Lesson(i).ExerciseCount(), 0);
    EXPECT_TRUE(Lesson(i).OutlineOnly);
  }
  EXPECT_TRUE(host_.messages.empty());
}

TEST_F(ContentsTest, ChapterList) {
  ASSERT_EQ(Load({"begin chapter", "chapter name=x;Home row", "end chapter", "begin chapter",
                  "end chapter"}),
            0);
  EXPECT_EQ(contents_.GetChapterList(true),
            (std::vector<std::string>{"Lesson 1: Home row", "Lesson 2: "}));
  EXPECT_EQ(contents_.GetChapterList(false), (std::vector<std::string>{"1. Home row", "2. "}));
}

TEST_F(ContentsTest, AScrambledCourseReadsLikeAPlainOne) {
  std::string body =
      CourseText({"begin chapter", "chapter name=x;Secret", "new keys=fj", "end chapter"});
  std::string scrambled;
  for (char c : body)
    scrambled += (c == '\r' || c == '\n') ? c : static_cast<char>(c ^ kScrambleKey);
  test::WriteFile(dir_ / "s.cnt", "$fileformat=crypted\r\n" + scrambled);
  ASSERT_EQ(contents_.Create("s.cnt", student_), 0);
  ASSERT_EQ(contents_.ChapterCount(), 1);
  EXPECT_EQ(Lesson(0).Title, "Secret");
}

TEST_F(ContentsTest, ACourseCutAtAnyLengthLoadsWithoutHarm) {
  const std::string whole = CourseText(
      {"$version=5",         "contents name=Cut", "default time=25",    "begin chapter",
       "chapter name=x;One", "new keys=fj",       "durationpercent=60", "begin exercise",
       "type=Text",          "duration=2",        "event=TEXT;1;NIL",   "event=EXAM;2;FILE:x.txt",
       "end exercise",       "end chapter",       "begin chapter",      "new keys=dk",
       "begin exercise",     "event=WORD;1;NIL",  "end exercise",       "end chapter"});
  for (std::size_t len = 0; len <= whole.size(); ++len) {
    test::WriteFile(dir_ / "cut.cnt", whole.substr(0, len));
    int status = contents_.Create("cut.cnt", student_);
    // A cut inside the "$" header is the container's header error.
    ASSERT_TRUE(status == 0 || status == kErrorContentsInvalid || status == kFileHeaderError)
        << len << ": " << status;
    ASSERT_LE(contents_.ChapterCount(), 2);
    for (const auto& c : contents_.Chapters)
      for (const TExercise& e : c->Exercises) ASSERT_LE(e.EventCount(), 2);
    ASSERT_LE(host_.messages.size(), 4 * (len + 1));
    if (len == whole.size()) {
      EXPECT_EQ(status, 0);
      EXPECT_EQ(contents_.ChapterCount(), 2);
      EXPECT_TRUE(contents_.Messages().empty());
    }
  }
}

}  // namespace
}  // namespace tq
