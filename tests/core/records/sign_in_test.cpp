#include "core/records/sign_in.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <string>
#include <vector>

#include "records_fixture.h"

namespace tq {
namespace {

// Pages that answer from a script and record what they were asked.
class ScriptedPages : public SignInPages {
 public:
  struct Cover {
    int outcome;
    std::string name;
  };
  std::deque<Cover> covers;
  std::deque<int> answers;
  std::vector<std::string> asked;  // "cover" or the new student's name
  int ShowCover(std::string& name) override {
    asked.push_back("cover");
    if (covers.empty()) return kCoverClosed;
    const Cover c = covers.front();
    covers.pop_front();
    name = c.name;
    return c.outcome;
  }
  int AskNewUser(const std::string& name) override {
    asked.push_back(name);
    if (answers.empty()) return kNewUserClosed;
    const int a = answers.front();
    answers.pop_front();
    return a;
  }
};

class SignInTest : public test::RecordsTest {};

TEST_F(SignInTest, PagesAndOutcomes) {
  ASSERT_NE(TUser::CreateUser("Ann"), nullptr);
  struct Case {
    const char* what;
    std::deque<ScriptedPages::Cover> covers;
    std::deque<int> answers;
    std::string autoLogon;
    const char* signedIn;  // nullptr: nobody
    std::vector<std::string> asked;
  } cases[] = {
      {"a known name", {{kCoverName, "Ann"}}, {}, "", "Ann", {"cover"}},
      {"a visitor", {{kCoverVisitor, "Visitor"}}, {}, "", "Visitor", {"cover"}},
      {"closed on the cover", {}, {}, "", nullptr, {"cover"}},
      {"a new name, created", {{kCoverName, "Bo"}}, {kNewUserCreate}, "", "Bo", {"cover", "Bo"}},
      {"a new name, back, then a known one",
       {{kCoverName, "Cy"}, {kCoverName, "Ann"}},
       {kNewUserBack},
       "",
       "Ann",
       {"cover", "Cy", "cover"}},
      {"closed on the question",
       {{kCoverName, "Di"}},
       {kNewUserClosed},
       "",
       nullptr,
       {"cover", "Di"}},
      {"auto-logon of a known name", {}, {}, "Ann", "Ann", {}},
      // Under auto-logon Back asks the question again.
      {"auto-logon of a new name, back, created",
       {},
       {kNewUserBack, kNewUserCreate},
       "Eve",
       "Eve",
       {"Eve", "Eve"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ScriptedPages pages;
    pages.covers = c.covers;
    pages.answers = c.answers;
    const auto user = SignIn(pages, c.autoLogon);
    if (c.signedIn) {
      ASSERT_NE(user, nullptr);
      EXPECT_EQ(user->Name, c.signedIn);
    } else {
      EXPECT_EQ(user, nullptr);
    }
    EXPECT_EQ(pages.asked, c.asked);
  }
  // The created student is in the base; the one who went back is not.
  EXPECT_NE(TUser::FindUser("Bo"), nullptr);
  EXPECT_EQ(TUser::FindUser("Cy"), nullptr);
  EXPECT_EQ(TUser::FindUser("Visitor"), nullptr);
}

TEST(AutoLogon, NamesFromTheSettingAndTheEnvironment) {
  setenv("TQ_CLASS", "Room 4", 1);
  unsetenv("TQ_NOBODY");
  const char* savedLogName = std::getenv("LOGNAME");
  const std::string oldLogName = savedLogName ? savedLogName : "";
  setenv("LOGNAME", "pupil", 1);
  const char* saved = std::getenv("USERNAME");
  const std::string oldUserName = saved ? saved : "";
  unsetenv("USERNAME");
  EXPECT_EQ(AutoLogonName(""), "");
  EXPECT_EQ(AutoLogonName("Ann"), "Ann");
  EXPECT_EQ(AutoLogonName("%TQ_CLASS%"), "Room 4");
  EXPECT_EQ(AutoLogonName("%TQ_NOBODY%"), "%TQ_NOBODY%");  // taken as it stands
  // Without USERNAME the login name stands in.
  EXPECT_EQ(AutoLogonName("%USERNAME%"), "pupil");
  EXPECT_EQ(AutoLogonName(std::string(120, 'x')), std::string(99, 'x'));
  unsetenv("LOGNAME");
  const char* user = std::getenv("USER");
  EXPECT_EQ(AutoLogonName("%USERNAME%"), user ? user : "");
  setenv("USERNAME", "Joe", 1);
  EXPECT_EQ(AutoLogonName("%USERNAME%"), "Joe");
  if (saved)
    setenv("USERNAME", oldUserName.c_str(), 1);
  else
    unsetenv("USERNAME");
  if (savedLogName) setenv("LOGNAME", oldLogName.c_str(), 1);
}

}  // namespace
}  // namespace tq
