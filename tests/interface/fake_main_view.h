// A main view that records what the logic shows (messages, report forms,
// help pages, requests) and answers questions from scripted replies, for
// driving the run controller, the start-up code, the error reports and the
// command line.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "interface/main_view.h"

namespace gleaner::testing {

class FakeMainView : public IMainView {
 public:
  struct TShown {
    std::string Title, Text;
  };
  struct TViewed {
    std::string File, Title, Mask;
  };
  struct TChooser {
    std::string Title, Filter, Folder;
  };

  void ShowPlainMessage(const std::string& title, const std::string& text) override {
    plain.push_back({title, text});
    shown.push_back(text.ends_with("  ") ? text.substr(0, text.size() - 2) : text);
  }
  bool AskOkCancel(const std::string& title, const std::string& text) override {
    questions.push_back({title, text});
    return answerOk;
  }
  void ShowReportForm(const std::string& title, const TReportFormData& data) override {
    reportTitles.push_back(title);
    reportForms.push_back(data);
    shown.push_back(data.Message);
  }
  void ShowHelpText(const std::string& caption, const std::vector<THelpLine>& lines) override {
    helpCaptions.push_back(caption);
    helpLines.clear();
    for (const THelpLine& line : lines) helpLines.push_back(line.Text);
  }
  void FocusBox(const std::string& name) override { focused.push_back(name); }
  std::optional<std::string> ChooseFile(const std::string& title, const std::string& filter,
                                        const std::string& folder) override {
    choosers.push_back({title, filter, folder});
    if (chooserReplies.empty()) return std::nullopt;
    std::optional<std::string> reply = chooserReplies.front();
    chooserReplies.pop_front();
    return reply;
  }
  void ViewFile(const std::string& file, const std::string& title, const std::string& mask) override {
    viewed.push_back({file, title, mask});
  }
  void Refresh() override {}
  void ShowNormal() override { ++normals; }
  void CloseForm() override { ++closes; }
  void ViewDocument(const TViewerSetup& setup) override { documents.push_back(setup); }
  std::optional<THelpTopic> ShowHelpChooser(const THelpChooserLayout& layout) override {
    choosersShown.push_back(layout);
    return topicReply;
  }
  std::optional<std::vector<std::string>> ShowSearchPathDialog(const TSearchPathList& list,
                                                               const TViewerSetup& help) override {
    ++searchPathDialogs;
    searchPathShown = list.Items();
    searchPathHelp.push_back(help);
    if (!editSearchPath) return std::nullopt;
    TSearchPathList edited = list;
    return editSearchPath(edited) ? std::optional(edited.Result()) : std::nullopt;
  }

  std::vector<std::string> shown;  // every message, plain (without its two blanks) or report form
  std::vector<TShown> plain;
  std::vector<TShown> questions;
  bool answerOk = true;
  std::vector<std::string> reportTitles;
  std::vector<TReportFormData> reportForms;
  std::vector<std::string> helpCaptions;
  std::vector<std::string> helpLines;  // the last help page shown
  int normals = 0;
  std::vector<std::string> focused;
  std::deque<std::optional<std::string>> chooserReplies;
  std::vector<TChooser> choosers;
  std::vector<TViewed> viewed;
  int closes = 0;
  std::vector<TViewerSetup> documents;       // ViewDocument
  std::vector<THelpChooserLayout> choosersShown;
  std::optional<THelpTopic> topicReply;      // the chooser's answer; nothing is Cancel
  int searchPathDialogs = 0;
  std::vector<std::string> searchPathShown;  // the list the last dialog opened on
  std::vector<TViewerSetup> searchPathHelp;  // one per search path dialog shown
  // Edits the dialog's list; true is OK. Unset: the dialog is cancelled.
  std::function<bool(TSearchPathList&)> editSearchPath;
};

}  // namespace gleaner::testing
