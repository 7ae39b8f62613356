#include "gui/games/game_registry.h"

#include <memory>
#include <string>

#include "core/exercises/event_factory.h"
#include "gui/games/game_events.h"

namespace tq {
namespace {

template <class E>
EventCreator Creator() {
  return [](const std::string& line) -> std::unique_ptr<StudyEvent> {
    return std::make_unique<E>(line);
  };
}

}  // namespace

void RegisterGamePages() {
  EventFactory& events = Events();
  events.Register("WORDTRIS", Creator<TWTrisEvent>());
  events.Register("BUBBLES", Creator<TBubbles>());
  events.Register("CLOUDS", Creator<TCloudGame>());
}

void UnregisterGamePages() {
  for (const char* type : kGamePageTypes) Events().Register(type, EventCreator());
}

}  // namespace tq
