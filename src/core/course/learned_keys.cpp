#include "core/course/learned_keys.h"

#include "core/course/contents.h"
#include "core/files/paths.h"
#include "core/records/difficult_keys.h"
#include "core/records/user.h"

namespace tq {

void LoadLearnedKeys(TUser& student) {
  const std::string course = student.GetContents();
  if (!course.empty() && FileExists(course)) {
    // The outline for a scratch student: the record's loop counts and lesson
    // count stay as they are until the course itself is loaded.
    TUser scratch("", true);
    TContents contents;
    if (contents.CreateOutline(course, scratch) == 0) student.KeyGroups = scratch.KeyGroups;
  }
  student.DifficultKeys().SetLearnedKeys(student.GetKeys(student.KeyLevel));
}

}  // namespace tq
