// TRunController's file viewing: viewing the files named in the boxes (the
// View buttons, F2, F3, F6, F7 and autoview) and choosing them (the image
// buttons).
#include "engine/gleaner_engine.h"
#include "foundation/search_path.h"
#include "foundation/win1252.h"
#include "interface/box_names.h"
#include "interface/error_report.h"
#include "interface/run_controller.h"
#include "interface/viewer_caption.h"
#include "platform/current_folder.h"
#include "platform/file_search.h"

namespace gleaner {
namespace {

struct TBoxKind {
  const char* Box;
  const char* Kind;
  const char* Filter;            // of the file chooser
  const char* AutoRefusal;       // the automatic name cannot be viewed
  const char* ClipboardRefusal;  // nor the clipboard before a run
  bool Located;                  // found along the search path, like the run does
};

constexpr TBoxKind kBoxKinds[] = {
    {kCboInputFile, "Input",
     "Text files (*.txt)|*.txt|All files (*.*)|*.*|Gleaner Lookup files (Luf*.txt)|Luf*.txt|Comma-separated "
     "values "
     "(*.csv)|*.csv",
     "The input file is not set until processing begins",
     "The clipboard input file is created during processing", true},
    {kCboOutputFile, "Output",
     "All files (*.*)|*.*|Text files (*.txt)|*.txt|Comma-separated values (*.csv)|*.csv|Tab-delimited values "
     "(*.tab)|*.tab|Hypertext markup (*.htm; *.html)|*.htm;*.html",
     "The output file is not set until processing begins",
     "The clipboard output file is created during processing", false},
    {kCboScriptFile, "Script",
     "Script files (Scr*.txt)|Scr*.txt|Text files (*.txt)|*.txt|All files (*.*)|*.*", nullptr, nullptr, true},
    {kCboSupportFile, "Support", "All files (*.*)|*.*|Text files (*.txt)|*.txt", nullptr, nullptr, false},
};

const TBoxKind& KindOf(TFileBox box) { return kBoxKinds[static_cast<int>(box)]; }

const std::string& ProgramName() { return EngineInfo().CfgProgramName; }

// The folder a chooser opens in: the folder of the name, else the current
// folder, where a name typed without a folder is looked for first.
std::string InitialFolder(std::string_view name) {
  const std::string folder = FolderPart(name);
  return folder.empty() ? CurrentFolder() : folder;
}

// The support files and the logs are the program's own: named without a folder, they are in the home folder.
bool SameFile(const std::string& full, const std::string& name) {
  return !name.empty() && SameTextIgnoreCase(full, HomeName(name));
}

bool IsSupportFile(const std::string& full) {
  const std::string& list = EngineInfo().CfgSupportFiles;
  for (std::size_t start = 1; start <= list.size();) {
    std::size_t end = list.find(list[0], start);
    if (end == std::string::npos) end = list.size();
    if (SameFile(full, list.substr(start, end - start))) return true;
    start = end + 1;
  }
  return false;
}

std::string MissingFileMessage(const std::string& name) {
  const TEngineInfo& info = EngineInfo();
  if (IsSupportFile(name)) {
    return "The " + info.CfgProgramName + " support file " + name + "\r\n" + " is not available." + "\r\n" +
           "It may be required for this application.";
  }
  if (SameFile(name, info.CfgLogFileName)) {
    return "The " + info.CfgProgramName + " processing log file " + "\r\n" + name + "\r\n" +
           "is available only after processing";
  }
  if (SameFile(name, info.CfgErrorFileName)) {
    return "The " + info.CfgProgramName + " error log file " + "\r\n" + name + "\r\n" +
           "is created only when an error occurs";
  }
  return (name.empty() ? std::string("The file") : name) + " was not found";
}

// The file types the viewer offers for the output file.
std::string OutputMask(bool automatic) {
  if (automatic) {
    const std::string file = FileNamePart(Eng().ActualOFN);
    const std::size_t dot = file.rfind('.');
    return "Auto (*." + (dot == std::string::npos ? std::string() : file.substr(dot + 1)) + ")";
  }
  const std::string& mask = EngineInfo().CfgOutputFileMask;
  return mask.empty() ? std::string() : "Output (" + mask + ")";
}

// The input and output boxes name no file before a run for these two.
const char* Refusal(const TBoxKind& kind, const std::string& name) {
  if (name == kAutoName) return kind.AutoRefusal;
  if (IsClipboardName(name)) return kind.ClipboardRefusal;
  return nullptr;
}

}  // namespace

void TRunController::ShowPlainMessage(const std::string& text) {
  view_.ShowPlainMessage(ApplicationTitle(), text + "  ");
}

void TRunController::ViewFile(TFileBox box) { ShowFile(box, form_[KindOf(box).Box].Text, false); }

// Messages about viewing go straight to the user: they are not about a run,
// and writing them to the error log would create the very file a message
// says exists only after an error.
void TRunController::ShowFile(TFileBox box, std::string name, bool afterRun) {
  const TBoxKind& kind = KindOf(box);
  if (HasWildcardChars(name)) {
    const std::string pattern = name.substr(0, name.find(';'));
    const std::optional<std::string> chosen =
        view_.ChooseFile(ProgramName() + " - Browse " + kind.Kind, kind.Filter, InitialFolder(pattern));
    if (!chosen) return;
    name = *chosen;
  }
  if (const char* refusal = afterRun ? nullptr : Refusal(kind, name)) {
    ShowPlainMessage(refusal);
    return;
  }
  if (!kind.Located || !LocateFile(name, false, false)) name = ExpandName(name);
  if (!FileExists(name)) {
    ShowPlainMessage(MissingFileMessage(name));
    return;
  }
  const std::string mask =
      box == TFileBox::Output ? OutputMask(form_[kCboOutputFile].Text == kAutoName) : "";
  view_.ViewFile(name, ViewerCaption(kind.Kind), mask);
}

void TRunController::ChooseFile(TFileBox box) {
  const TBoxKind& kind = KindOf(box);
  TControl& control = form_[kind.Box];
  std::string current = control.Text;
  if (!kind.Located || !LocateFile(current, false, false)) current = ExpandName(current);
  const std::optional<std::string> chosen = view_.ChooseFile(
      ProgramName() + " - Select " + kind.Kind + " File", kind.Filter, InitialFolder(current));
  if (!chosen) return;
  control.Text = *chosen;
  BoxExit(kind.Box);
}

}  // namespace gleaner
