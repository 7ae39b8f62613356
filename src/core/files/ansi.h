#pragma once
// Text helpers for the program's single-byte Windows-1252 ("ANSI") strings:
// conversion to and from Unicode code points, locale-style casing of 1252
// letters, short strings, trimming, environment expansion and rounding.

#include <cstdint>
#include <string>
#include <string_view>

namespace tq {

// The longest text a short string holds.
constexpr std::size_t kShortStringMax = 255;

// The Unicode code point of a 1252 byte (undefined bytes map to themselves).
char32_t AnsiToUnicode(unsigned char c);
// The 1252 byte of a code point, or -1 when 1252 has none.
int UnicodeToAnsi(char32_t cp);
// Whole strings: 1252 bytes <-> UTF-8. Code points without a 1252 byte are dropped.
std::string AnsiToUtf8(std::string_view ansi);
std::string Utf8ToAnsi(std::string_view utf8);

// Locale-style casing of 1252 letters (a-z, and the accented letters
// including the pairs š/Š, œ/Œ, ž/Ž, ÿ/Ÿ). Other bytes are unchanged.
char AnsiUpper(char c);
char AnsiLower(char c);
std::string AnsiUpperCase(std::string_view s);
std::string AnsiLowerCase(std::string_view s);
bool IsAnsiLetter(char c);
// Case-insensitive comparison of 1252 texts.
bool SameText(std::string_view a, std::string_view b);
// ASCII-only lower casing, for keywords of file formats.
std::string AsciiLower(std::string_view s);

// Cuts a text to a short string of at most 255 characters.
std::string ShortStr(std::string_view s);
// Removes spaces and tabs at both ends.
std::string TrimBlanks(std::string_view s);
// Removes every character up to and including the blank (<= ' ') at both ends.
std::string Trim(std::string_view s);

// Expands "%NAME%" from the environment; an undefined variable stays as written.
std::string ExpandEnvironment(std::string_view s);

// The nearest integer, halves to the even neighbour.
int64_t RoundEven(double x);

// Decimal conversions that never throw: false for anything but an optional
// sign followed by digits (surrounding blanks allowed) or a value out of range.
bool TryStrToInt(std::string_view s, int& value);
int StrToIntDef(std::string_view s, int fallback);
std::string IntToStr(int64_t value);

}  // namespace tq
