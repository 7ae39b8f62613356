#include "core/shell/errors.h"

#include "core/files/ansi.h"
#include "core/files/data_file.h"
#include "core/files/paths.h"
#include "core/shell/host.h"
#include "core/shell/strings.h"
#include "core/shell/version.h"

namespace tq {
namespace {

struct ErrorText {
  int code;
  const char* text;  // nullptr: the text comes from the string table
  int stringId;
};

constexpr ErrorText kErrorTexts[] = {
    {kErrorPlain, "(0)", 0},
    {kErrorFileNotFound, "File not found", 0},
    {kErrorFileOpen, "File open failed", 0},
    {kErrorFileAlreadyOpen, "File already open", 0},
    {kErrorFileMemory, "out of memory for file", 0},
    {kErrorFileWrite, "File write error", 0},
    {kErrorFileClose, "File close failed / write failed", 0},
    {kErrorFileRequest, "out of file request", 0},
    {kErrorFileField, "textfile field error", 0},
    {kErrorRowTooLong, "textfile row over 255 char", 0},
    {kErrorFileVersion, "wrong file version", 0},
    {kErrorMain, "Error in Main-procedure", 0},
    {kErrorInEvent, "Error in Event", 0},
    {kErrorTimeOutExclusive, nullptr, kStrTimeOutExclusive},
    {kErrorTimeOutDenyWrite, nullptr, kStrTimeOutDenyWrite},
    {kErrorDatabaseNotFound, "Database files not found", 0},
    {kErrorUserExists, "Username already exists, new was not be created", 0},
    {kErrorChapterOverflow, "User bookmark vs. Chapter data overflow", 0},
    {kErrorContents, "Contents detected error", 0},
    {kErrorContentsInvalid, "Contents file description invalid", 0},
    {kErrorExerciseOverflow, "User bookmark vs. exercise data overflow", 0},
    {kErrorUserbaseOpen, "Cannot open User database", 0},
    {kErrorUserbaseVersion, "Warning: Wrong Userbase file version, size mitsmatch", 0},
    {kErrorNetwork, "Problems with network features", 0},
    {kErrorDifficultKeys, " Problems in Difficult Keys event", 0},
    {-5452, "WWW-browser/email software is not properly installed or file extension launch error",
     0},
    {kErrorFatalContents, "Fatal Contents Error; Program halted", 0},
    {kErrorFatalIntroduction, "Fatal Introduction file error", 0},
    {kErrorNoContentsFiles, "Contents file(s) *.CNT not available, program halted", 0},
    {kErrorRenameUserbase, "Error when renaming default userbase to:", 0},
    {kErrorCopyUserbase, "Error when copying default userbase to:", 0},
    {kErrorSetAttributes, "Error when setting default attributes to:", 0},
    {kErrorHtml, "Cannot open an html file, web browser is propably not properly installed", 0},
    {kErrorLargeFonts,
     "Windows is currently using Large Fonts setting. Program requires small fonts.", 0},
};

std::string& LogPath() {
  static std::string path = "Errors.log";
  return path;
}

int Report(int code, const std::string& detail, const std::string& logDetail) {
  Host& host = GetHost();
  double now = host.Now();
  std::string when = host.ShortDateText(now) + " " + host.LongTimeText(now);
  std::string head = "#" + IntToStr(code) + " " + ErrorMessage(code);
  host.ShowMessage(MessageKind::Error, Str(kStrError), head + "\n\r" + detail);

  TTextFile log;
  if (FileExists(LogPath())) {
    log.Open(LogPath(), 3);
  } else if (log.Open(LogPath(), 2) == kFileGood) {
    log.WriteLine(Str(kStrProgramTitle) + " " + kVersion + Str(kStrErrorLogTitle));
    log.WriteLine(Str(kStrErrorLogSupport));
  }
  if (log.Status == kFileGood) {
    log.WriteLine(std::string(58, '-'));
    log.WriteLine(when + " Build " + kBuild + " (" + kBuildYear + ") compiled " + kBuildDate);
    log.WriteLine("#" + IntToStr(code) + "  " + ErrorMessage(code));
    log.WriteLine(" - " + logDetail);
  }
  log.Close();
  return 0;
}

}  // namespace

std::string ErrorMessage(int code) {
  for (const ErrorText& e : kErrorTexts)
    if (e.code == code) return ShortStr(e.text ? std::string(e.text) : Str(e.stringId));
  return "Unknown error " + IntToStr(code);
}

int ReportError(int code, std::string_view detailText) {
  std::string detail(detailText);
  return Report(code, detail, detail);
}

int ReportErrorCode(int code, int detailCode) {
  // The dialog shows the detail's message; the log adds " = " and its code.
  std::string detail = ErrorMessage(detailCode);
  return Report(code, detail, detail + " = " + IntToStr(detailCode));
}

void SetErrorLogPath(std::string_view path) {
  LogPath() = std::string(path);
}
const std::string& ErrorLogPath() {
  return LogPath();
}

}  // namespace tq
