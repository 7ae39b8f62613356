#include "core/records/sign_in.h"

#include <algorithm>
#include <cstdlib>

#include "core/files/ansi.h"
#include "core/files/data_file.h"
#include "core/records/sign_in_marker.h"
#include "core/shell/host.h"
#include "core/shell/strings.h"

namespace tq {
namespace {

constexpr std::size_t kMaxAutoLogon = 99;

std::string LoginName() {
  for (const char* variable : {"USERNAME", "LOGNAME", "USER"})
    if (const char* value = std::getenv(variable); value && *value) return value;
  return {};
}

// The length of the UTF-8 sequence starting with LEAD; 0 for a byte that
// starts none.
std::size_t SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if ((lead & 0xE0) == 0xC0) return 2;
  if ((lead & 0xF0) == 0xE0) return 3;
  if ((lead & 0xF8) == 0xF0) return 4;
  return 0;
}

// A student signed in on another computer is asked whether to go on: the
// last program to save would otherwise overwrite the other's progress.
bool MayGoOn(const TUser& user) {
  const std::optional<SignInMarker> marker = MarkerElsewhere(user.Name, SecondsNow());
  if (!marker) return true;
  const int64_t minutes = std::max<int64_t>(0, (SecondsNow() - marker->Renewed) / 60);
  std::string text = Str(kStrNameInUse);
  const auto put = [&text](std::string_view field, const std::string& value) {
    if (std::size_t at = text.find(field); at != std::string::npos)
      text.replace(at, field.size(), value);
  };
  put("%n", user.Name);
  put("%c", Utf8ToAnsi(marker->Computer));
  put("%m", IntToStr(minutes));
  return GetHost().AskYesNo(Str(kStrWarning), text);
}

}  // namespace

std::string UnstorableCharacters(std::string_view typed) {
  std::string refused;
  std::size_t i = 0;
  while (i < typed.size()) {
    const auto lead = static_cast<unsigned char>(typed[i]);
    std::size_t len = SequenceLength(lead);
    char32_t cp = len == 1 ? lead : lead & (0x7F >> len);
    bool valid = len > 0 && i + len <= typed.size();
    for (std::size_t k = 1; valid && k < len; ++k) {
      const auto next = static_cast<unsigned char>(typed[i + k]);
      valid = (next & 0xC0) == 0x80;
      cp = (cp << 6) | (next & 0x3F);
    }
    if (!valid) len = 1;
    const std::string_view sequence = typed.substr(i, len);
    // Broken UTF-8 cannot be stored either; it is named as the byte it is.
    const bool storable = valid && UnicodeToAnsi(cp) >= 0;
    if (!storable && refused.find(sequence) == std::string::npos) refused += sequence;
    i += len;
  }
  return refused;
}

std::string CoverName(std::string_view typed) {
  const std::string name = ShortStr(Trim(Utf8ToAnsi(typed)));
  return name.empty() ? Str(kStrVisitor) : CapitalizeName(name);
}

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
    if (name.empty()) {
      std::string typed;
      const int outcome = pages.ShowCover(typed);
      if (outcome == kCoverClosed) return nullptr;
      if (outcome == kCoverVisitor) typed.clear();
      if (std::string refused = UnstorableCharacters(typed); !refused.empty()) {
        pages.RefuseName(refused);
        continue;
      }
      name = CoverName(typed);
    }
    // A visitor has no record: the student exists in memory only.
    if (TUser::IsVisitor(name)) return std::make_unique<TUser>(name);
    if (auto user = TUser::FindUser(name)) {
      if (!MayGoOn(*user)) {
        if (!AutoLogonName(autoLogon).empty()) return nullptr;
        continue;
      }
      PlaceMarker(user->Name, SecondsNow());
      return user;
    }
    const int answer = pages.AskNewUser(name);
    if (answer == kNewUserClosed) return nullptr;
    if (answer != kNewUserCreate) continue;
    if (auto created = TUser::CreateUser(name)) {
      // Read the new record back, so that the signed-in student's
      // statistics are the program-wide ones the typing pages count into.
      std::unique_ptr<TUser> found = TUser::FindUser(created->Name);
      if (!found) found = std::move(created);
      PlaceMarker(found->Name, SecondsNow());
      return found;
    }
  }
}

}  // namespace tq
