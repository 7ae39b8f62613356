// A program killed while it saves (power cut, kill -9): a helper process
// saves in a loop and is killed at a random moment, 200 times. After each
// kill the files read, whatever was not being saved is byte-identical, and
// what was in flight is whole: the old or one of the new versions.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <random>
#include <string>
#include <vector>

#include "core/records/top_ten.h"
#include "core/records/user.h"
#include "core/shell/ini_file.h"
#include "records_fixture.h"
#include "support/temp_dir.h"

namespace tq {
namespace {

constexpr int kKills = 200;
constexpr int kStudents = 50;

// Runs SAVE(round) in a loop in a child process and kills it after a random
// moment; the child must have saved at least once before in some rounds and
// be caught in the middle in others, so the delays spread over both.
template <typename Save>
void SaveAndKill(std::mt19937& random, Save save) {
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    for (int round = 0;; ++round) save(round);
  }
  ::usleep(std::uniform_int_distribution<useconds_t>(0, 4000)(random));
  ::kill(child, SIGKILL);
  int status = 0;
  ::waitpid(child, &status, 0);
  ASSERT_TRUE(WIFSIGNALED(status));
}

// Two versions of a student that differ in every part of the record.
void Shape(TUser& u, int round) {
  const bool odd = round % 2 != 0;
  u.Contents = odd ? "Speed.cnt" : "Beginner.cnt with a longer name";
  u.StudyMinutes = round % 30000;
  u.BookMark.Chapter = odd ? 7 : 2;
  for (int c = 1; c <= TUser::kChapters; ++c) {
    u.ChapterSpeed[static_cast<std::size_t>(c)] = odd ? 111.5f : 22.0f;
    u.ChapterSeconds[static_cast<std::size_t>(c)] = odd ? 900 : 30;
  }
  u.DifficultKeys().TotalCount.fill(odd ? 7 : 3000);
}

std::string Record(const std::string& base, int i) {
  return base.substr(static_cast<std::size_t>(i * TUser::UserRecordSize),
                     static_cast<std::size_t>(TUser::UserRecordSize));
}

class KilledWhileSaving : public test::RecordsTest {
 protected:
  std::mt19937 random{20261206};
};

TEST_F(KilledWhileSaving, TheUserBase) {
  for (int i = 0; i < kStudents; ++i)
    ASSERT_NE(TUser::CreateUser("Student " + std::to_string(i)), nullptr);
  for (int kill = 0; kill < kKills; ++kill) {
    const int student = kill % kStudents;
    const std::string before = test::ReadFile(Base());
    SaveAndKill(random, [&](int round) {
      TUser u("Student " + std::to_string(student), true);
      Shape(u, round);
      u.SaveUser();
    });
    // The next program to open the base finishes a write left unfinished.
    const std::unique_ptr<TUser> read = TUser::FindUser("Student " + std::to_string(student));
    ASSERT_NE(read, nullptr) << "kill " << kill;
    const std::string after = test::ReadFile(Base());
    ASSERT_EQ(after.size(), before.size()) << "kill " << kill;
    for (int i = 0; i < kStudents; ++i) {
      if (i == student) continue;
      ASSERT_EQ(Record(after, i), Record(before, i)) << "kill " << kill << ", student " << i;
    }
    // The record in flight is the old one or a whole new one: it reads, and
    // apart from the round counter it is one of the two shapes.
    if (Record(after, student) != Record(before, student)) {
      TUser expected("Student " + std::to_string(student), true);
      Shape(expected, read->StudyMinutes);
      EXPECT_EQ(read->Contents, expected.Contents) << "kill " << kill;
      EXPECT_EQ(read->BookMark.Chapter, expected.BookMark.Chapter);
      EXPECT_EQ(read->ChapterSeconds, expected.ChapterSeconds);
      EXPECT_EQ(read->ChapterSpeed[20], expected.ChapterSpeed[20]);
    }
  }
  EXPECT_TRUE(Errors().empty());
}

TEST_F(KilledWhileSaving, TheTopTenTables) {
  TtopTen table;
  table.LoadTable("TOPTEN");
  table.SaveTable(10);
  const std::string path = dir / "TOPTEN.klt";
  // The versions the helper writes: every place named after the round's parity.
  auto shaped = [](int round) {
    TtopTen t;
    t.LoadTable("TOPTEN");
    for (int p = 1; p <= 10; ++p) t.SetName(p, round % 2 ? "Odd winner" : "Even");
    return t;
  };
  std::vector<std::string> allowed;
  for (int parity = 0; parity < 2; ++parity) {
    const std::string original = test::ReadFile(path);
    shaped(parity).SaveTable(0);
    allowed.push_back(test::ReadFile(path));
    test::WriteFile(path, original);
  }
  for (int kill = 0; kill < kKills; ++kill) {
    const std::string before = test::ReadFile(path);
    SaveAndKill(random, [&](int round) { shaped(round).SaveTable(0); });
    // The next program to open the table finishes a write left unfinished.
    TtopTen read;
    EXPECT_EQ(read.LoadTable("TOPTEN"), 1);
    EXPECT_EQ(read.GetLines(0).size(), 10u);
    const std::string after = test::ReadFile(path);
    ASSERT_TRUE(after == before || after == allowed[0] || after == allowed[1]) << "kill " << kill;
  }
}

TEST_F(KilledWhileSaving, TheSettingsFiles) {
  const std::string path = dir / "KLSetup.ini";
  test::WriteFile(path,
                  "[General Settings]\r\nLanguageID=UK\r\nLastUser=Ann\r\nPlaySounds=1\r\n"
                  "[Other]\r\nKept=yes\r\n");
  for (int kill = 0; kill < kKills; ++kill) {
    SaveAndKill(random, [&](int round) {
      TIniFile ini(path);
      ini.WriteString("General Settings", "LastUser", "Student " + std::to_string(round));
    });
    TIniFile ini(path);
    const std::string last = ini.ReadString("General Settings", "LastUser");
    ASSERT_TRUE(last == "Ann" || last.rfind("Student ", 0) == 0) << "kill " << kill << ": " << last;
    ASSERT_EQ(ini.ReadString("General Settings", "LanguageID"), "UK") << "kill " << kill;
    ASSERT_EQ(ini.ReadString("General Settings", "PlaySounds"), "1");
    ASSERT_EQ(ini.ReadString("Other", "Kept"), "yes");
  }
}

}  // namespace
}  // namespace tq
