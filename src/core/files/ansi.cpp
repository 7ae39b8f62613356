#include "core/files/ansi.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace tq {
namespace {

// Code points of bytes 0x80..0x9F; the rest of 1252 equals Latin-1.
constexpr std::array<char32_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

unsigned char U(char c) {
  return static_cast<unsigned char>(c);
}

}  // namespace

char32_t AnsiToUnicode(unsigned char c) {
  if (c >= 0x80 && c <= 0x9F) return kHigh[c - 0x80];
  return c;
}

int UnicodeToAnsi(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
  for (std::size_t i = 0; i < kHigh.size(); ++i)
    if (kHigh[i] == cp) return static_cast<int>(0x80 + i);
  return -1;
}

std::string AnsiToUtf8(std::string_view ansi) {
  std::string out;
  out.reserve(ansi.size());
  for (char ch : ansi) {
    char32_t cp = AnsiToUnicode(U(ch));
    if (cp < 0x80) {
      out += static_cast<char>(cp);
    } else if (cp < 0x800) {
      out += static_cast<char>(0xC0 | (cp >> 6));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      out += static_cast<char>(0xE0 | (cp >> 12));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    }
  }
  return out;
}

std::string Utf8ToAnsi(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    unsigned char c = U(utf8[i]);
    char32_t cp;
    std::size_t len;
    if (c < 0x80) {
      cp = c, len = 1;
    } else if ((c & 0xE0) == 0xC0) {
      cp = c & 0x1F, len = 2;
    } else if ((c & 0xF0) == 0xE0) {
      cp = c & 0x0F, len = 3;
    } else if ((c & 0xF8) == 0xF0) {
      cp = c & 0x07, len = 4;
    } else {
      ++i;  // a stray continuation byte
      continue;
    }
    if (i + len > utf8.size()) break;
    bool ok = true;
    for (std::size_t k = 1; k < len; ++k) {
      unsigned char cc = U(utf8[i + k]);
      if ((cc & 0xC0) != 0x80) ok = false;
      cp = (cp << 6) | (cc & 0x3F);
    }
    i += ok ? len : 1;
    if (!ok) continue;
    int a = UnicodeToAnsi(cp);
    if (a >= 0) out += static_cast<char>(a);
  }
  return out;
}

char AnsiUpper(char c) {
  unsigned char u = U(c);
  if (u >= 'a' && u <= 'z') return static_cast<char>(u - 32);
  if (u >= 0xE0 && u <= 0xFE && u != 0xF7) return static_cast<char>(u - 32);
  switch (u) {
    case 0x9A:
      return static_cast<char>(0x8A);
    case 0x9C:
      return static_cast<char>(0x8C);
    case 0x9E:
      return static_cast<char>(0x8E);
    case 0xFF:
      return static_cast<char>(0x9F);
    default:
      return c;
  }
}

char AnsiLower(char c) {
  unsigned char u = U(c);
  if (u >= 'A' && u <= 'Z') return static_cast<char>(u + 32);
  if (u >= 0xC0 && u <= 0xDE && u != 0xD7) return static_cast<char>(u + 32);
  switch (u) {
    case 0x8A:
      return static_cast<char>(0x9A);
    case 0x8C:
      return static_cast<char>(0x9C);
    case 0x8E:
      return static_cast<char>(0x9E);
    case 0x9F:
      return static_cast<char>(0xFF);
    default:
      return c;
  }
}

std::string AnsiUpperCase(std::string_view s) {
  std::string r(s);
  for (char& c : r) c = AnsiUpper(c);
  return r;
}

std::string AnsiLowerCase(std::string_view s) {
  std::string r(s);
  for (char& c : r) c = AnsiLower(c);
  return r;
}

bool IsAnsiLetter(char c) {
  return AnsiUpper(c) != AnsiLower(c) || U(c) == 0xDF;
}

bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (AnsiUpper(a[i]) != AnsiUpper(b[i])) return false;
  return true;
}

std::string AsciiLower(std::string_view s) {
  std::string r(s);
  for (char& c : r)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  return r;
}

std::string ShortStr(std::string_view s) {
  return std::string(s.substr(0, std::min(s.size(), kShortStringMax)));
}

std::string TrimBlanks(std::string_view s) {
  std::size_t b = 0, e = s.size();
  while (b < e && (s[b] == ' ' || s[b] == '\t')) ++b;
  while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t')) --e;
  return std::string(s.substr(b, e - b));
}

std::string Trim(std::string_view s) {
  std::size_t b = 0, e = s.size();
  while (b < e && U(s[b]) <= ' ') ++b;
  while (e > b && U(s[e - 1]) <= ' ') --e;
  return std::string(s.substr(b, e - b));
}

std::string ExpandEnvironment(std::string_view s) {
  std::string out;
  std::size_t i = 0;
  while (i < s.size()) {
    if (s[i] == '%') {
      std::size_t close = s.find('%', i + 1);
      if (close != std::string_view::npos && close > i + 1) {
        std::string name(s.substr(i + 1, close - i - 1));
        if (const char* v = std::getenv(name.c_str())) {
          out += v;
          i = close + 1;
          continue;
        }
        // An undefined variable stays as written; its closing "%" may still
        // open the next name.
        out += s.substr(i, close - i);
        i = close;
        continue;
      }
    }
    out += s[i++];
  }
  return out;
}

int64_t RoundEven(double x) {
  return static_cast<int64_t>(std::nearbyint(x));
}

bool TryStrToInt(std::string_view s, int& value) {
  std::string t = Trim(s);
  std::string_view v = t;
  if (!v.empty() && v[0] == '+') v.remove_prefix(1);
  if (v.empty()) return false;
  int parsed = 0;
  auto [ptr, ec] = std::from_chars(v.data(), v.data() + v.size(), parsed);
  if (ec != std::errc() || ptr != v.data() + v.size()) return false;
  value = parsed;
  return true;
}

int StrToIntDef(std::string_view s, int fallback) {
  int v;
  return TryStrToInt(s, v) ? v : fallback;
}

std::string IntToStr(int64_t value) {
  return std::to_string(value);
}

}  // namespace tq
