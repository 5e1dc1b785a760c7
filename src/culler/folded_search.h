// Case-blind search for one term of a keep or delete list, without an
// upper-cased copy of the line: the term (already upper-cased) is found where
// every byte of the line, upper-cased by the code page, equals the term's. In
// a UTF-8 run a term beyond ASCII is compared character by character.
// Where SSE2 is there, 16 places are tried at once on the term's first and
// last bytes, and only the places where both fit are compared in full.
//
//   TFoldedTerm term("MOOSE");
//   term.In("a Moose here")  -> true
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace gleaner {

class TFoldedTerm {
 public:
  // upperTerm is not empty and already upper-cased.
  explicit TFoldedTerm(std::string upperTerm);

  // Whether the line, upper-cased by the text model the term was built under, holds the term.
  bool In(std::string_view line) const;
  const std::string& Text() const { return term_; }

 private:
  // One byte of the term as the wide test sees it: a line byte b may be an
  // upper-case form of it only when (b | Mask) == Value.
  struct TAnchor {
    std::uint8_t Mask = 0;
    std::uint8_t Value = 0;
  };
  static bool AnchorFor(char upper, TAnchor& anchor);
  bool MatchesAt(const char* at) const;
  bool ScanFrom(std::string_view line, std::size_t from) const;
  std::size_t WideScan(std::string_view line, bool& found) const;

  std::string term_;
  const std::array<std::uint8_t, 256>* table_;  // upper case of each byte, of the model built under
  bool chars_;          // a UTF-8 term beyond ASCII: places are compared character by character
  bool wide_ = false;  // both anchors admit the wide test
  TAnchor first_, last_;
};

}  // namespace gleaner
