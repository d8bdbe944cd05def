#pragma once

#include <cstddef>

namespace vellaro {

// Asks the kernel for all the pages of a fresh buffer at once, before it is filled. Filled
// in order, a buffer of megabytes takes a page fault every 4 KiB, and on a virtual machine
// those faults cost more than the filling itself. Only a hint: a kernel without
// MADV_POPULATE_WRITE (before 5.14) refuses it, and the pages then come one by one as before.
void FaultInAtOnce(void* data, size_t bytes);

}  // namespace vellaro
