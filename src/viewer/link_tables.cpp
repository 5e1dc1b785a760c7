// Anchor and link tables.
#include "viewer/link_tables.h"

#include "foundation/win1252.h"

namespace gleaner {

void TAnchorTable::Add(std::string_view name, int line) { anchors_.try_emplace(AnsiUpperCase(name), line); }

std::optional<int> TAnchorTable::Find(std::string_view name) const {
  const auto found = anchors_.find(AnsiUpperCase(name));
  if (found == anchors_.end()) return std::nullopt;
  return found->second;
}

void TLinkTable::Add(int line, std::string target) { links_.try_emplace(line, std::move(target)); }

const std::string* TLinkTable::Find(int line) const {
  const auto found = links_.find(line);
  return found == links_.end() ? nullptr : &found->second;
}

}  // namespace gleaner
