#include "game/event_sink.h"

#include <algorithm>

namespace vellaro {

EventSink::ListenerId EventSink::AddListener(Listener listener, EventMask kinds) {
  const ListenerId id = next_listener_++;
  listeners_.push_back({id, kinds, std::move(listener)});
  heard_ |= kinds;
  return id;
}

void EventSink::RemoveListener(ListenerId id) {
  std::erase_if(listeners_, [id](const Subscription& s) { return s.id == id; });
  heard_ = 0;
  for (const Subscription& s : listeners_) heard_ |= s.kinds;
}

void EventSink::EmitToListeners(const GameEvent& event, EventMask kind) {
  // By index: a listener may remove itself, though it may not act on the game.
  for (size_t i = 0; i < listeners_.size(); ++i) {  // NOLINT(modernize-loop-convert)
    if ((listeners_[i].kinds & kind) != 0) listeners_[i].listener(event);
  }
}

}  // namespace vellaro
