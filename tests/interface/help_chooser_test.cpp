#include "interface/help_chooser.h"

#include <gtest/gtest.h>

namespace gleaner {
namespace {

struct TPlace {
  bool Enabled, Visible;
  int Top, Height;
};

void ExpectPlace(const THelpButton& button, const TPlace& place, const char* name) {
  EXPECT_EQ(button.Enabled, place.Enabled) << name;
  EXPECT_EQ(button.Visible, place.Visible) << name;
  EXPECT_EQ(button.Top, place.Top) << name;
  EXPECT_EQ(button.Height, place.Height) << name;
}

THelpTopicsFound Found(bool application, bool script, bool browser) {
  return {"Culler", application, script ? "Job Script Help" : "", browser};
}

TEST(HelpChooser, LayoutForEveryCombinationOfTopics) {
  struct TCase {
    bool Application, Script, Browser;
    int Count;
    TPlace Project, ScriptButton, Index;
    THelpTopic Default, Focus;
  };
  const TCase cases[] = {
      {false, false, false, 0, {false, true, 60, 25}, {false, true, 100, 25}, {false, true, 140, 25},
       THelpTopic::Application, THelpTopic::Application},
      {true, false, false, 1, {true, true, 60, 25}, {false, true, 100, 25}, {false, true, 140, 25},
       THelpTopic::Application, THelpTopic::Application},
      // Two tall buttons: the application with the script, or with the index.
      {true, true, false, 2, {true, true, 62, 42}, {true, true, 122, 42}, {false, false, 140, 25},
       THelpTopic::Application, THelpTopic::Script},
      {true, false, true, 2, {true, true, 62, 42}, {false, false, 100, 25}, {true, true, 122, 42},
       THelpTopic::Application, THelpTopic::Application},
      // The script and the index without the application keep all three in place.
      {false, true, true, 2, {false, true, 60, 25}, {true, true, 100, 25}, {true, true, 140, 25},
       THelpTopic::Script, THelpTopic::Script},
      {true, true, true, 3, {true, true, 60, 25}, {true, true, 100, 25}, {true, true, 140, 25},
       THelpTopic::Application, THelpTopic::Script},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.Application << c.Script << c.Browser);
    const THelpChooserLayout layout = DecideHelpChooser(Found(c.Application, c.Script, c.Browser));
    EXPECT_EQ(layout.Count, c.Count);
    ExpectPlace(layout.Project, c.Project, "btnProject");
    ExpectPlace(layout.Script, c.ScriptButton, "btnScript");
    ExpectPlace(layout.Index, c.Index, "btnHelpIndex");
    EXPECT_EQ(layout.Default, c.Default);
    EXPECT_EQ(layout.Focus, c.Focus);
  }
}

TEST(HelpChooser, Captions) {
  const THelpChooserLayout none = DecideHelpChooser(Found(false, false, false));
  EXPECT_EQ(none.Project.Caption, "&Application");
  EXPECT_EQ(none.Script.Caption, "(No script help found)");
  EXPECT_EQ(none.Index.Caption, "Help &Index");
  const THelpChooserLayout all = DecideHelpChooser(Found(true, true, true));
  EXPECT_EQ(all.Project.Caption, "Culler");
  EXPECT_EQ(all.Script.Caption, "Job Script Help");
}

TEST(HelpChooser, OneTopicIsShownWithoutAsking) {
  EXPECT_EQ(OnlyTopic(DecideHelpChooser(Found(false, false, false))), THelpTopic::Application);
  EXPECT_EQ(OnlyTopic(DecideHelpChooser(Found(true, false, false))), THelpTopic::Application);
  EXPECT_EQ(OnlyTopic(DecideHelpChooser(Found(false, true, false))), THelpTopic::Script);
  EXPECT_EQ(OnlyTopic(DecideHelpChooser(Found(false, false, true))), THelpTopic::HelpIndex);
}

TEST(HelpChooser, TopicTextsRoundTrip) {
  for (THelpTopic topic : {THelpTopic::Application, THelpTopic::Script, THelpTopic::HelpIndex}) {
    EXPECT_EQ(TopicFromText(TopicText(topic)), topic);
  }
  EXPECT_EQ(TopicText(THelpTopic::HelpIndex), "Help Index");
  EXPECT_EQ(TopicFromText(""), THelpTopic::Application);
  EXPECT_EQ(TopicFromText("script"), THelpTopic::Application);  // stored texts are exact
}

}  // namespace
}  // namespace gleaner
