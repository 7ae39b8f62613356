#pragma once
// The check at the end of an exam: a finished exam passes when its accuracy,
// speed and rhythm each reach the exam's minimum; the first shortfall (in
// that order), or an exam left unfinished, gives the message that replaces
// the studying tip and keeps the student on the exam.

#include <cstdint>
#include <string>

namespace tq {

// Minimum speed in characters per 60 ticks, minimum accuracy and rhythm in
// percent; 0 asks for nothing.
struct ExamMinimums {
  int Speed = 0;
  int Accuracy = 0;
  int Rhythm = 0;
};

struct ExamOutcome {
  bool Passed = false;
  std::string Message;
};

// Accuracy and speed are compared as the results page shows them (rounded,
// the speed in the settings' unit), so a student shown the minimum passes.
ExamOutcome CheckExam(bool finished, int speed, float accuracy, int rhythm,
                      const ExamMinimums& minimums);

// A speed in characters per 60 ticks as the settings' unit shows it:
// "30 wpm" for 150 with words per minute, "30.4 wpm" for 152, "150 cpm".
std::string SpeedInDisplayUnit(int cpm);

// A speed as the results page shows it: rounded in the settings' unit.
int64_t SpeedAsShown(int cpm);

}  // namespace tq
