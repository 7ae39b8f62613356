#include "gui/games/game_registry.h"

#include <memory>
#include <string>

#include "core/exercises/event_factory.h"
#include "gui/games/game_events.h"

namespace tq {

void RegisterGamePages() {
  EventFactory& events = Events();
  events.Register("WORDTRIS", CreatorOf<TWTrisEvent>());
  events.Register("BUBBLES", CreatorOf<TBubbles>());
  events.Register("CLOUDS", CreatorOf<TCloudGame>());
}

void UnregisterGamePages() {
  for (const char* type : kGamePageTypes) Events().Register(type, EventCreator());
}

}  // namespace tq
