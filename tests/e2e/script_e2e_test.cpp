// Culler running scripts as a batch job: the order of the sections, the
// shipped sample scripts, and the reports of compile and run-time errors.
#include <gtest/gtest.h>

#include "e2e/culler_process.h"

namespace gleaner::testing {
namespace {

const std::string kRule(80, '-');

std::vector<std::string> ScriptArgs(const std::string& input, const std::string& script) {
  return {"/I" + input, "/OOut.txt", "/S" + script, "/X", "/Y", "/Z", "/EN", "/R"};
}

std::string Heading(const std::string& text) { return kRule + "\r\n" + text + "\r\n" + kRule + "\r\n\r\n"; }

// Copies a shipped sample into the home folder.
void CopySample(const CullerHome& home, const std::string& name) {
  home.Write(name, ReadFile(std::string(GLEANER_SAMPLES_DIR) + name));
}

TEST(ScriptJob, SectionsRunInOrderAcrossTwoFiles) {
  CullerHome home;
  home.Write("a.txt", "a1\r\na2\r\n");
  home.Write("b.txt", "b1\r\n");
  home.Write("ScrOrder.txt",
             "Config\r\nOrder = 'Config'\r\nEnd\r\n"
             "TaskInit\r\nOutEnd Order ' TaskInit'\r\nLogMsg 'task init'\r\nEnd\r\n"
             "FileInit\r\nOutEnd 'FileInit ' $ReadLines\r\nEnd\r\n"
             "OutEnd 'Main ' $OutData\r\n"
             "FileDone\r\nOutEnd 'FileDone ' $ReadLines\r\nEnd\r\n"
             "TaskDone\r\nOutEnd 'TaskDone'\r\nLogMsg 'task done'\r\nEnd\r\n");
  const TCullerResult result = home.Run(ScriptArgs("a.txt;b.txt", "ScrOrder.txt"));
  EXPECT_EQ(result.Status, 0) << result.Err;
  EXPECT_EQ(home.Read("Out.txt"),
            "Config TaskInit\r\nFileInit 0\r\nMain a1\r\nMain a2\r\nFileDone 3\r\n"
            "FileInit 0\r\nMain b1\r\nFileDone 2\r\nTaskDone\r\n");  // the count includes the read that found
                                                                     // the end
  const std::string log = home.Log();
  // The culling handler logs before the script's TaskInit and after its TaskDone.
  const std::size_t processing = log.find("Processing\r\n");
  const std::size_t taskInit = log.find("task init\r\n");
  const std::size_t taskDone = log.find("task done\r\n");
  const std::size_t results = log.find("Results\r\n");
  EXPECT_NE(log.find("  Script ............ <home>/ScrOrder.txt\r\n"), std::string::npos) << log;
  EXPECT_LT(processing, taskInit);
  EXPECT_LT(taskInit, taskDone);
  EXPECT_LT(taskDone, results);
}

TEST(ScriptJob, SampleScriptsRunOnTheSampleInput) {
  struct Case {
    const char* script;
    const char* firstLines;
    const char* lastLines;
  };
  const Case cases[] = {
      {"ScrExtractCsv.txt",
       "\"Area\",\"Task\",\"Due\"\r\n\"Home\",\"Fix the squeaky garden gate\",2026-03-02\r\n",
       "\"Car\",\"Wash the car before the weekend\",\r\n"},
      {"ScrLookupRewrite.txt",
       "Things To Do\r\n============\r\nHOME [green #2E8B57]: Fix the squeaky garden gate",
       "Errands:\r\nSHOP [light grey #D3D3D3]: Return the library books (due 2026-03-07)\r\n"
       "SHOP [light grey #D3D3D3]: Pick up the dog's new collar\r\nHOME [green #2E8B57]: Water the plants\r\n"
       "WORK [blue #1E90FF]: Archive last year's invoices (due 2026-03-20)\r\n"
       "GARDEN [yellow #FFD700]: Feed the birds every morning\r\nCAR [red #DC143C]: Wash the car before the "
       "weekend\r\n"},
      {"ScrReport.txt", "To-do report\r\n============\r\n  1. Fix the squeaky garden gate\r\n",
       " 16. Wash the car before the weekend\r\n\r\nHome tasks:    4\r\nWork tasks:    4\r\nOther tasks:   "
       "8\r\n"
       "All tasks:     16\r\nWithout a due date: 6\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.script);
    CullerHome home;
    for (const char* name : {"ThingsToDo.txt", "LufColours.txt", c.script}) CopySample(home, name);
    const TCullerResult result = home.Run(ScriptArgs("ThingsToDo.txt", c.script));
    EXPECT_EQ(result.Status, 0) << result.Err;
    EXPECT_EQ(result.Err, "Culler - View Output: " + home.File("Out.txt") + "\n");  // autoview is a note here
    const std::string out = home.Read("Out.txt");
    const std::string first = c.firstLines;
    const std::string last = c.lastLines;
    EXPECT_EQ(out.substr(0, first.size()), first);
    ASSERT_GE(out.size(), last.size());
    EXPECT_EQ(out.substr(out.size() - last.size()), last);
  }
}

TEST(ScriptJob, CompileErrorIsReportedAndNothingRuns) {
  CullerHome home;
  home.Write("In.txt", "a\r\n");
  home.Write("ScrBad.txt", "OutEnd $OutData\r\n\r\nX Output 'b'\r\n");
  const TCullerResult result = home.Run(ScriptArgs("In.txt", "ScrBad.txt"));
  EXPECT_EQ(result.Status, 2);
  const std::string message =
      "Script compilation error\n\nLine 3 of ScrBad.txt:\nX Output 'b'\n\n"
      "Variable is followed by a command that does not return a value:\nOutput";
  EXPECT_EQ(result.Err,
            "Culler - Error Report: Processing Halted\n"
            "  Error category   Compilation errors\n"
            "  Description      Could not compile script\n"
            "  Error code       240\n"
            "  Processing step  Script line 3\n" +
                message + "\n");
  EXPECT_FALSE(home.Exists("Out.txt"));
  EXPECT_FALSE(home.Exists("Culler-Log.txt"));
  const std::string errorLog = home.ErrorLog();
  EXPECT_NE(errorLog.find(Heading("Diagnostic Description") +
                          "Error category .......... Compilation errors\r\n"
                          "Description ............. Could not compile script\r\n"
                          "Error code .............. 240\r\n"
                          "Processing step ......... Script line 3\r\n"
                          "Test mode ............... Off\r\n"),
            std::string::npos)
      << errorLog;
}

TEST(ScriptJob, RunTimeErrorReportsTheLineAndKeepsTheOutput) {
  CullerHome home;
  home.Write("In.txt", "1\r\n2\r\nx\r\n4\r\n");
  home.Write("ScrSum.txt", "TaskInit\r\nSum = 0\r\nEnd\r\nInc Sum $OutData\r\nOutEnd Sum\r\n");
  std::vector<std::string> args = ScriptArgs("In.txt", "ScrSum.txt");
  args.push_back("/T");
  args.push_back("/CA");
  const TCullerResult result = home.Run(args);
  EXPECT_EQ(result.Status, 2);
  // /CA: no pop-up, but the report reaches standard error.
  EXPECT_NE(result.Err.find("Error in Inc command\n\nNon-integer or non-numeric parameter\n"), std::string::npos)
      << result.Err;
  EXPECT_EQ(home.Read("Out.txt"), "1\r\n3\r\n");
  const std::string errorLog = home.ErrorLog();
  EXPECT_EQ(errorLog.substr(0, errorLog.find("Program Information")),
            Heading("Error Details (<when>)") +
                "Error in Inc command\r\n\r\nNon-integer or non-numeric parameter\r\n\r\n"
                "Parameters:\r\nParm1: '3'\r\nParm2: 'x'\r\n"
                "\r\n" +
                Heading("File Information") +
                "Input File Name ......... <home>/In.txt\r\n"
                "Records Read ............ 3\r\n"
                "Output File Name ........ <home>/Out.txt\r\n"
                "\r\n" +
                Heading("Diagnostic Description") +
                "Error category .......... Parameter\r\n"
                "Description ............. Incorrect parameter\r\n"
                "Error code .............. 140\r\n"
                "Processing step ......... Script line 4\r\n"
                "Test mode ............... On\r\n"
                "\r\n" +
                kRule + "\r\n");
  // The processing log ends with the error banner naming the error log.
  const std::string log = home.Log();
  EXPECT_NE(log.find("Processing ended with an error condition -- see Culler-Error.txt\r\n"),
            std::string::npos)
      << log;
  EXPECT_EQ(log.find("Results"), std::string::npos);
}

}  // namespace
}  // namespace gleaner::testing
