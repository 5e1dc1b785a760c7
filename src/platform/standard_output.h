// The end of a program that writes to standard output: what it wrote must
// have arrived (a full disk, a closed pipe or /dev/full make the writes
// fail only at the flush), or the caller must hear of it.
#pragma once

namespace gleaner {

// Flushes and closes standard output. When that fails, says so on standard
// error ("program: write error on standard output", with the reason when
// it is known) and returns a
// failing exit status (status itself when it already fails); otherwise
// returns status.
int FinishStandardOutput(const char* program, int status);

}  // namespace gleaner
