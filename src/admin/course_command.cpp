// "course": course contents files. "course show FILE" prints the course as
// the program reads it for a given lesson length: lessons with their minutes
// and key groups, exercises with their id, type, minutes and key level,
// events with their type, weight and time budget, and every loader message,
// so that a teacher or course author can check a course before students
// see it.

#include <ostream>
#include <string>
#include <vector>

#include "admin/admin.h"
#include "core/course/contents.h"
#include "core/exercises/event_factory.h"
#include "core/files/ansi.h"
#include "core/records/user.h"
#include "core/shell/errors.h"
#include "core/shell/host.h"

namespace tq::admin {
namespace {

constexpr const char* kUsage =
    "Usage: tapquill-admin course show FILE [--minutes N] [--json]\n"
    "  Reads a course contents file (.cnt) as the program does for a lesson\n"
    "  length of N minutes (default: the course's \"default time\"; 0 = no time\n"
    "  limits) and prints its lessons, exercises and events with their minutes,\n"
    "  key groups and time budgets in clock ticks, and every loader message.\n"
    "  Exit status 1 when the course does not load.\n";

// Takes every message box shown while the course loads, so that the
// messages are listed instead of shown; the rest goes to the host in place.
class CollectingHost final : public Host {
 public:
  CollectingHost() : previous_(GetHost()) { SetHost(this); }
  ~CollectingHost() override { SetHost(&previous_); }
  CollectingHost(const CollectingHost&) = delete;
  CollectingHost& operator=(const CollectingHost&) = delete;

  void ShowMessage(MessageKind, const std::string&, const std::string& text) override {
    shown.push_back(text);
  }
  bool AskYesNo(const std::string& c, const std::string& t) override {
    return previous_.AskYesNo(c, t);
  }
  double Now() override { return previous_.Now(); }
  uint32_t TickCount() override { return previous_.TickCount(); }
  void Sleep(uint32_t ms) override { previous_.Sleep(ms); }
  void ProcessMessages() override { previous_.ProcessMessages(); }
  std::string ShortDateText(double d) override { return previous_.ShortDateText(d); }
  std::string LongTimeText(double d) override { return previous_.LongTimeText(d); }
  std::optional<std::string> KeyboardLayoutId() override { return previous_.KeyboardLayoutId(); }
  int ScreenWidth() override { return previous_.ScreenWidth(); }
  int PixelsPerInch() override { return previous_.PixelsPerInch(); }

  std::vector<std::string> shown;

 private:
  Host& previous_;
};

struct Loaded {
  int status = 0;
  int minutes = 0;
  std::vector<LoaderMessage> messages;
};

// A line break inside a message would break the listing's one-per-line form.
std::string OneLine(const std::string& text) {
  std::string s;
  for (char c : text) {
    if (c == '\r') continue;
    s += c == '\n' ? ' ' : c;
  }
  return s;
}

Loaded Load(const std::string& file, const std::string& minutesOption, TContents& contents,
            TUser& student) {
  Loaded result;
  CollectingHost host;
  student.LessonDuration = 0;
  if (minutesOption.empty()) {
    // The course's own suggestion; reading it takes a first pass.
    if (contents.CreateOutline(file, student) == 0) student.LessonDuration = contents.DefaultTime;
  } else {
    TryStrToInt(minutesOption, student.LessonDuration);
  }
  host.shown.clear();
  result.minutes = student.LessonDuration;
  result.status = contents.Create(file, student);
  result.messages = contents.Messages();
  // Anything shown that the loader did not list itself.
  for (std::size_t i = result.messages.size(); i < host.shown.size(); ++i)
    result.messages.push_back({0, OneLine(host.shown[i])});
  return result;
}

std::string StatusText(int status) {
  return status == 0 ? "loaded" : ErrorMessage(status);
}

int EventTotal(const TContents& contents) {
  int n = 0;
  for (const auto& c : contents.Chapters)
    for (const TExercise& e : c->Exercises) n += e.EventCount();
  return n;
}

int ExerciseTotal(const TContents& contents) {
  int n = 0;
  for (const auto& c : contents.Chapters) n += c->ExerciseCount();
  return n;
}

void PrintText(std::ostream& out, const std::string& file, const Loaded& loaded,
               const TContents& contents, const TUser& student) {
  out << "File: " << AnsiToUtf8(file) << "\n";
  out << "Status: " << loaded.status << " (" << StatusText(loaded.status) << ")\n";
  if (loaded.status == 0) {
    out << "Name: " << AnsiToUtf8(contents.ContentsName) << "\n";
    out << "Keyboard: " << AnsiToUtf8(contents.Keyboard) << "\n";
    out << "Default time: " << contents.DefaultTime << " min\n";
    out << "Review wizard: "
        << (contents.WizardName.empty() ? "none" : AnsiToUtf8(contents.WizardName)) << "\n";
    out << "Word loop: " << student.WordLoop << " (max " << student.WordMaxLoop
        << ")  Sentence loop: " << student.SentenceLoop << " (max " << student.SentenceMaxLoop
        << ")\n";
    out << "Lesson length: " << loaded.minutes << " min\n";
    int level = 0;
    for (const auto& c : contents.Chapters) {
      out << "Lesson " << c->NumberText << ": " << AnsiToUtf8(c->Title) << "  " << c->Minutes
          << " min";
      if (!c->Picture.empty()) out << "  picture " << AnsiToUtf8(c->Picture);
      out << "\n";
      for (const std::string& keys : c->NewKeys)
        out << "  new keys " << JsonString(keys) << " (key level " << ++level << ")\n";
      for (const TExercise& e : c->Exercises) {
        out << "  " << e.Id << "  " << (e.TypeText.empty() ? "-" : AnsiToUtf8(e.TypeText)) << "  "
            << e.Minutes << " min  key level " << e.KeyLevel << "  weight " << e.Weight << "\n";
        for (const TEventLoader& ev : e.Events) {
          out << "    " << AnsiToUtf8(ev.EventType) << "  weight " << ev.Weight << "  budget "
              << ev.TimeBudget << " ticks";
          if (!IsKnownEventType(ev.EventType)) out << "  (unknown type: runs nothing)";
          out << "\n";
        }
      }
    }
    out << "Lessons: " << contents.ChapterCount() << "  Exercises: " << ExerciseTotal(contents)
        << "  Events: " << EventTotal(contents) << "\n";
  }
  out << "Messages: " << loaded.messages.size() << "\n";
  for (const LoaderMessage& m : loaded.messages) {
    out << "  ";
    if (m.Line > 0) out << "line " << m.Line << ": ";
    out << AnsiToUtf8(m.Text) << "\n";
  }
}

void PrintJson(std::ostream& out, const std::string& file, const Loaded& loaded,
               const TContents& contents, const TUser& student) {
  out << "{\"file\":" << JsonString(file) << ",\"status\":" << loaded.status;
  if (loaded.status == 0) {
    out << ",\"name\":" << JsonString(contents.ContentsName)
        << ",\"keyboard\":" << JsonString(contents.Keyboard)
        << ",\"defaultTime\":" << contents.DefaultTime
        << ",\"wizardName\":" << JsonString(contents.WizardName)
        << ",\"wordLoop\":" << student.WordLoop << ",\"wordMaxLoop\":" << student.WordMaxLoop
        << ",\"sentenceLoop\":" << student.SentenceLoop
        << ",\"sentenceMaxLoop\":" << student.SentenceMaxLoop
        << ",\"lessonMinutes\":" << loaded.minutes << ",\"lessons\":[";
    for (std::size_t ci = 0; ci < contents.Chapters.size(); ++ci) {
      const TChapter& c = *contents.Chapters[ci];
      out << (ci ? "," : "") << "{\"number\":" << c.Number << ",\"title\":" << JsonString(c.Title)
          << ",\"minutes\":" << c.Minutes << ",\"picture\":" << JsonString(c.Picture)
          << ",\"extraDescription\":" << JsonString(c.ExtraDescription) << ",\"newKeys\":[";
      for (std::size_t k = 0; k < c.NewKeys.size(); ++k)
        out << (k ? "," : "") << JsonString(c.NewKeys[k]);
      out << "],\"exercises\":[";
      for (std::size_t ei = 0; ei < c.Exercises.size(); ++ei) {
        const TExercise& e = c.Exercises[ei];
        out << (ei ? "," : "") << "{\"id\":" << JsonString(e.Id)
            << ",\"type\":" << JsonString(e.TypeText) << ",\"minutes\":" << e.Minutes
            << ",\"keyLevel\":" << e.KeyLevel << ",\"weight\":" << e.Weight << ",\"events\":[";
        for (std::size_t vi = 0; vi < e.Events.size(); ++vi) {
          const TEventLoader& ev = e.Events[vi];
          out << (vi ? "," : "") << "{\"type\":" << JsonString(ev.EventType)
              << ",\"weight\":" << ev.Weight << ",\"budget\":" << ev.TimeBudget
              << ",\"known\":" << (IsKnownEventType(ev.EventType) ? "true" : "false")
              << ",\"line\":" << JsonString(ev.Parameters) << "}";
        }
        out << "]}";
      }
      out << "]}";
    }
    out << "]";
  }
  out << ",\"messages\":[";
  for (std::size_t i = 0; i < loaded.messages.size(); ++i)
    out << (i ? "," : "") << "{\"line\":" << loaded.messages[i].Line
        << ",\"text\":" << JsonString(loaded.messages[i].Text) << "}";
  out << "]}\n";
}

int Show(const CommandArgs& args, std::ostream& out, std::ostream& err) {
  std::string file;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--minutes") {
      ++i;
    } else if (args[i] != "--json" && file.empty()) {
      file = args[i];
    } else if (args[i] != "--json") {
      err << kUsage;
      return kExitUsage;
    }
  }
  std::string minutes = OptionValue(args, "--minutes");
  int value = 0;
  if (file.empty() || (HasFlag(args, "--minutes") && (!TryStrToInt(minutes, value) || value < 0))) {
    err << kUsage;
    return kExitUsage;
  }
  TContents contents;
  TUser student(TUser::kVisitorName, true);
  Loaded loaded = Load(file, minutes, contents, student);
  if (HasFlag(args, "--json"))
    PrintJson(out, file, loaded, contents, student);
  else
    PrintText(out, file, loaded, contents, student);
  if (loaded.status != 0) {
    err << "tapquill-admin course: " << AnsiToUtf8(file) << ": " << StatusText(loaded.status)
        << "\n";
    return kExitFailure;
  }
  return kExitOk;
}

}  // namespace

int CourseCommand(const CommandArgs& args, std::ostream& out, std::ostream& err) {
  if (int code = kExitOk; AnswersUsage(args, kUsage, out, err, code)) return code;
  if (args[0] != "show") {
    err << kUsage;
    return kExitUsage;
  }
  return Show(CommandArgs(args.begin() + 1, args.end()), out, err);
}

}  // namespace tq::admin
