#include "gui/exercises/event_registry.h"

#include <memory>
#include <string>

#include "core/exercises/event_factory.h"
#include "gui/exercises/event_views.h"
#include "gui/exercises/keyboard_events.h"
#include "gui/exercises/text_events.h"
#include "gui/games/game_registry.h"
#include "gui/storage/event_page_stg.h"

namespace tq {
namespace {

template <class E>
EventCreator Creator() {
  return [](const std::string& line) -> std::unique_ptr<StudyEvent> {
    return std::make_unique<E>(line);
  };
}

}  // namespace

void RegisterEventPages() {
  CreateEventPageStg();
  EventFactory& events = Events();
  events.Register("MESSAGE", Creator<TMessageEvent>());
  events.Register("TEXT", Creator<TTextEvent>());
  events.Register("EXAM", Creator<TExamEvent>());
  events.Register("SENTENCE", Creator<TSentenceEvent>());
  events.Register("PARAGRAPH", Creator<TParagraphEvent>());
  events.Register("WORD", Creator<TWordEvent>());
  events.Register("NEWKEYS", Creator<TNewKeysEvent>());
  events.Register("KEYBOARD", Creator<TKeyboardEvent>());
  RegisterGamePages();
}

void UnregisterEventPages() {
  // Other parts' event types stay registered.
  for (const char* type : kEventPageTypes) Events().Register(type, EventCreator());
  UnregisterGamePages();
  DestroyEventPageStg();
}

}  // namespace tq
