#pragma once
// TErrorFinder compares a typed word with the word of the text it stood for:
// it lines the two up (extra, missed, swapped and doubled keys are found with
// a look-ahead of up to three characters), gives an error percentage, and
// feeds the outcome of each character to the difficult-keys statistics.

#include <string>
#include <string_view>

namespace tq {

// Inserted into a text to keep the two texts in step while aligning them
// (character 164, "¤" in Windows-1252).
constexpr char kAlignFiller = '\244';

class TErrorFinder {
 public:
  // A word with more errors than this was something else: it is not counted.
  static constexpr int MaxErrorPercent = 50;

  // The errors of Typed against Expected as a percentage of Expected's
  // length, rounded halves to even: 0 for the same text, 100 when either is
  // empty; a case-only difference counts half. May exceed 100.
  int ErrorPercent(std::string_view Expected, std::string_view Typed) const;

  // Records each character of the word as a hit or an error of the character
  // that was asked for (AddKeystroke of the difficult keys). Nothing is
  // recorded when ErrorPercent exceeds MaxErrorPercent.
  void RecordErrors(std::string_view Expected, std::string_view Typed) const;

  // The aligned texts and the error count, as both operations work them out.
  struct Alignment {
    std::string expected;
    std::string typed;
    float errors = 0;
    int percent = 0;
  };
  static Alignment Align(std::string_view Expected, std::string_view Typed);
};

}  // namespace tq
