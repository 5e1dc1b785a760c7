// Environment variables as the programs read them.
#pragma once

#include <string>

namespace gleaner {

// The value of the variable `name`; "" when it is not set, as a variable set
// to nothing counts as not set everywhere it is read.
std::string EnvironmentValue(const char* name);

}  // namespace gleaner
