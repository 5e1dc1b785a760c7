// Enter on a form that is not a dialog (Qt gives a plain window no default
// button of its own): a focused push or tool button is pressed by Enter as by
// Space, and on a check box Enter stands for the form's default button.
//
//   InstallEnterKeys(form, [&] { controller.DefaultButton(); });
#pragma once

#include <functional>

class QWidget;

namespace gleaner {

// For every button of window that exists now.
void InstallEnterKeys(QWidget& window, std::function<void()> defaultButton);

}  // namespace gleaner
