#pragma once
// Signing a student in: the auto-logon name, the cover that asks for a name
// or a visitor, and the question before a new student is created. The rules
// live here; the window only shows the pages and reports the student's
// choice through SignInPages.

#include <memory>
#include <string>
#include <string_view>

#include "core/records/user.h"

namespace tq {

// Results of the cover page.
constexpr int kCoverClosed = 0;   // the program is closing
constexpr int kCoverName = 1;     // a name was entered
constexpr int kCoverVisitor = 2;  // studying as a visitor
// Results of the new-student question.
constexpr int kNewUserClosed = 0;
constexpr int kNewUserCreate = 1;
constexpr int kNewUserBack = 2;

class SignInPages {
 public:
  virtual ~SignInPages() = default;
  // The cover; NAME receives the name as typed, in UTF-8 (or the visitor's).
  virtual int ShowCover(std::string& name) = 0;
  // A typed name is refused: CHARACTERS (UTF-8, each once) cannot be stored
  // in a record. The cover is shown again afterwards.
  virtual void RefuseName(const std::string& characters) = 0;
  // Whether a student of this name, not yet in the user base, is created.
  virtual int AskNewUser(const std::string& name) = 0;
};

// The name an administrator's AutoLogon setting signs in, environment
// variables expanded and cut to 99 characters; empty when the cover must
// ask. "%USERNAME%" falls back to the login name where USERNAME is not
// defined (it seldom is outside Windows).
std::string AutoLogonName(std::string_view setting);

// The characters of a typed name (UTF-8) that a record, which holds
// Windows-1252, cannot store: each once, in the order typed, as UTF-8.
// Empty when the whole name can be stored.
std::string UnstorableCharacters(std::string_view typed);

// The name a record is looked up and created by: the typed text (UTF-8)
// trimmed, in Windows-1252, at most 255 characters, capitalised; the
// visitor's name when nothing is left. Call only when nothing is unstorable.
std::string CoverName(std::string_view typed);

// The sign-in loop: the auto-logon name, or the cover, until a student
// signs in. A name with characters a record cannot hold is refused and the
// cover shown again: a record is only ever found by the name typed. A
// visitor exists in memory only; a known name signs into its record; a new name is created after
// the question (Back returns to the cover, or to the question again under auto-logon). Null when a
// page was closed with the window.
std::unique_ptr<TUser> SignIn(SignInPages& pages, std::string_view autoLogon);

}  // namespace tq
