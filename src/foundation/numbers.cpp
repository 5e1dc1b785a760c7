// Strict decimal integer reading.
#include "foundation/numbers.h"

#include <charconv>
#include <limits>

namespace gleaner {

bool TryParseInt64(std::string_view text, std::int64_t& value) {
  // from_chars takes a leading "-" but no "+"; digits must follow either sign.
  const bool plus = !text.empty() && text.front() == '+';
  if (plus) text.remove_prefix(1);
  const std::string_view digits = (!plus && !text.empty() && text.front() == '-') ? text.substr(1) : text;
  if (digits.empty() || digits.front() < '0' || digits.front() > '9') return false;
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, value);
  return ec == std::errc() && ptr == end;
}

bool TryParseInt32(std::string_view text, std::int32_t& value) {
  std::int64_t wide = 0;
  if (!TryParseInt64(text, wide)) return false;
  if (wide < std::numeric_limits<std::int32_t>::min() || wide > std::numeric_limits<std::int32_t>::max()) {
    return false;
  }
  value = static_cast<std::int32_t>(wide);
  return true;
}

}  // namespace gleaner
