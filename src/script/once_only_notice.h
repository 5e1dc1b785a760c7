// Internal to the script layer. The once-only variable warning of a compiled
// script, shown once per compilation of a changed script: the Config run and
// the Start after it compile the same file, and a warning seen twice for one
// run teaches the user to dismiss it unread. The same file with the same time
// stamp and the same warning is not shown again; an edited script is.
#pragma once

#include <string>

#include "script/compiled_script.h"

namespace gleaner {

// fileName: the compiled file's full name.
void NoticeOnceOnlyVariables(const TCompiledScript& script, const std::string& fileName);

}  // namespace gleaner
