#include "core/exercises/exam_check.h"

#include <charconv>

#include "core/files/ansi.h"
#include "core/shell/program_settings.h"
#include "core/shell/strings.h"

namespace tq {

std::string SpeedInDisplayUnit(int cpm) {
  const double value = Settings().ConvertSpeed(cpm);
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr) + " " + Settings().SpeedUnitName();
}

int64_t SpeedAsShown(int cpm) {
  return RoundEven(Settings().ConvertSpeed(cpm));
}

ExamOutcome CheckExam(bool finished, int speed, float accuracy, int rhythm,
                      const ExamMinimums& minimums) {
  ExamOutcome outcome;
  if (!finished) {
    outcome.Message = Str(kStrExamIncomplete);
  } else if (RoundEven(accuracy) < minimums.Accuracy) {
    outcome.Message = Str(kStrExamAccuracyLow) + IntToStr(minimums.Accuracy) + "%";
  } else if (static_cast<double>(SpeedAsShown(speed)) < Settings().ConvertSpeed(minimums.Speed)) {
    outcome.Message = Str(kStrExamSpeedLow) + SpeedInDisplayUnit(minimums.Speed);
  } else if (rhythm < minimums.Rhythm) {
    outcome.Message = Str(kStrExamRhythmLow) + IntToStr(minimums.Rhythm) + "%";
  } else {
    outcome.Passed = true;
    outcome.Message = Str(kStrExamPassed);
  }
  return outcome;
}

}  // namespace tq
