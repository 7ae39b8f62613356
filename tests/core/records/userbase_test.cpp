// The user base: look-up, list, creation and saving, its size checks, the
// values other computers may write, and the busy retry against another
// process that holds the file.
#include <gtest/gtest.h>

#include "core/files/data_file.h"
#include "core/records/user.h"
#include "core/shell/program_settings.h"
#include "records_fixture.h"

namespace tq {
namespace {

using test::RawBytes;

std::string Record(std::string_view name, int studyMinutes = 0) {
  RawBytes r(2584);
  r.Text(0, name).I16(518, studyMinutes).I16(522, 1);
  return r.bytes;
}

std::string Names(std::initializer_list<std::string_view> names) {
  std::string base;
  int minutes = 0;
  for (std::string_view n : names) base += Record(n, ++minutes);
  return base;
}

class Userbase : public test::RecordsTest {};

TEST_F(Userbase, NamesMatchIgnoringCaseAnd1252LettersKeepingTheStoredCase) {
  test::WriteFile(Base(), Names({"Anna", "J\xF6rg \xC5str\xF6m", "\x8Aime"}));
  struct Case {
    const char* typed;
    const char* stored;  // nullptr: not found
  } cases[] = {
      {"anna", "Anna"},       {"ANNA", "Anna"}, {"j\xD6RG \xE5STR\xD6M", "J\xF6rg \xC5str\xF6m"},
      {"\x9AIME", "\x8Aime"}, {"Ann", nullptr}, {"Anna ", nullptr},
      {"", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    auto user = TUser::FindUser(c.typed);
    if (!c.stored) {
      EXPECT_EQ(user, nullptr);
      continue;
    }
    ASSERT_NE(user, nullptr);
    EXPECT_EQ(user->Name, c.stored);
  }
}

TEST_F(Userbase, VisitorInAnyCaseIsNeverListedNorSaved) {
  const std::string base = Names({"Zoe", "VISITOR", "visitor", "Bob", "ViSiToR"});
  test::WriteFile(Base(), base);
  auto list = TUser::GetUserList();
  ASSERT_TRUE(list.has_value());
  EXPECT_EQ(*list, (std::vector<std::string>{"Bob", "Zoe"}));
  for (const char* name : {"VISITOR", "visitor", "Visitor"}) {
    TUser visitor(name);
    visitor.StudyMinutes = 999;
    EXPECT_EQ(visitor.SaveUser(), 1) << name;
  }
  EXPECT_EQ(test::ReadFile(Base()), base);
  EXPECT_TRUE(CurrentUser().IsVisitor());
}

TEST_F(Userbase, AListIsGivenUpTo1000RecordsAndLookUpWorksBeyond) {
  std::string base;
  for (int i = 0; i < 1000; ++i) base += Record("Student " + std::to_string(1000 + i), i);
  test::WriteFile(Base(), base);
  auto list = TUser::GetUserList();
  ASSERT_TRUE(list.has_value());
  EXPECT_EQ(list->size(), 1000u);
  EXPECT_EQ(list->front(), "Student 1000");

  test::WriteFile(Base(), base + Record("Last One", 77));
  EXPECT_FALSE(TUser::GetUserList().has_value());
  auto last = TUser::FindUser("last one");
  ASSERT_NE(last, nullptr);
  EXPECT_EQ(last->StudyMinutes, 77);

  test::WriteFile(Base(), Names({"Anna"}));
  Settings().DisableUserList = true;
  EXPECT_FALSE(TUser::GetUserList().has_value());
  Settings().DisableUserList = false;
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(Userbase, ListIsSortedIgnoringCase) {
  test::WriteFile(Base(), Names({"carl", "Bea", "anton", "Bea"}));
  auto list = TUser::GetUserList();
  ASSERT_TRUE(list.has_value());
  EXPECT_EQ(*list, (std::vector<std::string>{"anton", "Bea", "Bea", "carl"}));
}

TEST_F(Userbase, APartialTailIsReportedSearchedOverWholeRecordsAndOverwritten) {
  const std::string whole = Names({"Ann", "Ben", "Cid"});
  test::WriteFile(Base(), whole + Record("Dan").substr(0, 17));
  auto ben = TUser::FindUser("ben");
  ASSERT_NE(ben, nullptr);
  EXPECT_EQ(ben->StudyMinutes, 2);
  EXPECT_EQ(TUser::FindUser("Dan"), nullptr);  // only whole records are searched
  ASSERT_FALSE(Errors().empty());
  EXPECT_EQ(Errors()[0].substr(0, 59),
            "#-1517 Warning: Wrong Userbase file version, size mitsmatch");

  auto list = TUser::GetUserList();
  ASSERT_TRUE(list.has_value());
  EXPECT_EQ(list->size(), 3u);

  ASSERT_NE(TUser::CreateUser("Eve"), nullptr);
  const std::string after = test::ReadFile(Base());
  ASSERT_EQ(after.size(), 4u * 2584);
  EXPECT_EQ(after.substr(0, whole.size()), whole);  // nothing before it moved
  EXPECT_NE(TUser::FindUser("Eve"), nullptr);
}

TEST_F(Userbase, ANameOf255HighBytesIsListedFoundAndSaved) {
  const std::string longName(255, '\xE9');  // é
  test::WriteFile(Base(), Names({"Ann"}) + Record(longName, 5));
  auto list = TUser::GetUserList();
  ASSERT_TRUE(list.has_value());
  EXPECT_EQ(list->back(), longName);
  auto user = TUser::FindUser(std::string(255, '\xC9'));  // É
  ASSERT_NE(user, nullptr);
  EXPECT_EQ(user->Name, longName);
  user->StudyMinutes = 6;
  EXPECT_EQ(user->SaveUser(), kFileClosed);
  EXPECT_EQ(TUser::FindUser(longName)->StudyMinutes, 6);
  EXPECT_EQ(TUser::FindUser("Ann")->StudyMinutes, 1);
}

TEST_F(Userbase, AMissingBaseIsSaidSoAndCreatedWithTheFirstStudent) {
  EXPECT_EQ(TUser::FindUser("Ann"), nullptr);
  EXPECT_FALSE(TUser::GetUserList().has_value());
  ASSERT_EQ(host.messages.size(), 2u);
  EXPECT_EQ(host.messages[0].text, "#-1507 User database doesn't exist!");
  EXPECT_EQ(host.messages[0].kind, MessageKind::Warning);
  TUser ghost("Ghost");
  EXPECT_EQ(ghost.SaveUser(), kFileNotFound);
  EXPECT_FALSE(test::ReadFile(Base()).size());

  auto ann = TUser::CreateUser("Ann");
  ASSERT_NE(ann, nullptr);
  EXPECT_EQ(test::ReadFile(Base()).size(), 2584u);
  EXPECT_EQ(ghost.SaveUser(), TUser::kNameNotFound);
}

TEST_F(Userbase, CreatingANameThatExistsReturnsTheStoredStudent) {
  // Two computers sign in the same new name: the second finds the first's
  // record under the lock and does not append another.
  auto first = TUser::CreateUser("Ann");
  ASSERT_NE(first, nullptr);
  first->StudyMinutes = 40;
  first->DifficultKeys().TotalCount['a'] = 12;
  ASSERT_EQ(first->SaveUser(), kFileClosed);
  DifficultKeys().Clear();
  auto second = TUser::CreateUser("ANN");
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second->Name, "Ann");
  EXPECT_EQ(second->StudyMinutes, 40);
  EXPECT_EQ(DifficultKeys().TotalCount['a'], 12);
  EXPECT_EQ(test::ReadFile(Base()).size(), 2584u);
}

TEST_F(Userbase, SavingRewritesOnlyTheStudentsRecord) {
  test::WriteFile(Base(), Names({"Ann", "Ben", "Cid"}));
  auto ben = TUser::FindUser("Ben");
  ASSERT_NE(ben, nullptr);
  ben->StudyMinutes = 300;
  ben->Chapter = 4;
  DifficultKeys().AddKeystroke('q', true);  // the running event's keystroke is folded in
  EXPECT_EQ(ben->SaveUser(), kFileClosed);
  const std::string after = test::ReadFile(Base());
  EXPECT_EQ(after.substr(0, 2584), Record("Ann", 1));
  EXPECT_EQ(after.substr(2 * 2584), Record("Cid", 3));
  auto again = TUser::FindUser("ben");
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(again->StudyMinutes, 300);
  EXPECT_EQ(again->Chapter, 4);
  EXPECT_EQ(DifficultKeys().WeightedErrors['q'], 1);
}

TEST_F(Userbase, ValuesOutsideTheTablesAreKeptAndNeverIndex) {
  RawBytes r(2584);
  r.Text(0, "Odd").I16(784, 30000).I16(786, 30000).I16(788, 30000).I16(790, -7);
  r.I16(1238, 30000).I16(1240, -1);
  test::WriteFile(Base(), r.bytes);
  auto odd = TUser::FindUser("odd");
  ASSERT_NE(odd, nullptr);
  EXPECT_EQ(odd->Chapter, 30000);
  EXPECT_EQ(odd->ChapterExercise[1], 30000);
  EXPECT_EQ(odd->ChapterExercise[2], -7);
  odd->ChapterCount = 12;
  EXPECT_EQ(odd->GetProgress(), 100);
  EXPECT_FALSE(odd->IsExerciseDone(odd->Chapter, odd->Exercise));
  odd->SetExerciseDone(odd->Chapter, odd->ChapterExercise[1], true);
  odd->SetExerciseDone(-1, 1, true);
  odd->SetExerciseDone(1, 11, true);
  odd->AddChapterSeconds(21, 50);
  odd->AddChapterSeconds(0, 50);
  EXPECT_EQ(odd->SaveUser(), kFileClosed);
  EXPECT_EQ(test::ReadFile(Base()), r.bytes);
}

TEST_F(Userbase, ChapterSecondsStopAt32000) {
  TUser u("Ann", true);
  struct Case {
    int32_t stored, added, expected;
  } cases[] = {
      {-1, 60, 60},  // "no time yet" (65535, -1 as signed) starts from nothing
      {0, 31999, 31999},    {31000, 1000, 32000}, {31000, 1001, 32000},
      {32000, 3600, 32000}, {65535, 10, 10},  // what an unsigned writer stored
  };
  for (const Case& c : cases) {
    u.ChapterSeconds[3] = c.stored;
    u.AddChapterSeconds(3, c.added);
    EXPECT_EQ(u.ChapterSeconds[3], c.expected) << c.stored << " + " << c.added;
  }
}

TEST_F(Userbase, ProgressAndTimeTexts) {
  struct Case {
    int chapter, exercise, chapters, study;
    int progress, remaining;
    const char* remainingText;
  } cases[] = {
      {3, 4, 10, 100, 25, 300, "5 h 0 min."}, {0, 0, 10, 100, 0, 0, "? min."},
      {1, 0, 0, 100, 0, 0, "? min."},  // no course loaded
      {1, 1, 10, 5, 1, 495, "8 h 15 min."},   {11, 0, 10, 10, 100, 0, "? min."},
      {5, 8, 8, 61, 62, 37, "37 min."},   // 62.5 rounds to the even 62
      {3, 3, 10, 10, 24, 32, "32 min."},  // 23.75 -> 24
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.chapter * 100 + c.exercise);
    TUser u("Ann", true);
    u.Chapter = c.chapter;
    u.Exercise = c.exercise;
    u.ChapterCount = c.chapters;
    u.StudyMinutes = c.study;
    EXPECT_EQ(u.GetProgress(), c.progress);
    EXPECT_EQ(u.GetRemainingMinutes(), c.remaining);
    EXPECT_EQ(u.GetRemainingTimeText(), c.remainingText);
  }
  TUser u("Ann", true);
  for (auto [minutes, text] : {std::pair{0, "? min."},
                               {1, "1 min."},
                               {59, "59 min."},
                               {60, "1 h 0 min."},
                               {125, "2 h 5 min."}}) {
    u.StudyMinutes = minutes;
    EXPECT_EQ(u.GetStudyTimeText(), text);
  }
}

TEST_F(Userbase, KeysOfTheFirstGroups) {
  TUser u("Ann", true);
  EXPECT_EQ(u.GetKeys(3), "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
  EXPECT_EQ(u.AddKeyGroup("fj"), 1);
  EXPECT_EQ(u.AddKeyGroup("dk"), 2);
  EXPECT_EQ(u.AddKeyGroup(std::string(200, 'x')), 3);
  struct Case {
    int level;
    std::string keys;
  } cases[] = {{-1, ""}, {0, ""}, {1, "fj"}, {2, "fjdk"}, {3, "fjdk" + std::string(200, 'x')}};
  for (const Case& c : cases) EXPECT_EQ(u.GetKeys(c.level), c.keys) << c.level;
  u.AddKeyGroup(std::string(100, 'y'));
  EXPECT_EQ(u.GetKeys(99).size(), 255u);
  EXPECT_EQ(u.GetKeyGroup(2), "dk");
  EXPECT_EQ(u.GetKeyGroup(0), "");
  EXPECT_EQ(u.GetKeyGroup(5), "");
  u.RaiseKeyLevel(4);
  u.RaiseKeyLevel(2);
  EXPECT_EQ(u.KeyLevel, 4);
  u.ResetProgress();
  EXPECT_EQ(u.GetKeys(1), "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
  EXPECT_EQ(u.KeyLevel, 1);
}

// ---- another program holds the base ----

class BusyUserbase : public Userbase {
 protected:
  void SetUp() override { test::WriteFile(Base(), Names({"Ann"})); }
};

TEST_F(BusyUserbase, ASaveRetriesAsksAndReports801OnNo) {
  test::LockHolder other(Base(), TRecFile::kShareExclusive);
  ASSERT_TRUE(other.holding());
  TUser ann("Ann", true);
  ann.StudyMinutes = 50;
  EXPECT_EQ(ann.SaveUser(), kFileOpenFailed);
  EXPECT_EQ(host.slept, 14u * 200);  // 15 tries, 200 ms apart
  EXPECT_EQ(host.processed, 14);
  ASSERT_EQ(host.questions.size(), 1u);
  EXPECT_EQ(host.questions[0].text,
            "The network is currently busy because of other users, do you want to try again?");
  ASSERT_EQ(Errors().size(), 1u);
  EXPECT_EQ(Errors()[0],
            "#-801 Time out while opening for exclusive write mode \n\rUserbase open failed.");
  other.Release();
  EXPECT_EQ(TUser::FindUser("Ann")->StudyMinutes, 1);  // nothing was written
}

TEST_F(BusyUserbase, ALookUpReports802AndAReaderBlocksASave) {
  {
    test::LockHolder writer(Base(), TRecFile::kShareExclusive);
    EXPECT_EQ(TUser::FindUser("Ann"), nullptr);
    ASSERT_EQ(Errors().size(), 1u);
    EXPECT_EQ(Errors()[0].substr(0, 5), "#-802");
    EXPECT_EQ(host.messages.back().text, "#-1506 Cannot open User database");
  }
  test::LockHolder reader(Base(), TRecFile::kShareDenyWrite);
  EXPECT_NE(TUser::FindUser("Ann"), nullptr);  // readers share
  EXPECT_EQ(TUser::CreateUser("Ben"), nullptr);
  EXPECT_EQ(Errors().back().substr(0, 6), "#-1505");
  EXPECT_EQ(test::ReadFile(Base()).size(), 2584u);
}

// Answers the retry question by letting the other program go first.
class ReleasingHost : public test::FakeHost {
 public:
  test::LockHolder* holder = nullptr;
  bool AskYesNo(const std::string& caption, const std::string& text) override {
    FakeHost::AskYesNo(caption, text);
    if (holder) holder->Release();
    return true;
  }
};

TEST_F(BusyUserbase, YesStartsAgainAndTheSaveGoesThroughOnceFree) {
  ReleasingHost patient;
  patient.Install();
  test::LockHolder other(Base(), TRecFile::kShareExclusive);
  patient.holder = &other;
  TUser ann("Ann", true);
  ann.StudyMinutes = 50;
  EXPECT_EQ(ann.SaveUser(), kFileClosed);
  EXPECT_EQ(patient.questions.size(), 1u);
  EXPECT_TRUE(patient.messages.empty());
  host.Install();
  EXPECT_EQ(TUser::FindUser("Ann")->StudyMinutes, 50);
}

}  // namespace
}  // namespace tq
