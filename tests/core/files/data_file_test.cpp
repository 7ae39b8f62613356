#include "core/files/data_file.h"

#include <gtest/gtest.h>

#include <string>

#include "support/temp_dir.h"

namespace tq {
namespace {

using test::TempDir;
using test::WriteFile;

std::string Scramble(std::string s) {
  for (char& c : s)
    if (c != '\r' && c != '\n') c = static_cast<char>(static_cast<unsigned char>(c) ^ kScrambleKey);
  return s;
}

std::vector<std::string> ReadAllLines(TTextFile& f) {
  std::vector<std::string> lines;
  std::string line;
  while (f.Status == kFileGood) {
    int st = f.ReadLine(line);
    if (st == kFileGood || (st == kFileEnd && !line.empty())) lines.push_back(line);
  }
  return lines;
}

TEST(TextFile, HeaderFieldsAndFirstContentLine) {
  TempDir dir;
  WriteFile(dir / "a.txt",
            "$version=5\r\n  $Description=Home row;more\r\n$author=Ann%=Bo\r\n$copyright\r\n"
            "$end\r\nfirst\r\nsecond\r\n");
  TTextFile f;
  ASSERT_EQ(f.Open(dir / "a.txt", 1), kFileGood);
  EXPECT_EQ(f.Version, "5");
  EXPECT_TRUE(f.HasVersion);
  EXPECT_EQ(f.Description, "Home row");  // keys ignore case; the value stops at ";"
  EXPECT_EQ(f.Author, "Ann=Bo");         // "%" escapes the "=" and is dropped
  EXPECT_EQ(f.Copyright, "");            // a known key without a value is empty
  EXPECT_FALSE(f.Crypted);
  EXPECT_EQ(ReadAllLines(f), (std::vector<std::string>{"first", "second"}));
}

TEST(TextFile, FileWithoutHeaderReturnsItsFirstLine) {
  TempDir dir;
  WriteFile(dir / "a.txt", "plain\r\nlast line without end");
  TTextFile f;
  ASSERT_EQ(f.Open(dir / "a.txt", 1), kFileGood);
  EXPECT_EQ(f.Version, "");
  EXPECT_FALSE(f.HasVersion);
  std::string line;
  EXPECT_EQ(f.ReadLine(line), kFileGood);
  EXPECT_EQ(line, "plain");
  EXPECT_EQ(f.ReadLine(line), kFileEnd);  // no CR LF after the last line
  EXPECT_EQ(line, "last line without end");
  EXPECT_EQ(f.ReadLine(line), kFileEnd);
  EXPECT_EQ(line, "");
}

TEST(TextFile, OneLineFileWithoutLineEndIsReadable) {
  TempDir dir;
  WriteFile(dir / "a.txt", "only");
  TTextFile f;
  ASSERT_EQ(f.Open(dir / "a.txt", 1), kFileGood);
  std::string line;
  EXPECT_EQ(f.ReadLine(line), kFileEnd);
  EXPECT_EQ(line, "only");
}

TEST(TextFile, HeaderStopsAfterFifteenLines) {
  TempDir dir;
  std::string text;
  for (int i = 1; i <= 16; ++i) text += "$key" + std::to_string(i) + "=x\r\n";
  text += "body\r\n";
  WriteFile(dir / "a.txt", text);
  TTextFile f;
  ASSERT_EQ(f.Open(dir / "a.txt", 1), kFileGood);
  std::string line;
  EXPECT_EQ(f.ReadLine(line), kFileGood);
  EXPECT_EQ(line, "$key16=x");  // the 16th "$" line is content
}

TEST(TextFile, LongLineIsCutAndSkipsTwoBytesPastTheCut) {
  TempDir dir;
  std::string longLine(300, 'x');
  WriteFile(dir / "a.txt", longLine + "\r\nnext\r\n");
  TTextFile f;
  ASSERT_EQ(f.Open(dir / "a.txt", 1), kFileGood);
  std::string line;
  EXPECT_EQ(f.ReadLine(line), kFileEnd);  // no CR within the first 255 characters
  EXPECT_EQ(line, std::string(255, 'x'));
  EXPECT_EQ(f.Position, 257);
  EXPECT_EQ(f.ReadLine(line), kFileEnd);  // status 0 stays until the caller resets it
  f.Status = kFileGood;
  EXPECT_EQ(f.ReadLine(line), kFileGood);
  EXPECT_EQ(line, std::string(43, 'x'));  // the rest, from byte 257 on
}

TEST(TextFile, CryptedFileIsUnscrambled) {
  TempDir dir;
  WriteFile(dir / "a.txt", "$fileformat=Crypted\r\n" + Scramble("secret line\r\nsecond\r\n"));
  TTextFile f;
  ASSERT_EQ(f.Open(dir / "a.txt", 1), kFileGood);
  EXPECT_TRUE(f.Crypted);
  std::string line;
  EXPECT_EQ(f.ReadLine(line), kFileGood);
  EXPECT_EQ(line, "secret line");
  std::string rest;
  EXPECT_EQ(f.ReadAll(rest), kFileGood);
  EXPECT_EQ(rest, "second\r\n");
  EXPECT_EQ(f.ReadAll(rest), kFileClosed);  // nothing left
  EXPECT_TRUE(rest.empty());
}

TEST(TextFile, OpenTwiceLeavesTheOpenFileAlone) {
  TempDir dir;
  WriteFile(dir / "a.txt", "one\r\ntwo\r\n");
  WriteFile(dir / "b.txt", "other\r\n");
  TTextFile f;
  ASSERT_EQ(f.Open(dir / "a.txt", 1), kFileGood);
  std::string line;
  f.ReadLine(line);
  EXPECT_EQ(f.Open(dir / "b.txt", 1), kFileAlreadyOpen);
  f.Status = kFileGood;
  EXPECT_EQ(f.ReadLine(line), kFileGood);
  EXPECT_EQ(line, "two");
}

TEST(TextFile, OpenModesAndMissingFiles) {
  TempDir dir;
  TTextFile missing;
  EXPECT_EQ(missing.Open(dir / "none.txt", 1), kFileNotFound);
  TTextFile append;
  EXPECT_EQ(append.Open(dir / "none.txt", 3), kFileOpenFailed);

  TTextFile w;
  ASSERT_EQ(w.Open(dir / "log.txt", 2), kFileGood);
  EXPECT_EQ(w.WriteLine("a"), kFileGood);
  EXPECT_EQ(w.Close(), kFileClosed);
  TTextFile a;
  ASSERT_EQ(a.Open(dir / "log.txt", 3), kFileGood);
  a.WriteLine("b");
  a.Close();
  EXPECT_EQ(test::ReadFile(dir / "log.txt"), "a\r\nb\r\n");
}

TEST(TextFile, OpensANameThatDiffersInCase) {
  TempDir dir;
  WriteFile(dir / "Userbase.kl4", "x\r\n");
  TTextFile f;
  EXPECT_EQ(f.Open(dir / "userbase.kl4", 1), kFileGood);
}

TEST(TextFile, EveryTruncationOfAFileReadsSafely) {
  const std::string full = "$version=5\r\n$description=d;x\r\n$fileformat=plain\r\nline one\r\n" +
                           std::string(280, 'y') + "\r\nlast\r\n";
  TempDir dir;
  for (std::size_t len = 0; len <= full.size(); ++len) {
    WriteFile(dir / "t.txt", full.substr(0, len));
    TTextFile f;
    int st = f.Open(dir / "t.txt", 1);
    ASSERT_TRUE(st == kFileGood || st == kFileHeaderError) << len;
    std::string line;
    int reads = 0;
    while (f.ReadLine(line) == kFileGood) {
      ASSERT_LE(line.size(), 255u);
      ASSERT_LT(++reads, 10) << len;
    }
    ASSERT_LE(line.size(), 255u);
  }
}

TEST(RecFile, ReadsAndWritesLittleEndianFields) {
  TempDir dir;
  TRecFile w;
  ASSERT_EQ(w.Open(dir / "r.bin", 5, TRecFile::kShareExclusive), kFileGood);
  w.WriteInteger(-2);
  w.WriteWord(0xBEEF);
  w.WriteShortString("Anna", 10);
  w.WriteWideArray({1, 0x0203}, 1);
  EXPECT_EQ(w.Close(), kFileClosed);
  EXPECT_EQ(test::ReadFile(dir / "r.bin"), std::string("\xFE\xFF\xFF\xFF\xEF\xBE\x04"
                                                       "Anna\0\0\0\0\0\0\x01\x00\x03\x02",
                                                       21));

  TRecFile r;
  ASSERT_EQ(r.Open(dir / "r.bin", 1, TRecFile::kShareDenyWrite), kFileGood);
  EXPECT_EQ(r.FileSize, 21);
  int32_t i = 0, small = 0;
  std::string s;
  std::vector<uint16_t> a;
  r.ReadInteger(i);
  r.ReadSmallInt(small);
  r.ReadShortString(s, 10);
  r.ReadWideArray(a, 1);
  EXPECT_EQ(i, -2);
  EXPECT_EQ(small, static_cast<int16_t>(0xBEEF));
  EXPECT_EQ(s, "Anna");
  EXPECT_EQ(a, (std::vector<uint16_t>{1, 0x0203}));
  EXPECT_EQ(r.Position, 21);
  EXPECT_EQ(r.ReadInteger(i), kFileEnd);  // at the end: a short read
  EXPECT_EQ(r.ReadInteger(i), kFileEnd);  // and every later read does nothing
  EXPECT_EQ(r.Position, 21);
}

TEST(RecFile, FieldCutInTheMiddleIsAShortRead) {
  TempDir dir;
  WriteFile(dir / "r.bin", std::string("\x01\x02\x03", 3));
  TRecFile r;
  ASSERT_EQ(r.Open(dir / "r.bin", 1, TRecFile::kShareDenyWrite), kFileGood);
  int32_t v = 77;
  EXPECT_EQ(r.ReadInteger(v), kFileEnd);
  EXPECT_EQ(v, 77);  // a failed read leaves the value alone
  std::string s;
  EXPECT_EQ(r.ReadShortString(s, 255), kFileEnd);
}

TEST(RecFile, DamagedLengthByteIsHeldToTheCapacity) {
  TempDir dir;
  WriteFile(dir / "r.bin", std::string("\xFF") + std::string(30, '\xE9'));
  TRecFile r;
  ASSERT_EQ(r.Open(dir / "r.bin", 1, TRecFile::kShareDenyWrite), kFileGood);
  std::string s;
  EXPECT_EQ(r.ReadShortString(s, 30), kFileGood);
  EXPECT_EQ(s.size(), 30u);
}

TEST(RecFile, SeekRecordCountAndRewriteInPlace) {
  TempDir dir;
  WriteFile(dir / "r.bin", std::string(30, 'a'));
  TRecFile f;
  ASSERT_EQ(f.Open(dir / "r.bin", 2, TRecFile::kShareExclusive), kFileGood);
  EXPECT_EQ(f.RecordCount(8), 3);
  EXPECT_FALSE(f.IsWholeRecords(8));
  EXPECT_TRUE(f.IsWholeRecords(10));
  EXPECT_EQ(f.Seek(1, 10), 1);
  f.WriteShortString("bc", 2);
  int32_t v;
  f.ReadInteger(v);  // a read sees the pending write
  EXPECT_EQ(f.Close(), kFileClosed);
  EXPECT_EQ(test::ReadFile(dir / "r.bin"), std::string(10, 'a') +
                                               "\x02"
                                               "bc" +
                                               std::string(17, 'a'));
}

TEST(RecFile, FailedOpensAndStatusRules) {
  TempDir dir;
  TRecFile f;
  EXPECT_EQ(f.Open(dir / "gone.bin", 1, 0), kFileNotFound);
  EXPECT_EQ(f.FileSize, -1);
  int32_t v;
  EXPECT_EQ(f.ReadInteger(v), kFileNotFound);   // reads only while good
  EXPECT_EQ(f.WriteInteger(1), kFileNotFound);  // writes keep a bad status
  TRecFile g;
  EXPECT_EQ(g.Open(dir / "x.bin", 3, 0), kFileGood);  // modes 3 and 4 open nothing
  EXPECT_EQ(g.Handle, -1);
}

TEST(RecFile, FileThatDisappearsAfterListingIsNotFound) {
  TempDir dir;
  WriteFile(dir / "Story.exm", "x");
  std::vector<std::string> names = ListFiles(dir / "*.exm");
  ASSERT_EQ(names, std::vector<std::string>{"Story"});
  ::remove((dir / "Story.exm").c_str());
  TTextFile f;
  EXPECT_EQ(f.Open(dir / (names[0] + ".exm"), 1), kFileNotFound);
}

TEST(SplitFields, DelimitersEscapesAndDefaults) {
  using V = std::vector<std::string>;
  EXPECT_EQ(SplitFields("event=text;2;FILE:a.txt", "=;"), (V{"event", "text", "2", "FILE:a.txt"}));
  EXPECT_EQ(SplitFields("a;;b", "=;"), (V{"a", "b"}));  // no empty fields
  EXPECT_EQ(SplitFields(";;", "=;"), V{});
  EXPECT_EQ(SplitFields("Keys%;more;x", "=;"), (V{"Keys;more", "x"}));
  EXPECT_EQ(SplitFields("a;%;b", "=;"), (V{"a", ";b"}));
  EXPECT_EQ(SplitFields("one two,three\r\nfour", ""), (V{"one", "two", "three", "four"}));
  EXPECT_EQ(SplitFields("50%", "=;"), (V{"50%"}));  // a "%" before no delimiter stays
}

TEST(ListFiles, NamesWithoutExtensionCapitalisedAndFirst) {
  TempDir dir;
  WriteFile(dir / "speed.cnt", "");
  WriteFile(dir / "beginner.course.cnt", "");
  WriteFile(dir / "notes.txt", "");
  EXPECT_EQ(ListFiles(dir / "*.cnt"), (std::vector<std::string>{"Beginner", "Speed"}));
  EXPECT_EQ(ListFiles(dir / "*.CNT", "(none)"),
            (std::vector<std::string>{"(none)", "Beginner", "Speed"}));
}

TEST(CapitalizeName, OnlyTheFirstTwoWords) {
  EXPECT_EQ(CapitalizeName("anna maria lee"), "Anna Maria lee");
  EXPECT_EQ(CapitalizeName("\xE9lise"), "\xE9lise");  // only a to z
  EXPECT_EQ(CapitalizeName("7up fan"), "7up Fan");
  EXPECT_EQ(CapitalizeName("bo "), "Bo ");
  EXPECT_EQ(CapitalizeName(""), "");
}

}  // namespace
}  // namespace tq
