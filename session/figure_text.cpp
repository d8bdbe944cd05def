#include "session/figure_text.h"

#include <cstdio>

#include "text/translate.h"

namespace vellaro {

std::string LocalCount(int64_t count) {
  return LocalNumber(IntToStr(count));
}

std::string PValueText(double p) {
  if (p < 0.001) return "p < " + LocalNumber("0.001");
  char text[32];
  std::snprintf(text, sizeof text, "%.3f", p);
  return "p = " + LocalNumber(text);
}

}  // namespace vellaro
