// The settings file: its bytes for known states, reading every field back, the three ways the
// program opens, and files that are short, long or garbled.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <random>
#include <vector>

#include "fifo_watchdog.h"
#include "fixture.h"
#include "persist/file_images.h"

namespace ossaric {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes ReadAll(const char* path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteAll(const char* path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

// The record for the given fields, built by hand.
Bytes Record(int players, const char* const names[4], int hints, int music, int sound, int delay) {
  Bytes b = {5, 0, 1, 0, 3, 0};
  auto put = [&](int v) {
    b.push_back(static_cast<uint8_t>(v & 0xff));
    b.push_back(static_cast<uint8_t>((v >> 8) & 0xff));
  };
  put(players);
  for (int n = 0; n < 4; ++n) {
    char field[9] = {};
    std::memcpy(field, names[n], std::min<size_t>(9, std::strlen(names[n])));
    b.insert(b.end(), field, field + 9);
  }
  put(hints);
  put(music);
  put(sound);
  put(delay);
  return b;
}

const char* const kDefaultNames[4] = {"Player 1", "Player 2", "Player 3", "Player 4"};

class Settings : public testing::GameTest {
 protected:
  // Closes the window the way Quit does and returns the file written.
  Bytes CloseAndRead() {
    Run("close\n");
    return ReadAll("bexil.ini");
  }
};

TEST_F(Settings, BytesWrittenForKnownStates) {
  // First run, closed on the setup screen.
  EXPECT_EQ(CloseAndRead(), Record(1, kDefaultNames, 0, 1, 1, 25));

  // Names of eight characters, tips switched off, three players, sound off.
  std::remove("bexil.ini");
  Start();
  const char* const names[4] = {"Abcdefgh", "Player 2", "Zz", "12345678"};
  Run("set PlayerCount 3\nset PlayerName[1] Abcdefgh\nset PlayerName[3] Zz\n"
      "set PlayerName[4] 12345678\nset SoundOn 0\nclick 400 365\n");
  EXPECT_EQ(Probe().State().HintIndex, -1);
  Bytes b = CloseAndRead();
  ASSERT_EQ(b.size(), 52u);
  EXPECT_EQ(b, Record(3, names, -1, 1, 0, 25));
  EXPECT_EQ(b[16], 0);  // the terminator of an eight-character name lies in the ninth byte
  EXPECT_EQ(b[44], 0xff);
  EXPECT_EQ(b[45], 0xff);

  // A pause above 32767 ms is written as its 16 bits, which read back as negative: the next
  // start takes the default pause. Every slower pause the player chose comes back as it was.
  Start();
  Run("set AnimDelay 40000\n");
  b = CloseAndRead();
  EXPECT_EQ(b[50], 0x40);
  EXPECT_EQ(b[51], 0x9c);
  Start();
  EXPECT_EQ(Probe().State().AnimDelay, 25);
  for (int pause : {1000, 1005, 5000, 32767}) {
    Run("set AnimDelay " + std::to_string(pause - 5) + "\ncommand 108\n");
    CloseAndRead();
    Start();
    EXPECT_EQ(Probe().State().AnimDelay, pause);
  }

  // Faster at 0 stays at 0 and is stored as 0.
  Start();
  Run("set AnimDelay 0\ncommand 107\n");
  b = CloseAndRead();
  EXPECT_EQ(b[50], 0);
  EXPECT_EQ(b[51], 0);

  // Whatever the state, the file has 52 bytes and starts 05 00 01 00 03 00.
  Start();
  Run("set PlayerCount 77\nset HintIndex 100000\nset AnimDelay -5\nset MusicOn 0\n");
  b = CloseAndRead();
  ASSERT_EQ(b.size(), 52u);
  EXPECT_EQ(Bytes(b.begin(), b.begin() + 6), (Bytes{5, 0, 1, 0, 3, 0}));
  EXPECT_EQ(b[46], 0);
  EXPECT_EQ(b[50], 0);  // a negative pause is stored as no pause
}

TEST_F(Settings, BytesAfterTheTerminatorAreCopiedWhole) {
  Run("set PlayerName[2] Player 2\n");
  std::memcpy(Probe().State().PlayerName[2], "Ab\0xyzwv", 9);
  Bytes b = CloseAndRead();
  EXPECT_EQ(0, std::memcmp(&b[17], "Ab\0xyzwv", 9));
  Start();
  EXPECT_STREQ(Probe().State().PlayerName[2], "Ab");
}

TEST_F(Settings, EveryFieldIsReadBack) {
  const char* const names[4] = {"Anna", "Bert", "Cleo12", "Dorothea"};
  WriteAll("bexil.ini", Record(4, names, 7, 0, 0, 60));
  Start();
  EXPECT_EQ(Probe().Game().PlayerCount, 4);
  for (int n = 1; n <= 4; ++n) EXPECT_STREQ(Probe().State().PlayerName[n], names[n - 1]);
  EXPECT_EQ(Probe().State().HintIndex, 7);
  EXPECT_EQ(Probe().State().MusicOn, 0);
  EXPECT_EQ(Probe().State().SoundOn, 0);
  EXPECT_EQ(Probe().State().AnimDelay, 60);
  EXPECT_EQ(Probe().State().SettingsRecord[6], 4);
  // Closing unchanged writes the same bytes again.
  EXPECT_EQ(CloseAndRead(), Record(4, names, 7, 0, 0, 60));
}

TEST_F(Settings, TheThreeOpenings) {
  // No file: the setup screen, one player, tips on.
  EXPECT_EQ(Probe().State().ScreenUp, SceneScreen::Setup);
  EXPECT_NE(Probe().State().ScreenUp, SceneScreen::Hints);
  EXPECT_EQ(Probe().Game().GameActive, 0);
  EXPECT_EQ(Probe().Game().PlayerCount, 1);
  EXPECT_EQ(Probe().State().HintIndex, 0);

  // Tips on: the tips panel, whose Return starts the game and moves the counter on.
  WriteAll("bexil.ini", Record(2, kDefaultNames, 5, 1, 1, 25));
  Start();
  EXPECT_NE(Probe().State().ScreenUp, SceneScreen::Setup);
  EXPECT_EQ(Probe().State().ScreenUp, SceneScreen::Hints);
  EXPECT_EQ(Probe().Game().GameActive, 0);
  Run("click 400 360\n");
  EXPECT_NE(Probe().State().ScreenUp, SceneScreen::Hints);
  EXPECT_EQ(Probe().Game().GameActive, 1);
  EXPECT_EQ(Probe().State().HintIndex, 6);
  EXPECT_EQ(Probe().Game().PlayerCount, 2);
  EXPECT_EQ(CloseAndRead()[44], 6);

  // Tips off: a game at once, player 1 to throw.
  WriteAll("bexil.ini", Record(0, kDefaultNames, -1, 1, 1, 25));
  Start();
  EXPECT_NE(Probe().State().ScreenUp, SceneScreen::Setup);
  EXPECT_NE(Probe().State().ScreenUp, SceneScreen::Hints);
  EXPECT_EQ(Probe().Game().GameActive, 1);
  EXPECT_EQ(Probe().Game().CurrentPlayer, 1);
  EXPECT_EQ(Probe().State().TotalsPlayer, 0);
  EXPECT_EQ(Probe().Game().DiceInCup, 5);
  // The tips stay off in the file.
  EXPECT_EQ(CloseAndRead()[44], 0xff);
}

TEST_F(Settings, DamagedFilesGiveSaneValuesAndKeepWhatIsValid) {
  const char* const names[4] = {"Anna", "Bert", "Cleo", "Dora"};
  const Bytes good = Record(3, names, 4, 0, 1, 40);
  struct Case {
    const char* what;
    Bytes bytes;
    bool opensOnSetup;
    int players, hints, music, sound, delay;
    const char* name1;
    const char* name4;
  };
  auto with = [&](size_t at, std::initializer_list<uint8_t> values) {
    Bytes b = good;
    for (uint8_t v : values) b[at++] = v;
    return b;
  };
  Bytes longer = good;
  longer.insert(longer.end(), 30, 0xee);
  Bytes unterminated = good;
  std::fill(unterminated.begin() + 8, unterminated.begin() + 17, 'Q');
  Bytes control = with(35, {'D', 'o', '\n', 'a', 0});
  const Case cases[] = {
      {"empty", {}, true, 1, 0, 1, 1, 25, "Player 1", "Player 4"},
      {"constants only", Bytes(good.begin(), good.begin() + 7), true, 1, 0, 1, 1, 25, "Player 1",
       "Player 4"},
      {"players only", Bytes(good.begin(), good.begin() + 8), false, 3, 0, 1, 1, 25, "Player 1",
       "Player 4"},
      {"cut in name 2", Bytes(good.begin(), good.begin() + 20), false, 3, 0, 1, 1, 25, "Anna",
       "Player 4"},
      {"cut in the pause", Bytes(good.begin(), good.begin() + 51), false, 3, 4, 0, 1, 25, "Anna",
       "Dora"},
      {"longer", longer, false, 3, 4, 0, 1, 40, "Anna", "Dora"},
      {"players 9", with(6, {9, 0}), false, 1, 4, 0, 1, 40, "Anna", "Dora"},
      {"players -1", with(6, {0xff, 0xff}), false, 1, 4, 0, 1, 40, "Anna", "Dora"},
      {"name without terminator", unterminated, false, 3, 4, 0, 1, 40, "QQQQQQQQ", "Dora"},
      {"name with a line break", control, false, 3, 4, 0, 1, 40, "Anna", "Do"},
      {"tips 20", with(44, {20, 0}), false, 3, 20, 0, 1, 40, "Anna", "Dora"},
      {"tips 21", with(44, {21, 0}), false, 3, 0, 0, 1, 40, "Anna", "Dora"},
      {"tips -2", with(44, {0xfe, 0xff}), false, 3, -1, 0, 1, 40, "Anna", "Dora"},
      {"tips -32768", with(44, {0x00, 0x80}), false, 3, -1, 0, 1, 40, "Anna", "Dora"},
      {"music 7 sound 0", with(46, {7, 0, 0, 0}), false, 3, 4, 1, 0, 40, "Anna", "Dora"},
      {"pause 65535", with(50, {0xff, 0xff}), false, 3, 4, 0, 1, 25, "Anna", "Dora"},
      {"pause 32768", with(50, {0x00, 0x80}), false, 3, 4, 0, 1, 25, "Anna", "Dora"},
      {"pause 32767", with(50, {0xff, 0x7f}), false, 3, 4, 0, 1, 32767, "Anna", "Dora"},
      {"pause 1001", with(50, {0xe9, 0x03}), false, 3, 4, 0, 1, 1001, "Anna", "Dora"},
      {"pause 1000", with(50, {0xe8, 0x03}), false, 3, 4, 0, 1, 1000, "Anna", "Dora"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WriteAll("bexil.ini", c.bytes);
    Start();
    EXPECT_EQ(Probe().State().ScreenUp == SceneScreen::Setup, c.opensOnSetup);
    EXPECT_EQ(Probe().Game().PlayerCount, c.players);
    // A counter of 20 starts again at 0 as soon as the first paint draws the tips panel.
    EXPECT_TRUE(Probe().State().HintIndex == c.hints ||
                (c.hints == 20 && Probe().State().HintIndex == 0))
        << Probe().State().HintIndex;
    EXPECT_EQ(Probe().State().MusicOn, c.music);
    EXPECT_EQ(Probe().State().SoundOn, c.sound);
    EXPECT_EQ(Probe().State().AnimDelay, c.delay);
    EXPECT_STREQ(Probe().State().PlayerName[1], c.name1);
    EXPECT_STREQ(Probe().State().PlayerName[4], c.name4);
    if (!c.opensOnSetup) {
      EXPECT_EQ(Probe().State().ScreenUp == SceneScreen::Hints, c.hints >= 0);
    }
    Run("paint\nclick 400 360\ncommand 103\nclick 460 380\n");
    // The file written back is always a whole record.
    EXPECT_EQ(CloseAndRead().size(), 52u);
  }
}

TEST_F(Settings, ADirectoryInPlaceOfTheFileOpensLikeAFirstRun) {
  ASSERT_EQ(mkdir("bexil.ini", 0755), 0);
  Start();
  EXPECT_EQ(Probe().State().ScreenUp, SceneScreen::Setup);
  Run("close\n");
  struct stat st;
  ASSERT_EQ(stat("bexil.ini", &st), 0);
  EXPECT_TRUE(S_ISDIR(st.st_mode));  // the close wrote nothing over it, and said why once
  EXPECT_EQ(Host().messages_,
            std::vector<std::string>{"ERROR|Your settings could not be saved to bexil.ini: it is a "
                                     "directory, not a file."});
}

TEST_F(Settings, AReadOnlyFileIsReadAndLeftAsItIs) {
  const char* const names[4] = {"Anna", "Bert", "Cleo", "Dora"};
  const Bytes bytes = Record(2, names, -1, 1, 0, 30);
  WriteAll("bexil.ini", bytes);
  ASSERT_EQ(chmod("bexil.ini", 0444), 0);
  Start();
  EXPECT_EQ(Probe().Game().PlayerCount, 2);
  EXPECT_EQ(Probe().Game().GameActive, 1);
  EXPECT_STREQ(Probe().State().PlayerName[4], "Dora");
  Run("set PlayerCount 4\n");
  EXPECT_EQ(CloseAndRead(), bytes);
}

// An installed game keeps its settings in a directory of its own, made at the first close; a
// file an older start left in the game directory is taken over once and never written.
TEST_F(Settings, TheSettingsDirectoryTakesOverAnOlderFileOnce) {
  const char* const names[4] = {"Anna", "Bert", "Cleo", "Dora"};
  const Bytes old = Record(3, names, -1, 0, 1, 40);
  WriteAll("bexil.ini", old);
  GamePlaces places;
  places.configDir = (dir_.Path() / "config" / "ossaric").string();
  places.oldSettings = (dir_.Path() / "bexil.ini").string();
  const std::string own = places.configDir + "/bexil.ini";
  // Starts the game, makes it one step slower if asked, and closes it.
  auto play = [&](bool slower) {
    HeadlessHost host;
    HeadlessSound sound(host);
    Random random;
    TYachtWindow real_w(host, sound, random, places);
    TWindowProbe w(real_w);
    const auto read = std::make_pair(w.Game().PlayerCount, w.State().AnimDelay);
    if (slower) w.Window().EvCommand(kCmdSlower);
    w.Window().EvClose();
    return read;
  };
  // The first start reads the older file; the close writes the directory's own.
  EXPECT_EQ(play(true), std::make_pair(3, 40));
  EXPECT_EQ(ReadAll("bexil.ini"), old);
  Bytes expected = old;
  expected[50] = 45;
  EXPECT_EQ(ReadAll(own.c_str()), expected);
  // From then on the own file counts, even when the older one changes.
  WriteAll("bexil.ini", Record(1, names, 0, 1, 1, 5));
  EXPECT_EQ(play(false), std::make_pair(3, 45));
}

// A file that exists but may not be read (mode 200) may hold choices this run never saw: the
// game plays on first-run defaults and the close leaves the file as it is, with one line on
// standard error and in one box. Root reads every file, so as root the game runs as "nobody".
TEST_F(Settings, AnUnreadableFileIsNeverOverwritten) {
  const char* const names[4] = {"Anna", "Bert", "Cleo", "Dora"};
  const Bytes bytes = Record(2, names, -1, 1, 0, 30);
  WriteAll("bexil.ini", bytes);
  ASSERT_EQ(chmod("bexil.ini", 0200), 0);
  struct Identity {
    bool root = geteuid() == 0;
    ~Identity() {
      if (root && (seteuid(0) != 0 || setegid(0) != 0)) std::abort();
    }
  } identity;
  if (identity.root) {
    ASSERT_EQ(chown(dir_.Path().c_str(), 65534, 65534), 0);
    ASSERT_EQ(chown("bexil.ini", 65534, 65534), 0);
    ASSERT_EQ(setegid(65534), 0);
    ASSERT_EQ(seteuid(65534), 0);
  }
  Start();
  EXPECT_EQ(Probe().State().ScreenUp, SceneScreen::Setup);
  EXPECT_EQ(Probe().Game().PlayerCount, 1);
  EXPECT_STREQ(Probe().State().PlayerName[1], "Player 1");
  Run("set PlayerCount 3\npress start\n");
  EXPECT_EQ(Probe().Game().GameActive, 1);
  ::testing::internal::CaptureStderr();
  Run("close\n");
  EXPECT_EQ(::testing::internal::GetCapturedStderr(),
            "ossaric: the settings could not be saved to bexil.ini: Permission denied\n");
  EXPECT_EQ(Host().messages_,
            std::vector<std::string>{
                "ERROR|Your settings could not be saved to bexil.ini: permission denied."});
  ASSERT_EQ(chmod("bexil.ini", 0600), 0);
  EXPECT_EQ(ReadAll("bexil.ini"), bytes);
}

// FIFOs in the places of the files the game opens (effects, a music piece, both saved files):
// the start and the close never wait for a writer. Each counts as missing, and none is
// replaced. Should a read wait after all, a writer released after ten seconds ends it and the
// test fails.
TEST_F(Settings, FifosInEveryPlaceNeverHang) {
  const std::string table = (dir_.Path() / "data" / "ossaric" / "tolmerix.dat").string();
  std::filesystem::remove(table);
  const std::vector<std::string> fifos = {"bexil.ini",    "pen.wav",   "rattle1.wav",
                                          "moredice.wav", "music.mid", table};
  for (const std::string& f : fifos) ASSERT_EQ(mkfifo(f.c_str(), 0644), 0) << f;
  FifoWatchdog watchdog(fifos, std::chrono::seconds(10));
  Start();
  Run("paint\ncommand 5\ncommand 4\nclose\n");
  EXPECT_FALSE(watchdog.Stop()) << "the game waited on a FIFO";
  EXPECT_EQ(Probe().State().ScreenUp, SceneScreen::Setup);
  for (int e = 0; e < kEffectCount; ++e) EXPECT_FALSE(Probe().Effects().EffectPlayable(e)) << e;
  EXPECT_EQ(Output().find("music.mid"), std::string::npos);
  for (const std::string& f : fifos) {
    struct stat st;
    ASSERT_EQ(lstat(f.c_str(), &st), 0) << f;
    EXPECT_TRUE(S_ISFIFO(st.st_mode)) << f;
  }
}

// Thousands of random and cut records: every one decodes to values in range.
TEST(SettingsImage, RandomAndTruncatedRecordsDecodeInRange) {
  std::mt19937 rng(7);
  TSettings base = DefaultSettings();
  std::strcpy(base.PlayerName[2], "Eightchr");
  base.PlayerCount = 4;
  base.HintIndex = 19;
  const auto valid = EncodeSettings(base);
  for (int round = 0; round < 20000; ++round) {
    Bytes b;
    if (round % 2 == 0) {
      b.resize(rng() % 80);
      for (uint8_t& x : b) x = static_cast<uint8_t>(rng());
    } else {
      b.assign(valid.begin(), valid.begin() + static_cast<long>(rng() % 53));
      if (!b.empty() && round % 4 == 1) b[rng() % b.size()] = static_cast<uint8_t>(rng());
    }
    TSettings s;
    const bool usable = DecodeSettings(b.data(), b.size(), s);
    ASSERT_EQ(usable, b.size() >= 8);
    ASSERT_GE(s.PlayerCount, 0);
    ASSERT_LE(s.PlayerCount, 4);
    ASSERT_GE(s.HintIndex, -1);
    ASSERT_LE(s.HintIndex, 20);
    ASSERT_TRUE(s.MusicOn == 0 || s.MusicOn == 1);
    ASSERT_TRUE(s.SoundOn == 0 || s.SoundOn == 1);
    ASSERT_GE(s.AnimDelay, 0);
    ASSERT_LE(s.AnimDelay, 32767);
    for (int n = 1; n <= 4; ++n) {
      const size_t length = strnlen(s.PlayerName[n], 9);
      ASSERT_LE(length, 8u);
      for (size_t k = 0; k < length; ++k)
        ASSERT_GE(static_cast<unsigned char>(s.PlayerName[n][k]), 0x20);
    }
    // What survives a decode encodes to a record that decodes to the same values.
    TSettings again;
    const auto image = EncodeSettings(s);
    ASSERT_TRUE(DecodeSettings(image.data(), image.size(), again));
    ASSERT_EQ(again.PlayerCount, s.PlayerCount);
    ASSERT_EQ(again.HintIndex, s.HintIndex);
    ASSERT_EQ(again.AnimDelay, s.AnimDelay);
  }
}

}  // namespace
}  // namespace ossaric
