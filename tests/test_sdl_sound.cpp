// The real sound device on SDL's dummy audio driver: effects play for their length, a MIDI
// piece plays to its end and posts its notice, and a machine without sound stays silent.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <thread>

#include "desktop/sdl/sdl_sound.h"
#include "fixture.h"
#include "platform/headless/headless_host.h"
#include "ui/yacht_window.h"

namespace ossaric {
namespace {

using Clock = std::chrono::steady_clock;

// Counts end notices as the window thread would receive them.
struct Notices {
  std::mutex mutex;
  std::condition_variable arrived;
  int count = 0;
  std::function<void()> Callback() {
    return [this] {
      std::lock_guard<std::mutex> lock(mutex);
      ++count;
      arrived.notify_all();
    };
  }
  bool WaitFor(int n, std::chrono::milliseconds limit) {
    std::unique_lock<std::mutex> lock(mutex);
    return arrived.wait_for(lock, limit, [&] { return count >= n; });
  }
  int Count() {
    std::lock_guard<std::mutex> lock(mutex);
    return count;
  }
};

void Put16(std::vector<uint8_t>& v, uint32_t x) {
  v.push_back(uint8_t(x));
  v.push_back(uint8_t(x >> 8));
}
void Put32(std::vector<uint8_t>& v, uint32_t x) {
  Put16(v, x & 0xffff);
  Put16(v, x >> 16);
}

// A mono 16-bit WAV image of `ms` milliseconds of a soft tone.
std::vector<uint8_t> ToneWav(int ms) {
  const uint32_t rate = 22050, frames = rate * ms / 1000;
  std::vector<uint8_t> v = {'R', 'I', 'F', 'F'};
  Put32(v, 36 + frames * 2);
  for (char c : std::string("WAVEfmt ")) v.push_back(uint8_t(c));
  Put32(v, 16);
  Put16(v, 1);
  Put16(v, 1);
  Put32(v, rate);
  Put32(v, rate * 2);
  Put16(v, 2);
  Put16(v, 16);
  for (char c : std::string("data")) v.push_back(uint8_t(c));
  Put32(v, frames * 2);
  for (uint32_t i = 0; i < frames; ++i) Put16(v, uint16_t(int16_t((i % 50 < 25) ? 3000 : -3000)));
  return v;
}

// A one-note MIDI file of three eighths of a second.
void WriteShortMidi(const std::string& path, uint8_t pitch = 60, uint16_t ticks = 72) {
  // 96 ticks a quarter at 120 a minute; a piano note held for `ticks` (72: 375 ms), then the
  // end of the track.
  std::vector<uint8_t> held;
  if (ticks >= 128) held.push_back(uint8_t(0x80 | (ticks >> 7)));
  held.push_back(uint8_t(ticks & 0x7f));
  std::vector<uint8_t> track = {0x00, 0xC0, 0, 0, 0x90, pitch, 90};
  track.insert(track.end(), held.begin(), held.end());
  track.insert(track.end(), {0x80, pitch, 64, 0x00, 0xFF, 0x2F, 0x00});
  std::vector<uint8_t> bytes = {'M', 'T', 'h', 'd', 0,   0,   0,   6, 0, 0, 0,
                                1,   0,   96,  'M', 'T', 'r', 'k', 0, 0, 0, uint8_t(track.size())};
  bytes.insert(bytes.end(), track.begin(), track.end());
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

long MsSince(Clock::time_point start) {
  return long(std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count());
}

bool WaitUntilClosed(SdlSound& sound) {
  const auto start = Clock::now();
  while (sound.DeviceOpen() && MsSince(start) < 3000)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  return !sound.DeviceOpen();
}

TEST(SdlSound, EffectsPlayForTheirLengthAndNeverHang) {
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  Notices notices;
  SdlSound sound(notices.Callback());
  ASSERT_TRUE(sound.HasAudio());

  auto start = Clock::now();
  sound.PlayEffect("tone", ToneWav(300), true);
  long waited = MsSince(start);
  EXPECT_GE(waited, 250);
  EXPECT_LE(waited, 300 + 250 + 200);

  // Without waiting the call returns at once; a new effect cuts off the old one.
  start = Clock::now();
  sound.PlayEffect("tone", ToneWav(2000), false);
  sound.PlayEffect("tone", ToneWav(100), true);
  EXPECT_LT(MsSince(start), 600);

  // Garbage, a truncated image and an empty one are silence and return at once.
  std::vector<uint8_t> garbage(5000, 0xAB);
  std::vector<uint8_t> cut = ToneWav(500);
  cut.resize(300);
  start = Clock::now();
  for (const auto* image : {&garbage, &cut}) sound.PlayEffect("bad", *image, true);
  sound.PlayEffect("none", {}, true);
  sound.StopEffects();
  EXPECT_LT(MsSince(start), 200);

  // A real effect of the game directory.
  std::ifstream file(std::string(OSSARIC_GAME_DIR) + "/dicecup.wav", std::ios::binary);
  if (file) {
    std::vector<uint8_t> wav((std::istreambuf_iterator<char>(file)), {});
    start = Clock::now();
    sound.PlayEffect("dicecup.wav", wav, true);
    EXPECT_GE(MsSince(start), 100);
    EXPECT_LE(MsSince(start), 1500);
  }

  // Quiet for a while, the device closes, but never under a playing effect; the next effect
  // opens it again and plays whole.
  sound.CloseWhenQuietFor(std::chrono::milliseconds(100));
  sound.PlayEffect("tone", ToneWav(500), false);
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  EXPECT_TRUE(sound.DeviceOpen());
  ASSERT_TRUE(WaitUntilClosed(sound));
  start = Clock::now();
  sound.PlayEffect("tone", ToneWav(300), true);
  EXPECT_GE(MsSince(start), 250);
  EXPECT_LE(MsSince(start), 300 + 250 + 200);
  EXPECT_TRUE(sound.HasAudio());
}

TEST(SdlSound, MidiPlaysToItsEndAndPostsOneNotice) {
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  testing::TempGameDir dir;
  WriteShortMidi("short.mid");
  Notices notices;
  SdlSound sound(notices.Callback());
  ASSERT_TRUE(sound.HasAudio());
  if (sound.SoundFont().empty()) GTEST_SKIP() << "no General MIDI soundfont installed";
  // A piece opens the device again after a quiet spell closed it.
  sound.CloseWhenQuietFor(std::chrono::milliseconds(50));
  ASSERT_TRUE(WaitUntilClosed(sound));

  int error = -1;
  const uint32_t device = sound.MidiOpen("short.mid", error);
  ASSERT_NE(device, 0u) << sound.MidiErrorText(error);
  EXPECT_EQ(error, kMidiOk);
  ASSERT_EQ(sound.MidiPlay(device), kMidiOk);
  EXPECT_TRUE(notices.WaitFor(1, std::chrono::seconds(10)));
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  EXPECT_EQ(notices.Count(), 1);

  // Closing a playing piece ourselves posts no notice.
  const uint32_t again = sound.MidiOpen("short.mid", error);
  ASSERT_EQ(sound.MidiPlay(again), kMidiOk);
  sound.MidiCloseAll();
  std::this_thread::sleep_for(std::chrono::milliseconds(600));
  EXPECT_EQ(notices.Count(), 1);
  EXPECT_EQ(sound.MidiPlay(again), kMidiBadDevice);  // closed means gone

  // A missing file and a file that is not MIDI fail to open with a clear text.
  std::ofstream("bad.mid") << "this is not music";
  for (const char* name : {"missing.mid", "bad.mid"}) {
    EXPECT_EQ(sound.MidiOpen(name, error), 0u) << name;
    EXPECT_EQ(error, kMidiCannotOpen);
    EXPECT_NE(sound.MidiErrorText(error).find(name), std::string::npos);
  }

  // Every piece of the game directory opens.
  int pieces = 0;
  for (const auto& entry : std::filesystem::directory_iterator(OSSARIC_GAME_DIR)) {
    if (entry.path().extension() != ".mid") continue;
    ++pieces;
    EXPECT_NE(sound.MidiOpen(entry.path().string(), error), 0u)
        << entry.path() << ": " << sound.MidiErrorText(error);
  }
  sound.MidiCloseAll();
  EXPECT_EQ(notices.Count(), 1);
}

// The mixer's synthesisers are made with the program's settings hook, which asks for only the
// samples a piece uses to be read.
TEST(SdlSound, TheSynthesiserReadsOnlyTheSamplesItUses) {
  using NewSettings = void* (*)();
  using GetInt = int (*)(void*, const char*, int*);
  using Delete = void (*)(void*);
  const auto make = reinterpret_cast<NewSettings>(dlsym(RTLD_DEFAULT, "new_fluid_settings"));
  const auto getInt = reinterpret_cast<GetInt>(dlsym(RTLD_DEFAULT, "fluid_settings_getint"));
  const auto drop = reinterpret_cast<Delete>(dlsym(RTLD_DEFAULT, "delete_fluid_settings"));
  if (getInt == nullptr) GTEST_SKIP() << "the mixer has no synthesiser linked in";
  ASSERT_NE(make, nullptr);
  void* settings = make();
  ASSERT_NE(settings, nullptr);
  int dynamic = 0;
  getInt(settings, "synth.dynamic-sample-loading", &dynamic);
  EXPECT_EQ(dynamic, 1);
  drop(settings);
}

TEST(SdlSound, WithoutSoundfontOrDeviceTheGameStaysSilent) {
  testing::TempGameDir dir;
  WriteShortMidi("short.mid");
  int error = 0;
  {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    SdlSound sound(nullptr, "/nonexistent/none.sf2");
    EXPECT_TRUE(sound.SoundFont().empty());
    EXPECT_EQ(sound.MidiOpen("short.mid", error), 0u);
    EXPECT_EQ(error, kMidiNoSupport);
    EXPECT_NE(sound.MidiErrorText(error).find("soundfont"), std::string::npos);
  }
  {
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    SdlSound sound(nullptr);
    EXPECT_FALSE(sound.HasAudio());
    const auto start = Clock::now();
    sound.PlayEffect("tone", ToneWav(1000), true);
    sound.StopEffects();
    EXPECT_LT(MsSince(start), 100);
    EXPECT_EQ(sound.MidiOpen("short.mid", error), 0u);
    EXPECT_EQ(error, kMidiNoDevice);
    EXPECT_EQ(sound.MidiPlay(1), kMidiBadDevice);
    sound.MidiCloseAll();
    setenv("SDL_AUDIODRIVER", "dummy", 1);
  }
  // Once the first device is gone a new one opens again.
  SdlSound sound(nullptr);
  EXPECT_TRUE(sound.HasAudio());
}

// The whole chain: the game on the real sound device plays its recordings and its music, and
// the end of a piece moves the playlist on.
TEST(SdlSound, TheGameHearsItsEffectsAndMovesOnWhenAPieceEnds) {
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  testing::TempGameDir dir;
  for (const char* file : {"moredice.wav", "rattle2.wav", "rattle1.wav", "pen.wav", "dicecup.wav",
                           "manydice.wav", "onedice.wav"})
    std::filesystem::copy_file(std::filesystem::path(OSSARIC_GAME_DIR) / file, dir.Path() / file);
  // Pieces long enough not to count as damaged (1.2 s).
  WriteShortMidi("a.mid", 60, 230);
  WriteShortMidi("b.mid", 67, 230);
  Notices notices;
  HeadlessHost host;
  SdlSound sound(notices.Callback());
  if (sound.SoundFont().empty()) GTEST_SKIP() << "no General MIDI soundfont installed";
  Random random;
  TYachtWindow real_window(host, sound, random);
  TWindowProbe window(real_window);
  window.Window().EvPaint();  // the first paint starts the music
  const std::string first = window.Playlist().MusicFileName();
  ASSERT_FALSE(first.empty());

  auto start = Clock::now();
  window.PlayEffect(kDiceCup, true);  // about 0.3 s
  EXPECT_GE(MsSince(start), 250);
  EXPECT_LE(MsSince(start), 305 + 250 + 200);

  ASSERT_TRUE(notices.WaitFor(1, std::chrono::seconds(10)));
  window.Window().EvMusicNotice();  // as the host delivers it
  EXPECT_NE(window.Playlist().MusicFileName(), first);
  EXPECT_NE(window.Playlist().MusicDevice(), 0u);
  window.SetMusicOff();  // closing the piece ourselves posts nothing
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  EXPECT_EQ(notices.Count(), 1);
  window.Window().EvClose();
  EXPECT_TRUE(host.messages_.empty());
}

// Damaged pieces on the real device, a cut one and one that is only a header: each is told once
// and left out, and then the music is quiet, instead of the end notices starting them again and
// again (which kept a core busy for as long as the game ran).
TEST(SdlSound, DamagedPiecesAreNotStartedAgainAndAgain) {
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  testing::TempGameDir dir;
  std::ifstream whole(std::filesystem::path(OSSARIC_GAME_DIR) / "canon.mid", std::ios::binary);
  std::vector<char> head(300);
  whole.read(head.data(), std::streamsize(head.size()));
  std::ofstream("cut.mid", std::ios::binary).write(head.data(), whole.gcount());
  const uint8_t header[] = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96};
  std::ofstream("header.mid", std::ios::binary)
      .write(reinterpret_cast<const char*>(header), sizeof header);
  Notices notices;
  HeadlessHost host;
  SdlSound sound(notices.Callback());
  if (sound.SoundFont().empty()) GTEST_SKIP() << "no General MIDI soundfont installed";
  Random random;
  TYachtWindow real_window(host, sound, random);
  TWindowProbe window(real_window);
  window.Window().EvPaint();  // the first paint starts the music
  // The notices are handed to the window as the host hands them over, for two seconds.
  int handled = 0;
  const auto start = Clock::now();
  while (MsSince(start) < 2000) {
    if (!notices.WaitFor(handled + 1, std::chrono::milliseconds(50))) continue;
    ++handled;
    window.Window().EvMusicNotice();
  }
  EXPECT_LE(handled, 2);
  EXPECT_EQ(window.Playlist().MusicDevice(), 0u);
  EXPECT_TRUE(window.Playlist().LeftOut("cut.mid"));
  EXPECT_TRUE(window.Playlist().LeftOut("header.mid"));
  EXPECT_GE(host.messages_.size(), 1u);
  EXPECT_LE(host.messages_.size(), 2u);
  for (const std::string& m : host.messages_) EXPECT_EQ(m.rfind("MCI Error|", 0), 0u) << m;
  window.Window().EvClose();
}

}  // namespace
}  // namespace ossaric
