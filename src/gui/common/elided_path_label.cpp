#include "gui/common/elided_path_label.h"

#include <QEvent>
#include <QFontMetrics>
#include <algorithm>

namespace gleaner {

QString ElidedPath(const QString& text, const QFontMetrics& metrics, int width) {
  if (metrics.horizontalAdvance(text) <= width) return text;
  const qsizetype slash = std::max(text.lastIndexOf('/'), text.lastIndexOf('\\'));
  const QString name = text.mid(slash + 1);
  const int room = width - metrics.horizontalAdvance(name);
  // Too narrow for the name and a little of the folder: the whole text is cut.
  if (slash < 0 || room < metrics.horizontalAdvance(QStringLiteral("\u2026/")) * 2) {
    return metrics.elidedText(text, Qt::ElideMiddle, width);
  }
  return metrics.elidedText(text.left(slash + 1), Qt::ElideMiddle, room) + name;
}

TElidedPathLabel::TElidedPathLabel(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
  setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

void TElidedPathLabel::SetPath(const QString& path) {
  path_ = path;
  setToolTip(path);
  Fit();
  updateGeometry();
}

QSize TElidedPathLabel::minimumSizeHint() const { return {0, QLabel::minimumSizeHint().height()}; }

QSize TElidedPathLabel::sizeHint() const {
  return {fontMetrics().horizontalAdvance(path_) + 2 * margin(), QLabel::sizeHint().height()};
}

void TElidedPathLabel::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  Fit();
}

void TElidedPathLabel::changeEvent(QEvent* event) {
  QLabel::changeEvent(event);
  if (event->type() == QEvent::FontChange) Fit();
}

void TElidedPathLabel::Fit() {
  const QString shown = ElidedPath(path_, fontMetrics(), contentsRect().width());
  if (text() != shown) setText(shown);
}

}  // namespace gleaner
