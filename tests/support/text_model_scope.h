// Runs a test under a chosen text model and restores the Windows-1252 model
// every other test expects.
#pragma once

#include "foundation/text_model.h"

namespace gleaner {

class TTextModelScope {
 public:
  explicit TTextModelScope(TextEncoding encoding) { SelectTextModel(encoding); }
  ~TTextModelScope() { SelectTextModel(TextEncoding::kWindows1252); }
  TTextModelScope(const TTextModelScope&) = delete;
  TTextModelScope& operator=(const TTextModelScope&) = delete;
};

}  // namespace gleaner
