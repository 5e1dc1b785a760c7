// Message texts are built with CR LF line breaks, as they are written to the
// error log; a Qt message box wants LF alone.
#pragma once

#include <QString>
#include <string>

namespace gleaner {

QString MessageText(const std::string& text);

}  // namespace gleaner
