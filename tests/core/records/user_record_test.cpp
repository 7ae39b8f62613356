// The student record byte for byte: a record written by hand at the
// documented offsets reads into every field and writes back identically;
// the previous version converts; a cut record reads as far as it goes.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/files/data_file.h"
#include "core/files/paths.h"
#include "core/records/user.h"
#include "core/shell/program_settings.h"
#include "core/shell/strings.h"
#include "records_fixture.h"

namespace tq {
namespace {

using test::RawBytes;

constexpr std::size_t kKeys = 1246;

// Every stored field with a value of its own, including values other
// computers might write (a ChapterExercise of 30000, a done flag of 7).
RawBytes HandRecord(std::string_view name =
                        "J\xF6rg \xD1"
                        "and\xFA") {
  RawBytes r(2584);
  r.Text(0, name).Text(256, "course\\english.cnt");
  r.I16(512, 1).I16(514, 1).I16(516, 35).I16(518, 1234).I16(520, 56).I16(522, 7);
  r.I32(524, 1234567).Text(528, "stories\\fox.txt");
  r.I16(784, 6).I16(786, 12);
  for (int c = 1; c <= 20; ++c) {
    std::size_t k = static_cast<std::size_t>(c - 1) * 2;
    r.I16(788 + k, c == 20 ? 30000 : c == 19 ? -2 : c + 100);
    r.I16(1036 + k, c * 11 - 5);               // efficiency tenths
    r.I16(1076 + k, 900 + c);                  // accuracy tenths
    r.I16(1116 + k, c == 20 ? -10 : c * 123);  // speed tenths
    r.I16(1156 + k, c == 1 ? 32000 : c == 20 ? -1 : c * 100);
    r.I16(1196 + k, c == 20 ? -1 : 50 + c);
    for (int e = 1; e <= 10; ++e)
      r.Byte(836 + static_cast<std::size_t>((c - 1) * 10 + (e - 1)), (c + e) % 2);
  }
  r.Byte(836 + 199, 7);
  r.I16(828, 2345).I16(830, 87).I16(832, 953).I16(834, 66);
  r.I16(1236, 4242).I16(1238, 12).I16(1240, 3).I16(1242, 5).I16(1244, 9);
  for (int code = 33; code <= 255; ++code) {
    std::size_t k = static_cast<std::size_t>(code - 33) * 2;
    r.I16(kKeys + k, code * 7 % 29000);
    r.I16(kKeys + 446 + k, code);
    r.I16(kKeys + 892 + k, code == 255 ? -3 : code % 5);
  }
  return r;
}

// The same student in the previous layout: no chapter seconds and rhythm.
std::string OldRecord(const RawBytes& current) {
  return current.bytes.substr(0, 1156) + current.bytes.substr(1236);
}

int ReadFrom(const std::string& path, TUser& user, bool old = false) {
  TRecFile file;
  EXPECT_EQ(file.Open(path, 1, TRecFile::kShareDenyWrite), kFileGood);
  int result = old ? user.ReadOldRecord(file) : user.ReadRecord(file);
  file.Close();
  return result;
}

std::string WrittenBy(TUser& user, const std::string& path) {
  TRecFile file;
  EXPECT_EQ(file.Open(path, 5, TRecFile::kShareExclusive), kFileGood);
  user.WriteRecord(file);
  EXPECT_EQ(file.Close(), kFileClosed);
  return test::ReadFile(path);
}

class UserRecord : public test::RecordsTest {};

TEST_F(UserRecord, ReadsEveryFieldOfAHandWrittenRecordAndWritesItBackByteForByte) {
  const std::string hand = HandRecord().bytes;
  test::WriteFile(dir / "hand.rec", hand);
  TUser u("", true);
  ASSERT_EQ(ReadFrom(dir / "hand.rec", u), kFileGood);

  EXPECT_EQ(u.Name,
            "J\xF6rg \xD1"
            "and\xFA");
  EXPECT_EQ(u.Contents, "course\\english.cnt");
  EXPECT_EQ(u.Sounds, 1);
  EXPECT_EQ(u.LargeFont, 1);
  EXPECT_EQ(u.LessonDuration, 35);
  EXPECT_EQ(u.StudyMinutes, 1234);
  EXPECT_EQ(u.LessonMinutes, 56);
  EXPECT_EQ(u.KeyLevel, 7);
  EXPECT_EQ(u.StoryChoice, 1234567);
  EXPECT_EQ(u.StoryText, "stories\\fox.txt");
  EXPECT_EQ(u.Exercise, 6);
  EXPECT_EQ(u.Chapter, 12);
  EXPECT_EQ(u.LastSpeed, 2345);
  EXPECT_EQ(u.LastEfficiency, 87);
  EXPECT_FLOAT_EQ(u.LastAccuracy, 95.3f);
  EXPECT_EQ(u.LastRhythm, 66);
  for (int c = 1; c <= 20; ++c) {
    SCOPED_TRACE(c);
    std::size_t i = static_cast<std::size_t>(c);
    EXPECT_EQ(u.ChapterExercise[i], c == 20 ? 30000 : c == 19 ? -2 : c + 100);
    EXPECT_FLOAT_EQ(u.ChapterEfficiency[i], (c * 11 - 5) / 10.0f);
    EXPECT_FLOAT_EQ(u.ChapterAccuracy[i], (900 + c) / 10.0f);
    EXPECT_FLOAT_EQ(u.ChapterSpeed[i], c == 20 ? -1.0f : c * 12.3f);
    EXPECT_EQ(u.ChapterSeconds[i], c == 1 ? 32000 : c == 20 ? -1 : c * 100);
    EXPECT_EQ(u.ChapterRhythm[i], c == 20 ? -1 : 50 + c);
    for (int e = 1; e <= 10; ++e)
      EXPECT_EQ(u.ExerciseDone[i][static_cast<std::size_t>(e)],
                c == 20 && e == 10 ? 7 : (c + e) % 2);
  }
  EXPECT_EQ(u.Spare, 4242);
  EXPECT_EQ(u.BookMark.Chapter, 12);
  EXPECT_EQ(u.BookMark.Exercise, 3);
  EXPECT_EQ(u.BookMark.Event, 5);
  EXPECT_EQ(u.BookMark.Spare, 9);
  const TDifficultKeys& k = u.DifficultKeys();
  EXPECT_EQ(k.TotalCount['!'], 33 * 7);
  EXPECT_EQ(k.TotalCount[255], 255 * 7);
  EXPECT_EQ(k.WeightedHits['a'], 'a');
  EXPECT_EQ(k.WeightedErrors['a'], 'a' % 5);
  EXPECT_EQ(k.WeightedErrors[255], -3);

  EXPECT_EQ(WrittenBy(u, dir / "again.rec"), hand);
}

TEST_F(UserRecord, ReadsThePreviousVersionAndConvertsABaseKeepingTheOld) {
  // Three old records: the chapter seconds and rhythm they lack come out as
  // "no result" (65535) in the converted base.
  std::string oldBase, expected;
  for (const char* name : {"Ann", "Bo", "Cy"}) {
    RawBytes current = HandRecord(name);
    oldBase += OldRecord(current);
    for (std::size_t k = 1156; k < 1236; ++k) current.Byte(k, 0xFF);
    expected += current.bytes;
  }
  test::WriteFile(dir / "old.rec", oldBase);
  TUser one("", true);
  EXPECT_EQ(ReadFrom(dir / "old.rec", one, true), kFileGood);
  EXPECT_EQ(one.Spare, 4242);
  EXPECT_EQ(one.BookMark.Event, 5);
  EXPECT_EQ(one.DifficultKeys().WeightedErrors[255], -3);

  test::WriteFile(Base(), oldBase);
  bool quit = false;
  SetQuitHandler([&] { quit = true; });
  EXPECT_EQ(TUser::FindUser("Bo"), nullptr);  // the program ends after converting
  EXPECT_TRUE(quit);
  EXPECT_EQ(test::ReadFile(dir / "userbase.450"), oldBase);
  EXPECT_EQ(test::ReadFile(Base()), expected);
  ASSERT_EQ(host.messages.size(), 2u);
  EXPECT_EQ(host.messages[0].text.substr(0, 32), "#-1557 IMPORTANT INFORMATION:\rTh");
  EXPECT_EQ(host.messages[1].text, "Database conversion has been done, please restart the program");
  auto found = TUser::FindUser("cy");
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(found->StudyMinutes, 1234);
}

TEST_F(UserRecord, ConversionNeverReplacesAnEarlierBackup) {
  test::WriteFile(Base(), OldRecord(HandRecord()));
  test::WriteFile(dir / "userbase.450", "earlier backup");
  EXPECT_FALSE(TUser::ConvertUserbase());
  EXPECT_EQ(test::ReadFile(dir / "userbase.450"), "earlier backup");
  EXPECT_EQ(test::ReadFile(Base()), OldRecord(HandRecord()));
  EXPECT_EQ(host.messages.back().text,
            "#-1556 Can not rename old database. Please remove userbase.450 backup file and try "
            "again.");
}

TEST_F(UserRecord, AFailedConversionPutsTheOldBaseBack) {
  // A base of whole current records cannot be converted: the base is back
  // under its own name, nothing is left under the backup's, and the student
  // is told.
  const std::string base = HandRecord("Ann").bytes + HandRecord("Bo").bytes;
  test::WriteFile(Base(), base);
  EXPECT_FALSE(TUser::ConvertUserbase());
  EXPECT_EQ(test::ReadFile(Base()), base);
  EXPECT_FALSE(FileExists(dir / "userbase.450"));
  ASSERT_FALSE(host.messages.empty());
  EXPECT_EQ(host.messages.back().text.rfind(Str(kStrConvertFailed), 0), 0u)
      << host.messages.back().text;
  EXPECT_EQ(host.messages.back().text.find('\\'), std::string::npos);
  auto found = TUser::FindUser("bo");
  ASSERT_NE(found, nullptr);
}

TEST_F(UserRecord, ANewStudentHasTheInitialValues) {
  Settings().LessonDuration = -1;  // "no choice yet" becomes 45 minutes
  Settings().PlaySounds = false;
  auto user = TUser::CreateUser("Mia");
  Settings().LessonDuration = 0;
  Settings().PlaySounds = true;
  ASSERT_NE(user, nullptr);
  RawBytes r(2584);
  r.Text(0, "Mia").I16(512, 0).I16(516, 45).I16(522, 1);
  r.I16(828, -1).I16(830, -1).I16(832, -10).I16(834, -1);
  for (std::size_t k = 1036; k < 1156; k += 2) r.I16(k, -10);
  for (std::size_t k = 1156; k < 1236; k += 2) r.I16(k, -1);
  EXPECT_EQ(test::ReadFile(Base()), r.bytes);
  EXPECT_EQ(host.messages.at(0).text, "User database doesn't exist, new one will be created.");
  // The student signs in with the program-wide statistics, empty.
  EXPECT_EQ(&user->DifficultKeys(), &DifficultKeys());
}

TEST_F(UserRecord, ACutRecordReadsAsFarAsItGoes) {
  // Every length of a record: never a crash, and the result says where the
  // read stopped: before Spare -1502, inside the bookmark's first three
  // words -1402, in its fourth word 0, later the bookmark's success.
  const std::string hand = HandRecord().bytes;
  const std::string path = dir / "cut.rec";
  test::WriteFile(path, hand);
  for (std::size_t len = hand.size() + 1; len-- > 0;) {
    SCOPED_TRACE(len);
    std::filesystem::resize_file(path, len);
    TUser u("", true);
    int expected = len < 1238   ? TUser::kSpareUnreadable
                   : len < 1244 ? TBookMark::kLoadFailed
                   : len < 1246 ? kFileEnd
                                : kFileGood;
    ASSERT_EQ(ReadFrom(path, u), expected);
    if (len >= 256) {
      EXPECT_EQ(u.Name,
                "J\xF6rg \xD1"
                "and\xFA");
    }
    if (len >= kKeys + 446) {
      EXPECT_EQ(u.DifficultKeys().TotalCount[255], 255 * 7);
    }
  }
}

}  // namespace
}  // namespace tq
