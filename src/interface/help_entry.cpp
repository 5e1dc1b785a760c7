// Running the help chooser and showing its topics, and the search path dialog.
#include "interface/help_entry.h"

#include <sys/stat.h>

#include <ctime>

#include "browser/document_titles.h"
#include "engine/gleaner_engine.h"
#include "foundation/search_path.h"
#include "foundation/settings_store.h"
#include "interface/about_pages.h"
#include "interface/error_report.h"
#include "interface/help_folders.h"
#include "interface/page_buffer.h"
#include "interface/search_path_help.h"
#include "interface/viewer_caption.h"
#include "platform/file_search.h"
#include "platform/shell_port.h"
#include "viewer/text_browse.h"

namespace gleaner {
namespace {

constexpr const char* kHelpKind = "Help";
constexpr const char* kHelpSettings = "frmBrowseHelp";

void Tell(IMainView& view, const std::string& text) { view.ShowPlainMessage(ApplicationTitle(), text + "  "); }

std::string JoinedSearchPath() {
  std::string joined;
  for (const std::string& folder : SearchFolders()) joined += (joined.empty() ? "" : ";") + folder;
  return joined;
}

TProgramFile RunningProgram() {
  TProgramFile program;
  const std::string file = RunningProgramFile();
  struct stat status {};
  if (file.empty() || stat(file.c_str(), &status) != 0) return program;
  program.Name = FileNamePart(file);
  program.Time = status.st_mtime;
  return program;
}

// The document first, then the page; a missing document shows only the message.
void ShowWithPage(IMainView& view, const std::string& file, const std::string& title) {
  if (file.empty() || !FileExists(file)) {
    Tell(view, file + " was not found");
    return;
  }
  view.ViewDocument(HelpDocumentSetup(file, title, PageBuffer().Lines()));
}

THelpTopicsFound TopicsFound(TRunController& controller, const std::string& browserProgram) {
  THelpTopicsFound found;
  found.ProgramName = EngineInfo().CfgProgramName;
  found.ApplicationHelp = FileExists(ApplicationHelpFile(found.ProgramName));
  const std::string scriptHelp = ScriptHelpFile(controller.Form()[kCboScriptFile].Text);
  if (!scriptHelp.empty() && FileExists(scriptHelp)) found.ScriptHelpTitle = DocumentTitle(scriptHelp, true);
  found.Browser = FileExists(browserProgram);
  return found;
}

// The chooser's answer goes through the settings, where the next start finds it too.
std::optional<THelpTopic> ChooseTopic(IMainView& view, const THelpChooserLayout& layout) {
  if (layout.Count <= 1) return OnlyTopic(layout);
  const std::optional<THelpTopic> chosen = view.ShowHelpChooser(layout);
  if (!chosen) return std::nullopt;
  WriteText(kHelpTopicKey, TopicText(*chosen));
  return TopicFromText(ReadText(kHelpTopicKey, ""));
}

}  // namespace

TViewerSetup HelpDocumentSetup(const std::string& file, const std::string& title,
                               const std::vector<std::string>& extraLines) {
  TViewerSetup setup;
  setup.FileName = file;
  setup.Title = title;
  setup.Caption = ViewerCaption(kHelpKind);
  setup.SettingsName = kHelpSettings;
  setup.MarkupMode = true;
  setup.WordWrap = true;
  setup.SearchPath = JoinedSearchPath();
  setup.ExtraLines = extraLines;
  return setup;
}

void InstallHelp(TRunController& controller) {
  controller.ShowAbout = [&controller] { ShowHelp(controller, BrowserProgram()); };
}

void ShowHelp(TRunController& controller, const std::string& browserProgram) {
  const std::optional<THelpTopic> topic =
      ChooseTopic(controller.View(), DecideHelpChooser(TopicsFound(controller, browserProgram)));
  if (!topic) return;
  switch (*topic) {
    case THelpTopic::Application:
      ShowAboutPage(controller);
      break;
    case THelpTopic::Script:
      ShowAboutScriptPage(controller);
      break;
    case THelpTopic::HelpIndex:
      StartHelpIndex(controller.View(), browserProgram);
      break;
  }
}

void ShowAboutPage(TRunController& controller) {
  const TEngineInfo& info = EngineInfo();
  SetBrowserFolderList(BrowserFolders(controller.Form()));
  BuildAboutPage(PageBuffer(), info, RunningProgram(), std::time(nullptr));
  ShowWithPage(controller.View(), ApplicationHelpFile(info.CfgProgramName), info.CfgProgramName + " Help");
}

void ShowAboutScriptPage(TRunController& controller) {
  if (controller.ConfigPending()) return;
  SetBrowserFolderList(BrowserFolders(controller.Form()));
  BuildAboutScriptPage(PageBuffer(), EngineInfo(), ScriptCfg());
  const std::string& script = controller.Form()[kCboScriptFile].Text;
  std::string file = ScriptHelpFile(script);
  if (file.empty()) file = ExpandName("Help-" + FileNamePart(script));  // named in the message
  ShowWithPage(controller.View(), file, FileExists(file) ? DocumentTitle(file, true) : "");
}

void StartHelpIndex(IMainView& view, const std::string& program) {
  std::string error;
  if (!ShellPort().StartProgram(program, {"/D\"" + JoinedSearchPath() + "\""}, HomeFolder(), error)) {
    Tell(view, program + " could not be started: " + error);
  }
}

void DefineSearchPath(IMainView& view) {
  // The page alone, without a document before it.
  TViewerSetup help = HelpDocumentSetup(std::string(kNoFileName), kSearchPathHelpTitle,
                                        SearchPathHelpPage(EngineInfo(), HomeFolder()));
  help.SettingsName = kSearchPathHelpSettings;
  const std::optional<std::vector<std::string>> folders =
      view.ShowSearchPathDialog(TSearchPathList(SearchFolders(), HomeFolder()), help);
  if (folders) SearchFolders() = *folders;
}

}  // namespace gleaner
