// F1 through the run controller into the real chooser and viewer windows,
// with a view that does what the main form's view does for help.
#include <QApplication>
#include <cstdio>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

#include "culler/culling_handlers.h"
#include "culler/program_info.h"
#include "gui/culler/define_search_path_dialog.h"
#include "gui/culler/show_my_help_dialog.h"
#include "gui/gui_fixture.h"
#include "gui/viewer/text_browse_window.h"
#include "interface/help_entry.h"
#include "interface/run_controller.h"
#include "platform/helper_program.h"
#include "platform/shell_port.h"

namespace gleaner {
namespace {

using testing::WriteFile;

class THelpOnlyView : public IMainView {
 public:
  void ShowPlainMessage(const std::string&, const std::string& text) override { messages.push_back(text); }
  bool AskOkCancel(const std::string&, const std::string&) override { return false; }
  void ShowReportForm(const std::string&, const TReportFormData&) override {}
  void ShowHelpText(const std::string&, const std::vector<THelpLine>&) override {}
  void FocusBox(const std::string&) override {}
  std::optional<std::string> ChooseFile(const std::string&, const std::string&, const std::string&) override {
    return std::nullopt;
  }
  void ViewFile(const std::string&, const std::string&, const std::string&) override {}
  void Refresh() override {}
  void ShowNormal() override {}
  void CloseForm() override {}
  void ViewDocument(const TViewerSetup& setup) override { viewer = ShowTextBrowse(setup, nullptr); }
  std::optional<THelpTopic> ShowHelpChooser(const THelpChooserLayout& layout) override {
    return TfrmShowMyHelp::Ask(layout, nullptr);
  }

  std::vector<std::string> messages;
  TfrmTextBrowse* viewer = nullptr;
};

class CullerHelpTest : public testing::GuiTest {
 protected:
  CullerHelpTest() : controller(form, view, handlers, FillProgramInfo) {
    FillProgramInfo();
    WriteFile(home.File("kestrascan"), "");
  }
  void PressF1() { ShowHelp(controller, home.File("kestrascan")); }
  static QString LastLine(TfrmTextBrowse& window, int fromEnd) {
    const QTextDocument* document = window.Text().document();
    return document->findBlockByNumber(document->blockCount() - 1 - fromEnd).text();
  }

  THelpOnlyView view;
  TMainForm form;
  TCullingHandlers handlers;
  TRunController controller;
};

TEST_F(CullerHelpTest, ApplicationTopicOpensTheHelpWithTheAboutSectionLast) {
  WriteFile(home.File("Help-Culler.txt"), "<H1>Culler</H1>\r\n<a href=\"#AUTABOUT\">About Culler</a>\r\n");
  WriteFile(home.File("ScrJob.txt"), "Main\r\n");
  WriteFile(home.File("Help-ScrJob.txt"), "<H1>Job Help</H1>\r\n");
  form[kCboScriptFile].Text = "ScrJob.txt";
  int enabledTopics = -1;
  QTimer::singleShot(0, [&] {
    auto* chooser = dynamic_cast<TfrmShowMyHelp*>(QApplication::activeModalWidget());
    ASSERT_NE(chooser, nullptr);
    enabledTopics = 0;
    for (auto* button : chooser->findChildren<QPushButton*>()) {
      if (button->objectName() != "CancelBtn" && button->isVisible() && button->isEnabled()) ++enabledTopics;
    }
    chooser->findChild<QPushButton*>("btnProject")->click();
  });
  PressF1();
  ProcessEvents();
  EXPECT_EQ(enabledTopics, 3);
  ASSERT_NE(view.viewer, nullptr);
  EXPECT_EQ(view.viewer->Browse().LabelText(), "Culler Help");
  EXPECT_EQ(view.viewer->windowTitle(), "Culler - View Help");
  // The about section ends the document, just above the viewer's closing marker line.
  EXPECT_EQ(LastLine(*view.viewer, 1).trimmed(), QString("Output File") + QString(12, ' ') + "Text");
  EXPECT_EQ(LastLine(*view.viewer, 2).trimmed(), QString("Input File") + QString(13, ' ') + "Text");
  EXPECT_TRUE(view.messages.empty());
  view.viewer->close();
}

TEST_F(CullerHelpTest, WithoutTheHelpDocumentOnlyTheMessageAppears) {
  std::remove(home.File("kestrascan").c_str());
  PressF1();  // no topic at all: straight to the about page, whose document is missing
  EXPECT_EQ(view.viewer, nullptr);
  EXPECT_EQ(view.messages, std::vector<std::string>{home.File("Help-Culler.txt") + " was not found  "});
}

}  // namespace
}  // namespace gleaner

namespace gleaner {
namespace {

TEST_F(CullerHelpTest, TheAboutPageNamesTheProgramTheUserStarted) {
  std::remove(home.File("kestrascan").c_str());
  WriteFile(home.File("Help-Culler.txt"), "<H1>Culler</H1>\r\n");
  WriteFile(home.File("culler"), "");
  const std::string own = RunningProgramFile();
  ActForProgram(home.File("culler"));  // as culler-desktop acts for the culler that started it
  PressF1();  // one topic: the about page at once
  ActForProgram(own);
  ProcessEvents();
  ASSERT_NE(view.viewer, nullptr);
  EXPECT_EQ(view.viewer->windowTitle(), "Culler - View Help");
  const QTextDocument& page = *view.viewer->Text().document();
  const QTextBlock row = page.find("Program Name").block();
  EXPECT_EQ(row.text().simplified(), "Program Name culler");
  view.viewer->close();
}

}  // namespace
}  // namespace gleaner
