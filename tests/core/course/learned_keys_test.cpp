#include "core/course/learned_keys.h"

#include <gtest/gtest.h>

#include "core/records/difficult_keys.h"
#include "core/records/user.h"
#include "core/shell/strings.h"
#include "study_script.h"
#include "support/fake_host.h"
#include "support/temp_dir.h"

namespace tq {
namespace {

TEST(LearnedKeysTest, AReturningStudentsKeysComeFromHisCourseAtSignIn) {
  test::TempDir dir;
  test::ScopedCurrentDir cwd(dir.path());
  test::FakeHost host;
  host.Install();
  test::WriteFile(
      dir / "c.cnt",
      test::CourseText({"contents name=C", "begin chapter", "new keys=fj", "begin exercise",
                        "event=TEXT;1;NIL", "end exercise", "new keys=dk", "end chapter",
                        "begin chapter", "new keys=sl", "end chapter"}));
  struct Case {
    std::string course;
    int level;
    std::string learned;
  };
  const std::vector<Case> cases = {
      {"c.cnt", 1, "fj"},
      {"c.cnt", 2, "fjdk"},
      {"c.cnt", 9, "fjdksl"},
      {"absent.cnt", 2, Str(kStrAllLetters)},
  };
  for (const Case& c : cases) {
    TUser student("Ann", true);
    student.SetContents(c.course);
    student.KeyLevel = c.level;
    student.WordLoop = 7;
    LoadLearnedKeys(student);
    EXPECT_EQ(student.DifficultKeys().LearnedKeys, c.learned) << c.course << c.level;
    EXPECT_EQ(student.WordLoop, 7);
    // The ranking holds the learned keys only.
    if (c.course == "c.cnt") {
      const int n = static_cast<int>(c.learned.size());
      EXPECT_NE(c.learned.find(static_cast<char>(student.DifficultKeys().DifficultKey(n))),
                std::string::npos);
      EXPECT_EQ(student.DifficultKeys().DifficultKey(n + 1), 0);
      EXPECT_EQ(student.DifficultKeys().RankedCount(), n);
    }
  }
  EXPECT_TRUE(host.messages.empty());
}

}  // namespace
}  // namespace tq
