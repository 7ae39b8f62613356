#include "core/games/game_common.h"

#include "core/files/ansi.h"
#include "core/shell/strings.h"

namespace tq {

std::string GamePlayerName(bool hasStudent, std::string_view studentName) {
  if (!hasStudent || studentName.empty()) return Str(kStrProgramTitle);
  if (SameText(studentName, "VISITOR")) return Str(kStrVisitor);
  return std::string(studentName);
}

}  // namespace tq
