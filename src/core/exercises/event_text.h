#pragma once
// Where an event's text comes from. Field 3 of an event line names the
// source, matched by its prefix ignoring case:
//   "NIL"          no text
//   "FILE:" name   the whole body of that text data file
//   "RES:" ...     no text is loaded
//   "EFFIC:" ...   the whole body of "Effic.kls"
//   "ASK:" mask    the student picks a story on the story selection page
//   anything else  the source itself is the text

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tq {

class TUser;

constexpr const char* kEfficiencyTextFile = "Effic.kls";

// Story selection page results.
constexpr int kStoryNew = 1;       // a new story was chosen
constexpr int kStoryContinue = 2;  // go on with the current story
constexpr int kStoryBack = 3;
// Load result of a "FILE:" or "EFFIC:" text that is missing or unreadable:
// the page does not run and the exercise is not credited.
constexpr int kTextMissing = 5;

// What the story selection page returns: its result and, for a new story,
// the chosen file.
struct StorySelection {
  int result = 0;
  std::string file;
};
// Runs the story selection page with a file mask ("*.exm"), the user's own
// story folder and the student's current story.
using StorySelector = std::function<StorySelection(
    const std::string& mask, const std::string& userFolder, const std::string& currentStory)>;

// The text side of an event.
struct EventText {
  std::optional<std::string> Text;
  bool TextChosen = false;  // the text came from the story selection page
  // Where a continued story resumes; none for a fresh text.
  std::optional<int32_t> StoryPosition;
};

// Loads the text named by `source` into `text` and returns the load result:
// 1 (or 2 for a continued story) when the page may run, the story selection
// page's other results as they are. A missing "FILE:" or "EFFIC:" file is
// reported (-501), leaves no text and returns kTextMissing; a story file that does not open leaves
// no text and no message. The student's StoryText is set for a new story.
int LoadText(std::string_view source, EventText& text, TUser& student,
             const StorySelector& selectStory);

}  // namespace tq
