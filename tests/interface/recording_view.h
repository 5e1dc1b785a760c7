// A main view for the report and command-line tests: records every message,
// report form, help page and request, and answers questions Cancel.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "interface/main_view.h"

namespace gleaner::testing {

class RecordingView : public IMainView {
 public:
  struct TShown {
    std::string Title;
    std::string Text;
  };

  void ShowPlainMessage(const std::string& title, const std::string& text) override {
    plain.push_back({title, text});
  }
  bool AskOkCancel(const std::string&, const std::string&) override { return false; }
  void ShowReportForm(const std::string& title, const TReportFormData& data) override {
    reportTitles.push_back(title);
    reportForms.push_back(data);
  }
  void ShowHelpText(const std::string& caption, const std::vector<THelpLine>& lines) override {
    helpCaptions.push_back(caption);
    helpLines.clear();
    for (const THelpLine& line : lines) helpLines.push_back(line.Text);
  }
  void FocusBox(const std::string&) override {}
  std::optional<std::string> ChooseFile(const std::string&, const std::string&, const std::string&) override {
    return std::nullopt;
  }
  void ViewFile(const std::string&, const std::string&, const std::string&) override {}
  void Refresh() override {}
  void ShowNormal() override { ++normals; }
  void CloseForm() override {}
  std::optional<std::vector<std::string>> ShowSearchPathDialog(const TSearchPathList& list,
                                                               const TViewerSetup&) override {
    ++searchPathDialogs;
    searchPathShown = list.Items();
    return std::nullopt;
  }

  std::vector<TShown> plain;
  std::vector<std::string> reportTitles;
  std::vector<TReportFormData> reportForms;
  std::vector<std::string> helpCaptions;
  std::vector<std::string> helpLines;
  int normals = 0;
  int searchPathDialogs = 0;
  std::vector<std::string> searchPathShown;
};

}  // namespace gleaner::testing
