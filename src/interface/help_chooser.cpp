// The help chooser's button states and layout.
#include "interface/help_chooser.h"

namespace gleaner {
namespace {

constexpr int kTops[] = {60, 100, 140};
constexpr int kTallTops[] = {62, 122};
constexpr int kTallHeight = 42;

void MakeTall(THelpButton& first, THelpButton& second, THelpButton& hidden) {
  hidden.Visible = false;
  first.Top = kTallTops[0];
  second.Top = kTallTops[1];
  first.Height = second.Height = kTallHeight;
}

}  // namespace

THelpChooserLayout DecideHelpChooser(const THelpTopicsFound& found) {
  THelpChooserLayout layout;
  layout.Project = {"&Application", false, true, kTops[0], 25};
  layout.Script = {"(No script help found)", false, true, kTops[1], 25};
  layout.Index = {"Help &Index", false, true, kTops[2], 25};
  if (!found.ScriptHelpTitle.empty()) {
    layout.Script.Caption = found.ScriptHelpTitle;
    layout.Script.Enabled = true;
    layout.Default = THelpTopic::Script;
    ++layout.Count;
  }
  if (found.ApplicationHelp) {
    layout.Project.Caption = found.ProgramName;
    layout.Project.Enabled = true;
    layout.Default = THelpTopic::Application;
    ++layout.Count;
  }
  if (found.Browser) {
    layout.Index.Enabled = true;
    ++layout.Count;
  }
  if (layout.Project.Enabled && layout.Script.Enabled && !layout.Index.Enabled) {
    MakeTall(layout.Project, layout.Script, layout.Index);
  } else if (layout.Project.Enabled && layout.Index.Enabled && !layout.Script.Enabled) {
    MakeTall(layout.Project, layout.Index, layout.Script);
  }
  layout.Focus = layout.Script.Enabled ? THelpTopic::Script : THelpTopic::Application;
  return layout;
}

THelpTopic OnlyTopic(const THelpChooserLayout& layout) {
  if (layout.Script.Enabled) return THelpTopic::Script;
  if (layout.Index.Enabled) return THelpTopic::HelpIndex;
  return THelpTopic::Application;
}

std::string_view TopicText(THelpTopic topic) {
  switch (topic) {
    case THelpTopic::Script:
      return "Script";
    case THelpTopic::HelpIndex:
      return "Help Index";
    case THelpTopic::Application:
      break;
  }
  return "Application";
}

THelpTopic TopicFromText(std::string_view text) {
  if (text == "Script") return THelpTopic::Script;
  if (text == "Help Index") return THelpTopic::HelpIndex;
  return THelpTopic::Application;
}

}  // namespace gleaner
