#pragma once
// The typing analysis objects, one of each for the whole program. Text typing
// events reset them when their page opens, report every key and every
// finished word, and read the figures when the exercise ends.

#include "core/exercises/deviation.h"
#include "core/exercises/efficiency.h"
#include "core/exercises/error_finder.h"
#include "core/exercises/studying_tip.h"

namespace tq {

TErrorFinder& ErrorFinder();
TBackSpaceCounter& BackSpaceCounter();
TEfficiencyCalc& EfficiencyCalc();
TDeviationCalc& DeviationCalc();
TDeviationMeter& DeviationMeter();
TStudyingTip& StudyingTip();

}  // namespace tq
