// Reading the command line switch by switch, and the command line help page.
#include "interface/command_line.h"

#include <algorithm>
#include <optional>

#include "engine/gleaner_engine.h"
#include "foundation/search_path.h"
#include "foundation/win1252.h"
#include "interface/error_report.h"
#include "interface/help_entry.h"
#include "interface/run_choices.h"

namespace gleaner {
namespace {

// Switches whose value is a box's text.
struct TBoxSwitch {
  char Letter;
  const char* Box;
};
constexpr TBoxSwitch kBoxSwitches[] = {
    {'I', kCboInputFile},  {'O', kCboOutputFile}, {'S', kCboScriptFile}, {'U', kCboSupportFile},
    {'X', kCboParameterX}, {'Y', kCboParameterY}, {'Z', kCboParameterZ},
};

// Switches whose value is exactly one of two letters.
struct TChoiceSwitch {
  char Letter;
  char First;
  char Second;
  const char* Message;  // shown for any other value
};
constexpr TChoiceSwitch kChoiceSwitches[] = {
    {'A', 'Y', 'N', "The /A (Autoview) switch must be set to /AY (Yes) or /AN (No)"},
    {'E', 'Y', 'N', "The /E (Append) switch must be set to /EY (Yes) or /EN (No)"},
    {'C', 'A', 'S',
     "The /C (Autoview) switch must be set to /CS (Close if successful) or /CA (Close always)"},
};

enum class TNext { Continue, Error, Unknown };

void ApplyChoice(char letter, char value, TMainForm& form) {
  if (letter == 'A') form[kChkBrowseOutput].Checked = value == 'Y';
  if (letter == 'E') form[kChkAppendOutput].Checked = value == 'Y';
  if (letter == 'C') SetCloseMode(value);
}

TNext ChoiceSwitch(const TChoiceSwitch& choice, const std::string& value, TMainForm& form) {
  const char letter = value.size() == 1 ? AnsiUpper(value[0]) : '\0';
  if (letter != choice.First && letter != choice.Second) {
    Report(choice.Message, false);
    return TNext::Error;
  }
  ApplyChoice(choice.Letter, letter, form);
  return TNext::Continue;
}

// Everything but the box and choice switches.
TNext OtherSwitch(char letter, IMainView& view, TCommandLineResult& result) {
  switch (letter) {
    case 'R':
      result.Run = true;
      return TNext::Continue;
    case 'T':
      SetTestMode(true);
      return TNext::Continue;
    case '?':
      ShowCommandLineHelp(view, CommandLineHelpCaption());
      result.HelpShown = true;
      return TNext::Continue;
    case '#':
      DefineSearchPath(view);
      return TNext::Continue;
    default:
      ShowCommandLineHelp(view, std::string("Unrecognized command-line switch:  /") + letter);
      result.HelpShown = true;
      result.UnknownSwitch = true;
      return TNext::Unknown;
  }
}

// The Unix spellings: "--help" and "-h" read as "/?", "--version" prints the
// versions and, like "/?", leaves the reading going.
std::optional<TNext> UnixSwitch(const std::string& param, IMainView& view, TCommandLineResult& result) {
  if (param == "--help" || param == "-h") return OtherSwitch('?', view, result);
  if (param == kConsoleSwitch) return TNext::Continue;
  if (param != "--version") return std::nullopt;
  view.ShowHelpText(VersionLine(), {});
  result.HelpShown = true;
  return TNext::Continue;
}

TNext OneParameter(const std::string& param, TMainForm& form, IMainView& view, TCommandLineResult& result) {
  if (const std::optional<TNext> next = UnixSwitch(param, view, result)) return *next;
  if (const std::optional<bool> taken = RunChoiceSwitch(param, form)) return *taken ? TNext::Continue : TNext::Error;
  if (param.size() < 2 || param[0] != '/') {
    Report("Incorrectly formatted command-line parameter:\r\n" + param, false);
    return TNext::Error;
  }
  const char letter = AnsiUpper(param[1]);
  const std::string value = param.substr(2);
  for (const TBoxSwitch& box : kBoxSwitches) {
    if (box.Letter != letter) continue;
    form[box.Box].Text = value;
    return TNext::Continue;
  }
  for (const TChoiceSwitch& choice : kChoiceSwitches) {
    if (choice.Letter == letter) return ChoiceSwitch(choice, value, form);
  }
  return OtherSwitch(letter, view, result);
}

// The help text window's lines: headings set off by empty lines.
class THelpPage {
 public:
  void Heading(std::string_view text) {
    if (!first_) Line("");
    first_ = false;
    lines_.push_back({std::string(text), true});
    Line("");
  }
  void Line(std::string_view text) { lines_.push_back({std::string(text), false}); }
  // Twelve em dashes, two spaces, sixty-six em dashes.
  void Separator() { Line(std::string(12, '\x97') + "  " + std::string(66, '\x97')); }
  std::vector<THelpLine> Take() { return std::move(lines_); }

 private:
  std::vector<THelpLine> lines_;
  bool first_ = true;
};

// A parameter's caption as the help shows it.
std::string CaptionForHelp(const std::string& caption, char letter) {
  if (caption.empty()) return std::string("Option") + letter;
  std::string text = caption;
  const std::size_t ampersand = text.find('&');
  if (ampersand != std::string::npos) text.erase(ampersand, 1);
  return text;
}

void SwitchSummary(THelpPage& page) {
  const TEngineInfo& info = EngineInfo();
  page.Heading("Command Line Parameter Summary");
  page.Separator();
  page.Line("Switch        Meaning");
  page.Separator();
  page.Line("/I\"filename\"  Specify input file name");
  page.Line("/O\"filename\"  Specify output file name");
  page.Line("/S\"filename\"  Specify script file name (/S\"None\" = No scripting)");
  page.Line("/U\"filename\"  Specify support file name");
  page.Separator();
  page.Line("/R            Run (i.e. process) immediately");
  page.Separator();
  page.Line("/CS           Close after processing (if successful)");
  page.Line("/CA           Close after processing (always)");
  page.Separator();
  page.Line("/AY           Turn on autoview (view output after processing)");
  page.Line("/AN           Turn off autoview");
  page.Separator();
  page.Line("/EY           Turn on append (add to end of the output file)");
  page.Line("/EN           Turn off append");
  page.Separator();
  page.Line("/T            Test mode (set script variable $TestMode to 'Y')");
  page.Separator();
  page.Line("/X\"setting\"   Set values for " + CaptionForHelp(info.CfgCaptionX, 'X'));
  page.Line("/Y\"setting\"   Set values for " + CaptionForHelp(info.CfgCaptionY, 'Y'));
  page.Line("/Z\"setting\"   Set values for " + CaptionForHelp(info.CfgCaptionZ, 'Z'));
  page.Separator();
  page.Line("/?            Displays this help window");
  page.Separator();
}

void CloseSwitchNotes(THelpPage& page) {
  page.Heading("More about the /C Switch");
  page.Line("/Cx  does not imply /R");
  page.Line("/Cx  suppresses autoview, even if it is turned on by /AY");
  page.Line("/CA  suppresses pop-up error messages (/CS will display them and wait)");
  page.Line("");
  page.Line("After processing, you can check for the existence of the file");
  page.Line(HomeName(EngineInfo().CfgErrorFileName));
  page.Line("to determine if a serious error occurred.");
}

void GeneralNotes(THelpPage& page) {
  page.Heading("Notes");
  page.Line("Use double quotes (\") around parameters if they contain spaces.");
  page.Line("");
  page.Line("Since the program remembers settings, it is strongly recommended that when you");
  page.Line("use command line parameters in a batch file or a Windows shortcut, you specify");
  page.Line("all of the parameters.");
}

}  // namespace

TCommandLineResult ProcessCommandLine(const std::vector<std::string>& params, TMainForm& form,
                                      IMainView& view) {
  SetCloseMode('N');
  TCommandLineResult result;
  for (const std::string& param : params) {
    const TNext next = OneParameter(param, form, view, result);
    if (next == TNext::Error) result.Error = true;
    if (next != TNext::Continue) break;
  }
  if (result.Error) {
    result.Run = false;
    view.ShowNormal();
  } else if (result.Run) {
    form.SetTimer(TTimer::AutoStart, true);
  }
  return result;
}

std::string VersionLine() {
  const TEngineInfo& info = EngineInfo();
  return info.CfgProgramName + " " + info.CfgVersion + " (" + std::string(kEngineName) + " " +
         std::string(kEngineVersion) + ")";
}

bool AsksForVersionOrHelp(const std::vector<std::string>& params) {
  return std::any_of(params.begin(), params.end(), [](const std::string& param) {
    return param == "--help" || param == "-h" || param == "--version";
  });
}

std::string CommandLineHelpCaption() { return EngineInfo().CfgProgramName + " - Command Line Help"; }

std::vector<THelpLine> CommandLineHelpPage() {
  THelpPage page;
  SwitchSummary(page);
  CloseSwitchNotes(page);
  GeneralNotes(page);
  return page.Take();
}

std::vector<std::string> CommandLineHelpLines() {
  std::vector<std::string> texts;
  for (THelpLine& line : CommandLineHelpPage()) texts.push_back(std::move(line.Text));
  return texts;
}

void ShowCommandLineHelp(IMainView& view, const std::string& caption) {
  view.ShowHelpText(caption, CommandLineHelpPage());
}

}  // namespace gleaner
