#pragma once
// Error reporting: numeric codes become messages, are shown in an error box
// through the Host and appended to "Errors.log" in the program directory
// together with the version and build, so a user can send the file to
// support. Reporting never ends the program; the caller decides.

#include <string>
#include <string_view>

namespace tq {

// The message of a code; "Unknown error " + code for codes without one.
std::string ErrorMessage(int code);

// Shows "#code message" LF CR detail and logs the four-line entry. Returns 0.
int ReportError(int code, std::string_view detailText);
// Like ReportError, with a second code (usually a file status) as the detail.
int ReportErrorCode(int code, int detailCode);

// Where the log is written; "Errors.log" in the current directory unless set.
void SetErrorLogPath(std::string_view path);
const std::string& ErrorLogPath();

}  // namespace tq
