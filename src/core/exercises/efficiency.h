#pragma once
// The figures of one text typing exercise: backspace use (TBackSpaceCounter)
// and speed, accuracy and efficiency (TEfficiencyCalc), each with a score from
// 0 to 4 and a grade word. The text event writes the counters; everything is
// computed on demand from them.

#include <cstdint>
#include <string>

namespace tq {

// Backspace (code 8) use among the keys of an exercise. The first other key
// after one or more backspaces is a retyped character: it counts as an error
// of that character in the difficult keys.
class TBackSpaceCounter {
 public:
  void Reset();
  void AddKey(char Key);
  float BackspacePercent() const;
  // 0 % scores 4, 5 % scores 2, 10 % and more score 0.
  float BackspaceScore() const;

  int Keystrokes = 0;
  int Backspaces = 0;
  int PendingBackspaces = 0;
};

class TEfficiencyCalc {
 public:
  // Empties the counters; RhythmScore becomes unknown (-1).
  void Reset();

  // Characters per 60 ticks (a tick is 1/100000 day); 0 without time.
  int Speed() const;
  // 30 scores 0, 270 and more score 4.
  float SpeedScore() const;
  // The raw correct percentage scaled so that 90 % or less is 0, 95 % is 50
  // and 100 % is 100; 0 when nothing was expected.
  float Accuracy() const;
  float AccuracyScore() const;
  // The harmonic mean of the accuracy and speed scores, in percent.
  int Efficiency() const;
  float EfficiencyScore() const;

  int TypedChars = 0;
  int ExpectedChars = 0;
  double CorrectChars = 0;
  int ElapsedTicks = 0;
  float RhythmScore = -1;
};

// "Expert" at 3 or more, "Advanced" at 2, "Intermediate" at 1, else "Beginner".
const std::string& GradeText(float Score);

}  // namespace tq
