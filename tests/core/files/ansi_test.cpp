#include "core/files/ansi.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace tq {
namespace {

TEST(Ansi, ConvertsThe1252RangeBothWays) {
  // Every defined byte survives a round trip through UTF-8.
  for (int b = 1; b < 256; ++b) {
    std::string one(1, static_cast<char>(b));
    EXPECT_EQ(Utf8ToAnsi(AnsiToUtf8(one)), one) << b;
  }
  EXPECT_EQ(AnsiToUnicode(0x80), U'\u20AC');  // euro sign
  EXPECT_EQ(AnsiToUnicode(0xA4), U'\u00A4');  // the filler character 164
  EXPECT_EQ(UnicodeToAnsi(U'\u0160'), 0x8A);
  EXPECT_EQ(UnicodeToAnsi(U'\u4E2D'), -1);
  EXPECT_EQ(Utf8ToAnsi("a\xE4\xB8\xAD"
                       "b"),
            "ab");  // no 1252 code: dropped
}

TEST(Ansi, CasesAccentedLetters) {
  EXPECT_EQ(AnsiUpperCase("\xE4\xF6\xFC\x9A\xFF"
                          "abc"),
            "\xC4\xD6\xDC\x8A\x9F"
            "ABC");
  EXPECT_EQ(AnsiLowerCase("\xC4\xD6\xDC\x8A\x9F"
                          "ABC"),
            "\xE4\xF6\xFC\x9A\xFF"
            "abc");
  // Division and multiplication signs are not letters.
  EXPECT_EQ(AnsiUpper('\xF7'), '\xF7');
  EXPECT_EQ(AnsiLower('\xD7'), '\xD7');
  EXPECT_EQ(AnsiUpper('\xDF'), '\xDF');
  EXPECT_TRUE(SameText("J\xD6RG", "j\xF6rg"));
  EXPECT_FALSE(SameText("abc", "abd"));
}

TEST(Ansi, TrimsAndCuts) {
  EXPECT_EQ(TrimBlanks(" \t a b \t"), "a b");
  EXPECT_EQ(TrimBlanks("\ra\r"), "\ra\r");  // only spaces and tabs
  EXPECT_EQ(ShortStr(std::string(300, 'x')).size(), 255u);
}

TEST(Ansi, ExpandsEnvironmentVariables) {
  ::setenv("TQ_TEST_USER", "anna", 1);
  ::unsetenv("TQ_TEST_UNDEFINED");
  EXPECT_EQ(ExpandEnvironment("%TQ_TEST_USER%\\data"), "anna\\data");
  EXPECT_EQ(ExpandEnvironment("x%TQ_TEST_UNDEFINED%y"), "x%TQ_TEST_UNDEFINED%y");
  EXPECT_EQ(ExpandEnvironment("%TQ_TEST_UNDEFINED%%TQ_TEST_USER%"), "%TQ_TEST_UNDEFINED%anna");
  EXPECT_EQ(ExpandEnvironment("100%"), "100%");
}

TEST(Ansi, RoundsHalvesToEven) {
  EXPECT_EQ(RoundEven(0.5), 0);
  EXPECT_EQ(RoundEven(1.5), 2);
  EXPECT_EQ(RoundEven(2.5), 2);
  EXPECT_EQ(RoundEven(-2.5), -2);
  EXPECT_EQ(RoundEven(2.51), 3);
}

TEST(Ansi, ParsesIntegersWithoutThrowing) {
  int v = 0;
  EXPECT_TRUE(TryStrToInt(" 42 ", v));
  EXPECT_EQ(v, 42);
  EXPECT_TRUE(TryStrToInt("-7", v));
  EXPECT_EQ(v, -7);
  EXPECT_FALSE(TryStrToInt("ten", v));
  EXPECT_FALSE(TryStrToInt("12a", v));
  EXPECT_FALSE(TryStrToInt("99999999999", v));
  EXPECT_EQ(StrToIntDef("", 5), 5);
}

}  // namespace
}  // namespace tq
