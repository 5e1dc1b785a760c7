// TfrmStartUp, KestraScan's main window: the document browser.
#include "gui/kestrascan/browser_main_window.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include "browser/browser_info.h"
#include "foundation/settings_store.h"
#include "gui/common/qt_text.h"

namespace gleaner {

TfrmStartUp::TfrmStartUp(std::string homeFolder)
    : QWidget(nullptr), scan_(std::move(homeFolder)), placement_(*this, "frmStartUp") {
  setObjectName("frmStartUp");
  setWindowTitle(QString::fromUtf8(kBrowserName.data(), static_cast<qsizetype>(kBrowserName.size())));
  setMinimumSize(389, 190);
  resize(460, 420);
  BuildControls();
  installEventFilter(this);
  for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
}

void TfrmStartUp::BuildControls() {
  auto* lblCaption = new QLabel("Click below to select the file to view", this);
  lblCaption->setObjectName("lblCaption");
  lstTitles_ = new QListWidget(this);
  lstTitles_->setObjectName("lstTitles");
  connect(lstTitles_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { OpenItem(lstTitles_->row(item)); });
  btnClose_ = new QPushButton("&Close", this);
  btnClose_->setObjectName("btnClose");
  connect(btnClose_, &QPushButton::clicked, this, &QWidget::close);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(BuildSortGroup(), 1);
  bottom->addWidget(btnClose_, 0, Qt::AlignBottom);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(lblCaption);
  layout->addWidget(lstTitles_, 1);
  layout->addLayout(bottom);
}

QWidget* TfrmStartUp::BuildSortGroup() {
  auto* group = new QGroupBox(this);
  group->setObjectName("grpSort");
  radSortByFolder_ = new QRadioButton("Group by &Folder", group);
  radSortByFolder_->setObjectName("radSortByFolder");
  radSortByName_ = new QRadioButton("Sort by &Name", group);
  radSortByName_->setObjectName("radSortByName");
  // Only the user's clicks rebuild; start-up sets the choice before the one build.
  connect(radSortByFolder_, &QRadioButton::clicked, this, [this] { SortChanged(); });
  connect(radSortByName_, &QRadioButton::clicked, this, [this] { SortChanged(); });
  auto* layout = new QHBoxLayout(group);
  layout->addWidget(radSortByFolder_);
  layout->addWidget(radSortByName_);
  return group;
}

void TfrmStartUp::StartUp(const std::vector<std::string>& arguments) {
  scan_.Start(arguments);
  RestoreWindow(placement_);
  (scan_.Order() == TListOrder::ByFolder ? radSortByFolder_ : radSortByName_)->setChecked(true);
  show();
  QTimer::singleShot(0, this, [this] {
    scan_.ReportSwitches();
    RebuildList();
    if (scan_.TakeShowOwnHelp()) OpenViewer(scan_.OwnHelpViewer());
  });
}

void TfrmStartUp::SortChanged() {
  scan_.SetOrder(radSortByFolder_->isChecked() ? TListOrder::ByFolder : TListOrder::ByName);
  RebuildList();
}

void TfrmStartUp::RebuildList() {
  entries_ = scan_.Rebuild();
  lstTitles_->clear();
  for (const TListInfo& entry : entries_) lstTitles_->addItem(FromMixed(entry.Title));
}

void TfrmStartUp::OpenItem(int row) {
  if (row < 0 || static_cast<std::size_t>(row) >= entries_.size()) return;
  OpenViewer(scan_.DocumentViewer(entries_[static_cast<std::size_t>(row)]));
}

// One viewer at a time: the earlier one closes first, so the new one takes
// over its saved place.
void TfrmStartUp::OpenViewer(const TViewerSetup& setup) {
  if (!viewer_.isNull()) viewer_->close();
  viewer_ = ShowTextBrowse(setup, this);
}

void TfrmStartUp::ShowAbout() { ShowNotice(scan_.AboutText()); }

void TfrmStartUp::closeEvent(QCloseEvent* event) {
  scan_.Close();
  SaveWindow(placement_);
  if (!viewer_.isNull()) viewer_->close();
  event->accept();
}

bool TfrmStartUp::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
  const auto* key = static_cast<QKeyEvent*>(event);
  switch (key->key()) {
    case Qt::Key_F1:
      ShowAbout();
      return true;
    case Qt::Key_F5:
      RebuildList();
      return true;
    case Qt::Key_Escape:
      close();
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (watched != lstTitles_) return false;
      OpenItem(lstTitles_->currentRow());
      return true;
    default:
      return false;
  }
}

}  // namespace gleaner
