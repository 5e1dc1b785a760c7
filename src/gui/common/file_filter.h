// File chooser filters: the "|" lists of description and pattern pairs the
// logic passes, in Qt's form.
//
//   QtFileFilter("Text files (*.txt)|*.txt|All files (*.*)|*.*")
//     == "Text files (*.txt);;All files (*)"
#pragma once

#include <QString>
#include <string_view>

namespace gleaner {

// Each pair becomes the description (its own parenthesised patterns
// dropped) followed by the pair's patterns in parentheses, separated by
// blanks. "*.*" is "*", so names without a full stop are offered too.
QString QtFileFilter(std::string_view filter);

}  // namespace gleaner
