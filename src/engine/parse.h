// The Parse routine, which cuts a piece out of a string between two
// decapsulators (see decapsulator.h), and the commands built on it: Parse,
// FindPosn, Insert and Overlay. The application parts call ParseRoutine
// directly. The routine behaves as Parse unless the internal-call mark is set,
// in which case the command in progress (FindPosn, Insert, Overlay) decides the
// defaults, refuses Cut and Relaxed, and the routine stops once it has the
// start position.
//
//   std::string s = "Name: Smith, John";
//   Parse(s, "Name: ", ",")                       -> "Smith"
//   Parse(s, "Name: ", ",", "Include")            -> "Name: Smith,"
//   Parse(s, "Name: ", ",", "Cut")                -> "Smith", s == " John"
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/decapsulator.h"
#include "foundation/text_model.h"

namespace gleaner {

inline constexpr std::string_view kParseDefaultControl = "Exclude MatchCase";
inline constexpr std::string_view kPlaceDefaultControl = "Include MatchCase";

// What the last call of the routine left behind; overwritten by the next call.
struct TParseState {
  std::int64_t StartPos = 0;  // first character of the result; 0 until computed
  std::int64_t EndPos = 0;    // last character of the result
  std::int64_t ToPos = 0;     // position of the To place
  bool FromNotEmpty = false;  // From named a find string or a position
  bool ToNotEmpty = false;    // To named a find string or a position (and was found)
  bool EmptyResult = false;   // the places touch or overlap: the result is empty
  std::string Letters;        // option letters of the call
};
const TParseState& LastParse();

// The decapsulators and options one call site read on its last call. They
// depend only on the three texts and on whether Parse itself runs, so a
// script line that hands the same texts again skips reading them; different
// texts are read afresh, with the same errors.
// A caller that hands the same texts on every call (literals of a script
// line, say) sets FixedTexts, and the texts are then read once and never
// compared again.
struct TParsePlan {
  bool FixedTexts = false;
  bool Ready = false;
  bool ParseMode = false;
  TextEncoding Model = TextEncoding::kWindows1252;  // the text model the find strings were upper-cased in
  std::string From, To, Control;   // the texts read
  TDecapsulator FromPlace, ToPlace;  // find strings upper-cased under IgnoreCase
  TParseOptions Options;
  // The common case, located by a short route: From and To empty or first
  // find strings, To also the next one after From.
  bool Quick = false;
};

// The routine: result := the text between the From and To places of source;
// with Cut the matched stretch is also removed from source. result must not be
// source itself. plan, when given, is used and kept up to date.
void ParseRoutine(std::string& source, std::string_view from, std::string_view to, std::string& result,
                  std::string_view control, TParsePlan* plan = nullptr);

// The Parse command; an absent To is an empty To.
std::string Parse(std::string& source, std::string_view from,
                  std::optional<std::string_view> to = std::nullopt,
                  std::string_view control = kParseDefaultControl);

// target := the start position that decapsulator names in source, as decimal
// text; "0" when there is none. target may be the same variable as source.
void FindPosn(std::string& target, std::string_view source, std::string_view decapsulator,
              std::string_view control = kPlaceDefaultControl);

// Inserts text into variable at the place decapsulator names; false (variable
// unchanged) when there is no such place or text is empty.
bool Insert(std::string& variable, std::string_view decapsulator, std::string_view text,
            std::string_view control = kPlaceDefaultControl);

// Writes text over variable from the place decapsulator names on, lengthening
// it as needed; false (variable unchanged) when there is no such place or text
// is empty.
bool Overlay(std::string& variable, std::string_view decapsulator, std::string_view text,
             std::string_view control = kPlaceDefaultControl);

}  // namespace gleaner
