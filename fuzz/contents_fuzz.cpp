// Course contents files: the whole course with its lessons, exercises and
// events, and the outline the profile page reads.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/course/chapter.h"
#include "core/course/contents.h"
#include "core/records/user.h"
#include "fuzz_support.h"

TQ_FUZZ_TARGET(contents) {
  const std::string path = tq::fuzz::HoldInput("input.cnt", data, size);
  tq::TUser student("VISITOR", true);
  tq::TContents contents;
  contents.Create(path, student);
  contents.GetChapterList(true);
  student.GetKeys(student.KeyLevel + 3);
  tq::TContents outline;
  outline.CreateOutline(path, student);
  return 0;
}
