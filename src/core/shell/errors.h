#pragma once
// Error reporting: numeric codes become messages, are shown in an error box
// through the Host and appended to "Errors.log" in the program directory
// together with the version and build, so a user can send the file to
// support. Reporting never ends the program; the caller decides.

#include <string>
#include <string_view>

namespace tq {

// The codes of the error table (errors.cpp holds their texts).
constexpr int kErrorPlain = 0;  // a message of its own, no code text
constexpr int kErrorFileNotFound = -1;
constexpr int kErrorFileOpen = -2;
constexpr int kErrorFileAlreadyOpen = -3;
constexpr int kErrorFileMemory = -4;
constexpr int kErrorFileWrite = -5;
constexpr int kErrorFileClose = -6;
constexpr int kErrorFileRequest = -10;
constexpr int kErrorFileField = -11;
constexpr int kErrorRowTooLong = -88;
constexpr int kErrorFileVersion = -89;
constexpr int kErrorMain = -500;
constexpr int kErrorInEvent = -501;
constexpr int kErrorTimeOutExclusive = -801;
constexpr int kErrorTimeOutDenyWrite = -802;
constexpr int kErrorDatabaseNotFound = -901;
constexpr int kErrorUserExists = -910;
constexpr int kErrorChapterOverflow = -1001;   // bookmark beyond the course's lessons
constexpr int kErrorContents = -1052;          // a lesson or exercise run ended with an error
constexpr int kErrorContentsInvalid = -1095;   // the course file holds a malformed number
constexpr int kErrorExerciseOverflow = -1202;  // bookmark beyond the lesson's exercises
constexpr int kErrorUserbaseOpen = -1505;
constexpr int kErrorUserbaseVersion = -1517;
constexpr int kErrorNetwork = -2532;
constexpr int kErrorDifficultKeys = -3321;
constexpr int kErrorBrowser = -5452;
constexpr int kErrorFatalContents = -5633;
constexpr int kErrorFatalIntroduction = -5733;
constexpr int kErrorNoContentsFiles = -6123;
constexpr int kErrorRenameUserbase = -6633;
constexpr int kErrorCopyUserbase = -6634;
constexpr int kErrorSetAttributes = -6635;
constexpr int kErrorHtml = -8001;
constexpr int kErrorLargeFonts = -9977;

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
