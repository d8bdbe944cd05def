#include "game/types.h"

namespace vellaro {

std::string_view ChanceDisplayName(int index) {
  return Tr(kChanceNames[static_cast<size_t>(index)].data());
}

std::string_view LimitName(LimitKind limit) {
  return Tr(kLimitNames[static_cast<size_t>(limit)].data());
}

}  // namespace vellaro
