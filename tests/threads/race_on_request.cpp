// With VELLARO_RACE=1 in its environment, two threads add to one count without a lock: a
// data race in this program's own code, which the ThreadSanitizer build must report and let
// fail the test, whatever tests/tsan.supp says about Qt. Without it the second thread
// counts only after the first has joined, and the program passes: a failure of the racing
// run is the report, not a sanitizer that cannot start at all.
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <thread>

namespace {

int unguarded_count = 0;

void CountOnce() {
  ++unguarded_count;
}

}  // namespace

int main() {
  const char* race = std::getenv("VELLARO_RACE");
  const bool racing = race != nullptr && std::strcmp(race, "1") == 0;
  std::thread other(CountOnce);
  if (racing) CountOnce();
  other.join();
  if (!racing) CountOnce();
  std::cout << "counted " << unguarded_count << '\n';
  return unguarded_count == 2 ? EXIT_SUCCESS : EXIT_FAILURE;
}
