// The window-free rules of events: line fields, text sources, result codes
// and the accounting of studying time.
#include <gtest/gtest.h>

#include "core/exercises/event_line.h"
#include "core/exercises/event_text.h"
#include "core/exercises/event_time.h"
#include "core/exercises/study_codes.h"
#include "core/records/user.h"
#include "core/shell/errors.h"
#include "core/shell/program_settings.h"
#include "support/fake_host.h"
#include "support/temp_dir.h"

namespace tq {
namespace {

TEST(EventLine, Fields) {
  EventLine full("event=MESSAGE;1;Hello%; there;Welcome;Book.pic;left");
  EXPECT_EQ(full.Fields(), (std::vector<std::string>{"event", "MESSAGE", "1", "Hello; there",
                                                     "Welcome", "Book.pic", "left"}));
  EXPECT_TRUE(full.HasTextSource());
  EXPECT_EQ(full.TextSource(), "Hello; there");
  EXPECT_EQ(full.MessageTitle(), "Welcome");
  EXPECT_EQ(full.MessagePicture(), "Book.pic");
  EXPECT_TRUE(full.MessagePictureLeft());

  EventLine right("event=MESSAGE;1;NIL;Title;Book.pic;RIGHT");
  EXPECT_FALSE(right.MessagePictureLeft());
  // The title is there even without the picture fields.
  EventLine titleOnly("event=MESSAGE;1;;NIL;;Title");
  EXPECT_EQ(titleOnly.MessageTitle(), "Title");
  EXPECT_EQ(titleOnly.MessagePicture(), "");
  EXPECT_FALSE(titleOnly.MessagePictureLeft());
  EventLine noSource("event=TEXT;1");
  EXPECT_FALSE(noSource.HasTextSource());
  EXPECT_EQ(noSource.TextSource(), "");
}

TEST(EventLine, ExamMinimumsComeFromAnEightFieldLine) {
  struct Case {
    const char* line;
    int speed, accuracy, rhythm;
  } cases[] = {
      {"event=EXAM;1;FILE:e.txt;FALSE;150;40;10", 150, 40, 10},
      {"event=exam;2;FILE:e.txt;TRUE;75;0;25", 75, 0, 25},
      // Another count of fields asks for nothing.
      {"event=EXAM;1;FILE:e.txt;FALSE;150;40", 0, 0, 0},
      {"event=EXAM;1;FILE:e.txt;FALSE;150;40;10;5", 0, 0, 0},
      {"event=EXAM;1;FILE:e.txt", 0, 0, 0},
      // A field that is not a whole number asks for nothing there.
      {"event=EXAM;1;FILE:e.txt;FALSE;fast;40;x", 0, 40, 0},
  };
  for (const Case& c : cases) {
    const ExamMinimums m = EventLine(c.line).ExamLineMinimums();
    EXPECT_EQ(m.Speed, c.speed) << c.line;
    EXPECT_EQ(m.Accuracy, c.accuracy) << c.line;
    EXPECT_EQ(m.Rhythm, c.rhythm) << c.line;
  }
}

TEST(EventLine, PageResultsBecomeStudyCodes) {
  const std::pair<int, int> cases[] = {{kEventClosed, kStudyStop},
                                       {kEventDone, kStudyGoOn},
                                       {kEventCancelled, kStudyCancelled},
                                       {kEventNext, kStudyNext},
                                       {kEventCancelledFinished, kStudyCancelledFinished},
                                       {5, kStudyGoOn},
                                       {-1, kStudyGoOn}};
  for (auto [result, code] : cases) EXPECT_EQ(StudyCodeOfEventResult(result), code) << result;
}

TEST(EventLine, TextLoadResultsThatSkipThePage) {
  struct Case {
    int load;
    bool skips;
    int page;
  };
  const Case cases[] = {{1, false, -7},
                        {2, false, -7},
                        {3, true, kEventCancelled},
                        {0, true, kEventClosed},
                        {4, true, kEventClosed},
                        {-1, true, kEventClosed},
                        {kTextMissing, true, kEventCancelled}};
  for (const Case& c : cases) {
    int page = -7;
    EXPECT_EQ(SkipsPage(c.load, page), c.skips) << c.load;
    EXPECT_EQ(page, c.page) << c.load;
  }
}

class EventTextTest : public ::testing::Test {
 protected:
  EventTextTest() : cwd_(dir_.path()), student_("VISITOR") {
    host_.Install();
    SetErrorLogPath(dir_ / "Errors.log");
    test::WriteFile(dir_ / "drill.txt", "$version=5\r\nasdf jkl;\r\nfjfj\r\n");
    test::WriteFile(dir_ / "Effic.kls", "Type evenly.\r\n");
    test::WriteFile(dir_ / "story.exm", "Once upon a time\r\n");
    test::WriteFile(dir_ / "other.exm", "The end\r\n");
    Settings().CustomStoryPath = "mine\\";
  }
  ~EventTextTest() override {
    SetErrorLogPath("Errors.log");
    Settings().CustomStoryPath.clear();
  }

  int Load(std::string_view source) {
    return LoadText(
        source, text_, student_,
        [this](const std::string& mask, const std::string& folder, const std::string& current) {
          asked_.push_back(mask + "|" + folder + "|" + current);
          return selection_;
        });
  }

  test::TempDir dir_;
  test::ScopedCurrentDir cwd_;
  test::FakeHost host_;
  TUser student_;
  EventText text_;
  StorySelection selection_;
  std::vector<std::string> asked_;
};

TEST_F(EventTextTest, Sources) {
  struct Case {
    std::string source;
    std::optional<std::string> text;
  };
  const Case cases[] = {
      {"FILE:drill.txt", "asdf jkl;\r\nfjfj\r\n"},  // the body, without its header
      {"file:DRILL.TXT", "asdf jkl;\r\nfjfj\r\n"},
      {"RES:12", std::nullopt},
      {"EFFIC:", "Type evenly.\r\n"},
      {"Effic:anything", "Type evenly.\r\n"},
      {"fj fj jf", "fj fj jf"},
      {"NILS", std::nullopt},  // a prefix match: NIL
  };
  for (const Case& c : cases) {
    text_.Text = "previous";
    EXPECT_EQ(Load(c.source), 1) << c.source;
    if (c.source == "NILS") {
      EXPECT_EQ(text_.Text, "previous");  // NIL leaves the text as it was
    } else {
      EXPECT_EQ(text_.Text, c.text) << c.source;
    }
    EXPECT_FALSE(text_.TextChosen);
  }
  EXPECT_TRUE(host_.messages.empty());
  EXPECT_TRUE(asked_.empty());
}

TEST_F(EventTextTest, AMissingFileIsReported) {
  text_.Text = "previous";
  EXPECT_EQ(Load("FILE:gone.txt"), kTextMissing);
  EXPECT_FALSE(text_.Text);
  int page = -7;
  EXPECT_TRUE(SkipsPage(kTextMissing, page));
  EXPECT_EQ(page, kEventCancelled);  // not credited: back to the lesson page
  ASSERT_EQ(host_.messages.size(), 1u);
  EXPECT_EQ(host_.messages[0].text, "#-501 Error in Event\n\rFile gone.txt missing or read error");
  test::WriteFile(dir_ / "Effic.kls", "");
  EXPECT_EQ(Load("EFFIC:"), 1);
  EXPECT_EQ(text_.Text, "");  // an empty body is still a text
}

TEST_F(EventTextTest, StoriesFromTheSelectionPage) {
  student_.StoryText = "story.exm";
  student_.StoryChoice = 42;

  selection_ = {kStoryContinue, ""};
  EXPECT_EQ(Load("ASK:*.exm"), kStoryContinue);
  EXPECT_EQ(asked_.back(), "*.exm|mine\\|story.exm");
  EXPECT_TRUE(text_.TextChosen);
  EXPECT_EQ(text_.Text, "Once upon a time\r\n");
  EXPECT_EQ(text_.StoryPosition, 42);

  selection_ = {kStoryNew, "other.exm"};
  EXPECT_EQ(Load("ask:*.exm"), kStoryNew);
  EXPECT_EQ(student_.StoryText, "other.exm");
  EXPECT_EQ(text_.Text, "The end\r\n");
  EXPECT_FALSE(text_.StoryPosition);

  selection_ = {kStoryBack, ""};
  EXPECT_EQ(Load("ASK:*.exm"), kStoryBack);
  EXPECT_FALSE(text_.Text);
  int page = 0;
  EXPECT_TRUE(SkipsPage(kStoryBack, page));
  EXPECT_EQ(page, kEventCancelled);

  // A story that vanished after the list was made is named in a message
  // and typed by nobody.
  selection_ = {kStoryNew, "vanished.exm"};
  EXPECT_EQ(Load("ASK:*.exm"), kStoryBack);
  EXPECT_FALSE(text_.Text);
  ASSERT_EQ(host_.messages.size(), 1u);
  EXPECT_EQ(host_.messages[0].text, "This story file can no longer be opened: vanished.exm");
}

TEST(StudyTime, StaysOnAPageCountTowardsTheLesson) {
  struct Case {
    int hours, minutes, seconds;
    int counted;         // minutes added to StudyMinutes and LessonMinutes
    int chapterSeconds;  // added to the lesson's seconds
  };
  const Case cases[] = {
      {1, 10, 0, 60, 3600}, {2, 50, 0, 60, 3600}, {0, 2, 50, 3, 170}, {0, 2, 45, 2, 165},
      {0, 2, 46, 3, 166},   {0, 0, 46, 1, 46},    {0, 0, 0, 0, 0},    {0, 59, 59, 60, 3599},
      {1, 0, 30, 60, 3630}, {25, 5, 0, 60, 3600},  // a day and more is still an hour
  };
  for (const Case& c : cases) {
    TUser student("VISITOR");
    student.BookMark.Chapter = 2;
    student.ChapterSeconds[2] = 100;
    student.StudyMinutes = 7;
    student.LessonMinutes = 1;
    double start = 46000.25;
    double now = start + (c.hours * 3600 + c.minutes * 60 + c.seconds) / 86400.0;
    AccountStudyTime(student, start, now);
    EXPECT_EQ(student.StudyMinutes, 7 + c.counted)
        << c.hours << ":" << c.minutes << ":" << c.seconds;
    EXPECT_EQ(student.LessonMinutes, 1 + c.counted);
    EXPECT_EQ(student.ChapterSeconds[2], 100 + c.chapterSeconds);
    EXPECT_EQ(student.ChapterSeconds[1], -1);
  }
}

TEST(StudyTime, LimitsAndPlacesWithoutATable) {
  TUser student("VISITOR");
  student.BookMark.Chapter = 1;
  // The unset seconds (-1) count from nothing.
  AccountStudyTime(student, 0.5, 0.5 + 170 / 86400.0);
  EXPECT_EQ(student.ChapterSeconds[1], 170);
  // The lesson's seconds stop at 32000.
  student.ChapterSeconds[1] = 31990;
  AccountStudyTime(student, 0.5, 0.5 + 20 / 86400.0);
  EXPECT_EQ(student.ChapterSeconds[1], 32000);
  AccountStudyTime(student, 0.5, 0.5 + 2 / 24.0);
  EXPECT_EQ(student.ChapterSeconds[1], 32000);

  // Before the first lesson nothing counts.
  student.BookMark.Chapter = 0;
  int study = student.StudyMinutes;
  AccountStudyTime(student, 0.5, 0.5 + 600 / 86400.0);
  EXPECT_EQ(student.StudyMinutes, study);

  // A lesson beyond the record's tables still counts minutes.
  student.BookMark.Chapter = 21;
  auto seconds = student.ChapterSeconds;
  AccountStudyTime(student, 0.5, 0.5 + 600 / 86400.0);
  EXPECT_EQ(student.StudyMinutes, study + 10);
  EXPECT_EQ(student.ChapterSeconds, seconds);

  // A clock set back counts nothing; the 16-bit minute counters do not wrap.
  student.BookMark.Chapter = 3;
  AccountStudyTime(student, 0.5, 0.4);
  EXPECT_EQ(student.StudyMinutes, study + 10);
  student.StudyMinutes = 32760;
  AccountStudyTime(student, 0.5, 0.5 + 600 / 86400.0);
  EXPECT_EQ(student.StudyMinutes, 32767);
}

}  // namespace
}  // namespace tq
