// The headless scenario runner: builds the main window on the headless host in the current
// directory, runs its first paint and then one command per line, printing JSON lines of what
// happened. Tests use it in-process; ossaric-script wraps it for the command line.
#pragma once

#include <iosfwd>
#include <memory>
#include <string>

#include "platform/headless/headless_host.h"
#include "platform/random.h"
#include "state_fields.h"
#include "ui/yacht_window.h"
#include "window_probe.h"

namespace ossaric {

class ScriptRunner {
 public:
  explicit ScriptRunner(std::ostream& out);
  ~ScriptRunner();

  // Runs every line of `in`. Returns the exit status: 0, or 2 after a malformed line.
  int Run(std::istream& in);
  // Runs one line; false (after printing the error) when it is malformed.
  bool RunLine(const std::string& line, int number);

  TYachtWindow& Window() { return *window_; }
  HeadlessHost& Host() { return host_; }
  HeadlessSound& Sound() { return sound_; }
  Random& Rand() { return random_; }

 private:
  void Error(int number, const std::string& text);
  void AfterEvent();  // a repaint asked for during the handler runs once it has returned

  std::ostream& out_;
  HeadlessHost host_;
  HeadlessSound sound_;
  Random random_;
  std::unique_ptr<TYachtWindow> window_;
  bool closed_ = false;
};

}  // namespace ossaric
