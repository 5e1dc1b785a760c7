// Culler's desktop front end.
#include "gui/culler/culler_desktop.h"

#include "culler/program_info.h"
#include "foundation/search_path.h"
#include "interface/gleaner_interface.h"

namespace gleaner::culler {

TCullerDesktop::TCullerDesktop(const std::vector<std::string>& params)
    : controller_(window_.Form(), window_, handlers_, FillProgramInfo) {
  window_.Connect(controller_);
  InstallHelp(controller_);
  SetReportView(&window_);
  window_.BannerAddress = HomeFolder();
  StartUpMainForm(controller_, [&] { commandLine_ = ProcessCommandLine(params, window_.Form(), window_); });
  window_.Refresh();
}

TCullerDesktop::~TCullerDesktop() {
  if (ReportView() == &window_) SetReportView(nullptr);
}

void TCullerDesktop::Show() {
  window_.show();
  controller_.FormActivate();
  window_.Refresh();
}

}  // namespace gleaner::culler
