#include "env/fault_in.h"

#include <sys/mman.h>

#include <cstdint>

namespace vellaro {

void FaultInAtOnce(void* data, size_t bytes) {
#ifdef MADV_POPULATE_WRITE
  // Whole pages only: the partial ones at either end are shared with other allocations.
  constexpr uintptr_t kPage = 4096;
  const uintptr_t begin = (reinterpret_cast<uintptr_t>(data) + kPage - 1) & ~(kPage - 1);
  const uintptr_t end = (reinterpret_cast<uintptr_t>(data) + bytes) & ~(kPage - 1);
  if (end > begin) ::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_POPULATE_WRITE);
#else
  (void)data;
  (void)bytes;
#endif
}

}  // namespace vellaro
