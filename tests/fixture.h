// Shared test scaffolding: a private game directory and data directory per test, and a game
// built on the headless host through the scenario runner.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>

#include "script_runner.h"
#include "window_probe.h"

namespace ossaric {

// Presses on named targets, as a key or a screen reader makes them; the tests about pixels click.
inline constexpr const char* kCup = "press cup\n";
inline constexpr const char* kStart = "press start\n";
inline std::string Row(int k) {
  return "press row " + std::to_string(k) + "\n";
}
inline std::string DiePress(int i) {
  return "press die " + std::to_string(i) + "\n";
}

}  // namespace ossaric

namespace ossaric::testing {

// Makes a fresh directory, enters it and points XDG_DATA_HOME into it; undone on destruction.
class TempGameDir {
 public:
  TempGameDir() {
    char tmpl[] = "/tmp/ossaric-test-XXXXXX";
    dir_ = mkdtemp(tmpl);
    old_ = std::filesystem::current_path();
    std::filesystem::current_path(dir_);
    setenv("XDG_DATA_HOME", (dir_ / "data").c_str(), 1);
  }
  ~TempGameDir() {
    std::error_code ec;
    std::filesystem::current_path(old_, ec);
    std::filesystem::remove_all(dir_, ec);
  }
  const std::filesystem::path& Path() const { return dir_; }

 private:
  std::filesystem::path dir_, old_;
};

// A game on the headless host, driven by script lines.
class GameTest : public ::testing::Test {
 protected:
  void SetUp() override { Start(); }

  // (Re)builds the window in the test's directory, as the program starts.
  void Start() {
    runner_.reset();
    out_.str("");
    runner_ = std::make_unique<ScriptRunner>(out_);
  }
  // Runs script lines; fails the test on a malformed line.
  void Run(const std::string& lines) {
    std::istringstream in(lines);
    ASSERT_EQ(runner_->Run(in), 0) << out_.str();
  }
  TYachtWindow& W() { return runner_->Window(); }
  TWindowProbe Probe() { return TWindowProbe(runner_->Window()); }
  HeadlessHost& Host() { return runner_->Host(); }
  HeadlessSound& Sound() { return runner_->Sound(); }
  std::string Output() const { return out_.str(); }
  void ClearOutput() {
    out_.str("");
    Host().messages_.clear();
    Sound().effects_.clear();
  }

  // Leaves the setup screen with `players` (0 = against the computer) and starts the game.
  void StartGame(int players) { Run("set PlayerCount " + std::to_string(players) + "\n" + kStart); }

  TempGameDir dir_;
  std::ostringstream out_;
  std::unique_ptr<ScriptRunner> runner_;
};

}  // namespace ossaric::testing
