// Turning "|" filter lists into Qt's name filters.
#include "gui/common/file_filter.h"

#include <QStringList>

#include "gui/common/qt_text.h"

namespace gleaner {
namespace {

QString Description(QString text) {
  const qsizetype open = text.lastIndexOf('(');
  if (open >= 0) text.truncate(open);
  return text.trimmed();
}

QString Patterns(const QString& list) {
  QStringList patterns;
  for (const QString& part : list.split(';', Qt::SkipEmptyParts)) {
    const QString pattern = part.trimmed();
    if (!pattern.isEmpty()) patterns << (pattern == "*.*" ? QString("*") : pattern);
  }
  return patterns.join(' ');
}

}  // namespace

QString QtFileFilter(std::string_view filter) {
  const QStringList parts = FromMixed(filter).split('|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString patterns = Patterns(parts[i + 1]);
    if (patterns.isEmpty()) continue;
    const QString description = Description(parts[i]);
    filters << (description.isEmpty() ? patterns : description) + " (" + patterns + ")";
  }
  return filters.join(";;");
}

}  // namespace gleaner
