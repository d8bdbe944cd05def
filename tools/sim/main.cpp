#include <chrono>
#include <exception>
#include <iostream>
#include <string_view>
#include <vector>

#include "tools/sim/app.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  const auto now_s =
      static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::seconds>(now).count());
  try {
    return vellaro::sim::RunSim(args, std::cin, std::cout, std::cerr, now_s);
  } catch (const std::exception& e) {
    // Only a broken engine gets here; say so rather than abort without a word.
    std::cerr << "vellaro-sim: " << e.what() << '\n';
    return vellaro::sim::kExitFailed;
  }
}
