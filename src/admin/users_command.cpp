// "users": a look into a classroom's user base. "list" prints the names,
// "show NAME" one student's every stored field, bookmark and most difficult
// keys, "export" a CSV of everyone's progress and results for a
// spreadsheet. The base is opened as the program reads it (other programs
// may read, none may write meanwhile) and never written: a base of the
// previous version is read as it is, not converted.

#include <algorithm>
#include <cstdio>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "admin/admin.h"
#include "admin/users_base.h"
#include "core/files/ansi.h"
#include "core/files/data_file.h"
#include "core/files/paths.h"
#include "core/records/busy_retry.h"
#include "core/records/user.h"

namespace tq::admin {
namespace {

constexpr const char* kUsage =
    "Usage: tapquill-admin users COMMAND --data DIR\n"
    "  list --data DIR              the students' names, sorted\n"
    "  show NAME --data DIR [--json]\n"
    "                               every stored field of one student (name in any\n"
    "                               letter case), the bookmark and the eight most\n"
    "                               difficult keys\n"
    "  export --data DIR            CSV, one row per student: name, course, lesson\n"
    "                               and exercise reached, study minutes, last speed,\n"
    "                               accuracy, efficiency, rhythm, and each lesson's\n"
    "                               stored speed, accuracy and efficiency (empty where\n"
    "                               there is no result yet)\n"
    "  report NAME --data DIR --pdf FILE [--program DIR] [--wpm]\n"
    "  report --all --data DIR (--pdf FILE | --pdf-dir DIR) [--program DIR] [--wpm]\n"
    "                               the study report as a PDF: one student, every\n"
    "                               student into one file, or one file per student\n"
    "                               (NAME.pdf); --program names the folder of the\n"
    "                               course files (default: the current folder)\n"
    "DIR is the data folder that holds userbase.kl4. The base is only read.\n"
    "Exit status 2 for a missing or unreadable folder or base, 1 when another\n"
    "program keeps the base busy or the student is not found.\n";

// Everyone in the base, read as the program reads records.
struct Base {
  std::vector<std::unique_ptr<TUser>> students;
  bool previousVersion = false;
  bool partialTail = false;
};

std::string Decimal(float v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.1f", static_cast<double>(v));
  return buf;
}

// "No result yet" is stored as -1.
std::string ResultCell(float v) {
  return v == -1.0f ? std::string() : Decimal(v);
}
std::string ResultCell(int32_t v) {
  return v == -1 ? std::string() : IntToStr(v);
}

int LoadBase(const CommandArgs& args, Base& base, std::ostream& err) {
  const std::string dir = OptionValue(args, "--data");
  if (dir.empty()) {
    err << "tapquill-admin users: --data DIR is required\n" << kUsage;
    return kExitUsage;
  }
  if (!DirectoryExists(dir)) {
    err << "tapquill-admin users: no such folder: " << dir << "\n";
    return kExitUsage;
  }
  const std::string path = IncludeTrailingBackslash(dir) + TUser::kUserbaseName;
  TRecFile file;
  BusyRetry retry;  // the silent host answers No after the tries
  int opened = OpenWithRetry(file, path, TRecFile::kShareDenyWrite, retry);
  if (opened == kFileNotFound) {
    err << "tapquill-admin users: no user base (" << TUser::kUserbaseName << ") in " << dir << "\n";
    return kExitUsage;
  }
  if (opened == kFileOpenFailed && FileExists(path)) {
    file.Close();
    err << "tapquill-admin users: the user base is busy: another program is writing it\n";
    return kExitFailure;
  }
  if (opened != kFileGood) {
    file.Close();
    err << "tapquill-admin users: cannot read " << AnsiToUtf8(path) << "\n";
    return kExitUsage;
  }
  int64_t size = TUser::UserRecordSize;
  if (!file.IsWholeRecords(size) && file.IsWholeRecords(TUser::OldUserRecordSize)) {
    size = TUser::OldUserRecordSize;
    base.previousVersion = true;
  }
  base.partialTail = !file.IsWholeRecords(size);
  const int64_t count = file.RecordCount(size);
  for (int64_t i = 0; i < count; ++i) {
    auto user = std::make_unique<TUser>("", true);
    file.Seek(i, size);
    int read = base.previousVersion ? user->ReadOldRecord(file) : user->ReadRecord(file);
    if (read != kFileGood) break;
    base.students.push_back(std::move(user));
  }
  file.Close();
  if (base.previousVersion)
    err << "note: a user base of the previous version; the program converts it at the next "
           "sign-in\n";
  if (base.partialTail) err << "note: the user base ends in a partial record, which is left out\n";
  return kExitOk;
}

// The eight most difficult keys that score above 0, as the statistics show them.
std::vector<int> WorstKeys(TUser& u) {
  std::vector<int> keys;
  for (int rank = 1; rank <= 8; ++rank)
    if (u.DifficultKeys().DifficultyAt(rank) > 0)
      keys.push_back(u.DifficultKeys().DifficultKey(rank));
  return keys;
}

std::string KeyText(int code) {
  return AnsiToUtf8(std::string(1, static_cast<char>(code)));
}

// ---- list ----

int List(const CommandArgs& args, std::ostream& out, std::ostream& err) {
  Base base;
  if (int code = LoadBase(args, base, err); code != kExitOk) return code;
  std::vector<std::string> names;
  for (const auto& u : base.students) names.push_back(u->Name);
  std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    return AnsiUpperCase(a) < AnsiUpperCase(b);
  });
  for (const std::string& n : names) out << AnsiToUtf8(n) << "\n";
  return kExitOk;
}

// ---- show ----

std::string DoneFlags(const TUser& u, int c) {
  std::string flags;
  for (int e = 1; e <= TUser::kExercises; ++e)
    flags += IntToStr(u.ExerciseDone[static_cast<std::size_t>(c)][static_cast<std::size_t>(e)]);
  return flags;
}

void ShowText(TUser& u, std::ostream& out) {
  auto line = [&](const char* label, const std::string& value) {
    out << label << ": " << value << "\n";
  };
  line("Name", AnsiToUtf8(u.Name));
  line("Contents", AnsiToUtf8(u.Contents));
  line("Sounds", IntToStr(u.Sounds));
  line("LargeFont", IntToStr(u.LargeFont));
  line("LessonDuration", IntToStr(u.LessonDuration));
  line("StudyMinutes", IntToStr(u.StudyMinutes) + " (" + AnsiToUtf8(u.GetStudyTimeText()) + ")");
  line("LessonMinutes", IntToStr(u.LessonMinutes));
  line("KeyLevel", IntToStr(u.KeyLevel));
  line("StoryChoice", IntToStr(u.StoryChoice));
  line("StoryText", AnsiToUtf8(u.StoryText));
  line("Chapter", IntToStr(u.Chapter));
  line("Exercise", IntToStr(u.Exercise));
  line("LastSpeed", IntToStr(u.LastSpeed));
  line("LastEfficiency", IntToStr(u.LastEfficiency));
  line("LastAccuracy", Decimal(u.LastAccuracy));
  line("LastRhythm", IntToStr(u.LastRhythm));
  line("Spare", IntToStr(u.Spare));
  line("BookMark", "chapter " + IntToStr(u.BookMark.Chapter) + ", exercise " +
                       IntToStr(u.BookMark.Exercise) + ", event " + IntToStr(u.BookMark.Event) +
                       ", spare " + IntToStr(u.BookMark.Spare));
  out << "Chapters:\n  chapter exercise  speed accuracy efficiency seconds rhythm done\n";
  for (int c = 1; c <= TUser::kChapters; ++c) {
    std::size_t i = static_cast<std::size_t>(c);
    char row[160];
    std::snprintf(row, sizeof row, "  %7d %8d %6s %8s %10s %7d %6d %s\n", c, u.ChapterExercise[i],
                  Decimal(u.ChapterSpeed[i]).c_str(), Decimal(u.ChapterAccuracy[i]).c_str(),
                  Decimal(u.ChapterEfficiency[i]).c_str(), u.ChapterSeconds[i], u.ChapterRhythm[i],
                  DoneFlags(u, c).c_str());
    out << row;
  }
  out << "Difficult keys:";
  std::vector<int> worst = WorstKeys(u);
  for (int code : worst)
    out << " " << KeyText(code) << " " << Decimal(u.DifficultKeys().KeyDifficulty(code));
  out << (worst.empty() ? " none\n" : "\n");
  out << "Key statistics (character total hits errors):\n";
  const TDifficultKeys& k = u.DifficultKeys();
  for (int code = TDifficultKeys::kFirstCode; code <= TDifficultKeys::kLastCode; ++code) {
    std::size_t i = static_cast<std::size_t>(code);
    if (k.TotalCount[i] == 0 && k.WeightedHits[i] == 0 && k.WeightedErrors[i] == 0) continue;
    out << "  " << KeyText(code) << " " << k.TotalCount[i] << " " << k.WeightedHits[i] << " "
        << k.WeightedErrors[i] << "\n";
  }
}

template <typename T, typename F>
std::string JsonArray(const T& table, F value) {
  std::string s = "[";
  for (int c = 1; c <= TUser::kChapters; ++c)
    s += (c > 1 ? ", " : "") + value(table[static_cast<std::size_t>(c)]);
  return s + "]";
}

void ShowJson(TUser& u, std::ostream& out) {
  auto num = [](int32_t v) { return IntToStr(v); };
  out << "{\n";
  out << "  \"Name\": " << JsonString(u.Name) << ",\n";
  out << "  \"Contents\": " << JsonString(u.Contents) << ",\n";
  out << "  \"Sounds\": " << u.Sounds << ",\n";
  out << "  \"LargeFont\": " << u.LargeFont << ",\n";
  out << "  \"LessonDuration\": " << u.LessonDuration << ",\n";
  out << "  \"StudyMinutes\": " << u.StudyMinutes << ",\n";
  out << "  \"LessonMinutes\": " << u.LessonMinutes << ",\n";
  out << "  \"KeyLevel\": " << u.KeyLevel << ",\n";
  out << "  \"StoryChoice\": " << u.StoryChoice << ",\n";
  out << "  \"StoryText\": " << JsonString(u.StoryText) << ",\n";
  out << "  \"Exercise\": " << u.Exercise << ",\n";
  out << "  \"Chapter\": " << u.Chapter << ",\n";
  out << "  \"ChapterExercise\": " << JsonArray(u.ChapterExercise, num) << ",\n";
  out << "  \"LastSpeed\": " << u.LastSpeed << ",\n";
  out << "  \"LastEfficiency\": " << u.LastEfficiency << ",\n";
  out << "  \"LastAccuracy\": " << Decimal(u.LastAccuracy) << ",\n";
  out << "  \"LastRhythm\": " << u.LastRhythm << ",\n";
  std::string done = "[";
  for (int c = 1; c <= TUser::kChapters; ++c)
    done += (c > 1 ? ", \"" : "\"") + DoneFlags(u, c) + "\"";
  out << "  \"ExerciseDone\": " << done << "],\n";
  out << "  \"ChapterEfficiency\": " << JsonArray(u.ChapterEfficiency, Decimal) << ",\n";
  out << "  \"ChapterAccuracy\": " << JsonArray(u.ChapterAccuracy, Decimal) << ",\n";
  out << "  \"ChapterSpeed\": " << JsonArray(u.ChapterSpeed, Decimal) << ",\n";
  out << "  \"ChapterSeconds\": " << JsonArray(u.ChapterSeconds, num) << ",\n";
  out << "  \"ChapterRhythm\": " << JsonArray(u.ChapterRhythm, num) << ",\n";
  out << "  \"Spare\": " << u.Spare << ",\n";
  out << "  \"BookMark\": {\"Chapter\": " << u.BookMark.Chapter
      << ", \"Exercise\": " << u.BookMark.Exercise << ", \"Event\": " << u.BookMark.Event
      << ", \"Spare\": " << u.BookMark.Spare << "},\n";
  out << "  \"DifficultKeys\": [";
  bool first = true;
  for (int code : WorstKeys(u)) {
    out << (first ? "" : ", ")
        << "{\"Key\": " << JsonString(std::string(1, static_cast<char>(code)))
        << ", \"Difficulty\": " << Decimal(u.DifficultKeys().KeyDifficulty(code)) << "}";
    first = false;
  }
  out << "],\n  \"KeyStatistics\": [";
  const TDifficultKeys& k = u.DifficultKeys();
  first = true;
  for (int code = TDifficultKeys::kFirstCode; code <= TDifficultKeys::kLastCode; ++code) {
    std::size_t i = static_cast<std::size_t>(code);
    if (k.TotalCount[i] == 0 && k.WeightedHits[i] == 0 && k.WeightedErrors[i] == 0) continue;
    out << (first ? "" : ",") << "\n    {\"Code\": " << code
        << ", \"Key\": " << JsonString(std::string(1, static_cast<char>(code)))
        << ", \"TotalCount\": " << k.TotalCount[i] << ", \"WeightedHits\": " << k.WeightedHits[i]
        << ", \"WeightedErrors\": " << k.WeightedErrors[i] << "}";
    first = false;
  }
  out << (first ? "]\n" : "\n  ]\n") << "}\n";
}

int Show(const CommandArgs& args, std::ostream& out, std::ostream& err) {
  if (args.size() < 2 || args[1].rfind("--", 0) == 0) {
    err << "tapquill-admin users show: NAME is required\n" << kUsage;
    return kExitUsage;
  }
  Base base;
  if (int code = LoadBase(args, base, err); code != kExitOk) return code;
  const std::string wanted = AnsiUpperCase(Utf8ToAnsi(args[1]));
  for (auto& u : base.students) {
    if (AnsiUpperCase(u->Name) != wanted) continue;
    if (HasFlag(args, "--json"))
      ShowJson(*u, out);
    else
      ShowText(*u, out);
    return kExitOk;
  }
  err << "tapquill-admin users show: no student named " << args[1] << "\n";
  return kExitFailure;
}

// ---- export ----

std::string CsvCell(const std::string& utf8) {
  if (utf8.find_first_of(",\"\r\n") == std::string::npos) return utf8;
  std::string s = "\"";
  for (char c : utf8) s += c == '"' ? std::string("\"\"") : std::string(1, c);
  return s + "\"";
}

int Export(const CommandArgs& args, std::ostream& out, std::ostream& err) {
  Base base;
  if (int code = LoadBase(args, base, err); code != kExitOk) return code;
  out << "name,course,lesson,exercise,study_minutes,last_speed,last_accuracy,last_efficiency,"
         "last_rhythm";
  for (int c = 1; c <= TUser::kChapters; ++c) {
    std::string n = IntToStr(c);
    out << ",lesson" << n << "_speed,lesson" << n << "_accuracy,lesson" << n << "_efficiency";
  }
  out << "\r\n";
  for (const auto& u : base.students) {
    out << CsvCell(AnsiToUtf8(u->Name)) << "," << CsvCell(AnsiToUtf8(u->Contents)) << ","
        << u->Chapter << "," << u->Exercise << "," << u->StudyMinutes << ","
        << ResultCell(u->LastSpeed) << "," << ResultCell(u->LastAccuracy) << ","
        << ResultCell(u->LastEfficiency) << "," << ResultCell(u->LastRhythm);
    for (int c = 1; c <= TUser::kChapters; ++c) {
      std::size_t i = static_cast<std::size_t>(c);
      out << "," << ResultCell(u->ChapterSpeed[i]) << "," << ResultCell(u->ChapterAccuracy[i])
          << "," << ResultCell(u->ChapterEfficiency[i]);
    }
    out << "\r\n";
  }
  return kExitOk;
}

}  // namespace

int LoadStudents(const CommandArgs& args, std::vector<std::unique_ptr<TUser>>& students,
                 std::ostream& err) {
  Base base;
  const int code = LoadBase(args, base, err);
  students = std::move(base.students);
  return code;
}

int UsersCommand(const CommandArgs& args, std::ostream& out, std::ostream& err) {
  if (int code = kExitOk; AnswersUsage(args, kUsage, out, err, code)) return code;
  if (args[0] == "list") return List(args, out, err);
  if (args[0] == "show") return Show(args, out, err);
  if (args[0] == "export") return Export(args, out, err);
  if (args[0] == "report") return ReportCommand(args, out, err);
  err << "tapquill-admin users: unknown command '" << args[0] << "'\n" << kUsage;
  return kExitUsage;
}

}  // namespace tq::admin
