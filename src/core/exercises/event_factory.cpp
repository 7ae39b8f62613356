#include "core/exercises/event_factory.h"

namespace tq {

bool IsKnownEventType(std::string_view type) {
  for (const char* known : kKnownEventTypes)
    if (type == known) return true;
  return false;
}

void EventFactory::Register(const std::string& type, EventCreator creator) {
  creators_[type] = std::move(creator);
}

bool EventFactory::Knows(std::string_view type) const {
  return creators_.find(type) != creators_.end();
}

std::unique_ptr<StudyEvent> EventFactory::Create(std::string_view type,
                                                 const std::string& eventLine) const {
  auto it = creators_.find(type);
  if (it == creators_.end() || !it->second) return nullptr;
  return it->second(eventLine);
}

EventFactory& Events() {
  static EventFactory factory;
  return factory;
}

}  // namespace tq
