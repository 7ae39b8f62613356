#include "core/exercises/analyzer.h"

namespace tq {

// One of each for the whole run; they hold only counters, so they need no
// teardown order.
TErrorFinder& ErrorFinder() {
  static TErrorFinder instance;
  return instance;
}

TBackSpaceCounter& BackSpaceCounter() {
  static TBackSpaceCounter instance;
  return instance;
}

TEfficiencyCalc& EfficiencyCalc() {
  static TEfficiencyCalc instance;
  return instance;
}

TDeviationCalc& DeviationCalc() {
  static TDeviationCalc instance;
  return instance;
}

TDeviationMeter& DeviationMeter() {
  static TDeviationMeter instance;
  return instance;
}

TStudyingTip& StudyingTip() {
  static TStudyingTip instance;
  return instance;
}

}  // namespace tq
