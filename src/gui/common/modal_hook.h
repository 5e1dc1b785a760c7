// Every modal dialog of the desktop front end runs through RunModal, so the
// window tests answer dialogs through a hook instead of waiting on exec().
//
//   SetModalHook([](QDialog& dialog) { return int(QDialog::Accepted); });
#pragma once

#include <functional>

class QDialog;

namespace gleaner {

// Answers a dialog in place of its event loop; gives the dialog's result.
using TModalHook = std::function<int(QDialog&)>;

// Installs hook (an empty one restores exec()).
void SetModalHook(TModalHook hook);
// The hook's answer when one is installed, else dialog.exec().
int RunModal(QDialog& dialog);

}  // namespace gleaner
