#pragma once
// The list of the story selection page: the course's stories (a mask of
// the program directory, "*.exm") and, when a folder is given, the
// student's own texts ("*.txt") in it. Each entry is two columns separated
// by ";": the author and ":" and the title from the file's "$author" and
// "$description" headers, or "[User file]" and the name for a file without
// a description.

#include <string>
#include <string_view>
#include <vector>

namespace tq {

struct StoryEntry {
  std::string FileName;  // as the text event opens it
  std::string Text;      // "column 1;column 2"
};

struct StoryList {
  std::vector<StoryEntry> Entries;
  // 0 when every file opened, otherwise the open state of the last that failed.
  int Status = 0;
};

// `userFolder` is empty or ends with a separator.
StoryList BuildStoryList(std::string_view mask, std::string_view userFolder);

// What the page shows of a story: its copyright line and the start of its
// text ("$longdesc" when the file has one), or why it cannot be typed.
struct StoryPreview {
  std::string Copyright;
  std::string Text;
  std::string Problem;  // empty for a story that can be typed
};
StoryPreview ReadStoryPreview(std::string_view fileName);

// The header description of a story for the "continue" line: "Title by
// Author", or the file name when the file has no description.
std::string StoryCaption(std::string_view fileName);

}  // namespace tq
