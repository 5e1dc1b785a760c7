// The help chooser's decisions, without a window: which of its three topic
// buttons are enabled, their captions, the default and focused button, the
// layout (two tall buttons when exactly the application and one other topic
// exist), and the topic it stores in the settings.
//
//   THelpChooserLayout layout = DecideHelpChooser(found);
//   if (layout.Count <= 1) show OnlyTopic(layout) directly, else ask the view.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace gleaner {

enum class THelpTopic { Application, Script, HelpIndex };

// What exists when F1 is pressed.
struct THelpTopicsFound {
  std::string ProgramName;        // CfgProgramName
  bool ApplicationHelp = false;   // the application help document exists
  std::string ScriptHelpTitle;    // title of the script help document; empty when none
  bool Browser = false;           // the document browser program exists
};

struct THelpButton {
  std::string Caption;
  bool Enabled = false;
  bool Visible = true;
  int Top = 0;
  int Height = 25;
};

inline constexpr int kHelpChooserAutoCloseMs = 30000;

struct THelpChooserLayout {
  THelpButton Project;   // btnProject
  THelpButton Script;    // btnScript
  THelpButton Index;     // btnHelpIndex
  THelpTopic Default = THelpTopic::Application;  // the default (Enter) button
  THelpTopic Focus = THelpTopic::Application;    // the button with the focus
  int Count = 0;         // topics available
};

THelpChooserLayout DecideHelpChooser(const THelpTopicsFound& found);

// The topic of a chooser with at most one topic: the one available, or the
// application's about page when there is none.
THelpTopic OnlyTopic(const THelpChooserLayout& layout);

// The settings text of a topic ("Application", "Script", "Help Index") and
// back; an empty or unknown text is the application.
std::string_view TopicText(THelpTopic topic);
THelpTopic TopicFromText(std::string_view text);

// The settings key the chooser keeps its last topic under.
inline constexpr std::string_view kHelpTopicKey = "frmShowMyHelp.Topic";

}  // namespace gleaner
