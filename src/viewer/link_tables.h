// The anchor table (anchor name -> display line) and the link table (display
// line -> link target) of one viewer window. The first entry for a name or a
// line wins; anchor names are matched regardless of letter case.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace gleaner {

class TAnchorTable {
 public:
  void Clear() { anchors_.clear(); }
  // Ignored when the name is already there.
  void Add(std::string_view name, int line);
  std::optional<int> Find(std::string_view name) const;
  std::size_t Size() const { return anchors_.size(); }

 private:
  std::map<std::string, int, std::less<>> anchors_;  // upper-case name -> line
};

class TLinkTable {
 public:
  void Clear() { links_.clear(); }
  // Ignored when the line already has a link.
  void Add(int line, std::string target);
  // The target of a line, or null.
  const std::string* Find(int line) const;
  std::size_t Size() const { return links_.size(); }

 private:
  std::map<int, std::string> links_;
};

}  // namespace gleaner
