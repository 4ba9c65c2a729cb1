#include "platform/headless/headless_host.h"

#include <cstdio>

namespace ossaric {

std::string JsonString(const std::string& text) {
  std::string out = "\"";
  for (unsigned char c : text) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (c < 0x20 || c >= 0x7f) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", c);
          out += buf;
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  return out + "\"";
}

void HeadlessHost::Emit(const std::string& json) {
  events_.push_back(json);
  if (sink_) sink_(json);
}

void HeadlessHost::MessageBox(const std::string& text, const std::string& caption, MessageIcon,
                              bool) {
  messages_.push_back(caption + "|" + text);
  Emit("{\"event\":\"message\",\"caption\":" + JsonString(caption) +
       ",\"text\":" + JsonString(text) + "}");
}

void HeadlessHost::SetCursor(CursorId cursor) {
  cursor_ = cursor;
  Emit(std::string("{\"event\":\"cursor\",\"cursor\":\"") + CursorName(cursor) + "\"}");
}

void HeadlessHost::StartTimer(int id, int) {
  timerRunning_ = true;
  Emit("{\"event\":\"timer\",\"id\":" + std::to_string(id) + ",\"action\":\"start\"}");
}

void HeadlessHost::StopTimer(int id) {
  timerRunning_ = false;
  Emit("{\"event\":\"timer\",\"id\":" + std::to_string(id) + ",\"action\":\"stop\"}");
}

void HeadlessHost::CheckMenuItem(int command, bool checked) {
  if (command >= 0 && command < 256) checks_[command] = checked;
}

void HeadlessHost::Invalidate() {
  invalidated_ = true;
}

void HeadlessHost::OpenHelp(const std::string& file) {
  Emit("{\"event\":\"help\",\"action\":\"open\",\"file\":" + JsonString(file) + "}");
}

void HeadlessHost::CloseHelp() {
  Emit("{\"event\":\"help\",\"action\":\"close\"}");
}

bool HeadlessHost::UserDataDirectory(std::string& dir) {
  if (noDataDir_) return false;
  if (!dataDir_.empty()) {
    dir = dataDir_;
    return true;
  }
  return Host::UserDataDirectory(dir);
}

void HeadlessSound::PlayEffect(const std::string& name, const std::vector<uint8_t>& wav,
                               bool wait) {
  effects_.push_back(name);
  effectBytes_.push_back(wav.size());
  host_.Emit("{\"event\":\"sound\",\"effect\":" + JsonString(name) +
             ",\"wait\":" + (wait ? "true" : "false") + "}");
}

void HeadlessSound::StopEffects() {
  host_.Emit("{\"event\":\"stop-effects\"}");
}

uint32_t HeadlessSound::MidiOpen(const std::string& path, int& error) {
  pieces_.push_back(path);
  error = failOpen_;
  if (error == 0 && failOpenFor_.count(path)) error = failOpenFor_[path];
  host_.Emit("{\"event\":\"music\",\"action\":\"open\",\"file\":" + JsonString(path) +
             ",\"error\":" + std::to_string(error) + "}");
  if (error != 0) return 0;
  opened_[nextDevice_] = path;
  return nextDevice_++;
}

MidiEnd HeadlessSound::MidiEnded(uint32_t device) {
  auto it = opened_.find(device);
  if (it == opened_.end() || !playedMsFor_.count(it->second)) return {};
  return {kMidiOk, playedMsFor_[it->second]};
}

int HeadlessSound::MidiPlay(uint32_t device) {
  host_.Emit("{\"event\":\"music\",\"action\":\"play\",\"device\":" + std::to_string(device) +
             ",\"error\":" + std::to_string(failPlay_) + "}");
  return failPlay_;
}

void HeadlessSound::MidiCloseAll() {
  host_.Emit("{\"event\":\"music\",\"action\":\"close\"}");
}

std::string HeadlessSound::MidiErrorText(int error) {
  return "The music device reported error " + std::to_string(error) + ".";
}

}  // namespace ossaric
