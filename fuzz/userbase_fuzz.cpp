// The user base: the name list, a student's record, saving it back, and the
// conversion of a base of the previous version.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/files/held_files.h"
#include "core/records/user.h"
#include "fuzz_support.h"

TQ_FUZZ_TARGET(userbase) {
  const std::string& dir = tq::fuzz::Scratch();
  tq::ReleaseHeldFile(dir + tq::TUser::kOldUserbaseName);
  tq::fuzz::HoldInput(tq::TUser::kUserbaseName, data, size);
  if (auto names = tq::TUser::GetUserList()) {
    if (!names->empty()) {
      if (auto user = tq::TUser::FindUser(names->front())) {
        user->GetProgress();
        user->GetRemainingTimeText();
        user->SaveUser();
      }
    }
  }
  // A base of another size is converted or reported; both must hold.
  tq::TUser::ConvertUserbase();
  tq::TUser::GetUserList();
  return 0;
}
