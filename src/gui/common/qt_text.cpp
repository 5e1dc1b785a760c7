// Conversions between the system's 8-bit texts and Qt's Unicode strings.
#include "gui/common/qt_text.h"

#include <QStringDecoder>
#include <array>

#include "foundation/text_model.h"
#include "foundation/win1252.h"

namespace gleaner {
namespace {

// Every Windows-1252 character is one UTF-16 unit, so positions carry over.
const std::array<QChar, 256>& AnsiTable() {
  static const std::array<QChar, 256> table = [] {
    std::array<QChar, 256> chars{};
    for (int i = 0; i < 256; ++i) chars[i] = QChar(static_cast<char16_t>(ToCodePoint(static_cast<char>(i))));
    return chars;
  }();
  return table;
}

}  // namespace

QString FromAnsi(std::string_view text) {
  const std::array<QChar, 256>& table = AnsiTable();
  QString result(static_cast<qsizetype>(text.size()), Qt::Uninitialized);
  QChar* out = result.data();
  for (char c : text) *out++ = table[static_cast<unsigned char>(c)];
  return result;
}

std::string ToAnsi(const QString& text) {
  std::string result;
  result.reserve(static_cast<std::size_t>(text.size()));
  for (const uint cp : text.toUcs4()) result += FromCodePoint(cp);
  return result;
}

QString FromFileName(std::string_view name) {
  return QString::fromLocal8Bit(name.data(), static_cast<qsizetype>(name.size()));
}

std::string ToFileName(const QString& name) { return name.toLocal8Bit().toStdString(); }

QString FromMixed(std::string_view text) {
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString decoded = utf8(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
  return utf8.hasError() ? FromAnsi(text) : decoded;
}

QString FromRunText(std::string_view text) {
  if (CurrentTextEncoding() == TextEncoding::kWindows1252) return FromAnsi(text);
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string ToRunText(const QString& text) {
  return CurrentTextEncoding() == TextEncoding::kWindows1252 ? ToAnsi(text) : text.toStdString();
}

QColor ColourOf(std::uint32_t bbggrr) {
  return QColor(static_cast<int>(bbggrr & 0xFF), static_cast<int>((bbggrr >> 8) & 0xFF),
                static_cast<int>((bbggrr >> 16) & 0xFF));
}

}  // namespace gleaner
