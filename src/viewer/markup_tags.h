// Tags of the document markup: headings, emphasis, font size, highlight,
// anchors and links. Applying them to a display line removes them from its
// text, sets the attribute runs, and reports the anchors, links and rule lines
// the line asks for, in the order its tags name them.
#pragma once

#include <string>
#include <vector>

#include "viewer/text_display.h"

namespace gleaner {

enum class TTagEventKind {
  Anchor,     // <A NAME=value>: Value is the anchor name
  Link,       // <A HREF=value>: Value is the link target
  RuleAbove,  // a heading wants a rule line of RuleChar above its line
  RuleAfter,  // ... and after it
};

struct TTagEvent {
  TTagEventKind Kind;
  std::string Value;
  char RuleChar = 0;
};

// Applies the tags of one line. current holds the attributes in force at the
// start of the line and is left with those in force at its end (they carry
// over to the next line). events is cleared first. A tag without a closing ">"
// ends the processing of the line; the rest stays as written.
void ApplyTags(TDisplayLine& line, TTextAttributes& current, std::vector<TTagEvent>& events);

// The value of an attribute (such as "HREF") in the text of one tag: quoted,
// up to the next double quote; otherwise up to the next blank or ">". Empty
// when the attribute is absent or its quoted value is empty.
std::string TagAttribute(std::string_view tagText, std::string_view name);

}  // namespace gleaner
