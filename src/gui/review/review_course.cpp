#include "gui/review/review_course.h"

#include <algorithm>

#include "core/course/contents.h"
#include "core/records/user.h"
#include "core/review/builder_event.h"

namespace tq {

ReviewCourse LoadReviewCourse() {
  ReviewCourse course;
  const TUser& student = CurrentUser();
  const int lesson = std::max(1, static_cast<int>(student.BookMark.Chapter));
  if (student.GetContents().empty()) {
    course.Keys.CurrentLesson = lesson;
    return course;
  }
  TUser scratch("", true);
  TContents contents;
  course.Loaded =
      contents.CreateOutline(student.GetContents(), scratch) == 0 && !contents.Chapters.empty();
  course.Keys = KeysOfCourse(contents, lesson);
  course.WizardName = contents.WizardName;
  return course;
}

}  // namespace tq
