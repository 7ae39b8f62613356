#pragma once
// TLetterPairs: how fast and how surely the signed-in student types each
// letter pair, two lower-case letters typed one right after the other inside
// a word. The per-key statistics say which keys go wrong; the pairs say which
// finger movements are slow ("ce" on one finger, "ol" across the hand).
//
// While an exercise runs, its keystrokes are watched: a key typed right after
// a right key of the same word times the pair of the two (the interval
// between them), a wrong key after a right one counts as an error of the pair
// it should have ended. A key after a blank, a Backspace, a wrong key or a
// word typed off its text ends no pair; a capital, a digit or a sign takes
// part in none. The new pairs are folded into the history when the exercise
// stores its per-key statistics (or dropped with them), and the student's
// table is saved right then.
//
// Stored form: section [LetterPairs] of the student's coaching file (an INI
// file of 1252 text, core/records/coaching_file.h), one key per pair, the
// pair's two letters, in code order:
//   th=<attempts> <errors> <ms> <ms> ... <ms>
// attempts and errors: the weighted history of about the last 40 attempts
//   (k new attempts keep 1 - k/40 of the old counts, as the per-key fold does);
// then the pair's last intervals in milliseconds, at most 15, oldest first,
//   each 1..3000 (a longer wait is a pause, not a pair).
// Reading skips a key that is not two lower-case letters, a value that does
// not parse or is out of range, and any pair beyond the first 4096; the rest
// of the section is kept. Other sections of the file are never touched.

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace tq {

class TIniFile;

// A pair as the ranking gives it.
struct SlowPair {
  std::string Letters;   // the two letters, in typing order
  int MedianMs = 0;      // median of its last intervals
  int ErrorPercent = 0;  // of its weighted attempts
};

class TLetterPairs {
 public:
  static constexpr const char* kSection = "LetterPairs";
  static constexpr int kHistory = 15;          // intervals kept per pair
  static constexpr int kMinIntervals = 5;      // intervals before a pair is ranked
  static constexpr int kMaxIntervalMs = 3000;  // above: a pause, not a pair
  static constexpr int kWindow = 40;           // attempts the weighted counts span
  static constexpr int kMaxPairs = 4096;
  static constexpr int kSlowCount = 8;

  struct History {
    int32_t Attempts = 0;
    int32_t Errors = 0;
    std::vector<uint16_t> Intervals;  // oldest first, at most kHistory
  };

  // A letter that forms pairs: a lower-case letter of the 1252 code page.
  static bool IsPairLetter(char c);

  // No pairs, nothing new, no file.
  void Clear();
  // The signed-in student's file: reads its section (an empty path, a
  // visitor, keeps the table in memory only and never writes).
  void Open(std::string path);
  const std::string& Path() const { return path_; }

  // ---- watching the keys of an exercise ----
  // An exercise starts: what an earlier one left unfolded is dropped.
  void BeginExercise();
  // The next key ends no pair (a blank, Backspace, a new line or word).
  void BreakRun();
  // A key typed at `now` (a date-time) where `expected` was asked for.
  void Key(char expected, char typed, double now);
  // Text typing: `key` typed at `now` after `typedBefore` of the text's
  // current `word`. Only a word typed right so far is checked.
  void TextKey(std::string_view word, std::string_view typedBefore, char key, double now);

  // ---- new counts and the history ----
  // One attempt of a pair typed right; `ms` below 0 when it was not timed.
  void AddPair(char first, char second, int ms);
  void AddPairError(char first, char second);
  int NewCount() const { return static_cast<int>(new_.size()); }
  // Folds the new attempts into the history and saves the student's file.
  void FoldNewCounts();
  void DiscardNewCounts();

  // The slowest pairs by median interval, slowest first, each with at least
  // kMinIntervals intervals; with `learnedKeys`, only pairs of two learned
  // letters. Equal medians: more errors first, then code order.
  std::vector<SlowPair> SlowestPairs(int count = kSlowCount,
                                     std::string_view learnedKeys = {}) const;
  static int Median(const std::vector<uint16_t>& intervals);

  // The section's key/value lines, and reading them back.
  std::vector<std::pair<std::string, std::string>> SectionLines() const;
  void ReadSection(const TIniFile& ini);
  // Writes the section into the file at Path(); false when it fails.
  bool Save() const;

  const std::map<uint16_t, History>& Pairs() const { return pairs_; }
  static uint16_t Code(char first, char second) {
    return static_cast<uint16_t>(static_cast<unsigned char>(first) << 8 |
                                 static_cast<unsigned char>(second));
  }

 private:
  struct NewAttempt {
    uint16_t code;
    int16_t ms;  // -1: not timed
    bool error;
  };
  std::map<uint16_t, History> pairs_;
  std::vector<NewAttempt> new_;
  std::string path_;
  bool saveFailReported_ = false;
  // The key run: the last key typed right and when.
  bool inRun_ = false;
  char last_ = 0;
  double lastTime_ = 0;
};

// The program-wide instance that holds the signed-in student's pairs.
TLetterPairs& LetterPairs();

}  // namespace tq
