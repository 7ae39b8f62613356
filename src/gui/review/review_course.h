#pragma once
// The signed-in student's course as the review needs it: its key groups
// lesson by lesson, the student's lesson and the name of its review
// material. Loaded as an outline for a scratch student, so the signed-in
// student's key groups and statistics stay as they are.

#include <string>

#include "core/review/key_sets.h"

namespace tq {

struct ReviewCourse {
  bool Loaded = false;
  CourseKeys Keys;
  std::string WizardName;
};

ReviewCourse LoadReviewCourse();

}  // namespace tq
