// Internal to the executor: direct routes for the lines a record script runs
// most -- Parse and OutCSV whose settings are literals -- straight to the
// engine routine with settings kept by the line, past the general command
// dispatch. A route does exactly what the general handler would; a line is
// given one only after a first run through the general path, and a run the
// route cannot take exactly (an OutCSV value lying in the record being
// built) goes the general way.
#pragma once

#include "script/script_line.h"

namespace gleaner {

// Chooses the line's route after a run through the general path.
void ChooseLineRoute(TScriptLine& line);

// Runs a line whose route is Parse or OutCSV; false when this run must take
// the general path instead.
bool RunLineRoute(TScriptLine& line);

}  // namespace gleaner
