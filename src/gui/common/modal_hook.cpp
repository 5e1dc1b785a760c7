// The modal dialog hook.
#include "gui/common/modal_hook.h"

#include <QDialog>

namespace gleaner {
namespace {

TModalHook& Hook() {
  static TModalHook hook;
  return hook;
}

}  // namespace

void SetModalHook(TModalHook hook) { Hook() = std::move(hook); }

int RunModal(QDialog& dialog) {
  if (Hook()) return Hook()(dialog);
  return dialog.exec();
}

}  // namespace gleaner
