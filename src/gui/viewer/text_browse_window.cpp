// The viewer window: construction, loading, status and the key preview. The
// commands (find, go to, options, print, help, links) are in
// text_browse_window_commands.cpp.
#include "gui/viewer/text_browse_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/common/elided_path_label.h"
#include "gui/common/qt_text.h"
#include "viewer/viewer_settings.h"

namespace gleaner {

TfrmTextBrowse::TfrmTextBrowse(TViewerSetup setup, QWidget* owner)
    : QWidget(owner, Qt::Window), browse_(std::move(setup)), placement_(*this, browse_.Setup().SettingsName) {
  setObjectName("frmTextBrowse");
  setAttribute(Qt::WA_DeleteOnClose);
  const std::string& caption = browse_.Setup().Caption;
  setWindowTitle(FromMixed(caption.empty() ? browse_.LabelText() : caption));
  setMinimumSize(619, 200);
  resize(800, 600);
  BuildControls();
  InstallKeyPreview();
}

void TfrmTextBrowse::BuildControls() {
  redTextBrowse_ = new TTextView(this);
  redTextBrowse_->SetBackground(browse_.Setup().BackgroundColour);
  redTextBrowse_->viewport()->setMouseTracking(true);
  connect(redTextBrowse_, &QPlainTextEdit::cursorPositionChanged, this, [this] { UpdateCaretStatus(); });
  connect(redTextBrowse_, &QPlainTextEdit::selectionChanged, this, [this] { UpdateCaretStatus(); });
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 0);
  layout->addWidget(BuildTopRow());
  layout->addWidget(redTextBrowse_, 1);
  layout->addWidget(BuildButtonRow());
  layout->addWidget(BuildStatusBar());
}

QWidget* TfrmTextBrowse::BuildTopRow() {
  auto* row = new QWidget(this);
  lblFileName_ = new TElidedPathLabel(row);
  lblFileName_->setObjectName("lblFileName");
  QFont bold = lblFileName_->font();
  bold.setBold(true);
  lblFileName_->setFont(bold);
  lblFileName_->SetPath(FromMixed(browse_.LabelText()));
  cboWidth_ = new QComboBox(row);
  cboWidth_->setObjectName("cboWidth");
  // Alt+W or Tab reach the box; a click leaves the keys with the text.
  cboWidth_->setFocusPolicy(Qt::TabFocus);
  for (int width : kDisplayWidths) cboWidth_->addItem(QString::number(width), width);
  connect(cboWidth_, &QComboBox::activated, this, &TfrmTextBrowse::ChangeWidth);
  auto* lblWidth = new QLabel("&Width", row);
  lblWidth->setBuddy(cboWidth_);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(lblFileName_, 1);
  layout->addWidget(lblWidth);
  layout->addWidget(cboWidth_);
  return row;
}

QPushButton* TfrmTextBrowse::AddButton(const char* name, const char* caption,
                                       const std::function<void()>& action) {
  auto* button = new QPushButton(caption, buttonRow_);
  button->setObjectName(name);
  button->setFocusPolicy(Qt::NoFocus);  // keys stay with the text
  connect(button, &QPushButton::clicked, this, action);
  buttonRow_->layout()->addWidget(button);
  return button;
}

QWidget* TfrmTextBrowse::BuildButtonRow() {
  buttonRow_ = new QWidget(this);
  auto* layout = new QHBoxLayout(buttonRow_);
  layout->setContentsMargins(0, 0, 0, 0);
  AddButton("btnFind", "&Find", [this] { Find(); });
  AddButton("btnFindAgain", "&Repeat", [this] { FindAgain(); });
  AddButton("btnGotoLine", "&Go to line", [this] { GoToLine(); });
  AddButton("btnOptions", "&Options", [this] { ShowOptions(); });
  AddButton("btnPrint", "&Print", [this] { Print(); });
  btnHelp_ = AddButton("btnHelp", "&Help", [this] { ShowHelp(); });
  layout->addStretch(1);
  AddButton("btnClose", "&Close", [this] { close(); });
  return buttonRow_;
}

QWidget* TfrmTextBrowse::BuildStatusBar() {
  auto* bar = new QStatusBar(this);
  bar->setObjectName("stbTextBrowse");
  for (std::size_t i = 0; i < panels_.size(); ++i) {
    panels_[i] = new QLabel(bar);
    panels_[i]->setMinimumWidth(i == 0 ? 110 : 40);
    bar->addWidget(panels_[i], i == 2 ? 1 : 0);
  }
  lblLoading_ = new QLabel("Loading (Esc = Stop)", bar);
  lblLoading_->setObjectName("lblLoading");
  barLoading_ = new QProgressBar(bar);
  barLoading_->setObjectName("barLoading");
  barLoading_->setRange(0, 1000);
  barLoading_->setMaximumWidth(220);
  bar->addPermanentWidget(lblLoading_);
  bar->addPermanentWidget(barLoading_);
  lblLoading_->hide();
  barLoading_->hide();
  return bar;
}

// The window previews keys: every child passes its key presses here first.
void TfrmTextBrowse::InstallKeyPreview() {
  installEventFilter(this);
  for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
  redTextBrowse_->viewport()->installEventFilter(this);
}

QString TfrmTextBrowse::StatusText(int panel) const {
  return panels_.at(static_cast<std::size_t>(panel))->text();
}

// The first load puts the caret at the top; later ones keep the view.
void TfrmTextBrowse::ReloadIfChanged() {
  if (browse_.NeedsReload()) Load(!loaded_);
}

void TfrmTextBrowse::Load(bool toTop) {
  const int firstVisible = redTextBrowse_->Position().FirstVisibleLine;
  if (!browse_.BeginLoad(toTop)) return;
  loaded_ = true;
  SetLoading(true);
  while (browse_.LoadStep()) {
    ShowProgress();
    QCoreApplication::processEvents();
  }
  browse_.EndLoad();
  FinishLoad(firstVisible);
  if (browse_.CloseRequested()) close();
}

void TfrmTextBrowse::SetLoading(bool on) {
  buttonRow_->setEnabled(!on);
  cboWidth_->setEnabled(!on);
  // The text widget keeps painting while loading: it is only filled once the
  // load is over, and the first load starts before the window was ever
  // painted, so suspended redraw would leave the text area black behind a
  // message shown meanwhile (the file is too large).
  if (on) {
    const QSignalBlocker quiet(cboWidth_);
    cboWidth_->setCurrentIndex(cboWidth_->findData(browse_.DisplayWidth()));
    panels_[2]->setText(" Reading " + FromFileName(browse_.Setup().FileName) + " (Esc = Stop)");
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
    lblLoading_->hide();
    barLoading_->hide();
  }
}

void TfrmTextBrowse::ShowProgress() {
  const TLoadProgress progress = browse_.Progress();
  if (!progress.Shown) return;
  lblLoading_->show();
  barLoading_->show();
  const std::int64_t maximum = std::max<std::int64_t>(progress.Maximum, 1);
  barLoading_->setValue(
      static_cast<int>(std::clamp<std::int64_t>(progress.Position * 1000 / maximum, 0, 1000)));
}

void TfrmTextBrowse::FinishLoad(int firstVisible) {
  const TTextDisplay& display = browse_.Document().Display;
  redTextBrowse_->ShowDisplay(display);
  if (browse_.LoadsToTop()) {
    redTextBrowse_->SetPosition({0, 0, 0});
  } else {
    const int line = std::clamp(firstVisible, 0, std::max(0, display.LineCount() - 1));
    redTextBrowse_->SetPosition({line, display.LineStart(line), 0});
  }
  SetLoading(false);
  redTextBrowse_->setFocus();
  btnHelp_->setEnabled(browse_.HelpAvailable());
  redTextBrowse_->SetBackground(browse_.Setup().BackgroundColour);
  UpdateStatus();
}

void TfrmTextBrowse::UpdateStatus() {
  UpdateCaretStatus();
  panels_[1]->setText(QString::fromStdString(browse_.FlagsStatus()));
  panels_[2]->setText(FromMixed(browse_.LinesStatus()));
}

void TfrmTextBrowse::UpdateCaretStatus() {
  if (browse_.IsLoading()) return;
  panels_[0]->setText(QString::fromStdString(browse_.CaretStatus(redTextBrowse_->Position())));
}

void TfrmTextBrowse::Apply(const std::optional<TViewPosition>& position) {
  if (!position) return;
  redTextBrowse_->SetPosition(*position);
  UpdateCaretStatus();
}

bool TfrmTextBrowse::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) {
    QTimer::singleShot(0, this, [this] { ReloadIfChanged(); });
  } else if (event->type() == QEvent::WindowDeactivate && placed_) {
    SaveWindow(placement_);
  }
  return QWidget::event(event);
}

void TfrmTextBrowse::showEvent(QShowEvent* event) {
  if (!placed_) {
    RestoreWindow(placement_);
    placed_ = true;
    // Platforms that never activate a window (offscreen) still load it.
    QTimer::singleShot(0, this, [this] { ReloadIfChanged(); });
  }
  QWidget::showEvent(event);
}

void TfrmTextBrowse::closeEvent(QCloseEvent* event) {
  // While loading, closing only asks the load to stop; the window closes after it.
  if (!browse_.RequestClose()) {
    event->ignore();
    return;
  }
  SaveWindow(placement_);
  event->accept();
}

bool TfrmTextBrowse::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) return PreviewKey(static_cast<QKeyEvent*>(event));
  if (watched == redTextBrowse_->viewport()) return PreviewMouse(event);
  return QWidget::eventFilter(watched, event);
}

bool TfrmTextBrowse::PreviewKey(QKeyEvent* key) {
  const bool textFocused = QApplication::focusWidget() == redTextBrowse_;
  const TViewerKeyAction action = ViewerKeyAction(key->key(), key->modifiers(), key->text(), textFocused);
  if (browse_.IsLoading()) {
    // Only Esc acts while loading; it asks the load to stop.
    if (action == TViewerKeyAction::StopOrClose) browse_.RequestStop();
    return true;
  }
  if (action == TViewerKeyAction::None) return false;
  RunAction(action);
  return true;
}

void TfrmTextBrowse::RunAction(TViewerKeyAction action) {
  using Action = TViewerKeyAction;
  switch (action) {
    case Action::None:
    case Action::Swallow:
      break;
    case Action::Back:
      Apply(browse_.Back());
      break;
    case Action::FindAgain:
      FindAgain();
      break;
    case Action::StopOrClose:
      if (browse_.IsLoading()) {
        browse_.RequestStop();
      } else {
        close();
      }
      break;
    case Action::PageDown:
      redTextBrowse_->PageDown();
      break;
    case Action::ToggleTextify:
      Load(browse_.ToggleTextify());
      break;
    case Action::GoToLine:
      GoToLine();
      break;
    case Action::Print:
      Print();
      break;
    case Action::ToggleWordWrap:
      Load(browse_.ToggleWordWrap());
      break;
    case Action::Help:
      ShowHelp();
      break;
    case Action::Reload:
      ReloadIfChanged();
      break;
    case Action::Find:
      Find();
      break;
  }
}

TfrmTextBrowse* ShowTextBrowse(TViewerSetup setup, QWidget* owner) {
  auto* window = new TfrmTextBrowse(std::move(setup), owner);
  window->show();
  window->activateWindow();
  return window;
}

TfrmTextBrowse* ShowViewerHelp(QWidget* owner) {
  static QPointer<TfrmTextBrowse> help;
  if (help.isNull()) return help = ShowTextBrowse(HelpViewerSetup(), owner);
  help->show();
  help->raise();
  help->activateWindow();
  return help;
}

}  // namespace gleaner
