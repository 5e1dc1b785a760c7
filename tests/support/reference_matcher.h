// A deliberately naive matcher for the engine's pattern language, used only
// to check the real compiler and matcher on generated inputs. It reads the
// pattern text itself (no compiled program) and backtracks by plain recursion,
// exactly in the order the language defines, so keep its inputs short.
#pragma once

#include <cstdint>
#include <string_view>

#include "engine/pattern_matcher.h"

namespace gleaner::testing {

TPatternMatch ReferenceSearch(std::string_view pattern, std::string_view subject, std::int64_t start,
                              bool exactCase);

// Search from start, start + 1, ... while it finds something; the last find.
TPatternMatch ReferenceSearchLast(std::string_view pattern, std::string_view subject, std::int64_t start,
                                  bool exactCase);

}  // namespace gleaner::testing
