// Story texts: the story page's list entry and preview of a file, and the
// text a story event loads from it (checked, read and made 1252).
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/exercises/event_text.h"
#include "core/exercises/story_list.h"
#include "core/records/user.h"
#include "fuzz_support.h"

TQ_FUZZ_TARGET(story) {
  const std::string path = tq::fuzz::HoldInput("input.txt", data, size);
  tq::ReadStoryPreview(path);
  tq::StoryCaption(path);
  tq::TUser student("VISITOR", true);
  tq::EventText text;
  tq::LoadText("ASK:*.exm", text, student,
               [&](const std::string&, const std::string&, const std::string&) {
                 return tq::StorySelection{tq::kStoryNew, path};
               });
  return 0;
}
