// Internal to the script layer; callers use script/gleaner_script.h.
// A compile-time message raised by the lexer or the statement compiler. The
// compiler catches it, frees the partial compilation and raises the engine's
// compilation error with the line number and statement text in front.
#pragma once

#include <stdexcept>
#include <string>

namespace gleaner {

class ECompileMessage : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

[[noreturn]] inline void CompileFail(const std::string& message) { throw ECompileMessage(message); }

}  // namespace gleaner
