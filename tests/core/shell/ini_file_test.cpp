#include "core/shell/ini_file.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace tq {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteFile;

TEST(IniFile, ReadsIgnoringCaseAndTrimsValues) {
  TempDir dir;
  WriteFile(dir / "a.ini",
            "; a comment\r\n[General Settings]\r\n  PlaySounds =  0  \r\nDataPath=\"x y\"\r\n"
            "[Other]\r\nPlaySounds=1\r\n");
  TIniFile ini(dir / "a.ini");
  EXPECT_EQ(ini.ReadString("general settings", "PLAYSOUNDS"), "0");
  EXPECT_EQ(ini.ReadString("Other", "playsounds"), "1");
  EXPECT_EQ(ini.ReadString("General Settings", "DataPath"), "x y");
  EXPECT_EQ(ini.ReadString("General Settings", "Missing", "def"), "def");
  EXPECT_EQ(ini.ReadString("Nowhere", "PlaySounds"), "");
  EXPECT_EQ(ini.ReadSection("General Settings"),
            (std::vector<std::string>{"PlaySounds", "DataPath"}));
}

TEST(IniFile, MissingFileReadsEmptyAndIsCreatedOnWrite) {
  TempDir dir;
  TIniFile ini(dir / "new.ini");
  EXPECT_EQ(ini.ReadString("S", "k"), "");
  EXPECT_TRUE(ini.ReadSection("S").empty());
  EXPECT_TRUE(ini.WriteString("S", "k", "v"));
  EXPECT_EQ(ReadFile(dir / "new.ini"), "[S]\r\nk=v\r\n");
}

TEST(IniFile, WritingKeepsCommentsOtherKeysAndSections) {
  TempDir dir;
  WriteFile(dir / "a.ini", "; keep me\r\n[A]\r\nx=1\r\n; note\r\ny=2\r\n\r\n[B]\r\nz=3\r\n");
  TIniFile ini(dir / "a.ini");
  ini.WriteString("a", "X", "10");   // replaces in place, keeps the key's spelling
  ini.WriteString("A", "w", "new");  // a new key joins its section
  ini.WriteString("C", "q", "r");    // a new section goes at the end
  EXPECT_EQ(
      ReadFile(dir / "a.ini"),
      "; keep me\r\n[A]\r\nx=10\r\n; note\r\ny=2\r\nw=new\r\n\r\n[B]\r\nz=3\r\n\r\n[C]\r\nq=r\r\n");
}

TEST(IniFile, GarbageBinaryAndVeryLongLinesAreHarmless) {
  TempDir dir;
  std::string junk = "\x01\x02[[[==]\xff\xfe\r\n=novalue\r\n[S]\r\n" + std::string(10000, 'k') +
                     "=" + std::string(10000, 'v') + "\r\nkey=ok\r\nbroken line\r\n" +
                     std::string("\0\0\0", 3) + "\r\n";
  WriteFile(dir / "a.ini", junk);
  TIniFile ini(dir / "a.ini");
  EXPECT_EQ(ini.ReadString("S", "key"), "ok");
  EXPECT_EQ(ini.ReadString("S", std::string(10000, 'k')), std::string(10000, 'v'));
  ini.WriteString("S", "key", "changed");
  TIniFile again(dir / "a.ini");
  EXPECT_EQ(again.ReadString("S", "key"), "changed");
  EXPECT_NE(ReadFile(dir / "a.ini").find("\x01\x02[[[==]\xff\xfe"), std::string::npos);
}

TEST(IniFile, ReadSectionValuesInFileOrder) {
  TempDir dir;
  WriteFile(dir / "k.ini",
            "[Keyboard Layouts]\r\nEnglish US=qwerty.kbd;x\r\nEnglish UK=uk.kbd\r\n");
  TIniFile ini(dir / "k.ini");
  EXPECT_EQ(ini.ReadSectionValues("keyboard layouts"),
            (std::vector<std::string>{"English US=qwerty.kbd;x", "English UK=uk.kbd"}));
}

TEST(IniFile, WriteSectionReplacesOnlyThatSectionsKeys) {
  TempDir dir;
  WriteFile(dir / "a.ini", "[A]\r\nx=1\r\n; note\r\ny=2\r\n[B]\r\nz=3\r\n");
  TIniFile ini(dir / "a.ini");
  EXPECT_TRUE(ini.WriteSection("a", {{"p", "7"}, {"q", "8"}}));
  EXPECT_TRUE(ini.WriteSection("C", {{"k", "v"}}));
  EXPECT_EQ(ReadFile(dir / "a.ini"),
            "[A]\r\n; note\r\np=7\r\nq=8\r\n[B]\r\nz=3\r\n\r\n[C]\r\nk=v\r\n");
  EXPECT_TRUE(ini.WriteSection("B", {}));
  EXPECT_TRUE(TIniFile(dir / "a.ini").ReadSection("B").empty());
}

}  // namespace
}  // namespace tq
