#include "script_runner.h"

#include <QList>
#include <QString>
#include <istream>
#include <ostream>
#include <sstream>
#include <utility>
#include <vector>

namespace ossaric {

ScriptRunner::ScriptRunner(std::ostream& out)
    : out_(out), host_([this](const std::string& json) { out_ << json << "\n"; }), sound_(host_) {
  window_ = std::make_unique<TYachtWindow>(host_, sound_, random_);
  window_->EvPaint();
  host_.invalidated_ = false;
}

ScriptRunner::~ScriptRunner() = default;

void ScriptRunner::Error(int number, const std::string& text) {
  out_ << "{\"event\":\"error\",\"line\":" << number << ",\"text\":" << JsonString(text) << "}\n";
}

void ScriptRunner::AfterEvent() {
  if (host_.invalidated_ && !closed_) {
    host_.invalidated_ = false;
    window_->EvPaint();
  }
}

int ScriptRunner::Run(std::istream& in) {
  std::string line;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    if (!RunLine(line, number)) return 2;
  }
  out_.flush();
  return 0;
}

bool ScriptRunner::RunLine(const std::string& rawLine, int number) {
  std::string line = rawLine;
  while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
    line.pop_back();
  size_t start = line.find_first_not_of(" \t");
  if (start == std::string::npos || line[start] == '#') return true;
  line = line.substr(start);
  std::istringstream words(line);
  std::string command;
  words >> command;
  std::vector<std::string> args;
  for (std::string a; words >> a;) args.push_back(a);
  auto integer = [](const std::string& text, long& v) {
    try {
      size_t used = 0;
      v = std::stol(text, &used);
      return used == text.size();
    } catch (...) {
      return false;
    }
  };
  auto integers = [&](size_t count, std::vector<long>& v) {
    if (count != static_cast<size_t>(-1) && args.size() != count) return false;
    v.resize(args.size());
    for (size_t k = 0; k < args.size(); ++k)
      if (!integer(args[k], v[k])) return false;
    return true;
  };
  if (closed_) return true;  // everything after close is ignored
  std::vector<long> v;
  const bool known = command == "click" || command == "move" || command == "key" ||
                     command == "command" || command == "tick" || command == "notify" ||
                     command == "paint" || command == "close" || command == "faces" ||
                     command == "places" || command == "seed" || command == "set" ||
                     command == "state" || command == "screenshot" || command == "hint" ||
                     command == "keypress" || command == "press";
  if (!known) {
    Error(number, "unknown command: " + command);
    return false;
  }
  TYachtWindow& w = *window_;
  if (command == "click" || command == "move") {
    if (!integers(2, v)) {
      Error(number, command + " needs two integers X Y");
      return false;
    }
    if (command == "click")
      w.EvLeftButtonDown(static_cast<int>(v[0]), static_cast<int>(v[1]));
    else
      w.EvMouseMove(static_cast<int>(v[0]), static_cast<int>(v[1]));
  } else if (command == "key") {
    int ch = -1;
    if (args.size() == 1 && args[0] == "space")
      ch = ' ';
    else if (args.size() == 1 && args[0] == "backspace")
      ch = 8;
    else if (args.size() == 1 && args[0].size() == 1 && args[0][0] > 32 && args[0][0] < 127)
      ch = args[0][0];
    else if (args.size() == 1 && args[0].size() > 1) {
      // One character beyond ASCII, as UTF-8.
      const QString typed = QString::fromUtf8(args[0]);
      const QList<uint> points = typed.toUcs4();
      if (points.size() == 1 && typed.toUtf8().toStdString() == args[0] && points[0] != 0xfffd)
        ch = static_cast<int>(points[0]);
    }
    if (ch < 0) {
      Error(number, "key needs one printable character (UTF-8), space or backspace");
      return false;
    }
    w.EvChar(ch);
  } else if (command == "keypress") {
    // The keys that move the focus or press what it rests on (the character a key also types
    // is a `key` line of its own, as the window sends it first).
    static const std::pair<const char*, GameKey> kKeys[] = {
        {"tab", GameKey::Tab},     {"backtab", GameKey::BackTab}, {"left", GameKey::Left},
        {"right", GameKey::Right}, {"up", GameKey::Up},           {"down", GameKey::Down},
        {"space", GameKey::Space}, {"return", GameKey::Return},   {"escape", GameKey::Escape},
        {"home", GameKey::Home},   {"end", GameKey::End},         {"ctrl+r", GameKey::Throw},
        {"1", GameKey::Die1},      {"2", GameKey::Die2},          {"3", GameKey::Die3},
        {"4", GameKey::Die4},      {"5", GameKey::Die5}};
    const GameKey* key = nullptr;
    for (const auto& [name, k] : kKeys)
      if (args.size() == 1 && args[0] == name) key = &k;
    if (key == nullptr) {
      Error(number,
            "keypress needs tab, backtab, left, right, up, down, home, end, space, return, "
            "escape, ctrl+r or a die's number 1 to 5");
      return false;
    }
    w.EvKey(*key);
  } else if (command == "press") {
    // A target by its name, as a key or a screen reader presses it; the numbered ones take N.
    static const std::pair<const char*, TargetKind> kTargets[] = {
        {"cup", TargetKind::Cup},
        {"die", TargetKind::Die},
        {"row", TargetKind::Row},
        {"players", TargetKind::Players},
        {"name", TargetKind::NameField},
        {"tips", TargetKind::HintsSwitch},
        {"start", TargetKind::Start},
        {"totals-return", TargetKind::TotalsReturn},
        {"totals-next", TargetKind::TotalsNext},
        {"topten-return", TargetKind::TopTenReturn},
        {"tips-return", TargetKind::HintsReturn},
        {"tips-next", TargetKind::HintsNext}};
    const TargetKind* kind = nullptr;
    for (const auto& [name, k] : kTargets)
      if (!args.empty() && args[0] == name) kind = &k;
    const bool numbered =
        kind != nullptr && (*kind == TargetKind::Die || *kind == TargetKind::Row ||
                            *kind == TargetKind::Players || *kind == TargetKind::NameField);
    long n = 0;
    if (kind == nullptr || args.size() != (numbered ? 2u : 1u) ||
        (numbered && (!integer(args[1], n) || n < 0 || n > 12))) {
      Error(number,
            "press needs cup, die N, row N, players N, name N, tips, start, totals-return, "
            "totals-next, topten-return, tips-return or tips-next");
      return false;
    }
    w.EvPress({*kind, static_cast<int>(n)});
  } else if (command == "command") {
    const long ids[] = {101, 102, 106, 107, 108, 4,   5,   132, 133,
                        103, 104, 105, 126, 127, 134, 140, 141};
    bool ok = integers(1, v);
    bool listed = ok && v[0] >= kCmdClassicComputer &&  // an opponent from the menu
                  v[0] - kCmdClassicComputer < std::ssize(Opponents());
    for (long id : ids) listed = listed || (ok && v[0] == id);
    if (!listed) {
      Error(number, "command needs one of the menu identifiers");
      return false;
    }
    w.EvCommand(static_cast<int>(v[0]));
    if (v[0] == kCmdQuit) closed_ = true;
  } else if (command == "tick" || command == "notify" || command == "paint" || command == "close" ||
             command == "state") {
    if (!args.empty()) {
      Error(number, command + " takes no arguments");
      return false;
    }
    if (command == "tick") w.EvTimer(1);
    if (command == "notify") w.EvMusicNotice();
    if (command == "paint") w.EvPaint();
    if (command == "close") {
      w.EvClose();
      closed_ = true;
    }
    if (command == "state") out_ << "{\"event\":\"state\"," << StateJson(w, host_.clock_) << "}\n";
  } else if (command == "hint") {
    if (!args.empty()) {
      Error(number, "hint takes no arguments");
      return false;
    }
    out_ << "{\"event\":\"hint\"," << HintJson(w) << "}\n";
  } else if (command == "faces" || command == "places") {
    const long high = command == "faces" ? 6 : 20;
    bool ok = !args.empty() && integers(static_cast<size_t>(-1), v);
    for (long x : v) ok = ok && x >= 1 && x <= high;
    if (!ok) {
      Error(number, command + " needs numbers from 1 to " + std::to_string(high));
      return false;
    }
    std::deque<int> queue(v.begin(), v.end());
    if (command == "faces")
      random_.ScriptFaces(queue);
    else
      random_.ScriptPlaces(queue);
  } else if (command == "seed") {
    if (!integers(1, v)) {
      Error(number, "seed needs one integer");
      return false;
    }
    random_.Seed(static_cast<uint32_t>(v[0]));
  } else if (command == "set") {
    std::string rest = line.substr(3);
    size_t nameStart = rest.find_first_not_of(" \t");
    size_t nameEnd =
        nameStart == std::string::npos ? std::string::npos : rest.find_first_of(" \t", nameStart);
    if (nameEnd == std::string::npos) {
      Error(number, "set needs a field name and a value");
      return false;
    }
    std::string name = rest.substr(nameStart, nameEnd - nameStart);
    std::string value = rest.substr(rest.find_first_not_of(" \t", nameEnd) == std::string::npos
                                        ? rest.size()
                                        : rest.find_first_not_of(" \t", nameEnd));
    if (!SetStateField(w, name, value)) {
      Error(number, "cannot set " + name + " to " + value);
      return false;
    }
  } else if (command == "screenshot") {
    std::string path = line.substr(line.find_first_not_of(" \t", 10) == std::string::npos
                                       ? line.size()
                                       : line.find_first_not_of(" \t", 10));
    if (path.empty() || !w.Screen().SavePng(path)) {
      Error(number, "cannot write screenshot " + path);
      return false;
    }
  }
  AfterEvent();
  return true;
}

}  // namespace ossaric
