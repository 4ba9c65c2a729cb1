// Sound effects and music as the game drives them: the effect buffers and their checks, the
// effects of a turn, and the playlist of the game directory with its restart, wrap and errors.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "audio/wav_image.h"
#include "fixture.h"

namespace ossaric {
namespace {

namespace fs = std::filesystem;
using testing::GameTest;

struct EffectSize {
  Effect effect;
  const char* file;
  size_t bytes;
};
constexpr EffectSize kEffects[] = {
    {kMoreDice, "moredice.wav", 8660}, {kRattle2, "rattle2.wav", 8192},
    {kRattle1, "rattle1.wav", 9216},   {kPen, "pen.wav", 12956},
    {kDiceCup, "dicecup.wav", 4918},   {kManyDice, "manydice.wav", 15340},
    {kOneDice, "onedice.wav", 7412}};

std::vector<uint8_t> ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), {});
}

void WriteFile(const fs::path& path, const std::vector<uint8_t>& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

// A minimal PCM image: `extra` bytes of an odd-sized chunk before the data, `frames` samples.
std::vector<uint8_t> Wav(int bits, int channels, uint32_t frames, int extra = 0) {
  std::vector<uint8_t> v;
  auto put = [&](uint32_t x, int n) {
    for (int i = 0; i < n; ++i) v.push_back(uint8_t(x >> (8 * i)));
  };
  auto tag = [&](const char* t) {
    for (int i = 0; i < 4; ++i) v.push_back(uint8_t(t[i]));
  };
  const uint32_t block = uint32_t(channels * bits / 8), data = frames * block;
  tag("RIFF");
  put(0, 4);
  tag("WAVE");
  tag("fmt ");
  put(16, 4);
  put(1, 2);
  put(uint32_t(channels), 2);
  put(11025, 4);
  put(11025 * block, 4);
  put(block, 2);
  put(uint32_t(bits), 2);
  if (extra) {
    tag("LIST");
    put(uint32_t(extra), 4);
    v.resize(v.size() + size_t(extra + (extra & 1)), 'x');
  }
  tag("data");
  put(data, 4);
  v.resize(v.size() + data, 0x80);
  return v;
}

TEST(WavImage, AcceptsSoundImagesAndRejectsEveryFlaw) {
  struct Case {
    const char* what;
    std::vector<uint8_t> bytes;
    bool ok;
  };
  std::vector<Case> cases = {
      {"8-bit mono", Wav(8, 1, 100), true},
      {"16-bit stereo", Wav(16, 2, 100), true},
      {"odd chunk before data is padded", Wav(8, 1, 50, 7), true},
      {"empty", {}, false},
      {"no data frames", Wav(8, 1, 0), false},
      {"24 bits", Wav(24, 1, 10), false},
      {"three channels", Wav(8, 3, 10), false},
  };
  std::vector<uint8_t> cut = Wav(8, 1, 100);
  cut.pop_back();
  cases.push_back({"data runs past the end", cut, false});
  std::vector<uint8_t> huge = Wav(8, 1, 10);
  huge[40] = huge[41] = huge[42] = huge[43] = 0xff;  // data chunk of 4 GB
  cases.push_back({"data size overflows", huge, false});
  std::vector<uint8_t> bigChunk = Wav(8, 1, 10, 3);
  bigChunk[40] = bigChunk[41] = bigChunk[42] = bigChunk[43] = 0xff;  // the LIST chunk's size
  cases.push_back({"chunk size overflows", bigChunk, false});
  std::vector<uint8_t> notWave = Wav(8, 1, 10);
  notWave[8] = 'X';
  cases.push_back({"not WAVE", notWave, false});
  std::vector<uint8_t> compressed = Wav(8, 1, 10);
  compressed[20] = 2;  // ADPCM
  cases.push_back({"not PCM", compressed, false});
  std::vector<uint8_t> dataFirst = {'R', 'I', 'F', 'F', 0,   0, 0, 0, 'W', 'A', 'V',
                                    'E', 'd', 'a', 't', 'a', 2, 0, 0, 0,   1,   2};
  cases.push_back({"data before fmt", dataFirst, false});

  for (const Case& c : cases) {
    WavInfo info;
    EXPECT_EQ(ParseWavImage(c.bytes.data(), c.bytes.size(), info), c.ok) << c.what;
  }
  WavInfo info;
  const std::vector<uint8_t> good = Wav(16, 2, 11025);
  ASSERT_TRUE(ParseWavImage(good.data(), good.size(), info));
  EXPECT_EQ(info.dataOffset, 44u);
  EXPECT_EQ(info.dataBytes, 44100u);
  EXPECT_DOUBLE_EQ(info.Seconds(), 1.0);
}

// The recordings the build makes: the exact sizes the game reads, sound PCM images, and long
// enough to be heard.
TEST(Recordings, HaveTheirFixedSizesAndAreSoundWaves) {
  for (const EffectSize& e : kEffects) {
    const std::vector<uint8_t> bytes = ReadFile(fs::path(OSSARIC_GAME_DIR) / e.file);
    ASSERT_EQ(bytes.size(), e.bytes) << e.file;
    WavInfo info;
    ASSERT_TRUE(ParseWavImage(bytes.data(), bytes.size(), info)) << e.file;
    EXPECT_EQ(info.dataOffset + info.dataBytes, e.bytes) << e.file;
    EXPECT_GE(info.Seconds(), 0.2) << e.file;
    // Not silence, not clipped flat: the loudest sample is near but inside full scale.
    int peak = 0;
    for (size_t i = info.dataOffset; i < bytes.size(); ++i)
      peak = std::max(peak, std::abs(int(bytes[i]) - 128));
    EXPECT_GE(peak, 40) << e.file;
    EXPECT_LE(peak, 127) << e.file;
  }
}

class Audio : public GameTest {
 protected:
  // Copies the game's recordings into the test's directory and starts the game again there.
  void WithRecordings() {
    for (const EffectSize& e : kEffects)
      fs::copy_file(fs::path(OSSARIC_GAME_DIR) / e.file, dir_.Path() / e.file,
                    fs::copy_options::overwrite_existing);
    Start();
  }
  // The MIDI names of the directory in the order the file system lists them.
  std::vector<std::string> Listing() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir_.Path())) {
      const std::string name = entry.path().filename().string();
      if (entry.is_regular_file() && name[0] != '.' && name.size() > 4 &&
          (name.ends_with(".mid") || name.ends_with(".MID")))
        names.push_back(name);
    }
    return names;
  }
  size_t Opened() const { return runner_->Sound().pieces_.size(); }
  std::string LastOpened() { return Sound().pieces_.empty() ? "" : Sound().pieces_.back(); }
};

TEST_F(Audio, EffectBuffersKeepTheirSizesWhateverTheFiles) {
  WithRecordings();
  for (const EffectSize& e : kEffects) {
    EXPECT_EQ(Probe().Effects().EffectBuffer(e.effect).size(), e.bytes) << e.file;
    EXPECT_TRUE(Probe().Effects().EffectPlayable(e.effect)) << e.file;
    EXPECT_EQ(TEffects::EffectFileName(e.effect), std::string(e.file));
    EXPECT_EQ(TEffects::EffectBufferBytes(e.effect), e.bytes);
  }
  EXPECT_EQ(TEffects::EffectFileName(-1), std::string());
  EXPECT_EQ(TEffects::EffectBufferBytes(kEffectCount), 0u);

  // A missing file, a cut-off file, a longer recording and garbage play nothing; a smaller
  // sound file plays. The buffers keep their sizes.
  const std::vector<uint8_t> real = ReadFile(fs::path(OSSARIC_GAME_DIR) / "pen.wav");
  fs::remove(dir_.Path() / "moredice.wav");
  WriteFile(dir_.Path() / "rattle2.wav", std::vector<uint8_t>(real.begin(), real.begin() + 3000));
  WriteFile(dir_.Path() / "rattle1.wav", Wav(8, 1, 20000));
  WriteFile(dir_.Path() / "pen.wav", std::vector<uint8_t>(12956, 0x5a));
  WriteFile(dir_.Path() / "dicecup.wav", Wav(16, 1, 500));
  Start();
  const bool playable[kEffectCount] = {false, false, false, false, true, true, true};
  for (const EffectSize& e : kEffects) {
    EXPECT_EQ(Probe().Effects().EffectBuffer(e.effect).size(), e.bytes) << e.file;
    EXPECT_EQ(Probe().Effects().EffectPlayable(e.effect), playable[e.effect]) << e.file;
  }
  // An unplayable effect still cuts off the one playing, with an empty image.
  Sound().effectBytes_.clear();
  Probe().PlayEffect(kMoreDice, false);
  Probe().PlayEffect(kDiceCup, true);
  Probe().PlayEffect(static_cast<Effect>(99), false);  // out of range: nothing at all
  ASSERT_EQ(Sound().effectBytes_.size(), 2u);
  EXPECT_EQ(Sound().effectBytes_[0], 0u);
  EXPECT_EQ(Sound().effectBytes_[1], 4918u);
}

TEST_F(Audio, ATurnSoundsInOrderAndSilenceSkipsThePause) {
  WithRecordings();
  for (int sound : {1, 0}) {
    Run(std::string("command ") + (sound ? "132" : "133") + "\n");
    StartGame(1);
    ClearOutput();
    Host().events_.clear();
    Run(std::string(kCup));
    // The pen after a score, and the 1000 ms pause only with sound on.
    Run(DiePress(1));
    const uint32_t before = Host().clock_;
    Run("set AnimDelay 0\n" + Row(1));
    const uint32_t pause = Host().clock_ - before;
    std::vector<std::string> heard;
    for (const std::string& e : Host().events_)
      if (e.find("\"sound\"") != std::string::npos || e.find("stop-effects") != std::string::npos)
        heard.push_back(e);
    if (sound) {
      const std::vector<std::string> expect = {
          R"({"event":"sound","effect":"rattle2.wav","wait":false})",
          R"({"event":"stop-effects"})",
          R"({"event":"sound","effect":"manydice.wav","wait":false})",
          R"({"event":"stop-effects"})",
          R"({"event":"sound","effect":"dicecup.wav","wait":true})",
          R"({"event":"sound","effect":"pen.wav","wait":false})"};
      EXPECT_EQ(heard, expect);
      EXPECT_GE(pause, 1000u);
    } else {
      // The stops are unconditional; nothing is played and the score is written at once.
      const std::vector<std::string> expect = {R"({"event":"stop-effects"})",
                                               R"({"event":"stop-effects"})"};
      EXPECT_EQ(heard, expect);
      EXPECT_LT(pause, 1000u);
    }
    EXPECT_EQ(Probe().Game().Sheet[1].Entry[1] >= 0, true);
  }
}

TEST_F(Audio, TheComputerThrowsAndWritesAloudButReturnsDiceQuietly) {
  WithRecordings();
  StartGame(0);
  Probe().State().AnimDelay = 0;
  ClearOutput();
  // A pair to keep, so the computer returns three dice and throws them again.
  runner_->Rand().ScriptFaces({1, 1, 2, 4, 6, 3, 5, 6, 2, 4, 5});
  Probe().Game().CurrentPlayer = 1;
  Probe().Game().NextPlayerPending = 1;
  Probe().Game().NextPlayer();
  const std::vector<std::string>& heard = Sound().effects_;
  EXPECT_GE(std::count(heard.begin(), heard.end(), "rattle2.wav"), 2) << heard.size();
  EXPECT_EQ(std::count(heard.begin(), heard.end(), "dicecup.wav"), 0);
  EXPECT_EQ(std::count(heard.begin(), heard.end(), "pen.wav"), 1);
}

TEST_F(Audio, SwitchingSoundOnlyTurnsTheChecksAndTheFlag) {
  Run("command 133\n");
  EXPECT_EQ(Probe().State().SoundOn, 0);
  EXPECT_FALSE(Host().checks_[kCmdSoundOn]);
  EXPECT_TRUE(Host().checks_[kCmdSoundOff]);
  EXPECT_TRUE(Host().checks_[kCmdMusicOn]);  // music untouched
  Run("command 132\n");
  EXPECT_EQ(Probe().State().SoundOn, 1);
  EXPECT_TRUE(Host().checks_[kCmdSoundOn]);
  EXPECT_FALSE(Host().checks_[kCmdSoundOff]);
  EXPECT_TRUE(Sound().effects_.empty());
  EXPECT_TRUE(Sound().pieces_.empty());
}

TEST_F(Audio, PlaylistFollowsTheListingRestartsAndWraps) {
  for (const char* name : {"b.mid", "a.mid", "notes.txt", ".hidden.mid", "c.midi"})
    std::ofstream(dir_.Path() / name) << "x";
  fs::create_directory(dir_.Path() / "folder.mid");
  const std::vector<std::string> order = Listing();
  ASSERT_EQ(order.size(), 2u);

  // The first paint starts the first file of the listing.
  Start();
  ASSERT_EQ(Opened(), 1u);
  EXPECT_EQ(LastOpened(), order[0]);
  // Every notice, however the piece ended, moves on; the list wraps: A, B, A, B.
  for (int k = 1; k <= 4; ++k) {
    Run("notify\n");
    EXPECT_EQ(LastOpened(), order[size_t(k % 2)]) << k;
  }
  EXPECT_EQ(Probe().Playlist().MusicFileName(), order[0]);
  // "Music on" while a piece plays starts again at the first file.
  Run("notify\ncommand 4\n");
  EXPECT_EQ(LastOpened(), order[0]);
  EXPECT_TRUE(Host().checks_[kCmdMusicOn]);
  // "Music off" closes it; a notice then starts nothing; "Music on" starts at the first.
  Run("notify\ncommand 5\n");
  const size_t opened = Opened();
  EXPECT_EQ(Probe().State().MusicOn, 0);
  EXPECT_TRUE(Host().checks_[kCmdMusicOff]);
  EXPECT_EQ(Host().events_.back(), R"({"event":"music","action":"close"})");
  Run("notify\nnotify\n");
  EXPECT_EQ(Opened(), opened);
  Run("command 4\n");
  EXPECT_EQ(LastOpened(), order[0]);
  EXPECT_TRUE(Host().messages_.empty());
}

TEST_F(Audio, FilesComingAndGoingChangeThePlaylist) {
  const std::string longName = "a-very-long-name-for-a-piece-of-music.mid";
  for (const std::string& name : {std::string("one.mid"), std::string("two.mid"), longName})
    std::ofstream(dir_.Path() / name) << "x";
  const std::vector<std::string> order = Listing();
  ASSERT_EQ(order.size(), 3u);
  Run("command 4\n");
  EXPECT_EQ(LastOpened(), order[0]);
  // A file deleted while the search runs is passed over.
  fs::remove(dir_.Path() / order[1]);
  Run("notify\n");
  EXPECT_EQ(LastOpened(), order[2]);
  EXPECT_EQ(Probe().Playlist().MusicFileName(), order[2]);  // names of any length are kept whole
  // The next search sees the directory as it is now.
  std::ofstream(dir_.Path() / "three.mid") << "x";
  Run("notify\n");
  EXPECT_EQ(LastOpened(), Listing()[0]);
  EXPECT_TRUE(Host().messages_.empty());
}

// An installed game: effects and help from its data directory, music from there first and then
// from the player's own music directory, whatever the current directory holds.
TEST_F(Audio, DataAndMusicComeFromTheirDirectories) {
  const fs::path data = dir_.Path() / "share", mine = dir_.Path() / "mine";
  fs::create_directories(data);
  fs::create_directories(mine);
  for (const EffectSize& e : kEffects)
    fs::copy_file(fs::path(OSSARIC_GAME_DIR) / e.file, data / e.file);
  for (const fs::path& piece : {data / "b.mid", data / "a.mid", mine / "z.mid", mine / "y.mid"})
    std::ofstream(piece) << "x";
  std::ofstream(dir_.Path() / "here.mid") << "x";  // not a music directory
  GamePlaces places;
  places.dataDir = data.string();
  places.musicDirs = {data.string(), mine.string()};
  std::vector<std::string> order;
  for (const fs::path& dir : {data, mine})
    for (const auto& entry : fs::directory_iterator(dir))
      if (entry.path().extension() == ".mid") order.push_back(entry.path().string());

  HeadlessHost host;
  HeadlessSound sound(host);
  Random random;
  TYachtWindow real_w(host, sound, random, places);
  TWindowProbe w(real_w);
  for (const EffectSize& e : kEffects) EXPECT_TRUE(w.Effects().EffectPlayable(e.effect)) << e.file;
  w.Window().EvPaint();
  for (size_t k = 1; k <= 5; ++k) w.Window().EvMusicNotice();
  ASSERT_EQ(sound.pieces_.size(), 6u);
  for (size_t k = 0; k < 6; ++k) EXPECT_EQ(sound.pieces_[k], order[k % 4]) << k;
  w.Window().EvCommand(kCmdHelp);
  EXPECT_NE(host.events_.back().find(JsonString((data / "bexil.hlp").string())), std::string::npos)
      << host.events_.back();
  EXPECT_TRUE(host.messages_.empty());
}

TEST_F(Audio, WithoutMusicFilesThereIsSilence) {
  Run("command 4\nnotify\ncommand 5\ncommand 4\n");
  EXPECT_TRUE(Sound().pieces_.empty());
  EXPECT_TRUE(Host().messages_.empty());
  EXPECT_EQ(Probe().Playlist().MusicDevice(), 0u);
  // Field values a script or a settings file may hold do no harm.
  std::ofstream(dir_.Path() / "a.mid") << "x";
  Run("set MusicOn 7\nset MusicRestart 0\nnotify\n");
  EXPECT_EQ(LastOpened(), "a.mid");
  Run("set MusicOn 0\nnotify\n");
  EXPECT_EQ(Opened(), 1u);
}

// A piece that fails is told once and not played again this run; a failure that is no fault of
// the piece (no MIDI support) is told at every start of the music, no audio device never.
TEST_F(Audio, APieceThatFailsIsReportedOnceAndNotPlayed) {
  std::ofstream(dir_.Path() / "a.mid") << "x";
  struct Case {
    int failOpen, failPlay;
    bool box, played, toldAgain;
  } cases[] = {{kMidiCannotOpen, 0, true, false, false},
               {kMidiNoSupport, 0, true, false, true},
               {0, kMidiCannotPlay, true, true, false},
               {kMidiNoDevice, 0, false, false, false}};
  for (const Case& c : cases) {
    const int code = c.failOpen ? c.failOpen : c.failPlay;
    SCOPED_TRACE(code);
    Start();
    Sound().failOpen_ = c.failOpen;
    Sound().failPlay_ = c.failPlay;
    Host().messages_.clear();
    Host().events_.clear();
    Run("command 4\n");
    if (c.box) {
      ASSERT_EQ(Host().messages_.size(), 1u);
      EXPECT_EQ(Host().messages_[0], "MCI Error|" + Sound().MidiErrorText(code));
    } else {
      EXPECT_TRUE(Host().messages_.empty());
    }
    bool played = false;
    for (const std::string& e : Host().events_)
      played |= e.find(R"("action":"play")") != std::string::npos;
    EXPECT_EQ(played, c.played);
    EXPECT_EQ(Probe().Playlist().MusicDevice(), 0u);
    Run("command 4\nnotify\ncommand 4\n");
    EXPECT_EQ(Host().messages_.size(), c.box ? (c.toldAgain ? 4u : 1u) : 0u);
  }
}

// Damaged pieces (one that stops as soon as it has begun, one that cannot be opened) are told
// once, in one box, and left out: the end notices never turn into an endless restart, and with
// every piece damaged the music goes quiet. A file put in place of a damaged one is tried again.
TEST_F(Audio, DamagedPiecesAreLeftOutNotStartedAgainAndAgain) {
  for (const char* name : {"a.mid", "b.mid", "c.mid"}) std::ofstream(dir_.Path() / name) << "x";
  const std::vector<std::string> order = Listing();
  ASSERT_EQ(order.size(), 3u);
  const std::string& damaged = order[0];
  const std::string& unopenable = order[1];
  const std::string& good = order[2];
  Sound().playedMsFor_[damaged] = 5;
  Sound().playedMsFor_[good] = 180000;
  Sound().failOpenFor_[unopenable] = kMidiCannotOpen;
  Host().messages_.clear();
  Run("command 4\n");
  EXPECT_EQ(LastOpened(), damaged);
  Run("notify\n");
  ASSERT_EQ(Host().messages_.size(), 1u);
  EXPECT_EQ(Host().messages_[0], "MCI Error|The music file \"" + damaged +
                                     "\" stopped as soon as it began. It is left out until the "
                                     "game is started again.\n\n" +
                                     Sound().MidiErrorText(kMidiCannotOpen));
  EXPECT_EQ(LastOpened(), good);
  // Every later notice starts the good piece alone.
  const size_t opened = Opened();
  for (int k = 0; k < 50; ++k) Run("notify\n");
  EXPECT_EQ(Opened(), opened + 50);
  EXPECT_EQ(std::count(Sound().pieces_.begin() + long(opened), Sound().pieces_.end(), good), 50);
  EXPECT_EQ(Host().messages_.size(), 1u);

  // The last piece turns out damaged too: told, and then the music is quiet for good.
  Sound().playedMsFor_[good] = 0;
  Run("notify\n");
  EXPECT_EQ(Host().messages_.size(), 2u);
  EXPECT_EQ(Probe().Playlist().MusicDevice(), 0u);
  const size_t quiet = Opened();
  for (int k = 0; k < 20; ++k) Run("notify\n");
  Run("command 5\ncommand 4\nnotify\n");
  EXPECT_EQ(Opened(), quiet);
  EXPECT_EQ(Host().messages_.size(), 2u);
  EXPECT_EQ(Probe().Playlist().MusicDevice(), 0u);

  // A mended file in place of a damaged one plays again.
  std::ofstream(dir_.Path() / damaged) << "a longer piece";
  Sound().playedMsFor_.erase(damaged);
  Run("command 4\n");
  EXPECT_EQ(LastOpened(), damaged);
  EXPECT_NE(Probe().Playlist().MusicDevice(), 0u);
}

// A piece that cannot be opened at start is reported over the finished picture: the box comes
// after the first paint has drawn everything and given back the arrow cursor.
TEST_F(Audio, AStartingPieceThatFailsIsReportedAfterTheFirstPaint) {
  std::ofstream(dir_.Path() / "a.mid") << "x";
  Sound().failOpen_ = kMidiCannotOpen;
  Host().messages_.clear();
  Host().events_.clear();
  Run("set FirstPaint 1\npaint\n");
  ASSERT_EQ(Host().messages_.size(), 1u);
  std::string lastCursor;
  for (const std::string& e : Host().events_) {
    if (e.find(R"("event":"message")") != std::string::npos) break;
    if (e.find(R"("event":"cursor")") != std::string::npos) lastCursor = e;
  }
  EXPECT_NE(lastCursor.find("arrow"), std::string::npos) << lastCursor;
}

}  // namespace
}  // namespace ossaric
