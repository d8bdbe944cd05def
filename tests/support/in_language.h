#pragma once

#include <string_view>

#include "text/translate.h"

namespace vellaro {

// The texts of a test's scope in another language; English again after it, as every other
// test expects.
class InLanguage {
 public:
  explicit InLanguage(std::string_view language) { SetLanguage(language); }
  ~InLanguage() { SetLanguage("en"); }
  InLanguage(const InLanguage&) = delete;
  InLanguage& operator=(const InLanguage&) = delete;
};

}  // namespace vellaro
