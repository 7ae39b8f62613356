#include "core/exercises/result_trends.h"

namespace tq {

Trend ChangeOf(int step, double previous, double current) {
  if (previous < 0) return Trend::None;
  double d = current - previous;
  if (step < 0) {
    step = -step;
    d = -d;
  }
  if (d == 0) return Trend::Level;
  if (d >= step) return Trend::Up2;
  if (d > 0) return Trend::Up1;
  if (d <= -step) return Trend::Down2;
  return Trend::Down1;
}

void TResultTrends::Begin(const TUser& student) {
  Reset();
  Current.Speed = student.LastSpeed;
  Current.Accuracy = student.LastAccuracy;
  Current.Efficiency = student.LastEfficiency;
  Current.Rhythm = student.LastRhythm;
}

void TResultTrends::SetSpeed(int cpm, TUser& student) {
  Current.Speed = cpm;
  student.LastSpeed = cpm;
}

void TResultTrends::SetAccuracy(float percent, TUser& student) {
  Current.Accuracy = percent;
  student.LastAccuracy = percent;
}

void TResultTrends::SetEfficiency(int percent, TUser& student) {
  Current.Efficiency = percent;
  student.LastEfficiency = percent;
}

void TResultTrends::SetRhythm(int percent, TUser& student) {
  Current.Rhythm = percent;
  student.LastRhythm = percent;
}

Trend TResultTrends::Of(int step, double previous, double current) const {
  if (Previous.Speed < 0) return Trend::None;
  return ChangeOf(step, previous, current);
}

Trend TResultTrends::SpeedTrend() const {
  return Of(kSpeedTrendStep, Previous.Speed, Current.Speed);
}
Trend TResultTrends::AccuracyTrend() const {
  return Of(kAccuracyTrendStep, Previous.Accuracy, Current.Accuracy);
}
Trend TResultTrends::EfficiencyTrend() const {
  return Of(kEfficiencyTrendStep, Previous.Efficiency, Current.Efficiency);
}
Trend TResultTrends::RhythmTrend() const {
  return Of(kRhythmTrendStep, Previous.Rhythm, Current.Rhythm);
}
Trend TResultTrends::BackSpaceTrend() const {
  return Of(kBackSpaceTrendStep, Previous.BackSpace, Current.BackSpace);
}

}  // namespace tq
