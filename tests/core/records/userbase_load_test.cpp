// Real load on one user base: several programs at once create students and
// save them over and over, as a classroom does on a shared folder, while
// another program keeps looking students up. At the end every student is
// there exactly once with the values of its last save, and no record that
// anyone read or wrote was torn.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <map>
#include <thread>

#include "core/files/data_file.h"
#include "core/records/user.h"
#include "records_fixture.h"

namespace tq {
namespace {

constexpr int kWriters = 4;
constexpr int kStudents = 50;
constexpr int kSaves = 10;

std::string StudentName(int p, int s) {
  return "Writer " + std::to_string(p) + " student " + std::to_string(s);
}

// The values of save k of a student; k = 0 is the student as created.
void Fill(TUser& u, int p, int s, int k) {
  if (k == 0) return;
  u.StudyMinutes = k;
  u.LessonMinutes = p * 100 + s;
  u.StoryText = u.Name + " save " + std::to_string(k);
  u.Chapter = k;
  u.ChapterSpeed[20] = static_cast<float>(k) * 1.5f;
  u.ChapterSeconds[1] = 1000 * k + s;
  u.SetExerciseDone(k, s % 10 + 1, true);
  u.Spare = 7 * k;
  u.BookMark.Event = k;
  TDifficultKeys& keys = u.DifficultKeys();
  keys.TotalCount['a'] = s;
  keys.WeightedHits[200] = 3 * k + p;
  keys.WeightedErrors[255] = k;
}

// The record bytes of save k, written through a scratch file.
std::string Expected(const std::string& scratch, int p, int s, int k) {
  TUser u(StudentName(p, s), true);
  Fill(u, p, s, k);
  TRecFile file;
  file.Open(scratch, 5, TRecFile::kShareNone);
  u.WriteRecord(file);
  file.Close();
  return test::ReadFile(scratch);
}

// A patient program: every retry question answered Yes, and a short sleep
// between tries so the test does not wait 200 ms at a time.
class PatientHost : public test::FakeHost {
 public:
  bool AskYesNo(const std::string&, const std::string&) override { return true; }
  void Sleep(uint32_t) override { std::this_thread::sleep_for(std::chrono::milliseconds(1)); }
};

int RunWriter(int p) {
  for (int s = 0; s < kStudents; ++s)
    if (!TUser::CreateUser(StudentName(p, s))) return 10;
  for (int k = 1; k <= kSaves; ++k)
    for (int s = 0; s < kStudents; ++s) {
      TUser u(StudentName(p, s), true);
      Fill(u, p, s, k);
      if (u.SaveUser() != kFileClosed) return 11;
    }
  return 0;
}

// Looks students up while the writers run; every record found must be one
// whole save of that student.
int RunReader(const std::string& scratch) {
  int found = 0;
  for (int round = 0; round < 150; ++round) {
    int p = round % kWriters, s = (round * 7) % kStudents;
    auto u = TUser::FindUser(StudentName(p, s));
    if (u) {
      ++found;
      TRecFile file;
      file.Open(scratch + "-read", 5, TRecFile::kShareNone);
      u->WriteRecord(file);
      file.Close();
      if (test::ReadFile(scratch + "-read") != Expected(scratch, p, s, u->StudyMinutes)) return 20;
    }
    if (round % 10 == 0 && !TUser::GetUserList()) return 21;
  }
  return found > 0 ? 0 : 22;
}

class UserbaseLoad : public test::RecordsTest {};

TEST_F(UserbaseLoad, FourWritersAndAReaderLoseNothing) {
  TRecFile create;
  ASSERT_EQ(create.Open(Base(), 5, TRecFile::kShareNone), kFileGood);
  create.Close();

  std::vector<pid_t> children;
  for (int p = 0; p <= kWriters; ++p) {
    pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      PatientHost patient;
      patient.Install();
      int code = p < kWriters ? RunWriter(p) : RunReader(dir / ("scratch" + std::to_string(p)));
      // Nothing may have been reported on the way either.
      ::_exit(code == 0 && !patient.messages.empty() ? 30 : code);
    }
    children.push_back(pid);
  }
  for (std::size_t i = 0; i < children.size(); ++i) {
    int status = 0;
    ASSERT_EQ(::waitpid(children[i], &status, 0), children[i]);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << (i < kWriters ? "writer " : "reader ") << i;
  }

  const std::string base = test::ReadFile(Base());
  ASSERT_EQ(base.size(), static_cast<std::size_t>(kWriters * kStudents) * 2584);
  std::map<std::string, std::string> records;
  for (std::size_t at = 0; at < base.size(); at += 2584) {
    std::string record = base.substr(at, 2584);
    std::string name = record.substr(1, static_cast<unsigned char>(record[0]));
    EXPECT_TRUE(records.emplace(name, record).second) << "twice: " << name;
  }
  for (int p = 0; p < kWriters; ++p)
    for (int s = 0; s < kStudents; ++s) {
      auto it = records.find(StudentName(p, s));
      ASSERT_NE(it, records.end()) << StudentName(p, s);
      EXPECT_EQ(it->second, Expected(dir / "scratch", p, s, kSaves)) << it->first;
    }
}

}  // namespace
}  // namespace tq
