// The console front end's view, its timer loop and its cancel pump.
#include "interface/console_view.h"

#include <iostream>
#include <istream>
#include <ostream>

#include "engine/gleaner_engine.h"
#include "foundation/search_path.h"
#include "foundation/win1252.h"
#include "interface/run_controller.h"
#include "platform/answer_wait.h"
#include "platform/cancel_signals.h"
#include "platform/ports.h"

namespace gleaner {
namespace {

// Messages use CR LF inside; a terminal wants LF alone.
std::string TerminalText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    out += text[i] == '\r' ? '\n' : text[i];
  }
  return out;
}

// Plain messages carry two trailing spaces for the message box only.
std::string_view WithoutTrailingBlanks(std::string_view text) {
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

// A name that was not found: where it was looked for, once, after the
// message that names it.
void TellLookupMiss(std::ostream& err, std::string_view message) {
  const TLookupMiss& miss = LastLookupMiss();
  if (miss.Name.empty() || message.find(miss.Name) == std::string_view::npos) return;
  err << "  (" << miss.Name << " was looked for in:";
  for (const std::string& folder : miss.Folders) err << ' ' << folder;
  err << ")\n";
  ClearLookupMiss();
}

void ReportRow(std::ostream& err, std::string_view label, std::string_view value) {
  constexpr std::size_t kValueColumn = 17;
  err << "  " << label << std::string(label.size() < kValueColumn ? kValueColumn - label.size() : 1, ' ')
      << value << '\n';
}

// Every timer fire that cannot end the loop is bounded, so a state that
// never clears a timer cannot keep the program alive for ever.
constexpr int kMaxTimerFires = 100000;

// The engine lets the user interface act once per record; this is where a
// Ctrl+C, SIGTERM or SIGHUP becomes the cancel request.
class TConsoleCancelPump final : public IEventPump {
 public:
  void PumpEvents() override {
    if (CancelSignalled()) Eng().CancelRequested = true;
  }
};

}  // namespace

void TConsoleView::ShowPlainMessage(const std::string& title, const std::string& text) {
  err_ << title << ": " << TerminalText(WithoutTrailingBlanks(text)) << '\n';
  TellLookupMiss(err_, text);
  err_ << std::flush;
}

void TConsoleView::ShowStatus(const std::string& text) {
  err_ << EngineInfo().CfgProgramName << ": " << text << '\n' << std::flush;
}

bool TConsoleView::AskOkCancel(const std::string& title, const std::string& text) {
  err_ << title << ": " << TerminalText(text) << '\n';
  if (!interactive_) {
    err_ << "(answered Cancel: standard input is not a terminal)\n" << std::flush;
    declined_ = true;
    return false;
  }
  err_ << "Proceed? [y/N] " << std::flush;
  // Ctrl+C at the question is Cancel: nothing is rotated or run.
  if (&in_ == &std::cin && !WaitForInputOrCancel(0)) {
    err_ << '\n' << std::flush;
    declined_ = true;
    return false;
  }
  std::string answer;
  const bool ok = std::getline(in_, answer) && (answer == "y" || answer == "Y" || answer == "yes");
  declined_ = declined_ || !ok;
  return ok;
}

void TConsoleView::ShowReportForm(const std::string& title, const TReportFormData& data) {
  err_ << title << ": Processing Halted\n";
  ReportRow(err_, "Error category", data.Category);
  ReportRow(err_, "Description", data.Description);
  ReportRow(err_, "Error code", data.Code);
  ReportRow(err_, "Processing step", data.Step);
  err_ << TerminalText(data.Message) << '\n';
  TellLookupMiss(err_, data.Message);
  err_ << std::flush;
}

void TConsoleView::ShowHelpText(const std::string& caption, const std::vector<THelpLine>& lines) {
  out_ << Win1252ToUtf8(caption) << (lines.empty() ? "\n" : "\n\n");
  for (const THelpLine& line : lines) out_ << Win1252ToUtf8(line.Text) << '\n';
  out_ << std::flush;
}

std::optional<std::string> TConsoleView::ChooseFile(const std::string& title, const std::string&,
                                                    const std::string&) {
  err_ << title << ": no file chooser in the console\n" << std::flush;
  return std::nullopt;
}

void TConsoleView::ViewFile(const std::string& fileName, const std::string& title, const std::string&) {
  err_ << title << ": " << fileName << '\n' << std::flush;
}

std::optional<std::vector<std::string>> TConsoleView::ShowSearchPathDialog(const TSearchPathList& list,
                                                                           const TViewerSetup&) {
  err_ << "Search path (the dialog needs the desktop front end):\n";
  for (const std::string& folder : list.Items()) err_ << "  " << folder << '\n';
  err_ << std::flush;
  return std::nullopt;
}

std::optional<THelpTopic> TConsoleView::ShowHelpChooser(const THelpChooserLayout&) {
  err_ << "Help Options: no help chooser in the console\n" << std::flush;
  return std::nullopt;
}

void RunConsoleTimers(TRunController& controller, const TConsoleView& view) {
  constexpr TTimer kByPeriod[] = {TTimer::RunConfig, TTimer::AutoStart, TTimer::Progress};
  const TMainForm& form = controller.Form();
  for (int fires = 0; fires < kMaxTimerFires && !view.Closed(); ++fires) {
    const TTimer* next = nullptr;
    for (const TTimer& timer : kByPeriod) {
      if (form.TimerOn(timer)) {
        next = &timer;
        break;
      }
    }
    if (next == nullptr) return;
    controller.OnTimer(*next);
  }
}

void InstallConsoleCancel() {
  static TConsoleCancelPump pump;
  Ports().EventPump = &pump;
  InstallCancelSignals();
}

}  // namespace gleaner
