// Searching delimited lists: ScanPosn finds the first, last or any of several
// strings or patterns in a text; ScanFollow returns the list item after a key.
// A delimited list starts with its delimiter: "/red/green/blue".
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace gleaner {

// Start and end positions (from 1) of the winning hit; "0" and "0" and Found
// false when nothing is found.
struct TScanPosnResult {
  bool Found = false;
  std::string Start = "0";
  std::string End = "0";
};

// Looks for the items of list in text. controls: words of "Any First Last
// IgnoreCase MatchCase RegExp". Example: ScanPosn("hotdog cat", "First",
// "/cat/dog") finds "4" to "6".
TScanPosnResult ScanPosn(std::string_view text, std::string_view controls, std::string_view list);

// The item of list that follows key's item, or defaultValue (empty when none)
// when key is not an item or is the last one. controls: "IgnoreCase" or
// "MatchCase". Example: ScanFollow("B", "/A/1/B/2") is "2".
std::string ScanFollow(std::string_view key, std::string_view list,
                       std::optional<std::string_view> defaultValue = std::nullopt,
                       std::string_view controls = "IgnoreCase");

}  // namespace gleaner
