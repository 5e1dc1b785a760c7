// Fuzz target for decapsulators and the Parse routine: arbitrary bytes as the
// source, the decapsulators, the text and the control setting of Parse,
// FindPosn, Insert and Overlay. Engine errors are expected; anything else
// (a crash, an out-of-bounds read, a result that is not part of the source, a
// Cut that removes more than one stretch) is a finding.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/gleaner_engine.h"

namespace {

using gleaner::Eng;

// The next field of the input, up to a NUL byte.
std::string_view NextField(std::string_view& rest) {
  const std::size_t end = rest.find('\0');
  const std::string_view field = rest.substr(0, end);
  rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
  return field;
}

// after must be before with one contiguous stretch removed.
void CheckOneStretchCut(const std::string& before, const std::string& after) {
  if (after.size() > before.size()) __builtin_trap();
  std::size_t prefix = 0;
  while (prefix < after.size() && before[prefix] == after[prefix]) ++prefix;
  std::size_t suffix = 0;
  while (suffix < after.size() && before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
    ++suffix;
  if (prefix + suffix < after.size()) __builtin_trap();
}

void RunParse(std::string_view source, std::string_view from, std::string_view to, std::string_view control) {
  std::string variable(source);
  const std::string result = gleaner::Parse(variable, from, to, control);
  if (!result.empty() && source.find(result) == std::string_view::npos) __builtin_trap();
  CheckOneStretchCut(std::string(source), variable);
}

void RunPlacing(int op, std::string_view source, std::string_view decapsulator, std::string_view text,
                std::string_view control) {
  std::string variable(source);
  if (op == 1) {
    gleaner::FindPosn(variable, source, decapsulator, control);
    return;
  }
  const bool done = op == 2 ? gleaner::Insert(variable, decapsulator, text, control)
                            : gleaner::Overlay(variable, decapsulator, text, control);
  if (!done && variable != source) __builtin_trap();
  if (done && variable.find(text) == std::string::npos) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const int op = data[0] % 4;
  std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
  const std::string_view source = NextField(rest);
  const std::string_view from = NextField(rest);
  const std::string_view to = NextField(rest);
  const std::string_view control = NextField(rest);
  Eng().InternalCall = false;
  bool failed = false;
  try {
    if (op == 0) {
      RunParse(source, from, to, control);
    } else {
      RunPlacing(op, source, from, to, control);
    }
  } catch (const gleaner::EParse&) {
    failed = true;
  }
  // The mark is cleared after every call that did not fail.
  if (!failed && Eng().InternalCall) __builtin_trap();
  return 0;
}
