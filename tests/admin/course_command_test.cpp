#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "admin/admin.h"
#include "admin_fixture.h"
#include "support/fake_host.h"
#include "support/temp_dir.h"

namespace tq::admin {
namespace {

using test::FakeHost;
using test::TempDir;
using test::WriteFile;

class CourseCommandTest : public AdminCommandTest {};

const char kCourse[] =
    "$version=5\r\n"
    "contents name=Home row\r\n"
    "default time=25\r\n"
    "wizardname=Beginner\r\n"
    "begin chapter\r\n"
    "chapter name=1;First keys\r\n"
    "picture=Ch1.pic\r\n"
    "new keys=fj\r\n"
    "durationpercent=40\r\n"
    "begin exercise\r\n"
    "type=Drill\r\n"
    "duration=1\r\n"
    "event=KEYBOARD;1;NIL\r\n"
    "event=text;2;FILE:fj.txt\r\n"
    "end exercise\r\n"
    "begin exercise\r\n"
    "type\r\n"
    "duration=1\r\n"
    "event=JUGGLE;1;NIL\r\n"
    "end exercise\r\n"
    "end chapter\r\n";

TEST_F(CourseCommandTest, ShowListsLessonsExercisesEventsAndMessages) {
  WriteFile(dir / "home.cnt", kCourse);
  ASSERT_EQ(Run({"course", "show", dir / "home.cnt"}), kExitOk) << err.str();
  const std::string expected =
      "File: " + (dir / "home.cnt") +
      "\n"
      "Status: 0 (loaded)\n"
      "Name: Home row\n"
      "Keyboard: ALL\n"
      "Default time: 25 min\n"
      "Review wizard: Beginner\n"
      "Word loop: 3 (max 5)  Sentence loop: 0 (max 0)\n"
      "Lesson length: 25 min\n"
      "Lesson 1: First keys  10 min  picture Ch1.pic\n"
      "  new keys \"fj\" (key level 1)\n"
      "  1.1  Drill  5 min  key level 1  weight 1\n"
      "    KEYBOARD  weight 1  budget 100 ticks\n"
      "    TEXT  weight 2  budget 200 ticks\n"
      "  1.2  -  5 min  key level 1  weight 1\n"
      "    JUGGLE  weight 1  budget 300 ticks  (unknown type: runs nothing)\n"
      "Lessons: 1  Exercises: 2  Events: 3\n"
      "Messages: 1\n"
      "  line 17: Contents/Exercise: missing type entry\n";
  EXPECT_EQ(out.str(), expected);
  // Listed, not shown in a box.
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(CourseCommandTest, MinutesOptionAndJson) {
  WriteFile(dir / "home.cnt", kCourse);
  ASSERT_EQ(Run({"course", "show", dir / "home.cnt", "--minutes", "45", "--json"}), kExitOk);
  const std::string json = out.str();
  // 40 % of 45 is 18 minutes, 9 for each exercise; 9 * 60 / 3 = 180 ticks a weight.
  EXPECT_NE(json.find("\"lessonMinutes\":45"), std::string::npos) << json;
  EXPECT_NE(json.find("\"number\":1,\"title\":\"First keys\",\"minutes\":18"), std::string::npos);
  EXPECT_NE(json.find("{\"id\":\"1.1\",\"type\":\"Drill\",\"minutes\":9,\"keyLevel\":1,"
                      "\"weight\":1,\"events\":[{\"type\":\"KEYBOARD\",\"weight\":1,"
                      "\"budget\":180,\"known\":true,\"line\":\"event=KEYBOARD;1;NIL\"}"),
            std::string::npos)
      << json;
  EXPECT_NE(json.find("\"newKeys\":[\"fj\"]"), std::string::npos);
  EXPECT_NE(json.find("\"known\":false"), std::string::npos);
  EXPECT_NE(json.find("\"messages\":[{\"line\":17,\"text\":\"Contents/Exercise: missing type "
                      "entry\"}]}\n"),
            std::string::npos);

  ASSERT_EQ(Run({"course", "show", dir / "home.cnt", "--minutes", "0"}), kExitOk);
  EXPECT_NE(out.str().find("Lesson 1: First keys  0 min"), std::string::npos);
  EXPECT_NE(out.str().find("TEXT  weight 2  budget 0 ticks"), std::string::npos);
}

TEST_F(CourseCommandTest, ACourseThatDoesNotLoad) {
  WriteFile(dir / "bad.cnt", "begin chapter\r\ndurationpercent=ten\r\nend chapter\r\n");
  EXPECT_EQ(Run({"course", "show", dir / "bad.cnt"}), kExitFailure);
  EXPECT_NE(out.str().find("Status: -1095 (Contents file description invalid)"), std::string::npos);
  EXPECT_NE(out.str().find("  line 2: " + (dir / "bad.cnt") +
                           ", line 2: \"ten\" is not a whole number (durationpercent=ten)"),
            std::string::npos)
      << out.str();
  EXPECT_NE(err.str().find("Contents file description invalid"), std::string::npos);

  EXPECT_EQ(Run({"course", "show", dir / "missing.cnt", "--json"}), kExitFailure);
  EXPECT_EQ(out.str(), "{\"file\":" + std::string("\"") + (dir / "missing.cnt") +
                           "\",\"status\":-1,\"messages\":[]}\n");
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(CourseCommandTest, Usage) {
  const CommandArgs bad[] = {{"course"},
                             {"course", "list"},
                             {"course", "show"},
                             {"course", "show", "a.cnt", "--minutes"},
                             {"course", "show", "a.cnt", "--minutes", "-5"},
                             {"course", "show", "a.cnt", "b.cnt"}};
  for (const CommandArgs& args : bad) {
    EXPECT_EQ(Run(args), kExitUsage) << args.size();
    EXPECT_NE(err.str().find("Usage: tapquill-admin course show"), std::string::npos);
  }
  EXPECT_EQ(Run({"course", "--help"}), kExitOk);
  EXPECT_NE(out.str().find("--minutes N"), std::string::npos);
}

}  // namespace
}  // namespace tq::admin
