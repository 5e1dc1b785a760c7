// The keep and delete lists: a list text such as "/cat/moose&&/big" becomes
// groups of terms ("&&" separates groups, the first character of each group
// separates its terms). A line matches when every group has at least one term
// in it, so the example keeps lines holding cat or moose, and also big.
// Terms are plain substrings, or patterns of the engine's pattern matcher.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "culler/folded_search.h"

namespace gleaner {

// One group of a list: its terms (compiled pattern programs in a pattern
// list), and for a plain list that ignores case the same terms ready for the
// case-blind search.
struct TListInList {
  std::vector<std::string> Terms;
  std::vector<TFoldedTerm> Folded;
};

class TCullList {
 public:
  // Replaces the list with the one text describes; text shorter than two
  // characters, or the not-used marker, leaves the list absent. Without
  // matchCase the terms are upper-cased here, once. A group that does not
  // start with the list's delimiter stops the run with a message naming it.
  void Build(std::string_view text, std::string_view name, bool regExp, bool matchCase);
  void Release();

  bool Present() const { return present_; }
  bool MatchCase() const { return matchCase_; }
  // A pattern list that ignores case reads the line upper-cased; every other
  // list reads it as it is.
  bool NeedsUpperLine() const { return regExp_ && !matchCase_; }
  const std::vector<TListInList>& Groups() const { return groups_; }

  // Whether every group has a term in line. The caller passes the line
  // upper-cased when NeedsUpperLine(). A list without groups matches every line.
  bool Matches(std::string_view line) const;

 private:
  void AddGroup(std::string group);
  bool Found(const TListInList& group, std::size_t term, std::string_view line) const;

  bool present_ = false;
  bool regExp_ = false;
  bool matchCase_ = false;
  char delimiter_ = '/';
  std::vector<TListInList> groups_;
  std::string piece_;  // work text of Build
};

// Upper-cases a list text. In a pattern list the tab escape "\t" keeps its
// lower-case t (upper-cased it would mean the letter T); other escaped
// characters are upper-cased like the rest, since they stand for themselves.
void UpperCaseListText(std::string& text, bool patterns);

}  // namespace gleaner
