#pragma once
// Per-key statistics of the signed-in student: how often each character was
// asked for and mistyped, folded into a weighted history of roughly the last
// 40 keystrokes, and a ranking of the characters by difficulty.
//
// Stored form (inside the student record): three tables of 223 little-endian
// signed 16-bit values, one per character code 33..255 in ascending order:
//   offset    0  446 bytes  TotalCount
//   offset  446  446 bytes  WeightedHits
//   offset  892  446 bytes  WeightedErrors        (1338 bytes in all)
// NewHits and NewErrors are not stored: saving folds them first. Values are
// written from their low 16 bits and read back sign-extended.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tq {

class TRecFile;

class TDifficultKeys {
 public:
  static constexpr int kFirstCode = 33;
  static constexpr int kLastCode = 255;
  static constexpr int kCodeCount = kLastCode - kFirstCode + 1;  // 223
  static constexpr int kStoredSize = 3 * kCodeCount * 2;         // 1338
  // The fold keeps TotalCount below this; above it the count restarts at kTotalReset.
  static constexpr int32_t kTotalCeiling = 29000;
  static constexpr int32_t kTotalReset = 25000;

  TDifficultKeys() { Clear(); }

  // Every table zero, no learned keys, not ranked.
  void Clear();

  // Counts one keystroke of the character the student was asked to type;
  // codes below 33 (the blank and controls) are never counted.
  void AddKeystroke(char ch, bool isError);
  // Folds the keystrokes counted since the last fold into the history.
  void FoldNewCounts();
  // The characters that take part in the ranking; empty ranks all 223.
  void SetLearnedKeys(std::string_view keys);

  // The difficulty score of one character code (0 for anything but the
  // letters a-z, A-Z, "," and "."); 25 % recent errors score 100.
  float KeyDifficulty(int code) const;
  // The character code at a rank (1 = most difficult); 0 for a rank outside
  // 1..223 and for a rank beyond the characters ranked.
  int DifficultKey(int rank);
  // The difficulty of the character at a rank; 0 where DifficultKey is 0.
  float DifficultyAt(int rank);
  // 4 - 0.04 * the worst key's difficulty, kept within 0..4.
  float KeysGrade();

  // Reads or writes the stored form at the file's current position. Saving
  // folds first; loading clears the ranking and returns the file state after
  // the third table.
  int LoadFromRecord(TRecFile& file);
  void SaveToRecord(TRecFile& file);

  // Number of characters ranked last time (valid entries of Ranking).
  int RankedCount() const { return rankedCount_; }

  bool FilterOn = false;
  std::string LearnedKeys;
  // Indexed by character code; entries below 33 stay 0.
  std::array<int32_t, 256> NewHits{};
  std::array<int32_t, 256> NewErrors{};
  std::array<int32_t, 256> WeightedHits{};
  std::array<int32_t, 256> WeightedErrors{};
  std::array<int32_t, 256> TotalCount{};
  // Ranking[1..RankedCount()]: character codes, most difficult first.
  std::array<uint8_t, kCodeCount + 1> Ranking{};
  bool Ranked = false;

 private:
  void Rank();
  int rankedCount_ = 0;
};

// The program-wide instance that holds the signed-in student's statistics.
TDifficultKeys& DifficultKeys();

}  // namespace tq
