// The Top Ten file: no place for it, two games saving one after the other, a file that cannot
// be read or written, random files, and random or truncated table images.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <random>
#include <thread>

#include "files/file_store.h"
#include "persist/topten.h"
#include "topten_fixture.h"

namespace ossaric {
namespace {

using namespace testing;  // the Top Ten fixture and its file builders

TEST_F(TopTen, NoPlaceForTheFile) {
  // No data directory at all: the box, and the game goes on with the table in memory.
  {
    HeadlessHost host;
    host.noDataDir_ = true;
    HeadlessSound sound(host);
    Random random;
    TYachtWindow real_w(host, sound, random);
    TWindowProbe w(real_w);
    ASSERT_FALSE(host.messages_.empty());
    EXPECT_EQ(host.messages_[0], "GetWindowsDirectory|function failed");
    EXPECT_TRUE(w.State().TopTenPath.empty());
    w.Game().Sheet[1].Total = 42;
    w.Game().GameActive = 0;
    w.Show().AnnounceGameOver();
    EXPECT_EQ(w.State().TopTen[1].Score, 42);
    w.ClearTopTen();
  }
  // A directory name longer than any path may be.
  {
    HeadlessHost host;
    host.dataDir_ = "/tmp/" + std::string(4100, 'x');
    HeadlessSound sound(host);
    Random random;
    TYachtWindow real_w(host, sound, random);
    TWindowProbe w(real_w);
    ASSERT_FALSE(host.messages_.empty());
    EXPECT_EQ(host.messages_[0], "GetWindowsDirectory|buffer is too small");
  }
  // A directory that cannot be made: the file cannot be created.
  WriteAll((dir_.Path() / "plain").string(), {1, 2, 3});
  setenv("XDG_DATA_HOME", (dir_.Path() / "plain" / "below").c_str(), 1);
  Start();
  ASSERT_FALSE(Host().messages_.empty()) << Probe().State().TopTenPath;
  EXPECT_EQ(Host().messages_[0], "ERROR|Cannot write to file");
  EndGame(1, {0, 33, 0, 0, 0});
  EXPECT_EQ(Place(1), "Player 1:33");
  // The save that fails is told once, after the result box, with the file and the reason; the
  // game goes on with the table in memory.
  const std::string file = (dir_.Path() / "plain" / "below" / "ossaric" / "tolmerix.dat").string();
  EXPECT_EQ(Host().messages_,
            (std::vector<std::string>{"Game Over|33 points was scored by Player 1",
                                      "ERROR|The Top Ten could not be saved to " + file +
                                          ": a part of its path is not a directory"}));
  EXPECT_EQ(Probe().State().ScreenUp, SceneScreen::TopTen);
}

// A disk with no room left for the file: the player hears why after the result box, each time
// a save fails, and the table in memory holds the new score.
TEST_F(TopTen, ASaveOntoAFullDiskIsTold) {
  std::filesystem::remove(File());
  testhooks::tempFileError = ENOSPC;
  EndGame(1, {0, 130, 0, 0, 0});
  Probe().ClearTopTen();
  testhooks::tempFileError = 0;
  const std::string told =
      "ERROR|The Top Ten could not be saved to " + File() + ": the disk is full";
  EXPECT_EQ(Host().messages_,
            (std::vector<std::string>{"Game Over|130 points was scored by Player 1", told, told}));
  EXPECT_EQ(Probe().State().ScreenUp, SceneScreen::TopTen);
  EXPECT_FALSE(std::filesystem::exists(File()));
}

// Two games running side by side each save their own entries without losing the other's.
TEST_F(TopTen, TwoGamesSavingKeepEachOthersEntries) {
  WriteAll(File(), Table({{"Anna", 100}, {"Bert", 50}}));
  Start();
  std::ostringstream otherOut;
  ScriptRunner other(otherOut);
  TWindowProbe second = other.Window();
  auto end = [](TWindowProbe w, const char* name, int total) {
    w.Game().PlayerCount = 1;
    std::memset(w.State().PlayerName[1], 0, 9);
    std::strcpy(w.State().PlayerName[1], name);
    w.Game().Sheet[1].Total = total;
    w.Game().GameActive = 0;
    w.Show().AnnounceGameOver();
  };
  end(second, "Cleo", 70);
  end(W(), "Dora", 80);
  EXPECT_EQ(ReadAll(File()), Table({{"Anna", 100}, {"Dora", 80}, {"Cleo", 70}, {"Bert", 50}}));
  EXPECT_EQ(Place(3), "Cleo:70");  // the table shown is the merged one
  // The same name and total saved by both games are two entries.
  end(second, "Emil", 60);
  end(W(), "Emil", 60);
  EXPECT_EQ(
      ReadAll(File()),
      Table({{"Anna", 100}, {"Dora", 80}, {"Cleo", 70}, {"Emil", 60}, {"Emil", 60}, {"Bert", 50}}));
  // Clearing takes away the entries this game knew; one saved meanwhile by the other stays.
  end(second, "Finn", 90);
  Probe().ClearTopTen();
  Bytes cleared = Entry("TopScore", 0);
  Bytes finn = Entry("Finn", 90);
  cleared.insert(cleared.end(), finn.begin(), finn.end());
  for (int k = 2; k <= 10; ++k) {
    Bytes e = Entry("        ", 0);
    cleared.insert(cleared.end(), e.begin(), e.end());
  }
  EXPECT_EQ(ReadAll(File()), cleared);
  // A full table: entries pushed below the tenth place by either game stay out.
  const std::initializer_list<std::pair<const char*, int>> full = {
      {"A", 100}, {"B", 90}, {"C", 80}, {"D", 70}, {"E", 60},
      {"F", 50},  {"G", 40}, {"H", 30}, {"I", 20}, {"J", 10}};
  SetTable(full);
  Probe().SaveTopTen();
  Start();
  ScriptRunner third(otherOut);
  end(third.Window(), "New", 55);
  end(W(), "Mine", 35);
  const std::initializer_list<std::pair<const char*, int>> merged = {
      {"A", 100},  {"B", 90}, {"C", 80}, {"D", 70},    {"E", 60},
      {"New", 55}, {"F", 50}, {"G", 40}, {"Mine", 35}, {"H", 30}};
  EXPECT_EQ(ReadAll(File()), Table(merged));
}

// A file that cannot be read (a directory, a FIFO, a device, no permission) is told at start, in
// one box and plain words, and never overwritten: the game goes on with the table in memory,
// and the save at the end of a game says again why it cannot be done. As root, who reads every
// file, the game runs as "nobody" for the file without permission.
TEST_F(TopTen, AFileThatCannotBeReadIsToldAtOnceAndNeverOverwritten) {
  struct Identity {
    bool root = geteuid() == 0;
    bool changed = false;
    ~Identity() { Back(); }
    void Back() {
      if (changed && (seteuid(0) != 0 || setegid(0) != 0)) std::abort();
      changed = false;
    }
  } identity;
  const struct {
    const char* kind;
    const char* why;
  } kCases[] = {{"directory", "it is a directory, not a file"},
                {"fifo", "it is a named pipe, not a file"},
                {"device", "it is a device, not a file"},
                {"no permission", "permission denied"}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.kind);
    std::filesystem::remove_all(File());
    const std::string kind = c.kind;
    if (kind == "directory") {
      ASSERT_TRUE(std::filesystem::create_directory(File()));
    }
    if (kind == "fifo") {
      ASSERT_EQ(mkfifo(File().c_str(), 0644), 0);
    }
    if (kind == "device") {
      ASSERT_EQ(symlink("/dev/null", File().c_str()), 0);
    }
    if (kind == "no permission") {
      WriteAll(File(), Table({{"Anna", 120}}));
      ASSERT_EQ(chmod(File().c_str(), 0), 0);
      if (identity.root) {
        for (const std::filesystem::path& p :
             {dir_.Path(), dir_.Path() / "data", dir_.Path() / "data" / "ossaric"})
          ASSERT_EQ(chown(p.c_str(), 65534, 65534), 0);
        ASSERT_EQ(setegid(65534), 0);
        ASSERT_EQ(seteuid(65534), 0);
        identity.changed = true;
      }
    }
    Start();
    const std::string told = "ERROR|The Top Ten scores in " + File() + " cannot be read: " + c.why +
                             ".\nNew scores are shown but not saved while the file cannot be read.";
    EXPECT_EQ(Host().messages_, std::vector<std::string>{told});
    EXPECT_EQ(Probe().State().TopTen[1].Score, 0);
    EndGame(1, {0, 99, 0, 0, 0});
    EXPECT_EQ(Place(1), "Player 1:99");
    EXPECT_EQ(Host().messages_.back(),
              "ERROR|The Top Ten could not be saved to " + File() + ": " + c.why);
    identity.Back();
    struct stat st;
    ASSERT_EQ(lstat(File().c_str(), &st), 0);
    if (kind == "directory") {
      EXPECT_TRUE(S_ISDIR(st.st_mode));
    }
    if (kind == "fifo") {
      EXPECT_TRUE(S_ISFIFO(st.st_mode));
    }
    if (kind == "device") {
      EXPECT_TRUE(S_ISLNK(st.st_mode));
    }
    if (kind == "no permission") {
      EXPECT_EQ(st.st_mode & 07777, 0u);
      ASSERT_EQ(chmod(File().c_str(), 0600), 0);
      EXPECT_EQ(ReadAll(File()), Table({{"Anna", 120}}));
    }
    // No temporary file is left behind, only the lock file beside the table.
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(DataDir()))
      names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"tolmerix.dat", "tolmerix.lock"}));
  }

  // A read-only file is read, and the end of a game leaves it as it was.
  std::filesystem::remove_all(File());
  const Bytes kept = Table({{"Anna", 120}});
  WriteAll(File(), kept);
  ASSERT_EQ(chmod(File().c_str(), 0444), 0);
  Start();
  EXPECT_TRUE(Host().messages_.empty());
  EndGame(1, {0, 130, 0, 0, 0});
  EXPECT_EQ(Place(1), "Player 1:130");
  EXPECT_EQ(Place(2), "Anna:120");
  EXPECT_EQ(ReadAll(File()), kept);
}

// A save waits its turn while another game saves, and gives up after a while, saying why; the
// entry stays in the table in memory and goes into the file with the next save.
TEST_F(TopTen, ASaveWaitsForAnotherGamesSave) {
  WriteAll(File(), Table({{"Anna", 100}}));
  Start();
  const std::string lockFile = DataDir() + "/tolmerix.lock";
  const int held = open(lockFile.c_str(), O_RDWR | O_CREAT, 0644);
  ASSERT_GE(held, 0);
  ASSERT_EQ(flock(held, LOCK_EX), 0);
  // Released while the save waits: the save goes ahead.
  std::thread other([held] {
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    flock(held, LOCK_UN);
  });
  EndGame(1, {0, 90, 0, 0, 0});
  other.join();
  EXPECT_EQ(Host().messages_,
            std::vector<std::string>{"Game Over|90 points was scored by Player 1"});
  EXPECT_EQ(ReadAll(File()), Table({{"Anna", 100}, {"Player 1", 90}}));
  // Held for longer than the wait: told, and the file is left as it is.
  ASSERT_EQ(flock(held, LOCK_EX), 0);
  testhooks::topTenLockWaitMs = 200;
  EndGame(1, {0, 80, 0, 0, 0});
  testhooks::topTenLockWaitMs = kTopTenLockWaitMs;
  EXPECT_EQ(Host().messages_.back(), "ERROR|The Top Ten could not be saved to " + File() +
                                         ": another running game kept it locked");
  EXPECT_EQ(Place(3), "Player 1:80");
  EXPECT_EQ(ReadAll(File()), Table({{"Anna", 100}, {"Player 1", 90}}));
  close(held);
  EndGame(1, {0, 70, 0, 0, 0});
  EXPECT_EQ(ReadAll(File()),
            Table({{"Anna", 100}, {"Player 1", 90}, {"Player 1", 80}, {"Player 1", 70}}));
}

// The whole program started on random files of both kinds: it opens, plays, shows its panels
// and closes, with every value in range and both files whole afterwards.
TEST_F(TopTen, TheProgramSurvivesRandomFilesOfBothKinds) {
  std::mt19937 rng(5);
  for (int round = 0; round < 300; ++round) {
    SCOPED_TRACE(round);
    Bytes settings(rng() % 70), table(rng() % 140);
    for (uint8_t& x : settings) x = static_cast<uint8_t>(rng());
    for (uint8_t& x : table) x = static_cast<uint8_t>(rng());
    if (round % 3 == 0 && settings.size() > 8) settings[7] = 0;  // often a valid players field
    WriteAll("bexil.ini", settings);
    WriteAll(File(), table);
    Start();
    ASSERT_GE(Probe().Game().PlayerCount, 0);
    ASSERT_LE(Probe().Game().PlayerCount, 4);
    ASSERT_GE(Probe().State().HintIndex, -1);
    ASSERT_LE(Probe().State().HintIndex, 20);
    ASSERT_GE(Probe().State().AnimDelay, 0);
    for (int n = 1; n <= 4; ++n) ASSERT_LE(strnlen(Probe().State().PlayerName[n], 9), 8u);
    for (int k = 1; k <= 10; ++k) ASSERT_GE(Probe().State().TopTen[k].Score, 0);
    Probe().State().AnimDelay = 0;
    Run("paint\nclick 446 360\nclick 400 360\ncommand 103\nclick 460 380\ncommand 104\n"
        "click 400 360\npress cup\n" +
        Row(1));
    Probe().Game().GameActive = 0;
    Probe().Game().Sheet[1].Total = static_cast<int>(rng() % 400);
    Probe().Show().AnnounceGameOver();
    Run("close\n");
    ASSERT_EQ(ReadAll("bexil.ini").size(), 52u);
    ASSERT_EQ(ReadAll(File()).size(), 121u);  // the end of a game always saves
  }
}

// Thousands of random and cut tables: every one decodes to a sane table.
TEST(TopTenImage, RandomAndTruncatedTablesDecodeSanely) {
  std::mt19937 rng(11);
  TTopTenEntry base[11];
  EmptyTopTen(base);
  for (int k = 1; k <= 10; ++k) {
    std::strcpy(base[k].Name, "Someone");
    base[k].Score = static_cast<int16_t>(300 - 10 * k);
  }
  const auto valid = EncodeTopTen(base);
  for (int round = 0; round < 20000; ++round) {
    Bytes b;
    if (round % 2 == 0) {
      b.resize(rng() % 160);
      for (uint8_t& x : b) x = static_cast<uint8_t>(rng());
    } else {
      b.assign(valid.begin(), valid.begin() + static_cast<long>(rng() % 122));
      if (!b.empty()) b[rng() % b.size()] = static_cast<uint8_t>(rng());
    }
    TTopTenEntry t[11];
    EmptyTopTen(t);
    DecodeTopTen(b.data(), b.size(), t);
    ASSERT_STREQ(t[0].Name, "TopScore");
    for (int k = 1; k <= 10; ++k) {
      ASSERT_LE(strnlen(t[k].Name, 9), 8u);
      ASSERT_GE(t[k].Score, 0);
      if (k > 1) {
        ASSERT_LE(t[k].Score, t[k - 1].Score);
      }
    }
    // A decoded table encodes to the same table again.
    const auto image = EncodeTopTen(t);
    TTopTenEntry again[11];
    EmptyTopTen(again);
    DecodeTopTen(image.data(), image.size(), again);
    for (int k = 0; k <= 10; ++k) {
      ASSERT_STREQ(again[k].Name, t[k].Name);
      ASSERT_EQ(again[k].Score, t[k].Score);
    }
  }
}

}  // namespace
}  // namespace ossaric
