#pragma once

// Where a game's events go: its listeners, its own count of the real result, and the note
// of whether anything but an undo or a redo has happened since the last undo. Every part of
// the game reports through the one sink the game lends it.

#include <cstdint>
#include <functional>
#include <type_traits>
#include <utility>
#include <vector>

#include "game/events.h"
#include "game/real_result.h"

namespace vellaro {

class EventSink {
 public:
  // A listener receives every GameEvent synchronously, in order, after the state change it
  // describes. It must not act on the game from inside the call.
  using Listener = std::function<void(const GameEvent&)>;
  using ListenerId = uint64_t;

  ListenerId AddListener(Listener listener, EventMask kinds);
  void RemoveListener(ListenerId id);

  // Whether some listener, or the game's own count of the real result, hears events of
  // kind E: worth building one.
  template <typename E>
  bool Heard() const {
    return ((heard_ | RealResult::kKinds) & EventBit<E>()) != 0;
  }

  template <typename E>
  void Emit(const E& event) {
    // Whatever else changes the game leaves nothing to redo: the game as the undo found it
    // would undo that change too.
    if constexpr (!std::is_same_v<E, SpinUndone> && !std::is_same_v<E, SpinRedone>) {
      unchanged_since_undo_ = false;
    }
    // The game's own count first, so a listener that reads RealCounts() sees it updated.
    if constexpr ((RealResult::kKinds & EventBit<E>()) != 0) real_result_.On(event);
    if ((heard_ & EventBit<E>()) != 0) EmitToListeners(GameEvent{event}, EventBit<E>());
  }

  // The player's real result: shown bets only, from zero, in 64 bits.
  const RealResult::Counts& RealCounts() const { return real_result_.counts(); }

  // An undo has just been made: from now until another event, a redo may bring it back.
  void NoteUndo() { unchanged_since_undo_ = true; }
  bool UnchangedSinceUndo() const { return unchanged_since_undo_; }

 private:
  void EmitToListeners(const GameEvent& event, EventMask kind);

  struct Subscription {
    ListenerId id;
    EventMask kinds;
    Listener listener;
  };
  std::vector<Subscription> listeners_;
  EventMask heard_ = 0;  // the kinds some listener hears
  ListenerId next_listener_ = 1;
  RealResult real_result_;
  bool unchanged_since_undo_ = false;
};

}  // namespace vellaro
