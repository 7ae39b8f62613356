#include "core/exercises/event_text.h"

#include "core/exercises/story_file.h"
#include "core/files/ansi.h"
#include "core/files/data_file.h"
#include "core/records/user.h"
#include "core/shell/errors.h"
#include "core/shell/host.h"
#include "core/shell/program_settings.h"
#include "core/shell/strings.h"

namespace tq {
namespace {

bool HasPrefix(std::string_view source, std::string_view prefix) {
  return source.size() >= prefix.size() && SameText(source.substr(0, prefix.size()), prefix);
}

// The body of a text data file (after its "$" header); none when it does not open.
std::optional<std::string> ReadBody(const std::string& name) {
  TTextFile file;
  if (file.Open(name, 1) != kFileGood) return std::nullopt;
  std::string body;
  int status = file.ReadAll(body);
  file.Close();
  // An empty body is a text too; only a failed read is none.
  if (status < 0) return std::nullopt;
  return body;
}

int LoadFile(const std::string& name, EventText& text) {
  text.Text = ReadBody(name);
  if (text.Text) return 1;
  ReportError(kErrorInEvent, "File " + name + " missing or read error");
  return kTextMissing;
}

int LoadStory(const std::string& mask, EventText& text, TUser& student,
              const StorySelector& selectStory) {
  StorySelection chosen;
  if (selectStory) chosen = selectStory(mask, Settings().CustomStoryPath, student.StoryText);
  text.TextChosen = true;
  if (chosen.result == kStoryNew) {
    student.StoryText = ShortStr(chosen.file);
    text.StoryPosition.reset();
  } else if (chosen.result == kStoryContinue) {
    text.StoryPosition = student.StoryChoice;
  } else {
    return chosen.result;
  }
  // A student's own file may be anything: refuse what cannot be typed
  // before reading it, and type a UTF-8 text in 1252.
  const StoryFileKind kind = CheckStoryFile(student.StoryText);
  if (kind != StoryFileKind::Text) {
    GetHost().ShowMessage(MessageKind::Warning, Str(kStrProgramTitle),
                          StoryFileMessage(kind, student.StoryText));
    return kStoryBack;
  }
  text.Text = ReadBody(student.StoryText);
  if (text.Text) text.Text = StoryBodyToAnsi(*text.Text);
  return chosen.result;
}

}  // namespace

int LoadText(std::string_view source, EventText& text, TUser& student,
             const StorySelector& selectStory) {
  if (HasPrefix(source, "NIL")) return 1;
  text.Text.reset();
  if (HasPrefix(source, "FILE:")) return LoadFile(std::string(source.substr(5)), text);
  if (HasPrefix(source, "RES:")) return 1;
  if (HasPrefix(source, "EFFIC:")) return LoadFile(kEfficiencyTextFile, text);
  if (HasPrefix(source, "ASK:"))
    return LoadStory(std::string(source.substr(4)), text, student, selectStory);
  text.Text = std::string(source);
  return 1;
}

}  // namespace tq
