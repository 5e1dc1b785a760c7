// The Parse routine and the commands built on it. The routine works in two
// stages: Locate reads the decapsulators and the control setting and computes
// the start and end positions (all that FindPosn, Insert and Overlay need);
// Parse then checks the range, takes the result and, with Cut, removes the
// matched stretch from the source as its very last step, so an error never
// leaves the source half changed.
#include "engine/parse.h"

#include <algorithm>

#include "engine/decapsulator.h"
#include "engine/engine_errors.h"
#include "engine/engine_state.h"
#include "engine/find_text.h"
#include "foundation/text_model.h"

namespace gleaner {
namespace {

TParseState gState;

// Storage reused from call to call, so that a Parse per record does not allocate.
// The decapsulators and options in use are those read into Read, or a plan's.
struct TParseWork {
  TParsePlan Read;
  const TDecapsulator* From = &Read.FromPlace;
  const TDecapsulator* To = &Read.ToPlace;
  const TParseOptions* Options = &Read.Options;
  std::string Upper;         // the source upper-cased, under IgnoreCase
  std::int64_t FromPos = 0;  // position of the From place
};
TParseWork gWork;

void ResetState() {
  gState.StartPos = 0;
  gState.EndPos = 0;
  gState.ToPos = 0;
  gState.FromNotEmpty = false;
  gState.ToNotEmpty = false;
  gState.EmptyResult = false;
  gWork.FromPos = 0;
  // A plan of an earlier call may be gone (its script freed): never left in use.
  gWork.From = &gWork.Read.FromPlace;
  gWork.To = &gWork.Read.ToPlace;
  gWork.Options = &gWork.Read.Options;
}

std::int64_t Length(std::string_view text) { return static_cast<std::int64_t>(text.size()); }

// The text the places are searched in: the source itself, or under IgnoreCase
// an upper-cased copy (same length, so positions carry over to the source).
std::string_view SearchText(std::string_view source) {
  if (!gWork.Options->IgnoreCase) return source;
  gWork.Upper.assign(source);
  TextUpperInPlace(gWork.Upper);
  return gWork.Upper;
}

bool PlanFits(const TParsePlan& plan, const TParseCall& call, bool parseMode) {
  if (!plan.Ready || plan.ParseMode != parseMode || plan.Model != CurrentTextEncoding()) return false;
  return plan.FixedTexts || (plan.From == call.From && plan.To == call.To && plan.Control == call.Control);
}

// Reads the call's decapsulators and control setting into read, find
// strings upper-cased under IgnoreCase.
void ReadCall(const TParseCall& call, bool parseMode, TParsePlan& read) {
  ReadDecapsulator(call.From, DecapSide::From, call, read.FromPlace);
  ReadDecapsulator(call.To, DecapSide::To, call, read.ToPlace);
  ReadControlSetting(call.Control, parseMode, call, read.Options);
  if (read.Options.IgnoreCase) {
    if (!read.FromPlace.Positional) TextUpperInPlace(read.FromPlace.FindString);
    if (!read.ToPlace.Positional) TextUpperInPlace(read.ToPlace.FindString);
  }
}

// Find strings looked for from the start of the source (or, for To, from
// the end of the From match): no positions, no last or m-th occurrences.
bool QuickPlan(const TParsePlan& plan) {
  const TDecapsulator& from = plan.FromPlace;
  const TDecapsulator& to = plan.ToPlace;
  const bool fromFirst = from.FindString.empty() || from.Number == 1;
  const bool toFirstOrNext = to.FindString.empty() || to.Number == 1 || (to.NextOccurrence && to.Number == 0);
  return !from.Positional && !to.Positional && fromFirst && toFirstOrNext;
}

// Makes the plan fit the call; a reading that fails leaves it unready.
void UpdatePlan(const TParseCall& call, bool parseMode, TParsePlan& plan) {
  if (PlanFits(plan, call, parseMode)) return;
  plan.Ready = false;
  ReadCall(call, parseMode, plan);
  plan.ParseMode = parseMode;
  plan.Model = CurrentTextEncoding();
  plan.From.assign(call.From);
  plan.To.assign(call.To);
  plan.Control.assign(call.Control);
  plan.Quick = QuickPlan(plan);
  plan.Ready = true;
}

// Points the work at the plan, or at settings read for this call alone.
void UseSettings(const TParseCall& call, bool parseMode, TParsePlan* plan) {
  if (plan != nullptr) {
    UpdatePlan(call, parseMode, *plan);
  } else {
    ReadCall(call, parseMode, gWork.Read);
  }
  const TParsePlan& use = plan != nullptr ? *plan : gWork.Read;
  gWork.From = &use.FromPlace;
  gWork.To = &use.ToPlace;
  gWork.Options = &use.Options;
}

// To counts as a find string only when it was found; a To forgiven under
// Relaxed counts as empty, so the result runs to the end of the source.
bool ToIsFindString() { return gState.ToNotEmpty && !gWork.To->Positional; }

// Exclude: the find strings touch or overlap, so nothing lies between them.
bool NothingBetween() {
  const TParseState& s = gState;
  // A positional To of 1 is a real last character, not a find string starting the source.
  if (!s.FromNotEmpty) return ToIsFindString() && s.ToPos == 1;
  if (!s.ToNotEmpty) return s.StartPos - 1 == s.ToPos;
  return s.ToPos >= gWork.FromPos && s.StartPos - 1 >= s.EndPos;
}

void SetRange() {
  const std::int64_t toLength = ToIsFindString() ? Length(gWork.To->FindString) : 0;
  if (gWork.Options->Include) {
    gState.StartPos = gWork.FromPos;
    gState.EndPos = ToIsFindString() ? gState.ToPos + toLength - 1 : gState.ToPos;
    return;
  }
  if (!gState.FromNotEmpty) {
    gState.StartPos = 1;
  } else {
    gState.StartPos = gWork.From->Positional ? gWork.FromPos : gWork.FromPos + Length(gWork.From->FindString);
  }
  gState.EndPos = ToIsFindString() ? gState.ToPos - 1 : gState.ToPos;
  gState.EmptyResult = NothingBetween();
}

// FindPlace for a quick plan's decapsulator (a next search that starts past
// the end finds nothing, as FindText does).
std::int64_t QuickPlace(const TDecapsulator& d, std::string_view source, std::int64_t defaultPlace,
                        std::int64_t nextStart) {
  if (d.FindString.empty()) return defaultPlace;
  const std::size_t from = d.Number == 1 ? 0 : static_cast<std::size_t>(nextStart - 1);
  const std::size_t at = FindText(source, d.FindString, from);
  return at == std::string_view::npos ? 0 : static_cast<std::int64_t>(at) + 1;
}

// Locate's steps after the settings for a quick plan, with the same outcome.
bool QuickLocate(std::string_view source) {
  const TDecapsulator& from = *gWork.From;
  const TDecapsulator& to = *gWork.To;
  const std::int64_t length = Length(source);
  const std::string_view searchText = SearchText(source);
  gWork.FromPos = QuickPlace(from, searchText, 1, 0);
  if (gWork.FromPos == 0) return false;
  gState.FromNotEmpty = !from.FindString.empty();
  const std::int64_t nextStart = gWork.FromPos + Length(from.FindString);
  gState.ToPos = QuickPlace(to, searchText, length, nextStart);
  gState.ToNotEmpty = !to.FindString.empty();
  if (gState.ToPos == 0) {
    if (!gWork.Options->Relaxed) return false;
    gState.ToPos = length;
    gState.ToNotEmpty = false;
  }
  SetRange();
  return true;
}

// Everything up to the start and end positions; false when the routine stops
// with an empty result (empty source, From or To not found).
bool Locate(std::string_view source, const TParseCall& call, bool parseMode, TParsePlan* plan = nullptr) {
  ResetState();
  if (source.empty()) return false;
  UseSettings(call, parseMode, plan);
  const TDecapsulator& from = *gWork.From;
  const TDecapsulator& to = *gWork.To;
  if (!SameShortText(gState.Letters, gWork.Options->Letters)) gState.Letters = gWork.Options->Letters;
  if (plan != nullptr && plan->Quick) return QuickLocate(source);
  const std::string_view searchText = SearchText(source);
  const bool relaxed = gWork.Options->Relaxed;
  gWork.FromPos = FindPlace(from, DecapSide::From, searchText, relaxed, 0, call);
  if (gWork.FromPos == 0) return false;
  gState.FromNotEmpty = !from.FindString.empty();
  const std::int64_t fromLength =
      from.Positional ? static_cast<std::int64_t>(CharBytes(source, gWork.FromPos - 1)) : Length(from.FindString);
  const std::int64_t nextStart = gWork.FromPos + fromLength;
  gState.ToPos = FindPlace(to, DecapSide::To, searchText, relaxed, nextStart, call);
  gState.ToNotEmpty = !to.FindString.empty();
  if (gState.ToPos == 0) {
    if (!relaxed) return false;
    gState.ToPos = Length(source);
    gState.ToNotEmpty = false;
  }
  SetRange();
  return true;
}

// The character position of a byte position: the character holding it, one
// past the last character for one past the end, 0 for 0.
std::int64_t CharPlace(std::string_view text, std::int64_t bytePlace) {
  if (bytePlace <= 0) return bytePlace;
  const std::int64_t within = std::min(bytePlace, Length(text));
  return static_cast<std::int64_t>(CharsBefore(text, static_cast<std::size_t>(within))) + bytePlace - within;
}

[[noreturn]] void RaiseReversed(const TParseCall& call) {
  RaiseParseError(call, kErrReversedIndices,
                  "\"From\" position (" + std::to_string(CharPlace(call.Source, gState.StartPos)) +
                      ") exceeds \"To\" position (" + std::to_string(CharPlace(call.Source, gState.EndPos)) + ")");
}

void TakeResult(const std::string& source, std::string& result) {
  result.clear();
  if (gState.EmptyResult) return;
  const std::int64_t first = std::max<std::int64_t>(gState.StartPos, 1);
  const std::int64_t last = std::min(gState.EndPos, Length(source));
  if (first > last) return;
  // Appended to the cleared result: cheaper than the general assign, and result is never source.
  result.append(source, static_cast<std::size_t>(first - 1), static_cast<std::size_t>(last - first + 1));
}

// From the start of the From match through the end of the To match, whatever
// Include or Exclude left in the result.
void CutStretch(std::string& source) {
  const std::int64_t count = ToIsFindString() ? Length(gWork.To->FindString) + gState.ToPos - gWork.FromPos
                                              : gState.ToPos - gWork.FromPos + 1;
  if (count <= 0) return;
  source.erase(static_cast<std::size_t>(gWork.FromPos - 1), static_cast<std::size_t>(count));
}

// Runs the routine on the current command's behalf; the start position, or 0.
std::int64_t StartPlace(std::string_view source, std::string_view decapsulator, std::string_view control) {
  if (source.empty()) return 0;
  SetInternalCallMark(true);
  Locate(source, TParseCall{source, decapsulator, {}, control}, false);
  SetInternalCallMark(false);
  return gState.StartPos;
}

// Insert and Overlay into an empty variable: only an empty decapsulator places the text.
bool PlaceInEmpty(std::string& variable, std::string_view decapsulator, std::string_view text) {
  if (!decapsulator.empty()) return false;
  variable.assign(text);
  return true;
}

}  // namespace

const TParseState& LastParse() { return gState; }

void ParseRoutine(std::string& source, std::string_view from, std::string_view to, std::string& result,
                  std::string_view control, TParsePlan* plan) {
  TEngineState& eng = Eng();
  if (!eng.InternalCall) eng.CurrentCommand = Cmd::Parse;
  const bool parseMode = eng.CurrentCommand == Cmd::Parse;
  const TParseCall call{source, from, to, control};
  if (!Locate(source, call, parseMode, plan) || !parseMode) {
    result.clear();
    return;
  }
  if (!gState.EmptyResult && gState.StartPos > gState.EndPos) RaiseReversed(call);
  TakeResult(source, result);
  if (gWork.Options->Cut) CutStretch(source);
}

std::string Parse(std::string& source, std::string_view from, std::optional<std::string_view> to,
                  std::string_view control) {
  std::string result;
  ParseRoutine(source, from, to.value_or(std::string_view{}), result, control);
  return result;
}

void FindPosn(std::string& target, std::string_view source, std::string_view decapsulator,
              std::string_view control) {
  Eng().CurrentCommand = Cmd::FindPosn;
  // Computed before target is written: target may be the source variable.
  const std::int64_t start = CharPlace(source, StartPlace(source, decapsulator, control));
  target = std::to_string(start);
}

bool Insert(std::string& variable, std::string_view decapsulator, std::string_view text,
            std::string_view control) {
  Eng().CurrentCommand = Cmd::Insert;
  if (variable.empty()) return PlaceInEmpty(variable, decapsulator, text);
  const std::int64_t start = StartPlace(variable, decapsulator, control);
  if (start == 0 || text.empty()) return false;
  const std::string piece(text);  // text may be part of variable
  const auto at = std::min(static_cast<std::size_t>(start - 1), variable.size());
  variable.insert(at, piece);
  return true;
}

bool Overlay(std::string& variable, std::string_view decapsulator, std::string_view text,
             std::string_view control) {
  Eng().CurrentCommand = Cmd::Overlay;
  if (variable.empty()) return PlaceInEmpty(variable, decapsulator, text);
  const std::int64_t start = StartPlace(variable, decapsulator, control);
  if (start == 0 || text.empty()) return false;
  const std::string piece(text);  // text may be part of variable
  // The piece covers as many characters as it holds, lengthening the variable as needed.
  const auto at = std::min(static_cast<std::size_t>(start - 1), variable.size());
  const std::size_t covered = CharOffset(std::string_view(variable).substr(at), CharCount(piece));
  variable.replace(at, covered, piece);
  return true;
}

}  // namespace gleaner
