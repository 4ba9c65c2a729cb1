// The test twin of the real host: it records everything the game asks of the desktop as JSON
// lines, answers every message box with OK at once and keeps a virtual millisecond clock that
// waits advance instantly.
#pragma once

#include <array>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/host.h"
#include "platform/sound.h"

namespace ossaric {

// Quotes a string for JSON.
std::string JsonString(const std::string& text);

class HeadlessHost : public Host {
 public:
  // Every recorded event goes to `sink` as one JSON object (no newline).
  using Sink = std::function<void(const std::string&)>;
  explicit HeadlessHost(Sink sink = nullptr) : sink_(std::move(sink)) {}

  void MessageBox(const std::string& text, const std::string& caption, MessageIcon icon,
                  bool owned) override;
  void SetCursor(CursorId cursor) override;
  void StartTimer(int id, int periodMs) override;
  void StopTimer(int id) override;
  void CheckMenuItem(int command, bool checked) override;
  void DrawMenuBar() override {}
  void Invalidate() override;
  void Present() override { clock_ += presentMs_; }
  void OpenHelp(const std::string& file) override;
  void CloseHelp() override;
  uint32_t TickCount() override { return clock_; }
  void PumpWhileBusy(int remainingMs) override { clock_ += remainingMs > 0 ? remainingMs : 1; }
  bool UserDataDirectory(std::string& dir) override;
  void ShowFocusRing(bool shown, int x, int y, int w, int h) override {
    focusRingShown_ = shown;
    focusRing_ = {x, y, w, h};
  }

  // What tests look at.
  uint32_t clock_ = 0;
  uint32_t presentMs_ = 0;  // how long showing a frame takes (0: no time at all)
  bool invalidated_ = false;
  bool timerRunning_ = false;
  CursorId cursor_ = CursorId::Arrow;
  std::vector<std::string> messages_;  // "caption|text"
  bool focusRingShown_ = false;
  std::array<int, 4> focusRing_{};   // x, y, width, height
  std::vector<std::string> events_;  // every JSON line
  bool checks_[256] = {};
  std::string dataDir_;     // overrides the per-user data directory when set
  bool noDataDir_ = false;  // pretend the data directory cannot be found

  void Emit(const std::string& json);

 private:
  Sink sink_;
};

// Records effect and music calls; plays nothing.
class HeadlessSound : public SoundDevice {
 public:
  explicit HeadlessSound(HeadlessHost& host) : host_(host) {}
  void PlayEffect(const std::string& name, const std::vector<uint8_t>& wav, bool wait) override;
  void StopEffects() override;
  uint32_t MidiOpen(const std::string& path, int& error) override;
  int MidiPlay(uint32_t device) override;
  void MidiCloseAll() override;
  MidiEnd MidiEnded(uint32_t device) override;
  std::string MidiErrorText(int error) override;

  std::vector<std::string> effects_;  // names in order
  std::vector<size_t> effectBytes_;   // the size of each image handed over (0: silence)
  std::vector<std::string> pieces_;   // MIDI files opened, in order
  int failOpen_ = 0;                  // error code MidiOpen reports (0: opens fine)
  int failPlay_ = 0;
  // By file: the error MidiOpen reports, and how long a piece plays before it stops by itself
  // (a damaged piece: a few milliseconds). Files not named open and play without an end.
  std::map<std::string, int> failOpenFor_;
  std::map<std::string, int> playedMsFor_;

 private:
  HeadlessHost& host_;
  uint32_t nextDevice_ = 1;
  std::map<uint32_t, std::string> opened_;  // device → file
};

}  // namespace ossaric
