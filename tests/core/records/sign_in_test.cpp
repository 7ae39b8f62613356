#include "core/records/sign_in.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <deque>
#include <fstream>
#include <string>
#include <vector>

#include "core/files/paths.h"
#include "core/records/sign_in_marker.h"
#include "records_fixture.h"
#include "support/temp_dir.h"

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
  std::vector<std::string> asked;  // "cover", "refused <characters>" or the new student's name
  int ShowCover(std::string& name) override {
    asked.push_back("cover");
    if (covers.empty()) return kCoverClosed;
    const Cover c = covers.front();
    covers.pop_front();
    name = c.name;
    return c.outcome;
  }
  void RefuseName(const std::string& characters) override {
    asked.push_back("refused " + characters);
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

// A record holds Windows-1252: a name with other characters is refused on
// the cover, naming them, and never signs in to the record of what is left.
TEST_F(SignInTest, NamesARecordCannotHoldAreRefused) {
  ASSERT_NE(TUser::CreateUser("Li"), nullptr);
  struct Case {
    const char* typed;
    const char* refused;  // "" when the name can be stored
    const char* name;     // the name looked up
  } cases[] = {
      {"\u738b\u82b3 li", "\u738b\u82b3", ""},
      {"\u5f20\u4f1f \u5f20 li", "\u5f20\u4f1f", ""},
      {"\u03a9mega", "\u03a9", ""},
      {"J\u00fcrgen M\u00fcller", "", "J\xfcrgen M\xfcller"},  // 1252 letters are kept
      {"  zo\u00eb  ", "", "Zo\xeb"},
      {"bad\xff", "\xff", ""},  // broken UTF-8 is named as typed
      {"   ", "", "Visitor"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    EXPECT_EQ(UnstorableCharacters(c.typed), c.refused);
    if (*c.refused == 0) {
      EXPECT_EQ(CoverName(c.typed), c.name);
    }
  }
  // Through the sign-in loop: refused, then the cover again; the record
  // "Li" is never entered by another name.
  ScriptedPages pages;
  pages.covers = {{kCoverName, "\u738b\u82b3 li"}, {kCoverName, "\u5f20\u4f1f li"}};
  EXPECT_EQ(SignIn(pages, ""), nullptr);
  EXPECT_EQ(pages.asked, (std::vector<std::string>{"cover", "refused \u738b\u82b3", "cover",
                                                   "refused \u5f20\u4f1f", "cover"}));
  // A name of only such characters is refused too, not made a visitor.
  pages.asked.clear();
  pages.covers = {{kCoverName, "\u738b"}, {kCoverVisitor, "\u738b"}};
  const auto visitor = SignIn(pages, "");
  ASSERT_NE(visitor, nullptr);
  EXPECT_TRUE(visitor->IsVisitor());
  EXPECT_EQ(pages.asked, (std::vector<std::string>{"cover", "refused \u738b", "cover"}));
}

// The same student on two computers: the second sign-in is warned and may
// go on or type another name; markers that expired or were left behind by a
// program of this computer that no longer runs say nothing.
TEST_F(SignInTest, ANameInUseOnAnotherComputerIsWarned) {
  ASSERT_NE(TUser::CreateUser("Ann"), nullptr);
  const int64_t now = SecondsNow();
  struct Case {
    const char* what;
    std::string marker;  // contents of Ann's marker; empty: none
    bool warned;
  } cases[] = {
      {"no marker", "", false},
      {"another computer, renewed 5 minutes ago",
       "computer=room4-pc\nprocess=77\nrenewed=" + std::to_string(now - 300) + "\n", true},
      {"another computer, expired",
       "computer=room4-pc\nprocess=77\nrenewed=" +
           std::to_string(now - kMarkerLifetimeSeconds - 60) + "\n",
       false},
      {"this computer, a program no longer running",
       "computer=" + ComputerName() + "\nprocess=999999999\nrenewed=" + std::to_string(now) + "\n",
       false},
      {"garbage", "\x01\x02=\n=\nrenewed=x\n", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::remove(NativePath(MarkerPath("Ann")).c_str());
    if (!c.marker.empty()) test::WriteFile(NativePath(MarkerPath("ann")), c.marker);
    host.questions.clear();
    ScriptedPages pages;
    pages.covers = {{kCoverName, "Ann"}};
    host.AnswerNext(true);  // go on
    auto user = SignIn(pages, "");
    ASSERT_NE(user, nullptr);
    ASSERT_EQ(host.questions.size(), c.warned ? 1u : 0u);
    if (c.warned) {
      EXPECT_NE(host.questions[0].text.find("room4-pc"), std::string::npos);
      EXPECT_NE(host.questions[0].text.find("5 minutes"), std::string::npos);
    }
    // Signed in here: the marker is ours now, renewed by saving and gone
    // when the student signs out.
    EXPECT_FALSE(MarkerElsewhere("Ann", now));
    EXPECT_TRUE(
        test::ReadFile(NativePath(MarkerPath("Ann"))).find("process=" + std::to_string(getpid())) !=
        std::string::npos);
    SetCurrentUser(std::move(user));
    SetCurrentUser(nullptr);
    EXPECT_FALSE(std::ifstream(NativePath(MarkerPath("Ann"))).good());
  }
  // No: back to the cover for another name.
  test::WriteFile(NativePath(MarkerPath("Ann")),
                  "computer=room4-pc\nprocess=77\nrenewed=" + std::to_string(now) + "\n");
  ScriptedPages pages;
  pages.covers = {{kCoverName, "Ann"}, {kCoverName, "Bo"}};
  host.answers = {false};
  pages.answers = {kNewUserCreate};
  auto user = SignIn(pages, "");
  ASSERT_NE(user, nullptr);
  EXPECT_EQ(user->Name, "Bo");
  EXPECT_EQ(pages.asked, (std::vector<std::string>{"cover", "cover", "Bo"}));
  // The other computer's marker is left alone.
  EXPECT_TRUE(MarkerElsewhere("Ann", now));
  SetCurrentUser(nullptr);
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
