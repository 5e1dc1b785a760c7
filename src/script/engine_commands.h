// Internal to the executor: the table of engine commands, each handing its
// parameters to the engine operation of the same name.
#pragma once

#include "script/script_line.h"

namespace gleaner {

// Runs an engine command; false when code is not an engine command.
bool DispatchEngineCommand(TScriptLine& line);

}  // namespace gleaner
