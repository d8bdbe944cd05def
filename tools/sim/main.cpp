#include <unistd.h>

#include <chrono>
#include <csignal>
#include <exception>
#include <iostream>
#include <random>
#include <string_view>
#include <thread>
#include <vector>

#include "text/translate.h"
#include "tools/sim/app.h"

int main(int argc, char** argv) {
  // A file-size limit (ulimit -f) is a full disk: the write fails and is reported, where the
  // signal would end the program at once and leave its temporary file behind.
  std::signal(SIGXFSZ, SIG_IGN);
  std::ios::sync_with_stdio(false);
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  // Before any text is made: the help, a usage error and a failure all speak it.
  vellaro::SetLanguage(vellaro::ChosenLanguage(args, vellaro::ProcessLanguageEnvironment()));
  const auto now = std::chrono::system_clock::now().time_since_epoch();

  vellaro::sim::Host host;
  host.now_s = static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::seconds>(now).count());
  host.draw_seed = [] {
    std::random_device device;
    return (uint64_t{device()} << 32) ^ device();
  };
  host.err_is_terminal = isatty(STDERR_FILENO) == 1;
  host.steady_ns = [] {
    return static_cast<int64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(
                                    std::chrono::steady_clock::now().time_since_epoch())
                                    .count());
  };
  host.cores = std::max(1u, std::thread::hardware_concurrency());
  try {
    return vellaro::sim::RunSim(args, std::cin, std::cout, std::cerr, host);
  } catch (const std::exception& e) {
    // Only a broken engine gets here; say so rather than abort without a word.
    std::cerr << "vellaro-sim: " << e.what() << '\n';
    return vellaro::sim::kExitFailed;
  }
}
