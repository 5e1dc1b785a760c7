// Lookup files: the registry of loaded lookup files, owned by the engine
// between OpenEngine and CloseEngine.
#pragma once

namespace gleaner {

// Frees every loaded lookup file; the registry becomes absent.
void FreeLookupFiles();

}  // namespace gleaner
