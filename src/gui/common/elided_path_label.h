// A label for a file name that may be wider than its window: when it does not
// fit, the folder part is elided in the middle and the file name is kept
// ("/home/ann/…/reports/Output.txt"). The whole text stays in the tool tip.
// The label asks for no width of its own, so a long path never widens the
// window it stands in.
#pragma once

#include <QLabel>

class QFontMetrics;

namespace gleaner {

// text fitted into width pixels, keeping the part after the last "/" or "\".
QString ElidedPath(const QString& text, const QFontMetrics& metrics, int width);

class TElidedPathLabel final : public QLabel {
 public:
  explicit TElidedPathLabel(QWidget* parent);
  void SetPath(const QString& path);
  const QString& Path() const { return path_; }
  QSize minimumSizeHint() const override;
  QSize sizeHint() const override;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void Fit();
  QString path_;
};

}  // namespace gleaner
