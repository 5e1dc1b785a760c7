// Building Culler's main form: the banner (or, during a run, the progress
// panel) on top, the boxes with their labels, chooser and View buttons in a
// grid that stretches with the window, and the button row below.
#include "gui/culler/main_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/common/enter_keys.h"
#include "gui/culler/report_form.h"
#include "interface/gleaner_interface.h"

namespace gleaner::culler {
namespace {

template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
  widget->setObjectName(name);
  return widget;
}

// Hidden controls keep their place, so the grid does not jump during a run.
void KeepPlaceWhenHidden(QWidget& widget) {
  QSizePolicy policy = widget.sizePolicy();
  policy.setRetainSizeWhenHidden(true);
  widget.setSizePolicy(policy);
}

constexpr int kTimerPeriods[] = {50, 100, 25};  // AutoStart, Progress, RunConfig

// The four file rows: label, box, chooser button, View button.
constexpr TFileRow kFileRows[] = {
    {kLblInputFile, kCboInputFile, kBtnNavInput, kBtnBrowseInput, TFileBox::Input},
    {kLblOutputFile, kCboOutputFile, kBtnNavOutput, kBtnBrowseOutput, TFileBox::Output},
    {kLblScriptFile, kCboScriptFile, kBtnNavScript, kBtnBrowseScript, TFileBox::Script},
    {kLblSupportFile, kCboSupportFile, kBtnNavSupport, kBtnBrowseSupport, TFileBox::Support},
};

}  // namespace

TfrmStartUp::TfrmStartUp()
    : QWidget(nullptr),
      placement_(*this, "frmStartUp") {
  setObjectName("frmStartUp");
  BuildControls();
  BuildTimers();
  BuildShortcuts();
  InstallEnterKeys(*this, [this] { Call([](TRunController& c) { c.DefaultButton(); }); });
  // The layout's own minimum: every caption whole, however narrow the window.
  resize(std::max(fontMetrics().horizontalAdvance('M') * 56, minimumSizeHint().width()), sizeHint().height());
}

TfrmStartUp::~TfrmStartUp() = default;

void TfrmStartUp::Connect(TRunController& controller) {
  controller_ = &controller;
  Refresh();
}

void TfrmStartUp::BuildControls() {
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(BuildTopPanel());
  layout->addWidget(BuildBoxGrid());
  layout->addStretch(1);
  layout->addWidget(BuildButtonRow());
}

// The banner and the progress panel share the top: one is shown at a time.
QWidget* TfrmStartUp::BuildTopPanel() {
  auto* panel = new QWidget(this);
  auto* layout = new QVBoxLayout(panel);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* banner = Named(new QLabel(panel), kImgBanner);
  banner->setAlignment(Qt::AlignCenter);
  banner->setCursor(Qt::PointingHandCursor);
  banner->installEventFilter(this);
  widgets_[kImgBanner] = banner;
  layout->addWidget(banner);
  layout->addWidget(BuildProgressPanel());
  panel->setMinimumHeight(fontMetrics().height() * 4);
  return panel;
}

QWidget* TfrmStartUp::BuildProgressPanel() {
  auto* panel = new QWidget(this);
  auto* layout = new QVBoxLayout(panel);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* barRow = new QHBoxLayout;
  auto* bar = Named(new QProgressBar(panel), kBarProgress);
  bar->setTextVisible(false);
  widgets_[kBarProgress] = bar;
  barRow->addWidget(bar, 1);
  barRow->addWidget(AddButton(kBtnCancel, [this] { Call([](TRunController& c) { c.Cancel(); }); }));
  layout->addLayout(barRow);
  auto* counters = new QHBoxLayout;
  const char* labels[] = {kLblBytesInLabel, kLblBytesIn, kLblBytesOutLabel, kLblBytesOut};
  for (int i = 0; i < 4; ++i) {
    auto* label = Named(new QLabel(panel), labels[i]);
    if (i % 2 == 1) {  // room for 13 digits, so the counters never push each other
      label->setMinimumWidth(fontMetrics().horizontalAdvance(QString(13, '0')));
      label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    widgets_[labels[i]] = label;
    counters->addWidget(label);
    if (i == 1) counters->addSpacing(fontMetrics().horizontalAdvance("MM"));
  }
  counters->addStretch(1);
  layout->addLayout(counters);
  auto* note = Named(new QLabel(panel), kLblShowNote);
  note->setTextFormat(Qt::PlainText);
  widgets_[kLblShowNote] = note;
  layout->addWidget(note);
  return panel;
}

QWidget* TfrmStartUp::BuildBoxGrid() {
  auto* holder = new QWidget(this);
  auto* grid = new QGridLayout(holder);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setColumnStretch(1, 1);
  // Looked up once: each look-up searches the icon theme's folders.
  const QIcon folder = style()->standardIcon(QStyle::SP_DirOpenIcon);
  AddFileRow(*grid, 0, kFileRows[0], folder);
  AddFileRow(*grid, 1, kFileRows[1], folder);
  auto* checks = new QHBoxLayout;
  for (const char* name : {kChkBrowseOutput, kChkAppendOutput}) {
    auto* check = Named(new QCheckBox(holder), name);
    // However the state changes: mouse, Space, mnemonic or an assistive tool.
    connect(check, &QCheckBox::toggled, this, [this, name](bool checked) { form_[name].Checked = checked; });
    widgets_[name] = check;
    checks->addWidget(check);
  }
  AddRunChoices(*holder, *checks);
  checks->addStretch(1);
  grid->addLayout(checks, 2, 1);
  AddFileRow(*grid, 3, kFileRows[2], folder);
  AddFileRow(*grid, 4, kFileRows[3], folder);
  grid->setRowMinimumHeight(5, fontMetrics().height() / 2);
  for (int i = 0; i < 3; ++i) AddParameterRow(*grid, 6 + i, "XYZ"[i]);
  widgets_[kLblOutputFile]->installEventFilter(this);
  return holder;
}

QComboBox* TfrmStartUp::AddBox(const char* name) {
  auto* box = Named(new QComboBox(this), name);
  box->setEditable(true);
  box->setInsertPolicy(QComboBox::NoInsert);
  box->setMaxVisibleItems(form_[name].DropDownCount);
  box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  box->setMinimumContentsLength(20);
  // The box holds what was typed, letter for letter: a history entry that
  // differs only in case is another name (another file, another keep list).
  box->completer()->setCaseSensitivity(Qt::CaseSensitive);
  widgets_[name] = box;
  ConnectBox(*box);
  return box;
}

void TfrmStartUp::AddFileRow(QGridLayout& grid, int row, const TFileRow& names, const QIcon& folder) {
  auto* caption = Named(new QLabel(this), names.Label);
  QComboBox* combo = AddBox(names.Box);
  caption->setBuddy(combo);
  widgets_[names.Label] = caption;
  grid.addWidget(caption, row, 0);
  grid.addWidget(combo, row, 1);
  const TFileBox which = names.Which;
  auto* chooser = Named(new QToolButton(this), names.Nav);
  chooser->setIcon(folder);
  chooser->setAccessibleName("Choose a file");
  KeepPlaceWhenHidden(*chooser);
  connect(chooser, &QToolButton::clicked, this,
          [this, which] { Call([which](TRunController& c) { c.ChooseFile(which); }); });
  widgets_[names.Nav] = chooser;
  grid.addWidget(chooser, row, 2);
  grid.addWidget(AddButton(names.View, [this, which] { Call([which](TRunController& c) { c.ViewFile(which); }); }),
                 row, 3);
}

void TfrmStartUp::AddParameterRow(QGridLayout& grid, int row, char letter) {
  const std::string label = std::string("lblParameter") + letter;
  const std::string box = std::string("cboParameter") + letter;
  auto* caption = new QLabel(this);
  caption->setObjectName(QString::fromStdString(label));
  widgets_[label] = caption;
  QComboBox* combo = AddBox(box.c_str());
  caption->setBuddy(combo);
  grid.addWidget(caption, row, 0);
  grid.addWidget(combo, row, 1, 1, 3);
}

QWidget* TfrmStartUp::AddButton(const char* name, const std::function<void()>& action) {
  auto* button = Named(new QPushButton(this), name);
  button->setAutoDefault(false);
  if (action) connect(button, &QPushButton::clicked, this, action);
  widgets_[name] = button;
  return button;
}

QWidget* TfrmStartUp::BuildButtonRow() {
  auto* row = new QWidget(this);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addStretch(1);
  layout->addWidget(AddButton(kBtnStart, [this] { Call([](TRunController& c) { c.Start(); }); }));
  layout->addWidget(AddButton(kBtnExit, [this] { Call([](TRunController& c) { c.Exit(); }); }));
  layout->addWidget(AddButton(kBtnHelp, [this] {
    Call([](TRunController& c) {
      if (c.ShowAbout) c.ShowAbout();
    });
  }));
  layout->addWidget(AddButton(kBtnOptions, [this] { DefineSearchPath(*this); }));
  static_cast<QPushButton*>(widgets_[kBtnStart])->setDefault(true);
  return row;
}

void TfrmStartUp::BuildTimers() {
  for (int i = 0; i < 3; ++i) {
    timers_[i] = new QTimer(this);
    timers_[i]->setInterval(kTimerPeriods[i]);
    const auto timer = static_cast<TTimer>(i);
    // A tick stops its timer; the refresh after the handler starts it again
    // when the form's data still has it on, so a nested tick cannot re-enter.
    connect(timers_[i], &QTimer::timeout, this, [this, timer] {
      Timer(timer).stop();
      Call([timer](TRunController& c) { c.OnTimer(timer); });
    });
  }
}

// F1 to F9 go to the controller, which ignores them during a run; Esc
// cancels a run as Cancel does.
void TfrmStartUp::BuildShortcuts() {
  for (int key = 1; key <= 9; ++key) {
    auto* shortcut = new QShortcut(QKeySequence(Qt::Key_F1 + key - 1), this);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, [this, key] { Call([key](TRunController& c) { c.OnKey(key); }); });
  }
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  escape->setContext(Qt::WindowShortcut);
  connect(escape, &QShortcut::activated, this, [this] { Call([](TRunController& c) { c.CancelKey(); }); });
}

void TfrmStartUp::Call(const std::function<void(TRunController&)>& action) {
  if (controller_ == nullptr) return;
  action(*controller_);
  Refresh();
}

}  // namespace gleaner::culler
