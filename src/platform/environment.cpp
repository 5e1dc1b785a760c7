// Environment variables as the programs read them.
#include "platform/environment.h"

#include <cstdlib>

namespace gleaner {

std::string EnvironmentValue(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

}  // namespace gleaner
