// Fuzzes the system file's parser: whatever the bytes, it returns exactly one of a system
// and an error; an error names a line of the text (or 0, the file as a whole); a system
// keeps the text it was read from, and that text read again gives the same system.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "betting/system_file.h"

namespace {

int Lines(std::string_view text) {
  int lines = 1;
  for (const char c : text) lines += c == '\n';
  return lines;
}

bool WithinBounds(const vellaro::SystemDefinition& d) {
  using vellaro::kMaxSystemUnits;
  const bool listed =
      d.kind == vellaro::SystemKind::kSequence || d.kind == vellaro::SystemKind::kLabouchere;
  return !d.name.empty() && d.name.size() <= vellaro::kMaxSystemNameBytes &&
         listed == !d.sequence.empty() && d.floor >= 1 && d.start >= d.floor &&
         (d.cap == 0 || (d.cap >= d.floor && d.start <= d.cap)) && d.cap <= kMaxSystemUnits &&
         d.start <= 2 * kMaxSystemUnits;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const vellaro::SystemFileResult result = vellaro::ParseSystemFile(text);
  if (result.system.has_value() == result.error.has_value()) std::abort();
  if (result.error) {
    if (result.error->message.empty() || result.error->line < 0 ||
        result.error->line > Lines(text)) {
      std::abort();
    }
    return 0;
  }
  if (result.system->text != text || !WithinBounds(result.system->rules)) std::abort();
  const vellaro::SystemFileResult again = vellaro::ParseSystemFile(result.system->text);
  if (!again.system || again.system->rules != result.system->rules) std::abort();
  return 0;
}
