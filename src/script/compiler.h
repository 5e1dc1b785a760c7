// The script compiler: reads a script file once and turns it into linked
// compiled lines. Pass 1 reads statements (joining ">>" continuations),
// compiles each and matches blocks; pass 2 resolves Call, Break and Continue.
// Every check that needs no data is made here. Errors are engine errors of
// kind 16 ("Could not compile script") with the line and statement in front;
// the partial compilation is freed before they are raised.
#pragma once

#include <string>

#include "script/compiled_script.h"

namespace gleaner {

// The compilation in force (one per program; the compiler is not re-entrant).
TCompiledScript& CompiledScript();

// Compiles fileName (a full path) into CompiledScript(), replacing what was there.
void CompileScript(const std::string& fileName);

// Releases the compiled script: lines, parameters and value objects.
void FreeCompiledScript();

// The text of the once-only variable warning, or empty when every variable
// occurs more than once.
std::string OnceOnlyWarning(const TCompiledScript& script);

}  // namespace gleaner
