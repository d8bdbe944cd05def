#include "game/controls.h"

#include <algorithm>

#include "game/text_number.h"

namespace vellaro {

int32_t ReadSpinEdit(SpinEdit& edit) {
  const std::optional<int32_t> typed = ParseSaturatedInt(edit.text);
  if (!typed) {
    edit.text = IntToStr(edit.min);
    return edit.min;
  }
  return std::clamp(*typed, edit.min, edit.max);
}

}  // namespace vellaro
