// ScanPosn and ScanFollow: searches driven by a delimited list, whose first
// character is the delimiter that ends every item ("/cat/dog").
#include "engine/scan_commands.h"

#include <algorithm>
#include <cstdint>

#include "engine/char_commands.h"
#include "engine/engine_errors.h"
#include "engine/engine_state.h"
#include "engine/pattern_matcher.h"
#include "foundation/text_model.h"

namespace gleaner {
namespace {

enum class ScanMode { Any, First, Last };

struct Hit {
  std::int64_t Start = 0;
  std::int64_t End = 0;
};

struct ScanSettings {
  ScanMode Mode = ScanMode::Any;
  bool MatchCase = false;
  bool Patterns = false;
};

ScanSettings ReadScanControls(std::string_view text, std::string_view controls, std::string_view list) {
  const std::string letters = OptionLetters(controls, "AFLGMR", "Any First Last IgnoreCase MatchCase RegExp");
  const auto count = [&](std::string_view of) {
    return std::count_if(letters.begin(), letters.end(), [&](char c) { return of.find(c) != of.npos; });
  };
  if (count("AFL") > 1 || count("GM") > 1) {
    RaiseCommandError(kErrIncorrectParameter,
                      "Ambiguous or redundant control setting (" + std::string(controls) + ").",
                      {VariableBeingSet, VariableBeingSet, text, list, controls});
  }
  ScanSettings settings;
  if (count("F") > 0) {
    settings.Mode = ScanMode::First;
  } else if (count("L") > 0) {
    settings.Mode = ScanMode::Last;
  }
  settings.MatchCase = count("M") > 0;
  settings.Patterns = count("R") > 0;
  return settings;
}

// Where item occurs in text: the first occurrence, or the last in Last mode.
bool FindItem(std::string_view text, std::string_view item, const ScanSettings& settings, Hit& hit) {
  const bool last = settings.Mode == ScanMode::Last;
  if (settings.Patterns) {
    const std::string program = CompilePattern(item);
    const TPatternMatch match = last ? SearchLast(program, text, 1, true) : Search(program, text, 1, true);
    hit = {match.Position, match.Position + match.Length - 1};
    return match.Position != 0;
  }
  const std::size_t at = last ? text.rfind(item) : text.find(item);
  if (at == std::string_view::npos) return false;
  hit = {static_cast<std::int64_t>(at) + 1, static_cast<std::int64_t>(at + item.size())};
  return true;
}

// First: the earliest start, then the longest. Last: the latest end, then the longest.
bool Beats(const Hit& hit, const Hit& best, ScanMode mode) {
  if (mode == ScanMode::First)
    return hit.Start < best.Start || (hit.Start == best.Start && hit.End > best.End);
  return hit.End > best.End || (hit.End == best.End && hit.Start < best.Start);
}

// The delimiter of a list: its first character.
std::string_view Delimiter(std::string_view list) { return list.substr(0, CharBytes(list, 0)); }

// Calls visit(item) for each non-empty item of a delimited list until it returns true.
template <typename Visit>
void ForEachItem(std::string_view list, Visit visit) {
  const std::string_view delimiter = Delimiter(list);
  std::size_t start = delimiter.size();
  while (start < list.size()) {
    std::size_t end = list.find(delimiter, start);
    if (end == std::string_view::npos) end = list.size();
    const std::string_view item = list.substr(start, end - start);
    start = end + delimiter.size();
    if (!item.empty() && visit(item)) return;
  }
}

}  // namespace

TScanPosnResult ScanPosn(std::string_view text, std::string_view controls, std::string_view list) {
  ClaimCommand(Cmd::ScanPosn);
  const ScanSettings settings = ReadScanControls(text, controls, list);
  TScanPosnResult result;
  if (text.empty() || list.empty()) return result;
  const std::string subject = settings.MatchCase ? std::string(text) : TextFolded(text);
  const std::string items = settings.MatchCase ? std::string(list) : TextFolded(list);
  Hit best;
  if (settings.Mode == ScanMode::First) best.Start = static_cast<std::int64_t>(subject.size());
  ForEachItem(items, [&](std::string_view item) {
    Hit hit;
    if (!FindItem(subject, item, settings, hit)) return false;
    if (settings.Mode == ScanMode::Any || Beats(hit, best, settings.Mode)) best = hit;
    result.Found = true;
    return settings.Mode == ScanMode::Any;
  });
  if (result.Found) {
    // Positions count characters: the end is the one holding the match's last byte.
    result.Start = std::to_string(CharsBefore(subject, static_cast<std::size_t>(best.Start - 1)) + 1);
    result.End = std::to_string(CharsBefore(subject, static_cast<std::size_t>(best.End)));
  }
  return result;
}

std::string ScanFollow(std::string_view key, std::string_view list,
                       std::optional<std::string_view> defaultValue, std::string_view controls) {
  ClaimCommand(Cmd::ScanFollow);
  const bool ignoreCase =
      OptionLetters(controls, "GM", "IgnoreCase MatchCase").find('G') != std::string::npos;
  const std::string fallback(defaultValue.value_or(std::string_view()));
  if (key.empty() || CharCount(list) < 2) return fallback;
  const std::string_view delimiter = Delimiter(list);
  std::string written(list);
  if (!written.ends_with(delimiter)) written += delimiter;
  std::string probe(delimiter);
  probe.append(key).append(delimiter);
  const std::string searched = ignoreCase ? TextFolded(written) : written;
  if (ignoreCase) TextUpperInPlace(probe);
  const std::size_t at = searched.find(probe);
  if (at == std::string::npos) return fallback;
  const std::size_t next = at + probe.size();
  if (next >= written.size()) return fallback;  // the key's item is the last
  return written.substr(next, written.find(delimiter, next) - next);
}

}  // namespace gleaner
