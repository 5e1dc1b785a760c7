// The Controls setting of the culling run: a row of two-letter codes such as
// "/KM/DR/NS" that switch on case matching (KM, DM) and patterns (KR, DR) for
// the keep and delete lists, choose the file headers (FS, FY) and the
// treatment of null lines (NI, NK, NS). DI, KI and FN name the defaults.
#pragma once

#include <string>
#include <string_view>

namespace gleaner {

struct TCullControls {
  bool KeepMatchCase = false;
  bool KeepRegExp = false;
  bool DeleteMatchCase = false;
  bool DeleteRegExp = false;
  char NullMode = 'I';      // I ignored, K kept, S squeezed (one for a run of null lines)
  char FileNameMode = 'N';  // N no header, Y "File: " line, S that line between separators
  std::string Normalised;   // the setting as checked: blanks removed, upper case, one delimiter per run
};

// Reads a Controls setting; empty (or the not-used marker) gives the
// defaults. A faulty setting stops the run with a message saying why.
// Example: ReadControls("nk/ns") gives NullMode 'S' (a later code wins).
TCullControls ReadControls(std::string_view setting);

}  // namespace gleaner
