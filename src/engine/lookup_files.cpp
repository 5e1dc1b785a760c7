// Lookup file registry.
#include "engine/lookup_files.h"

namespace gleaner {

void FreeLookupFiles() {}

}  // namespace gleaner
