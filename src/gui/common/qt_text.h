// Text at the widget edge. Documents, titles and engine texts are Windows-1252;
// file names are the local 8-bit encoding (UTF-8). Messages and list items mix
// both (a file name inside a message), so they are read as UTF-8 when they
// are valid UTF-8 and as Windows-1252 otherwise: a Windows-1252 text with
// accented letters is almost never valid UTF-8.
#pragma once

#include <QColor>
#include <QString>
#include <cstdint>
#include <string>
#include <string_view>

namespace gleaner {

QString FromAnsi(std::string_view text);
std::string ToAnsi(const QString& text);
QString FromFileName(std::string_view name);
std::string ToFileName(const QString& name);
// A text that may hold either encoding (see above).
QString FromMixed(std::string_view text);

// A colour given as blue, green, red bytes ($BBGGRR).
QColor ColourOf(std::uint32_t bbggrr);

}  // namespace gleaner
