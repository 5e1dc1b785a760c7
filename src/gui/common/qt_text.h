// Text at the widget edge. Engine texts are in the run's encoding (the text
// model's: Windows-1252 or UTF-8); documents and titles are Windows-1252
// unless they read as UTF-8;
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
// Data of a run, in the encoding its text model has chosen (the clipboard).
QString FromRunText(std::string_view text);
std::string ToRunText(const QString& text);

// A colour given as blue, green, red bytes ($BBGGRR).
QColor ColourOf(std::uint32_t bbggrr);

}  // namespace gleaner
