#include "core/records/coaching_file.h"

#include "core/files/ansi.h"
#include "core/records/sign_in_marker.h"
#include "core/records/user.h"

namespace tq {

std::string CoachingFilePath(std::string_view studentName) {
  if (Trim(studentName).empty()) return {};
  return TUser::UserbasePath() + "." + StudentNameKey(studentName) + ".coach";
}

}  // namespace tq
