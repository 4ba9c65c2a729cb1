#include "state_fields.h"

#include <QString>
#include <cstdio>
#include <cstring>
#include <istream>
#include <ostream>
#include <sstream>
#include <utility>
#include <vector>

#include "platform/headless/headless_host.h"
#include "ui/words.h"

namespace ossaric {

namespace {

// The screen that is up, read and set as four flags: setting one brings its screen up, clearing
// it brings the table back when its screen was up and changes nothing otherwise.
struct ScreenFlag {
  const char* name;
  SceneScreen screen;
};
constexpr ScreenFlag kScreenFlags[] = {{"SetupShown", SceneScreen::Setup},
                                       {"TotalsShown", SceneScreen::Totals},
                                       {"TopTenShown", SceneScreen::TopTen},
                                       {"HintsShown", SceneScreen::Hints}};

// A reference to one integer field, whatever its width, or to one of the screen flags.
struct FieldRef {
  int* i = nullptr;
  uint8_t* b = nullptr;
  SceneScreen* screen = nullptr;
  SceneScreen flagged = SceneScreen::Board;
  bool Valid() const { return i != nullptr || b != nullptr || screen != nullptr; }
  void Set(long v) {
    if (i) *i = static_cast<int>(v);
    if (b) *b = static_cast<uint8_t>(v);
    if (screen && static_cast<uint8_t>(v) != 0)
      *screen = flagged;
    else if (screen && *screen == flagged)
      *screen = SceneScreen::Board;
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
    const Byte bytes[] = {{"UndoScore", &w.Game().UndoScore},
                          {"UndoReturn", &w.Game().UndoReturn},
                          {"MusicRestart", &w.Playlist().MusicRestart()}};
    for (const Byte& p : bytes)
      if (n == p.name) r.b = p.field;
    for (const ScreenFlag& p : kScreenFlags)
      if (n == p.name) {
        r.screen = &w.State().ScreenUp;
        r.flagged = p.screen;
      }
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
  field("SetupShown", w.State().ScreenUp == SceneScreen::Setup);
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
  field("TotalsShown", w.State().ScreenUp == SceneScreen::Totals);
  field("TopTenShown", w.State().ScreenUp == SceneScreen::TopTen);
  field("HintsShown", w.State().ScreenUp == SceneScreen::Hints);
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

}  // namespace ossaric
