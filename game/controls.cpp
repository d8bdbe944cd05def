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

int32_t SpinEditValue(const SpinEdit& edit) {
  const std::optional<int32_t> typed = ParseSaturatedInt(edit.text);
  return typed ? std::clamp(*typed, edit.min, edit.max) : edit.min;
}

}  // namespace vellaro
