// Strict decimal integer reading shared by every layer: an optional sign and
// one or more digits, nothing else (no blanks), within the target's range.
#pragma once

#include <cstdint>
#include <string_view>

namespace gleaner {

bool TryParseInt64(std::string_view text, std::int64_t& value);
bool TryParseInt32(std::string_view text, std::int32_t& value);

}  // namespace gleaner
