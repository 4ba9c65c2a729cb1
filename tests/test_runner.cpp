// The scenario runner's command line is an interface other tools rely on: its commands, its
// JSON lines and its exit status.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "fixture.h"

namespace ossaric {
namespace {

struct RunResult {
  int status;
  std::string out;
};

RunResult RunScript(const std::string& script) {
  std::ostringstream out;
  ScriptRunner runner(out);
  std::istringstream in(script);
  int status = runner.Run(in);
  return {status, out.str()};
}

TEST(Runner, MalformedLinesStopWithAnErrorAndStatusTwo) {
  testing::TempGameDir dir;
  const char* bad[] = {"jump 1 2",
                       "click 1",
                       "click a b",
                       "key",
                       "key ab",
                       "press",
                       "press cup 1",
                       "press die",
                       "press row x",
                       "press row 13",
                       "press table",
                       "command 999",
                       "faces 0",
                       "faces 7",
                       "places 21",
                       "places",
                       "seed x",
                       "set NoSuchField 1",
                       "set PlayerCount",
                       "set PlayerCount x",
                       "set Sheet[9].Total 1",
                       "set Die[1].Colour 2",
                       "tick 5",
                       "screenshot"};
  for (const char* line : bad) {
    RunResult r = RunScript(std::string("# comment\n\n") + line + "\nstate\n");
    EXPECT_EQ(r.status, 2) << line;
    EXPECT_NE(r.out.find("{\"event\":\"error\",\"line\":3,"), std::string::npos) << line;
    EXPECT_EQ(r.out.find("\"event\":\"state\""), std::string::npos) << line;  // stopped there
  }
}

TEST(Runner, StatePrintsEveryFieldWithIndexZeroAsNull) {
  testing::TempGameDir dir;
  RunResult r = RunScript(
      "set Sheet[0].Entry[5] 25\nset Die[3].Face 6\nset TableSlot[4].Occupied 1\n"
      "set PlayerName[2] Ann Lee\nset NameEnd[2].X 470\nset UndoScore 1\nstate\n");
  ASSERT_EQ(r.status, 0) << r.out;
  const std::string& s = r.out;
  for (const char* part :
       {"\"event\":\"state\"", "\"Entry\":[null,-1,-1,-1,-1,25,",
        "\"PlayerName\":[null,\"Player 1\",\"Ann Lee\"", "\"Die\":[null,{\"Face\":", "{\"Face\":6,",
        "\"TableSlot\":[null,{\"X\":25,\"Y\":25,\"Occupied\":0}",
        "{\"X\":220,\"Y\":17,\"Occupied\":1}", "\"NameEnd\":[null,{\"X\":",
        "\"Y\":280},{\"X\":470,", "\"UndoScore\":1", "\"ToThrow\":[null,", "\"NameCursor\":[null,",
        "\"Clock\":", "\"TopTen\":[{\"Name\":", "\"ThrowLimit\":3", "\"AnimDelay\":25"}) {
    EXPECT_NE(s.find(part), std::string::npos) << part << "\n" << s;
  }
}

TEST(Runner, PrintsEventsInOrderAndIgnoresEverythingAfterClose) {
  testing::TempGameDir dir;
  RunResult r = RunScript(
      "seed 3\nclick 400 398\nfaces 1 2 3 4 5\nclick 60 300\nclick 400 100\nclick 352 277\n"
      "close\nclick 60 300\njunk line is ignored too\n");
  // After close nothing more happens, not even the error of a malformed line.
  ASSERT_EQ(r.status, 0);
  const std::string& s = r.out;
  const size_t rattle = s.find("{\"event\":\"sound\",\"effect\":\"rattle2.wav\",\"wait\":false}");
  const size_t stop = s.find("{\"event\":\"stop-effects\"}");
  const size_t landing = s.find("{\"event\":\"sound\",\"effect\":\"manydice.wav\",\"wait\":false}");
  const size_t pen = s.find("\"effect\":\"pen.wav\"");
  ASSERT_NE(rattle, std::string::npos) << s;
  EXPECT_LT(rattle, stop);
  EXPECT_LT(stop, landing);
  EXPECT_LT(landing, pen);
  // Large Straight with 1 2 3 4 5 scored 30: no message, no error.
  EXPECT_EQ(s.find("\"event\":\"message\""), std::string::npos);
  RunResult quiet = RunScript("close\nclick 60 300\nstate\n");
  EXPECT_EQ(quiet.status, 0);
  EXPECT_EQ(quiet.out.find("\"event\":\"state\""), std::string::npos);
}

TEST(Runner, MessageAndCursorEventsHaveTheirShape) {
  testing::TempGameDir dir;
  RunResult r = RunScript("set SetupShown 0\nclick 60 300\nclick 400 398\n");
  EXPECT_NE(r.out.find("{\"event\":\"message\",\"caption\":\"Start new play\",\"text\":"
                       "\"Choose option from the Play menu\"}"),
            std::string::npos)
      << r.out;
  RunResult t = RunScript("click 352 277\nclick 10 10\n");
  EXPECT_NE(t.out.find("{\"event\":\"timer\",\"id\":1,\"action\":\"start\"}"), std::string::npos);
  EXPECT_NE(t.out.find("{\"event\":\"timer\",\"id\":1,\"action\":\"stop\"}"), std::string::npos);
  RunResult c = RunScript("set PlayerCount 2\nclick 400 398\nclick 60 300\nclick 400 340\n");
  EXPECT_NE(c.out.find("{\"event\":\"cursor\",\"cursor\":\"NextCursor\"}"), std::string::npos)
      << c.out;
}

TEST(Runner, ScreenshotWritesAPng) {
  testing::TempGameDir dir;
  RunResult r = RunScript("screenshot shot.png\n");
  ASSERT_EQ(r.status, 0) << r.out;
  std::ifstream png("shot.png", std::ios::binary);
  char magic[4] = {};
  png.read(magic, 4);
  EXPECT_EQ(std::string(magic + 1, 3), "PNG");
}

}  // namespace
}  // namespace ossaric
