// tapquill-admin users: list, show and export of a user base written by hand
// at the record's offsets; bad folders, an old base, a busy base, and never
// a byte written.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <sstream>
#include <string>

#include "admin/admin.h"
#include "admin_fixture.h"
#include "core/files/data_file.h"
#include "support/fake_host.h"
#include "support/temp_dir.h"

namespace tq::admin {
namespace {

// A record poked together at its offsets, little-endian.
class Record {
 public:
  explicit Record(std::string_view name) : bytes(2584, '\0') {
    Text(0, name).I16(516, 45).I16(522, 1).I16(828, -1).I16(830, -1).I16(832, -10).I16(834, -1);
    for (std::size_t k = 1036; k < 1156; k += 2) I16(k, -10);
    for (std::size_t k = 1156; k < 1236; k += 2) I16(k, -1);
  }
  Record& Text(std::size_t at, std::string_view s) {
    bytes[at] = static_cast<char>(s.size());
    bytes.replace(at + 1, s.size(), s);
    return *this;
  }
  Record& I16(std::size_t at, int v) {
    bytes[at] = static_cast<char>(v & 0xFF);
    bytes[at + 1] = static_cast<char>((v >> 8) & 0xFF);
    return *this;
  }
  Record& Byte(std::size_t at, int v) {
    bytes[at] = static_cast<char>(v);
    return *this;
  }
  // Chapter tables: 788 ChapterExercise, 1036 efficiency, 1076 accuracy,
  // 1116 speed (tenths), 1156 seconds, 1196 rhythm.
  Record& Chapter(std::size_t table, int chapter, int v) {
    return I16(table + static_cast<std::size_t>(chapter - 1) * 2, v);
  }
  // TotalCount, WeightedHits, WeightedErrors of one character.
  Record& Key(char c, int total, int hits, int errors) {
    std::size_t k = static_cast<std::size_t>(static_cast<unsigned char>(c) - 33) * 2;
    return I16(1246 + k, total).I16(1692 + k, hits).I16(2138 + k, errors);
  }
  std::string bytes;
};

std::string Joerg() {
  Record r("J\xF6rg");
  r.Text(256, "english.cnt").I16(512, 1).I16(518, 125).I16(520, 20).I16(522, 4);
  r.I16(524, 300).Text(528, "fox.txt").I16(784, 2).I16(786, 3);
  r.I16(828, 180).I16(830, 88).I16(832, 953).I16(834, 71);
  r.Chapter(788, 1, 5).Chapter(1036, 1, 905).Chapter(1076, 1, 972).Chapter(1116, 1, 1500);
  r.Chapter(1156, 1, 32000).Chapter(1196, 1, 80).Byte(836, 1).Byte(837, 1);
  r.I16(1236, 7).I16(1238, 3).I16(1240, 2).I16(1242, 4).I16(1244, 1);
  r.Key('f', 100, 40, 10).Key('j', 100, 40, 5).Key('5', 30, 20, 20);
  return r.bytes;
}

class UsersCommandTest : public AdminCommandTest {
 protected:
  std::string Base() const { return dir / "userbase.kl4"; }
};

TEST_F(UsersCommandTest, ListsTheNamesSortedInUtf8) {
  test::WriteFile(Base(), Record("zoe").bytes + Joerg() + Record("bob").bytes);
  EXPECT_EQ(Run({"users", "list", "--data", dir.path()}), kExitOk);
  EXPECT_EQ(out.str(), "bob\nJ\xC3\xB6rg\nzoe\n");
  EXPECT_EQ(err.str(), "");
}

TEST_F(UsersCommandTest, ShowsEveryFieldTheBookmarkAndTheWorstKeys) {
  test::WriteFile(Base(), Record("bob").bytes + Joerg());
  ASSERT_EQ(Run({"users", "show", "J\xC3\x96RG", "--data", dir.path()}), kExitOk);
  const std::string text = out.str();
  for (const char* line :
       {"Name: J\xC3\xB6rg\n",
        "Contents: english.cnt\n",
        "Sounds: 1\n",
        "LargeFont: 0\n",
        "LessonDuration: 45\n",
        "StudyMinutes: 125 (2 h 5 min.)\n",
        "LessonMinutes: 20\n",
        "KeyLevel: 4\n",
        "StoryChoice: 300\n",
        "StoryText: fox.txt\n",
        "Chapter: 3\n",
        "Exercise: 2\n",
        "LastSpeed: 180\n",
        "LastEfficiency: 88\n",
        "LastAccuracy: 95.3\n",
        "LastRhythm: 71\n",
        "Spare: 7\n",
        "BookMark: chapter 3, exercise 2, event 4, spare 1\n",
        "        1        5  150.0     97.2       90.5   32000     80 1100000000\n",
        "       20        0   -1.0     -1.0       -1.0      -1     -1 0000000000\n",
        "Difficult keys: f 100.0 j 50.0\n",
        "  f 100 40 10\n",
        "  5 30 20 20\n"})
    EXPECT_NE(text.find(line), std::string::npos) << line << "\nin:\n" << text;
}

TEST_F(UsersCommandTest, ShowsJson) {
  test::WriteFile(Base(), Joerg());
  ASSERT_EQ(Run({"users", "show", "j\xC3\xB6rg", "--data", dir.path(), "--json"}), kExitOk);
  const std::string json = out.str();
  for (const char* part :
       {"\"Name\": \"J\xC3\xB6rg\",", "\"LastAccuracy\": 95.3,",
        "\"ChapterSeconds\": [32000, -1, -1,", "\"ChapterSpeed\": [150.0, -1.0,",
        "\"ExerciseDone\": [\"1100000000\", \"0000000000\",",
        "\"BookMark\": {\"Chapter\": 3, \"Exercise\": 2, \"Event\": 4, \"Spare\": 1},",
        "\"DifficultKeys\": [{\"Key\": \"f\", \"Difficulty\": 100.0}, {\"Key\": \"j\", "
        "\"Difficulty\": 50.0}],",
        "{\"Code\": 53, \"Key\": \"5\", \"TotalCount\": 30, \"WeightedHits\": 20, "
        "\"WeightedErrors\": 20}"})
    EXPECT_NE(json.find(part), std::string::npos) << part << "\nin:\n" << json;
  EXPECT_EQ(json.front(), '{');
  EXPECT_EQ(json.substr(json.size() - 2), "}\n");
}

TEST_F(UsersCommandTest, ExportsOneCsvRowPerStudent) {
  test::WriteFile(Base(), Joerg() + Record("Smith, \"Al\"").bytes);
  ASSERT_EQ(Run({"users", "export", "--data", dir.path()}), kExitOk);
  std::istringstream lines(out.str());
  std::string header, first, second;
  std::getline(lines, header);
  std::getline(lines, first);
  std::getline(lines, second);
  EXPECT_EQ(header.rfind("name,course,lesson,exercise,study_minutes,last_speed,last_accuracy,"
                         "last_efficiency,last_rhythm,lesson1_speed,lesson1_accuracy,",
                         0),
            0u);
  EXPECT_NE(header.find(",lesson20_speed,lesson20_accuracy,lesson20_efficiency\r"),
            std::string::npos);
  EXPECT_EQ(first, "J\xC3\xB6rg,english.cnt,3,2,125,180,95.3,88,71,150.0,97.2,90.5" +
                       std::string(57, ',') + "\r");
  // No result yet: empty cells; the name quoted because of its comma and quotes.
  EXPECT_EQ(second, "\"Smith, \"\"Al\"\"\",,0,0,0,,,," + std::string(60, ',') + "\r");
}

TEST_F(UsersCommandTest, BadFoldersAndArguments) {
  test::WriteFile(Base(), Joerg());
  test::TempDir empty;
  struct Case {
    CommandArgs args;
    int status;
    const char* says;
  } cases[] = {
      {{"users", "list", "--data", dir / "missing"}, kExitUsage, "no such folder"},
      {{"users", "export", "--data", empty.path()}, kExitUsage, "no user base"},
      {{"users", "list"}, kExitUsage, "--data DIR is required"},
      {{"users", "show", "--data", dir.path()}, kExitUsage, "NAME is required"},
      {{"users", "show", "Nobody", "--data", dir.path()}, kExitFailure, "no student named Nobody"},
      {{"users", "remove", "--data", dir.path()}, kExitUsage, "unknown command 'remove'"},
      {{"users"}, kExitUsage, "Usage: tapquill-admin users"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Run(c.args), c.status) << c.says;
    EXPECT_NE(err.str().find(c.says), std::string::npos) << err.str();
  }
  for (const char* command : {"list", "show", "export"}) {
    EXPECT_EQ(Run({"users", command, "--help"}), kExitOk);
    EXPECT_NE(out.str().find("Usage: tapquill-admin users"), std::string::npos);
  }
  EXPECT_EQ(test::ReadFile(Base()), Joerg());
}

TEST_F(UsersCommandTest, ReadsOldAndCutBasesWithoutTouchingThem) {
  // The previous version: the 80 bytes of chapter seconds and rhythm missing.
  const std::string old = Joerg().substr(0, 1156) + Joerg().substr(1236);
  test::WriteFile(Base(), old + old);
  EXPECT_EQ(Run({"users", "export", "--data", dir.path()}), kExitOk);
  EXPECT_NE(err.str().find("previous version"), std::string::npos);
  EXPECT_EQ(out.str().find("J\xC3\xB6rg,english.cnt,3,2,125"), out.str().find('\n') + 1);
  EXPECT_EQ(Run({"users", "show", "J\xC3\xB6rg", "--data", dir.path()}), kExitOk);
  EXPECT_NE(out.str().find("Difficult keys: f 100.0 j 50.0\n"), std::string::npos);
  EXPECT_EQ(test::ReadFile(Base()), old + old);
  EXPECT_FALSE(test::ReadFile(dir / "userbase.450").size());

  test::WriteFile(Base(), Joerg() + Record("cut").bytes.substr(0, 100));
  EXPECT_EQ(Run({"users", "list", "--data", dir.path()}), kExitOk);
  EXPECT_EQ(out.str(), "J\xC3\xB6rg\n");
  EXPECT_NE(err.str().find("partial record"), std::string::npos);
}

TEST_F(UsersCommandTest, ABaseBeingWrittenIsBusy) {
  test::WriteFile(Base(), Joerg());
  int ready[2], release[2];
  ASSERT_EQ(::pipe(ready), 0);
  ASSERT_EQ(::pipe(release), 0);
  pid_t pid = ::fork();
  if (pid == 0) {
    TRecFile writer;
    char c = writer.Open(Base(), 2, TRecFile::kShareExclusive) == kFileGood ? 'y' : 'n';
    if (::write(ready[1], &c, 1) != 1 || ::read(release[0], &c, 1) != 1) ::_exit(1);
    ::_exit(0);
  }
  char c = 0;
  ASSERT_EQ(::read(ready[0], &c, 1), 1);
  ASSERT_EQ(c, 'y');
  EXPECT_EQ(Run({"users", "list", "--data", dir.path()}), kExitFailure);
  EXPECT_NE(err.str().find("busy"), std::string::npos);
  EXPECT_EQ(host.questions.size(), 1u);  // the same patience as the program
  ASSERT_EQ(::write(release[1], &c, 1), 1);
  ::waitpid(pid, nullptr, 0);
  for (int fd : {ready[0], ready[1], release[0], release[1]}) ::close(fd);
  EXPECT_EQ(Run({"users", "list", "--data", dir.path()}), kExitOk);
}

}  // namespace
}  // namespace tq::admin
