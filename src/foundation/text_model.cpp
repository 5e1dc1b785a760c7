// The run-wide text model's current choice.
#include "foundation/text_model.h"

namespace gleaner {

namespace {
TextEncoding currentEncoding = TextEncoding::kWindows1252;
}  // namespace

void SelectTextModel(TextEncoding encoding) { currentEncoding = encoding; }

TextEncoding CurrentTextEncoding() { return currentEncoding; }

}  // namespace gleaner
