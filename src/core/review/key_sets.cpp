#include "core/review/key_sets.h"

#include <algorithm>

#include "core/files/ansi.h"

namespace tq {

namespace {

bool IsLowerAz(char c) {
  return c >= 'a' && c <= 'z';
}
bool IsUpperAz(char c) {
  return c >= 'A' && c <= 'Z';
}
char UpperAz(char c) {
  return IsLowerAz(c) ? static_cast<char>(c - 'a' + 'A') : c;
}

template <typename Keep>
std::string Filter(std::string_view s, Keep keep) {
  std::string out;
  for (char c : s)
    if (keep(c)) out += c;
  return out;
}

}  // namespace

std::string Unique(std::string_view s) {
  std::string out;
  for (char c : s)
    if (out.find(c) == std::string::npos) out += c;
  return out;
}

std::string KeepLetters(std::string_view s) {
  return Filter(s, [](char c) { return IsLowerAz(c) || IsUpperAz(c); });
}

std::string KeepLettersAndPunct(std::string_view s) {
  return Filter(s, [](char c) { return IsLowerAz(c) || IsUpperAz(c) || c == '.' || c == ','; });
}

std::string KeepCapitals(std::string_view s) {
  return Filter(s, IsUpperAz);
}

std::string RemoveCapitals(std::string_view s) {
  return Filter(s, [](char c) { return !IsUpperAz(c); });
}

std::string CapitalizeWord(std::string_view word) {
  std::string w = AnsiLowerCase(word);
  if (!w.empty()) w[0] = UpperAz(w[0]);
  const std::size_t space = w.find(' ');
  if (space != std::string::npos && space + 2 < w.size()) w[space + 1] = UpperAz(w[space + 1]);
  return w;
}

std::string CapitalizeSentence(std::string_view sentence, std::string_view caps) {
  std::string s = AnsiLowerCase(sentence);
  if (!s.empty()) s[0] = UpperAz(s[0]);
  for (std::size_t i = 1; i < s.size(); ++i) {
    if (s[i - 1] != ' ' || !IsLowerAz(s[i])) continue;
    if (caps.find(UpperAz(s[i])) != std::string_view::npos) s[i] = UpperAz(s[i]);
  }
  return s;
}

std::string CourseKeys::NewKeys(int n) const {
  if (n < 1 || n > static_cast<int>(Lessons.size())) return {};
  return Lessons[static_cast<std::size_t>(n - 1)];
}

std::string CourseKeys::StudiedKeys(int n) const {
  if (Lessons.empty()) return "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
  n = std::min(n, static_cast<int>(Lessons.size()));
  std::string keys;
  for (int i = 0; i < n; ++i) keys += Lessons[static_cast<std::size_t>(i)];
  return ShortStr(keys);
}

int FindLesson(const CourseKeys& course, int given, std::string_view keys) {
  constexpr int kNoLesson = 99;
  int lesson = course.CurrentLesson;
  for (char c : keys) {
    const int start = lesson;
    while (course.NewKeys(lesson).find(c) == std::string::npos) {
      ++lesson;
      if (lesson >= kNoLesson) {
        lesson = start == 1 ? kNoLesson : start;
        break;
      }
    }
  }
  return std::max(lesson, given);
}

int WordsPerKey(int n) {
  return std::max(1, 11 - n);
}

int SentencesPerKey(int n) {
  return std::max(1, static_cast<int>(RoundEven(6.0 - 0.8 * (n - 1))));
}

int TrisWordsPerKey(int n) {
  if (n <= 0) return 0;
  return static_cast<int>(RoundEven(200.0 / n));
}

}  // namespace tq
