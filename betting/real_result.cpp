#include "betting/real_result.h"

#include <variant>

namespace vellaro {

void RealResult::On(const GameEvent& event) {
  std::visit([this](const auto& e) { On(e); }, event);
}

}  // namespace vellaro
