#include "core/exercises/story_list.h"

#include "core/exercises/story_file.h"
#include "core/files/data_file.h"
#include "core/files/paths.h"
#include "core/shell/strings.h"

namespace tq {

namespace {

// How much of a story's beginning the preview shows.
constexpr std::size_t kPreviewBytes = 1500;

StoryEntry Entry(const std::string& fileName, const std::string& name, int& status) {
  StoryEntry entry{fileName, Str(kStrStoryUserFile) + ";" + name};
  TTextFile file;
  const int opened = file.Open(fileName, 1);
  if (opened != kFileGood) {
    status = opened;
    return entry;
  }
  if (!file.Description.empty()) entry.Text = file.Author + ":;" + file.Description;
  file.Close();
  return entry;
}

}  // namespace

StoryList BuildStoryList(std::string_view mask, std::string_view userFolder) {
  StoryList list;
  // "*.exm" gives the extension "exm".
  const std::string extension(mask.size() > 2 ? mask.substr(2) : std::string_view());
  for (const std::string& name : ListFiles(mask))
    list.Entries.push_back(Entry(name + "." + extension, name, list.Status));
  if (!userFolder.empty()) {
    // The student's names are kept as they are: a name with dots of its
    // own ("notes.v2.txt") must still open.
    for (const std::string& file : MatchFiles(std::string(userFolder) + "*.txt")) {
      const std::string name = file.substr(0, file.rfind('.'));
      list.Entries.push_back(Entry(std::string(userFolder) + file, name, list.Status));
    }
  }
  return list;
}

StoryPreview ReadStoryPreview(std::string_view fileName) {
  StoryPreview preview;
  const StoryFileKind kind = CheckStoryFile(fileName);
  if (kind != StoryFileKind::Text) {
    preview.Problem = StoryFileMessage(kind, fileName);
    return preview;
  }
  TTextFile file;
  if (file.Open(fileName, 1) != kFileGood) {
    preview.Problem = StoryFileMessage(StoryFileKind::Missing, fileName);
    return preview;
  }
  preview.Copyright = file.Copyright;
  if (!file.LongDesc.empty()) {
    preview.Text = file.LongDesc;
  } else {
    std::string line;
    while (preview.Text.size() < kPreviewBytes && file.ReadLine(line) == kFileGood)
      preview.Text += line + "\r\n";
    preview.Text = StoryBodyToAnsi(preview.Text);
  }
  file.Close();
  return preview;
}

std::string StoryCaption(std::string_view fileName) {
  TTextFile file;
  if (file.Open(fileName, 1) != kFileGood) return std::string(fileName);
  std::string caption(fileName);
  if (!file.Description.empty()) caption = file.Description + Str(kStrStoryBy) + file.Author;
  file.Close();
  return caption;
}

}  // namespace tq
