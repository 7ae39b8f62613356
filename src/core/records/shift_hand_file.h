#pragma once
// The share of capitals typed with the right Shift, per lesson, kept in the
// student's coaching file (core/records/coaching_file.h), section
// [ShiftHand]: one key per lesson with capitals,
//   Lesson<N>=<capitals>,<typed with the right Shift>
// both counts since the lesson was first typed. A value that does not read
// as two counts, or whose second exceeds the first, is dropped on reading.
// A visitor keeps nothing.

#include <map>
#include <string>
#include <string_view>

namespace tq {

struct ShiftHandCounts {
  int Capitals = 0;
  int RightHand = 0;
  // Whole per cent, halves to even; 0 without capitals.
  int Percent() const;
};

// Lesson number to its counts, lessons in order.
using ShiftHandLessons = std::map<int, ShiftHandCounts>;

ShiftHandLessons ReadShiftHandLessons(const std::string& coachingFile);
// Adds an exercise's counts to a lesson's and rewrites the section in one
// save. Nothing is written without capitals or without a file path.
bool AddShiftHandLesson(const std::string& coachingFile, int lesson, int capitals, int rightHand);

}  // namespace tq
