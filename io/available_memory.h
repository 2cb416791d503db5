#pragma once

#include <cstdint>
#include <string>

namespace zev {

// The memory this process may still take, in bytes, as far as the system
// tells it: the smallest of the memory the machine has available, what is
// left under the process's address-space and data limits, and what is left
// under the memory limit of its control group. Reading a model checks its
// estimate against this before it allocates, because on a machine that
// promises memory freely, running out ends the program instead of failing an
// allocation.
std::uint64_t AvailableMemory();

// Whether `count` alternatives, each `copies` times (a reader that builds
// the model twice), fit into the memory available. When they do not,
// `shortfall` ends a sentence with what they need and what there is:
// "90000 alternatives need about 2300 MB of memory, and 512 MB are
// available."
bool AlternativesFitInMemory(std::uint64_t count, std::string& shortfall, unsigned copies = 1);

}  // namespace zev
