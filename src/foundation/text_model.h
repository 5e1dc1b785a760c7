// The run-wide text model: which encoding the data of a run is in. It is
// chosen once when the engine opens a run and asked by every operation on
// data (case mapping, case-blind comparison, character length and stepping);
// option words, command names, keywords and file names keep their own rules.
#pragma once

namespace gleaner {

enum class TextEncoding {
  kWindows1252,  // one byte a character, the code page's case tables
  kUtf8,         // characters of one to four bytes; invalid bytes count as one
};

// Sets the model every operation on data uses until the next call.
void SelectTextModel(TextEncoding encoding);
TextEncoding CurrentTextEncoding();

}  // namespace gleaner
