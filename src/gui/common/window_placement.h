// A Qt window as a form whose place and size the settings store remembers.
#pragma once

#include <QWidget>
#include <string>

#include "foundation/settings_store.h"

namespace gleaner {

class TWindowPlacement : public IPlaceableWindow {
 public:
  TWindowPlacement(QWidget& window, std::string name) : window_(window), name_(std::move(name)) {}
  std::string Name() const override { return name_; }
  int Left() const override { return window_.geometry().left(); }
  int Top() const override { return window_.geometry().top(); }
  int Width() const override { return window_.width(); }
  int Height() const override { return window_.height(); }
  bool Resizable() const override { return true; }
  void SetBounds(int left, int top, int width, int height) override;
  int ScreenWidth() const override;
  int ScreenHeight() const override;
  void SetRedraw(bool on) override { window_.setUpdatesEnabled(on); }

 private:
  QWidget& window_;
  std::string name_;
};

}  // namespace gleaner
