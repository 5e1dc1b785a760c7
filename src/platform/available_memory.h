// How much more memory this process can take before the system refuses it
// or ends the program.
#pragma once

#include <cstdint>

namespace gleaner {

// The smaller of the system's available memory and what is left under the
// process's address-space limit; the largest value when neither is known.
std::uint64_t AvailableMemory();

}  // namespace gleaner
