#pragma once

#include <cstdint>

namespace zev {

// The memory this process may still take, in bytes, as far as the system
// tells it: the smallest of the memory the machine has available, what is
// left under the process's address-space and data limits, and what is left
// under the memory limit of its control group. Reading a model checks its
// estimate against this before it allocates, because on a machine that
// promises memory freely, running out ends the program instead of failing an
// allocation.
std::uint64_t AvailableMemory();

}  // namespace zev
