// The sound device that comes after the first frame: a piece asked to play before it came starts
// when it comes, one that cannot start is told the way the music tells a failing piece, and
// without the sound module the game stays silent and the music says why once.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "desktop/qt/late_sound.h"

namespace ossaric {
namespace {

// A device that opens pieces with the outcome it is told and records what it was asked.
struct FakeDevice : SoundDevice {
  int openError = kMidiOk, playError = kMidiOk;
  std::vector<std::string>* log;
  explicit FakeDevice(std::vector<std::string>* l) : log(l) {}
  void PlayEffect(const std::string& name, const std::vector<uint8_t>&, bool) override {
    log->push_back("effect " + name);
  }
  void StopEffects() override {}
  uint32_t MidiOpen(const std::string& path, int& error) override {
    log->push_back("open " + path);
    error = openError;
    return error == kMidiOk ? 40 : 0;
  }
  int MidiPlay(uint32_t device) override {
    log->push_back("play " + std::to_string(device));
    return playError;
  }
  void MidiCloseAll() override { log->push_back("close"); }
  MidiEnd MidiEnded(uint32_t device) override { return {kMidiOk, static_cast<int>(device)}; }
  std::string MidiErrorText(int error) override { return "device error " + std::to_string(error); }
};

TEST(LateSound, AWaitingPieceStartsWhenTheDeviceComesOrIsToldAsTheMusicTellsAFailure) {
  struct Case {
    const char* name;
    bool device;
    int openError, playError;
    int notices;        // end notices posted when the device came
    int endedError;     // what the game then hears of its piece
    int nextOpenError;  // and of the next piece it opens
  };
  const Case cases[] = {
      {"plays", true, kMidiOk, kMidiOk, 0, kMidiOk, kMidiOk},
      {"file cannot be opened", true, kMidiCannotOpen, kMidiOk, 1, kMidiCannotOpen,
       kMidiCannotOpen},
      {"cannot start", true, kMidiOk, kMidiCannotPlay, 1, kMidiCannotPlay, kMidiOk},
      // Nothing to hear and nothing to tell, as with no audio device from the start.
      {"no audio device", true, kMidiNoDevice, kMidiOk, 0, kMidiOk, kMidiNoDevice},
      // The piece ends without blame; the next open tells why once.
      {"no music support", true, kMidiNoSupport, kMidiOk, 1, kMidiOk, kMidiNoSupport},
      {"no module", false, kMidiOk, kMidiOk, 1, kMidiOk, kMidiNoSupport},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> log;
    int notices = 0;
    LateSound sound([&] { ++notices; });
    sound.PlayEffect("pen.wav", {1, 2}, false);  // nothing to hear it on yet
    int error = -1;
    const uint32_t piece = sound.MidiOpen("a.mid", error);
    EXPECT_NE(piece, 0u);
    EXPECT_EQ(error, kMidiOk);
    EXPECT_EQ(sound.MidiPlay(piece), kMidiOk);
    EXPECT_TRUE(log.empty());
    std::unique_ptr<FakeDevice> device;
    if (c.device) {
      device = std::make_unique<FakeDevice>(&log);
      device->openError = c.openError;
      device->playError = c.playError;
    }
    FakeDevice* fake = device.get();
    sound.Arrive(std::move(device), "no module here");
    EXPECT_EQ(notices, c.notices);
    if (c.device && c.openError == kMidiOk) {
      EXPECT_EQ(log, (std::vector<std::string>{"open a.mid", "play 40"}));
    }
    const MidiEnd end = sound.MidiEnded(piece);
    EXPECT_EQ(end.error, c.endedError);
    // A piece that plays answers through the device under the game's own identifier.
    if (c.device && c.openError == kMidiOk && c.playError == kMidiOk) {
      EXPECT_EQ(end.playedMs, 40);
    }
    sound.MidiCloseAll();
    if (fake) {
      fake->openError = c.nextOpenError;
      fake->playError = kMidiOk;
    }
    const uint32_t next = sound.MidiOpen("b.mid", error);
    EXPECT_EQ(error, c.nextOpenError);
    EXPECT_EQ(next == 0, c.nextOpenError != kMidiOk);
    if (!c.device) {
      EXPECT_EQ(sound.MidiErrorText(error), "no module here");
    }
    if (next != 0) {
      EXPECT_EQ(sound.MidiPlay(next), kMidiOk);
    }
    EXPECT_EQ(sound.MidiPlay(next + 100), kMidiBadDevice);
  }
}

// The load opens the piece that waited when it began; that piece is played without a second
// read of the soundfont, and one no longer wanted when the device comes is closed.
TEST(LateSound, WhatTheLoadOpenedPlaysOnlyIfThatPieceStillWaits) {
  struct Case {
    const char* name;
    const char* loadedPath;  // what the load opened ("" for nothing)
    uint32_t loadedId;       // its identifier on the device, 0 when it failed
    int loadedError;
    bool stillWaiting;  // the game still waits for "a.mid" when the device comes
    std::vector<std::string> log;
    int notices;
  };
  const Case cases[] = {
      {"the waiting piece", "a.mid", 40, kMidiOk, true, {"play 40"}, 0},
      {"it failed to open", "a.mid", 0, kMidiCannotOpen, true, {}, 1},
      {"no audio device", "a.mid", 0, kMidiNoDevice, true, {}, 0},
      {"another piece waits now",
       "b.mid",
       40,
       kMidiOk,
       true,
       {"close", "open a.mid", "play 40"},
       0},
      {"the music was stopped meanwhile", "a.mid", 40, kMidiOk, false, {"close"}, 0},
      {"nothing was opened", "", 0, kMidiOk, true, {"open a.mid", "play 40"}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> log;
    int notices = 0;
    LateSound sound([&] { ++notices; });
    int error = kMidiOk;
    const uint32_t piece = sound.MidiOpen("a.mid", error);
    ASSERT_EQ(sound.MidiPlay(piece), kMidiOk);
    EXPECT_EQ(sound.WaitingPath(), "a.mid");
    if (!c.stillWaiting) sound.MidiCloseAll();
    LoadedSound loaded;
    loaded.device = std::make_unique<FakeDevice>(&log);
    loaded.path = c.loadedPath;
    loaded.opened = c.loadedId;
    loaded.error = c.loadedError;
    sound.Arrive(std::move(loaded));
    EXPECT_EQ(log, c.log);
    EXPECT_EQ(notices, c.notices);
    if (c.stillWaiting && c.loadedError == kMidiOk) {
      EXPECT_EQ(sound.MidiEnded(piece).playedMs, 40);
    }
  }
}

TEST(LateSound, WithoutTheModuleTheMusicSaysWhy) {
  LateSound sound(nullptr);
  sound.Arrive(SoundModulePlaces("/nonexistent/bin", "../lib/ossaric"));
  ASSERT_TRUE(sound.Arrived());
  int error = kMidiOk;
  EXPECT_EQ(sound.MidiOpen("a.mid", error), 0u);
  EXPECT_EQ(error, kMidiNoSupport);
  const std::string text = sound.MidiErrorText(error);
  EXPECT_NE(text.find("No audio device is available"), std::string::npos) << text;
  EXPECT_NE(text.find("ossaric-sound.so"), std::string::npos) << text;
  EXPECT_EQ(SoundModulePlaces("/usr/games", "../lib/ossaric"),
            (std::vector<std::string>{"/usr/games", "/usr/lib/ossaric"}));
}

}  // namespace
}  // namespace ossaric
