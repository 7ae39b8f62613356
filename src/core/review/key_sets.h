#pragma once
// The key-set rules of the review wizard: the string routines that shape a
// key set, the per-lesson new keys of the course, the lesson up to which a
// key set is studied, and how many words or sentences to look for per key.

#include <string>
#include <string_view>
#include <vector>

namespace tq {

// Each character once, in the order of its first occurrence.
std::string Unique(std::string_view s);
// Only "a".."z" and "A".."Z".
std::string KeepLetters(std::string_view s);
// Letters, "." and ",".
std::string KeepLettersAndPunct(std::string_view s);
// Only "A".."Z".
std::string KeepCapitals(std::string_view s);
// Everything except "A".."Z".
std::string RemoveCapitals(std::string_view s);
// Lower case; the first letter upper case (when it is a-z), and the letter
// after the first space upper case when it is not the last character.
std::string CapitalizeWord(std::string_view word);
// Lower case; the first letter upper case (when it is a-z), and every letter
// after a space upper case when its capital is among `caps`.
std::string CapitalizeSentence(std::string_view sentence, std::string_view caps);

// The keys a course brings, lesson by lesson, and the student's lesson.
struct CourseKeys {
  std::vector<std::string> Lessons;  // new keys of lessons 1..n
  int CurrentLesson = 1;

  // The new keys of lesson n; empty when n is out of range.
  std::string NewKeys(int n) const;
  // The new keys of lessons 1..n joined (n clamped to the lesson count); the
  // whole alphabet for a course without lessons.
  std::string StudiedKeys(int n) const;
};

// The lesson from which every key of `keys` is studied, starting from the
// student's lesson: a key the course never brings after that lesson leaves
// it unchanged (or allows every lesson, 99, from lesson 1). Never below
// `given`.
int FindLesson(const CourseKeys& course, int given, std::string_view keys);

// How much material to ask for per key when n keys are reviewed.
int WordsPerKey(int n);      // 11 - n, at least 1
int SentencesPerKey(int n);  // 6 - 0.8 (n - 1), rounded, at least 1
int TrisWordsPerKey(int n);  // 200 / n, rounded

// Keys at least this difficult count as the student's difficult keys.
constexpr float kDifficultKeyThreshold = 50.0f;

}  // namespace tq
