#pragma once

#include <stdexcept>

namespace vellaro {

// An error that escapes an operation and is shown to the player in the standard error
// box, with its message. The game goes on with the state reached.
class GameError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace vellaro
