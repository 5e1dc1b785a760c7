// Puts the engine state and the program information fields a run leaves
// behind back as a freshly started program has them, so each test of a
// whole run starts clean.
#pragma once

namespace gleaner::testing {

void ResetEngineForTest();

}  // namespace gleaner::testing
