#include "core/shell/errors.h"

#include "core/files/data_file.h"
#include "core/files/paths.h"
#include "core/shell/ansi.h"
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
    {0, "(0)", 0},
    {-1, "File not found", 0},
    {-2, "File open failed", 0},
    {-3, "File already open", 0},
    {-4, "out of memory for file", 0},
    {-5, "File write error", 0},
    {-6, "File close failed / write failed", 0},
    {-10, "out of file request", 0},
    {-11, "textfile field error", 0},
    {-88, "textfile row over 255 char", 0},
    {-89, "wrong file version", 0},
    {-500, "Error in Main-procedure", 0},
    {-501, "Error in Event", 0},
    {-801, nullptr, kStrTimeOutExclusive},
    {-802, nullptr, kStrTimeOutDenyWrite},
    {-901, "Database files not found", 0},
    {-910, "Username already exists, new was not be created", 0},
    {-1001, "User bookmark vs. Chapter data overflow", 0},
    {-1052, "Contents detected error", 0},
    {-1095, "Contents file description invalid", 0},
    {-1202, "User bookmark vs. exercise data overflow", 0},
    {-1505, "Cannot open User database", 0},
    {-1517, "Warning: Wrong Userbase file version, size mitsmatch", 0},
    {-2532, "Problems with network features", 0},
    {-3321, " Problems in Difficult Keys event", 0},
    {-5452,
     "WWW-browser/email software is not properly installed or file extension launch error", 0},
    {-5633, "Fatal Contents Error; Program halted", 0},
    {-5733, "Fatal Introduction file error", 0},
    {-6123, "Contents file(s) *.CNT not available, program halted", 0},
    {-6633, "Error when renaming default userbase to:", 0},
    {-6634, "Error when copying default userbase to:", 0},
    {-6635, "Error when setting default attributes to:", 0},
    {-8001, "Cannot open an html file, web browser is propably not properly installed", 0},
    {-9977, "Windows is currently using Large Fonts setting. Program requires small fonts.", 0},
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

void SetErrorLogPath(std::string_view path) { LogPath() = std::string(path); }
const std::string& ErrorLogPath() { return LogPath(); }

}  // namespace tq
