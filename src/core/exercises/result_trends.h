#pragma once
// The results page's figures and their trend arrows: each figure of a
// measured exercise is compared with the same figure of the exercise before
// it, and every figure set is also kept as the student's last result.

#include "core/records/user.h"

namespace tq {

enum class Trend { None, Up2, Up1, Level, Down1, Down2 };

// How far a figure must move for the double arrow. A negative step means
// that less is better (fewer back-spaces point up).
constexpr int kSpeedTrendStep = 20;
constexpr int kAccuracyTrendStep = 10;
constexpr int kEfficiencyTrendStep = 10;
constexpr int kRhythmTrendStep = 10;
constexpr int kBackSpaceTrendStep = -3;

// A figure's trend: the double arrow from the step on, the single arrow
// for any smaller change, level when equal, none when the previous value is
// "no result" (below 0).
Trend ChangeOf(int step, double previous, double current);

// The five figures of one exercise; -1 is "no result".
struct TResultFigures {
  int Speed = -1;
  float Accuracy = -1.0f;
  int Efficiency = -1;
  int Rhythm = -1;
  float BackSpace = -1.0f;
};

class TResultTrends {
 public:
  TResultFigures Current;
  TResultFigures Previous;

  // A student signs in: the first exercise compares with his last results
  // (the back-space figure is not stored, so it starts without a trend).
  void Begin(const TUser& student);
  // The current figures become the previous ones, the arrows' reference.
  void MarkPrevious() { Previous = Current; }
  void Reset() { *this = TResultTrends(); }

  // Each figure set is the student's last result too.
  void SetSpeed(int cpm, TUser& student);
  void SetAccuracy(float percent, TUser& student);
  void SetEfficiency(int percent, TUser& student);
  void SetRhythm(int percent, TUser& student);
  void SetBackSpace(float percent) { Current.BackSpace = percent; }

  // Without a previous speed there was no earlier exercise: no arrows.
  Trend SpeedTrend() const;
  Trend AccuracyTrend() const;
  Trend EfficiencyTrend() const;
  Trend RhythmTrend() const;
  Trend BackSpaceTrend() const;

 private:
  Trend Of(int step, double previous, double current) const;
};

}  // namespace tq
