// Entity replacement, in the order of the markup's entity table.
#include "viewer/entities.h"

#include <string_view>

#include "foundation/win1252.h"

namespace gleaner {
namespace {

struct TEntity {
  std::string_view Name;  // the text after "&"
  char Shown;
};

constexpr TEntity kEntities[] = {
    {"S", '?'},   {"#153;", '\x99'}, {"amp;", '&'},      {"copy;", '\xA9'},
    {"gt;", '>'}, {"lt;", '<'},      {"mdash;", '\x97'}, {"nbsp;", ' '},
};

// Replaces "&" + name at i by the entity's character; false when it is not there.
bool ReplaceAt(std::string& line, std::size_t i, const TEntity& entity, bool utf8) {
  if (line[i] != '&' || line.compare(i + 1, entity.Name.size(), entity.Name) != 0) return false;
  const std::string shown(1, entity.Shown);
  line.replace(i, 1 + entity.Name.size(), utf8 ? Win1252ToUtf8(shown) : shown);
  return true;
}

}  // namespace

void ReplaceEntities(std::string& line, bool utf8) {
  // The bound follows the line as it shrinks.
  for (std::size_t i = 0; i + 3 < line.size(); ++i) {
    if (line[i] != '&') continue;
    for (const TEntity& entity : kEntities) {
      if (ReplaceAt(line, i, entity, utf8)) ReplaceAt(line, i, entity, utf8);
    }
  }
}

}  // namespace gleaner
