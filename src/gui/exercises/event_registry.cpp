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

void RegisterEventPages() {
  CreateEventPageStg();
  EventFactory& events = Events();
  events.Register("MESSAGE", CreatorOf<TMessageEvent>());
  events.Register("TEXT", CreatorOf<TTextEvent>());
  events.Register("EXAM", CreatorOf<TExamEvent>());
  events.Register("SENTENCE", CreatorOf<TSentenceEvent>());
  events.Register("PARAGRAPH", CreatorOf<TParagraphEvent>());
  events.Register("WORD", CreatorOf<TWordEvent>());
  events.Register("NEWKEYS", CreatorOf<TNewKeysEvent>());
  events.Register("KEYBOARD", CreatorOf<TKeyboardEvent>());
  RegisterGamePages();
}

void UnregisterEventPages() {
  // Other parts' event types stay registered.
  for (const char* type : kEventPageTypes) Events().Register(type, EventCreator());
  UnregisterGamePages();
  DestroyEventPageStg();
}

}  // namespace tq
