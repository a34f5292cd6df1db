#include "platform/ui/event.h"

#include <algorithm>

namespace platform::ui {

struct EventHandlerRef::Entry {
  std::vector<EventTypeSpec> types;
  EventHandlerProc handler;
  bool handles(const Event& e) const {
    return std::any_of(types.begin(), types.end(),
                       [&](const EventTypeSpec& t) { return t.eventClass == e.eventClass && t.kind == e.kind; });
  }
};

EventHandlerRef& EventHandlerRef::operator=(EventHandlerRef&& other) noexcept {
  if (this != &other) {
    remove();
    chain_ = std::move(other.chain_);
    entry_ = std::move(other.entry_);
  }
  return *this;
}

void EventHandlerRef::remove() {
  if (auto chain = chain_.lock()) {
    auto it = std::find(chain->begin(), chain->end(), entry_);
    if (it != chain->end()) chain->erase(it);
  }
  chain_.reset();
  entry_.reset();
}

bool EventHandlerRef::installed() const {
  auto chain = chain_.lock();
  return chain && std::find(chain->begin(), chain->end(), entry_) != chain->end();
}

EventHandlerRef EventTarget::installHandler(std::vector<EventTypeSpec> types, EventHandlerProc handler) {
  auto entry = std::make_shared<EventHandlerRef::Entry>(EventHandlerRef::Entry{std::move(types), std::move(handler)});
  chain_->push_back(entry);
  return EventHandlerRef(chain_, entry);
}

OSStatus EventTarget::callHandlers(Event& event) {
  // A snapshot: a handler may install or remove handlers (its own included) while it runs.
  const EventHandlerRef::Chain snapshot = *chain_;
  for (auto it = snapshot.rbegin(); it != snapshot.rend(); ++it) {
    if (!(*it)->handles(event)) continue;
    OSStatus status = (*it)->handler(event);
    if (status != eventNotHandledErr) return status;
  }
  return eventNotHandledErr;
}

OSStatus SendEventToEventTarget(Event& event, EventTarget* target) {
  for (EventTarget* t = target; t != nullptr; t = t->nextTarget()) {
    OSStatus status = t->callHandlers(event);
    if (status != eventNotHandledErr) return status;
  }
  return eventNotHandledErr;
}

}  // namespace platform::ui
