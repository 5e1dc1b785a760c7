// Available memory from /proc/meminfo (MemAvailable) and the address-space
// limit less the address space in use (/proc/self/statm).
#include "platform/available_memory.h"

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <limits>
#include <string>

namespace gleaner {
namespace {

constexpr std::uint64_t kUnknown = std::numeric_limits<std::uint64_t>::max();

std::uint64_t SystemAvailable() {
  std::ifstream meminfo("/proc/meminfo");
  std::string label;
  std::uint64_t kilobytes = 0;
  std::string unit;
  while (meminfo >> label >> kilobytes >> unit) {
    if (label == "MemAvailable:") return kilobytes * 1024;
  }
  return kUnknown;
}

std::uint64_t LeftUnderLimit() {
  rlimit limit{};
  if (::getrlimit(RLIMIT_AS, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) return kUnknown;
  std::ifstream statm("/proc/self/statm");
  std::uint64_t pages = 0;
  if (!(statm >> pages)) return kUnknown;
  const std::uint64_t used = pages * static_cast<std::uint64_t>(::sysconf(_SC_PAGESIZE));
  return limit.rlim_cur > used ? limit.rlim_cur - used : 0;
}

}  // namespace

std::uint64_t AvailableMemory() { return std::min(SystemAvailable(), LeftUnderLimit()); }

}  // namespace gleaner
