#include "script_runner.h"

#include <QString>
#include <cstdio>
#include <cstring>
#include <istream>
#include <ostream>
#include <sstream>
#include <utility>
#include <vector>

#include "ui/words.h"

namespace ossaric {

namespace {

// A reference to one integer field, whatever its width.
struct FieldRef {
  int* i = nullptr;
  uint8_t* b = nullptr;
  bool Valid() const { return i != nullptr || b != nullptr; }
  void Set(long v) {
    if (i) *i = static_cast<int>(v);
    if (b) *b = static_cast<uint8_t>(v);
  }
};

// Splits "Sheet[0].Entry[5]" into base "Sheet", index 0, member "Entry", index 5.
struct FieldName {
  std::string base, member;
  int index = -1, memberIndex = -1;
};

bool ParseIndex(const std::string& text, size_t& at, int& index) {
  if (at >= text.size() || text[at] != '[') return true;
  size_t close = text.find(']', at);
  if (close == std::string::npos) return false;
  try {
    index = std::stoi(text.substr(at + 1, close - at - 1));
  } catch (...) {
    return false;
  }
  at = close + 1;
  return true;
}

bool ParseName(const std::string& text, FieldName& out) {
  size_t at = text.find_first_of("[.");
  out.base = text.substr(0, at);
  if (at == std::string::npos) return !out.base.empty();
  if (!ParseIndex(text, at, out.index)) return false;
  if (at < text.size() && text[at] == '.') {
    size_t end = text.find('[', at);
    out.member = text.substr(at + 1, end == std::string::npos ? std::string::npos : end - at - 1);
    at = end == std::string::npos ? text.size() : end;
    if (!ParseIndex(text, at, out.memberIndex)) return false;
  }
  return at == text.size();
}

FieldRef Lookup(TWindowProbe w, const FieldName& f) {
  FieldRef r;
  const std::string& n = f.base;
  if (f.index < 0 && f.member.empty()) {
    struct Plain {
      const char* name;
      int* field;
    };
    const Plain plain[] = {
        {"FirstPaint", &w.State().FirstPaint},
        {"AnimDelay", &w.State().AnimDelay},
        {"SetupShown", &w.State().SetupShown},
        {"NameEditing", &w.State().NameEditing},
        {"CaretPhase", &w.State().CaretPhase},
        {"CaretTimerOn", &w.State().CaretTimerOn},
        {"CaretX", &w.State().CaretX},
        {"CaretY", &w.State().CaretY},
        {"TotalsPlayer", &w.State().TotalsPlayer},
        {"HintIndex", &w.State().HintIndex},
        {"EditedName", &w.State().EditedName},
        {"MusicOn", &w.State().MusicOn},
        {"NextPlayerPending", &w.Game().NextPlayerPending},
        {"GameActive", &w.Game().GameActive},
        {"PlayerCount", &w.Game().PlayerCount},
        {"CurrentPlayer", &w.Game().CurrentPlayer},
        {"DiceInCup", &w.Game().DiceInCup},
        {"SelectedDie", &w.Game().SelectedDie},
        {"ThrowsMade", &w.Game().ThrowsMade},
        {"SavedThrows", &w.Game().SavedThrows},
        {"ComputerDone", &w.Game().ComputerDone},
        {"ComputerBusy", &w.Game().ComputerBusy},
        {"ThrowLimit", &w.Game().ThrowLimit},
        {"ScoreAllowed", &w.Game().ScoreAllowed},
        {"LastCategory", &w.Game().LastCategory},
        {"SoundOn", &w.State().SoundOn},
        {"KeyTrailLength", &w.State().KeyTrailLength},
    };
    for (const Plain& p : plain)
      if (n == p.name) r.i = p.field;
    struct Byte {
      const char* name;
      uint8_t* field;
    };
    const Byte bytes[] = {
        {"TotalsShown", &w.State().TotalsShown}, {"TopTenShown", &w.State().TopTenShown},
        {"HintsShown", &w.State().HintsShown},   {"UndoScore", &w.Game().UndoScore},
        {"UndoReturn", &w.Game().UndoReturn},    {"MusicRestart", &w.Playlist().MusicRestart()}};
    for (const Byte& p : bytes)
      if (n == p.name) r.b = p.field;
    return r;
  }
  const int i = f.index;
  if (n == "NameCursor" && i >= 0 && i <= 4 && f.member.empty()) r.i = &w.State().NameCursor[i];
  if (n == "ToThrow" && i >= 0 && i <= 10 && f.member.empty()) r.i = &w.Game().ToThrow[i];
  if (n == "NameEnd" && i >= 0 && i <= 4) {
    if (f.member == "X") r.i = &w.State().NameEndX[i];
    if (f.member == "Y") r.i = &w.State().NameEndY[i];
  }
  if (n == "Die" && i >= 0 && i <= 10) {
    TDie& d = w.Game().Die[i];
    if (f.member == "Face") r.i = &d.Face;
    if (f.member == "Slot") r.i = &d.Slot;
    if (f.member == "InCup") r.i = &d.InCup;
    if (f.member == "Keep") r.i = &d.Keep;
    if (f.member == "Work1") r.i = &d.Work1;
    if (f.member == "Work2") r.i = &d.Work2;
  }
  if (n == "TableSlot" && i >= 0 && i <= 20) {
    TTableSlot& s = w.Game().TableSlot[i];
    if (f.member == "X") r.i = &s.X;
    if (f.member == "Y") r.i = &s.Y;
    if (f.member == "Occupied") r.i = &s.Occupied;
  }
  if (n == "Sheet" && i >= 0 && i <= 4) {
    if (f.member == "Total") r.i = &w.Game().Sheet[i].Total;
    if (f.member == "Entry" && f.memberIndex >= 0 && f.memberIndex <= 12)
      r.i = &w.Game().Sheet[i].Entry[f.memberIndex];
  }
  return r;
}

std::string IntArray(const int* values, int count, bool fromOne) {
  std::string s = "[";
  for (int k = 0; k < count; ++k) {
    if (k) s += ",";
    s += (fromOne && k == 0) ? "null" : std::to_string(values[k]);
  }
  return s + "]";
}

std::string Name(const char* raw) {
  return JsonString(std::string(raw, strnlen(raw, 9)));
}

}  // namespace

bool SetStateField(TWindowProbe w, const std::string& name, const std::string& value) {
  if (name == "expert") {  // the computer's strength, as the menu sets it but not saved
    if (value != "0" && value != "1") return false;
    w.ChooseComputer(value == "1", false);
    return true;
  }
  FieldName f;
  if (!ParseName(name, f)) return false;
  if (f.base == "PlayerName" && f.member.empty()) {
    if (f.index < 0 || f.index > 4) return false;
    std::memset(w.State().PlayerName[f.index], 0, 9);
    std::memcpy(w.State().PlayerName[f.index], value.data(), value.size() < 8 ? value.size() : 8);
    return true;
  }
  FieldRef r = Lookup(w, f);
  if (!r.Valid()) return false;
  try {
    size_t used = 0;
    long v = std::stol(value, &used);
    if (used != value.size()) return false;
    r.Set(v);
  } catch (...) {
    return false;
  }
  return true;
}

namespace {

std::string Expected(double e) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", e);
  return text;
}

std::string ActionJson(TWindowProbe w, const ai::TAction& a) {
  std::ostringstream s;
  if (a.category != 0) {
    s << "{\"write\":" << a.category << ",\"name\":\"" << EnglishCategoryName(a.category) << "\"";
  } else {
    std::string keep, back;
    for (int i = 1; i <= 5; ++i) {
      if (a.keep[i - 1]) {
        keep += (keep.empty() ? "" : ",") + std::to_string(i);
      } else if (w.Game().NextPlayerPending == 0 && w.Game().Die[i].InCup != 1) {
        back += (back.empty() ? "" : ",") + std::to_string(i);
      }
    }
    s << "{\"throw\":{\"keep\":[" << keep << "],\"return\":[" << back << "]}";
  }
  s << ",\"expected\":" << Expected(a.expected) << "}";
  return s.str();
}

}  // namespace

std::string HintJson(TWindowProbe w) {
  int column = 0;
  ai::TAdvice a;
  if (!w.BestMove(column, a)) return "\"available\":false";
  std::ostringstream s;
  s << "\"available\":true,\"column\":" << column << ",\"best\":" << ActionJson(w, a.best);
  if (a.canThrow) s << ",\"throw\":" << ActionJson(w, a.bestThrow);
  s << ",\"writes\":[";
  for (size_t i = 0; i < a.writes.size(); ++i) s << (i ? "," : "") << ActionJson(w, a.writes[i]);
  s << "]";
  return s.str();
}

std::string StateJson(TWindowProbe w, uint32_t clock) {
  std::ostringstream s;
  auto field = [&](const char* name, long v) { s << ",\"" << name << "\":" << v; };
  s << "\"FirstPaint\":" << w.State().FirstPaint;
  field("AnimDelay", w.State().AnimDelay);
  field("SetupShown", w.State().SetupShown);
  field("NameEditing", w.State().NameEditing);
  field("CaretPhase", w.State().CaretPhase);
  field("CaretTimerOn", w.State().CaretTimerOn);
  field("CaretX", w.State().CaretX);
  field("CaretY", w.State().CaretY);
  s << ",\"NameEnd\":[null";
  for (int n = 1; n <= 4; ++n)
    s << ",{\"X\":" << w.State().NameEndX[n] << ",\"Y\":" << w.State().NameEndY[n] << "}";
  s << "],\"PlayerName\":[null";
  for (int n = 1; n <= 4; ++n) s << "," << Name(w.State().PlayerName[n]);
  s << "]";
  field("TotalsPlayer", w.State().TotalsPlayer);
  field("TotalsShown", w.State().TotalsShown);
  field("TopTenShown", w.State().TopTenShown);
  field("HintsShown", w.State().HintsShown);
  field("HintIndex", w.State().HintIndex);
  field("UndoScore", w.Game().UndoScore);
  field("UndoReturn", w.Game().UndoReturn);
  field("EditedName", w.State().EditedName);
  s << ",\"NameCursor\":" << IntArray(w.State().NameCursor, 5, true);
  field("MusicOn", w.State().MusicOn);
  field("NextPlayerPending", w.Game().NextPlayerPending);
  field("GameActive", w.Game().GameActive);
  field("PlayerCount", w.Game().PlayerCount);
  field("CurrentPlayer", w.Game().CurrentPlayer);
  s << ",\"Sheet\":[";
  for (int p = 0; p <= 4; ++p)
    s << (p ? "," : "") << "{\"Entry\":" << IntArray(w.Game().Sheet[p].Entry, 13, true)
      << ",\"Total\":" << w.Game().Sheet[p].Total << "}";
  s << "]";
  field("DiceInCup", w.Game().DiceInCup);
  s << ",\"ToThrow\":" << IntArray(w.Game().ToThrow, 11, true);
  field("SelectedDie", w.Game().SelectedDie);
  field("ThrowsMade", w.Game().ThrowsMade);
  field("SavedThrows", w.Game().SavedThrows);
  field("ComputerDone", w.Game().ComputerDone);
  field("ComputerBusy", w.Game().ComputerBusy);
  field("ThrowLimit", w.Game().ThrowLimit);
  field("ScoreAllowed", w.Game().ScoreAllowed);
  field("LastCategory", w.Game().LastCategory);
  field("SoundOn", w.State().SoundOn);
  s << ",\"Die\":[null";
  for (int i = 1; i <= 10; ++i) {
    const TDie& d = w.Game().Die[i];
    s << ",{\"Face\":" << d.Face << ",\"Slot\":" << d.Slot << ",\"InCup\":" << d.InCup
      << ",\"Keep\":" << d.Keep << ",\"Work1\":" << d.Work1 << ",\"Work2\":" << d.Work2 << "}";
  }
  s << "],\"TableSlot\":[null";
  for (int k = 1; k <= 20; ++k) {
    const TTableSlot& t = w.Game().TableSlot[k];
    s << ",{\"X\":" << t.X << ",\"Y\":" << t.Y << ",\"Occupied\":" << t.Occupied << "}";
  }
  s << "],\"TopTen\":[";
  for (int k = 0; k <= 10; ++k)
    s << (k ? "," : "") << "{\"Name\":" << Name(w.State().TopTen[k].Name)
      << ",\"Score\":" << w.State().TopTen[k].Score << "}";
  s << "]";
  field("Clock", clock);
  return s.str();
}

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
