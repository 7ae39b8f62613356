#include "core/records/sign_in.h"

#include <cstdlib>

#include "core/files/ansi.h"

namespace tq {
namespace {

constexpr std::size_t kMaxAutoLogon = 99;

std::string LoginName() {
  for (const char* variable : {"USERNAME", "LOGNAME", "USER"})
    if (const char* value = std::getenv(variable); value && *value) return value;
  return {};
}

}  // namespace

std::string AutoLogonName(std::string_view setting) {
  if (setting.empty()) return {};
  std::string name = ExpandEnvironment(setting).substr(0, kMaxAutoLogon);
  // Other unexpanded text is taken as it stands; the system's user name
  // falls back to the login name, and without one the cover asks.
  if (AnsiUpperCase(name) == "%USERNAME%") name = LoginName().substr(0, kMaxAutoLogon);
  return name;
}

std::unique_ptr<TUser> SignIn(SignInPages& pages, std::string_view autoLogon) {
  for (;;) {
    // Auto-logon holds on every pass: Back on the question asks it again.
    std::string name = AutoLogonName(autoLogon);
    if (name.empty() && pages.ShowCover(name) == kCoverClosed) return nullptr;
    // A visitor has no record: the student exists in memory only.
    if (TUser::IsVisitor(name)) return std::make_unique<TUser>(name);
    if (auto user = TUser::FindUser(name)) return user;
    const int answer = pages.AskNewUser(name);
    if (answer == kNewUserClosed) return nullptr;
    if (answer != kNewUserCreate) continue;
    if (auto created = TUser::CreateUser(name)) {
      // Read the new record back, so that the signed-in student's
      // statistics are the program-wide ones the typing pages count into.
      if (auto found = TUser::FindUser(created->Name)) return found;
      return created;
    }
  }
}

}  // namespace tq
