// The search path dialog.
#include "gui/culler/define_search_path_dialog.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "foundation/settings_store.h"
#include "gui/common/modal_hook.h"
#include "gui/common/qt_text.h"
#include "gui/viewer/text_browse_window.h"
#include "interface/gleaner_interface.h"

namespace gleaner {

TfrmDefineSearchPath::TfrmDefineSearchPath(TSearchPathList list, TViewerSetup help, QWidget* parent)
    : QDialog(parent), list_(std::move(list)), help_(std::move(help)), placement_(*this, "frmDefineSearchPath") {
  setObjectName("frmDefineSearchPath");
  setWindowTitle("Define Search Path");
  ChooseFolder = [this] { return BrowseForFolder(); };
  BuildControls();
  Refresh();
}

QPushButton* TfrmDefineSearchPath::AddButton(const char* name, const char* caption,
                                             const std::function<void()>& action) {
  auto* button = new QPushButton(caption, this);
  button->setObjectName(name);
  button->setAutoDefault(true);  // Enter presses the focused button, as Space does
  connect(button, &QPushButton::clicked, this, [this, action] {
    action();
    Refresh();
  });
  return button;
}

void TfrmDefineSearchPath::BuildControls() {
  lstDirs_ = new QListWidget(this);
  lstDirs_->setObjectName("lstDirs");
  lstDirs_->setMinimumSize(420, 220);
  connect(lstDirs_, &QListWidget::currentRowChanged, this, [this](int row) {
    list_.Select(row);
    Refresh();
  });
  auto* ok = AddButton("btnOK", "OK", [this] { accept(); });
  ok->setDefault(true);
  auto* cancel = AddButton("btnCancel", "Cancel", [this] { reject(); });
  btnMoveUp_ = AddButton("btnMoveUp", "Move &Up", [this] { list_.MoveUp(); });
  btnMoveDown_ = AddButton("btnMoveDown", "Move &Down", [this] { list_.MoveDown(); });
  btnAdd_ = AddButton("btnAdd", "&Add to List", [this] { AddFolder(); });
  btnDrop_ = AddButton("btnDrop", "Drop from List", [this] { list_.Drop(); });
  auto* help = AddButton("btnHelp", "Help", [this] { ShowHelp(); });
  auto* buttons = new QVBoxLayout;
  for (QPushButton* button : {ok, cancel, btnMoveUp_, btnMoveDown_, btnAdd_, btnDrop_, help}) {
    buttons->addWidget(button);
  }
  buttons->addStretch();
  auto* layout = new QGridLayout(this);
  layout->addWidget(lstDirs_, 0, 0);
  layout->addLayout(buttons, 0, 1);
}

std::optional<std::string> TfrmDefineSearchPath::BrowseForFolder() {
  const QString folder = QFileDialog::getExistingDirectory(this, "Select a folder to add to the list");
  if (folder.isEmpty()) return std::nullopt;
  return ToFileName(folder);
}

void TfrmDefineSearchPath::AddFolder() {
  const std::optional<std::string> folder = ChooseFolder();
  if (!folder) return;
  if (const std::optional<std::string> refusal = list_.Add(*folder)) ShowNotice(*refusal);
}

void TfrmDefineSearchPath::ShowHelp() { ShowTextBrowse(help_, this); }

// The list widget mirrors the model after every change.
void TfrmDefineSearchPath::Refresh() {
  const QSignalBlocker blocker(lstDirs_);
  if (lstDirs_->count() != static_cast<int>(list_.Items().size())) lstDirs_->clear();
  for (std::size_t i = 0; i < list_.Items().size(); ++i) {
    const QString text = FromFileName(list_.Items()[i]);
    if (static_cast<int>(i) < lstDirs_->count()) {
      lstDirs_->item(static_cast<int>(i))->setText(text);
    } else {
      lstDirs_->addItem(text);
    }
  }
  lstDirs_->setCurrentRow(list_.Selected());
  const TSearchPathButtons states = list_.Buttons();
  btnMoveUp_->setEnabled(states.MoveUp);
  btnMoveDown_->setEnabled(states.MoveDown);
  btnAdd_->setEnabled(states.Add);
  btnDrop_->setEnabled(states.Drop);
}

void TfrmDefineSearchPath::showEvent(QShowEvent* event) {
  RestoreWindow(placement_);
  QDialog::showEvent(event);
}

void TfrmDefineSearchPath::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1) {
    ShowHelp();
    return;
  }
  QDialog::keyPressEvent(event);
}

void TfrmDefineSearchPath::done(int result) {
  SaveWindow(placement_);
  QDialog::done(result);
}

std::optional<std::vector<std::string>> TfrmDefineSearchPath::Ask(TSearchPathList list, TViewerSetup help,
                                                                   QWidget* parent) {
  TfrmDefineSearchPath dialog(std::move(list), std::move(help), parent);
  if (RunModal(dialog) != QDialog::Accepted) return std::nullopt;
  return dialog.List().Result();
}

}  // namespace gleaner
