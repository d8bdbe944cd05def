#include "env/fault_in.h"

#include <sys/mman.h>

#include <cstdint>

namespace vellaro {

void FaultInAtOnce(void* data, size_t bytes) {
#ifdef MADV_POPULATE_WRITE
  // Whole pages only: the partial ones at either end are shared with other allocations.
  constexpr uintptr_t kPage = 4096;
  const auto address = reinterpret_cast<uintptr_t>(data);
  const uintptr_t begin = (address + kPage - 1) & ~(kPage - 1);
  const uintptr_t end = (address + bytes) & ~(kPage - 1);
  // The first whole page reached from `data`, not made of a number: a pointer made of an
  // integer has no known origin, which the optimiser must assume the worst of.
  char* first = static_cast<char*>(data) + (begin - address);
  if (end > begin) ::madvise(first, end - begin, MADV_POPULATE_WRITE);
#else
  (void)data;
  (void)bytes;
#endif
}

}  // namespace vellaro
