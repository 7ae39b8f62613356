#pragma once
// A student's place in a course: the lesson, exercise and event that come
// next. Stored inside the student record as four little-endian signed 16-bit
// words (Chapter, Exercise, Event, Spare), 8 bytes; Mode is never stored.

#include <cstdint>

namespace tq {

class TRecFile;

class TBookMark {
 public:
  static constexpr int kModeGuided = 0;
  static constexpr int kModeReview = 1;
  static constexpr int kModeIntroduction = 2;
  static constexpr int kStoredSize = 8;
  // Returned by LoadFromFile when the file ends or fails inside the first three words.
  static constexpr int kLoadFailed = -1402;

  TBookMark() { Clear(); }
  void Clear();
  // Writes the low 16 bits of each stored field; failures show in the file's Status.
  void SaveToFile(TRecFile& file) const;
  // Reads the four words, sign-extended. Returns the fourth read's status,
  // or -1402 (and leaves Spare alone) when one of the first three failed.
  int LoadFromFile(TRecFile& file);

  int32_t Chapter = 0;
  int32_t Exercise = 0;
  int32_t Event = 0;
  int32_t Spare = 0;
  int32_t Mode = 0;
};

}  // namespace tq
