// The Top Ten file: no place for it, two games saving one after the other, a file that cannot
// be read or written, random files, and random or truncated table images.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <random>

#include "persist/file_store.h"
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
    TYachtWindow w(host, sound, random);
    ASSERT_FALSE(host.messages_.empty());
    EXPECT_EQ(host.messages_[0], "GetWindowsDirectory|function failed");
    EXPECT_TRUE(w.State().TopTenPath.empty());
    w.Game().Sheet[1].Total = 42;
    w.Game().GameActive = 0;
    w.AnnounceGameOver();
    EXPECT_EQ(w.State().TopTen[1].Score, 42);
    w.ClearTopTen();
  }
  // A directory name longer than any path may be.
  {
    HeadlessHost host;
    host.dataDir_ = "/tmp/" + std::string(4100, 'x');
    HeadlessSound sound(host);
    Random random;
    TYachtWindow w(host, sound, random);
    ASSERT_FALSE(host.messages_.empty());
    EXPECT_EQ(host.messages_[0], "GetWindowsDirectory|buffer is too small");
  }
  // A directory that cannot be made: the file cannot be created.
  WriteAll((dir_.Path() / "plain").string(), {1, 2, 3});
  setenv("XDG_DATA_HOME", (dir_.Path() / "plain" / "below").c_str(), 1);
  Start();
  ASSERT_FALSE(Host().messages_.empty()) << W().State().TopTenPath;
  EXPECT_EQ(Host().messages_[0], "ERROR|Cannot write to file");
  EndGame(1, {0, 33, 0, 0, 0});
  EXPECT_EQ(Place(1), "Player 1:33");
  // The save that fails is told once, after the result box, with the file and the reason; the
  // game goes on with the table in memory.
  const std::string file = (dir_.Path() / "plain" / "below" / "ossaric" / "tolmerix.dat").string();
  EXPECT_EQ(Host().messages_,
            (std::vector<std::string>{
                "Game Over|33 points was scored by Player 1",
                "ERROR|The Top Ten could not be saved to " + file + ": Not a directory"}));
  EXPECT_EQ(W().State().TopTenShown, 1);
}

// A disk with no room left for the file: the player hears why after the result box, each time
// a save fails, and the table in memory holds the new score.
TEST_F(TopTen, ASaveOntoAFullDiskIsTold) {
  std::filesystem::remove(File());
  testhooks::tempFileError = ENOSPC;
  EndGame(1, {0, 130, 0, 0, 0});
  W().ClearTopTen();
  testhooks::tempFileError = 0;
  const std::string told =
      "ERROR|The Top Ten could not be saved to " + File() + ": No space left on device";
  EXPECT_EQ(Host().messages_,
            (std::vector<std::string>{"Game Over|130 points was scored by Player 1", told, told}));
  EXPECT_EQ(W().State().TopTenShown, 1);
  EXPECT_FALSE(std::filesystem::exists(File()));
}

// Two games running side by side each save their own entries without losing the other's.
TEST_F(TopTen, TwoGamesSavingKeepEachOthersEntries) {
  WriteAll(File(), Table({{"Anna", 100}, {"Bert", 50}}));
  Start();
  std::ostringstream otherOut;
  ScriptRunner other(otherOut);
  TYachtWindow& second = other.Window();
  auto end = [](TYachtWindow& w, const char* name, int total) {
    w.Game().PlayerCount = 1;
    std::memset(w.State().PlayerName[1], 0, 9);
    std::strcpy(w.State().PlayerName[1], name);
    w.Game().Sheet[1].Total = total;
    w.Game().GameActive = 0;
    w.AnnounceGameOver();
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
  W().ClearTopTen();
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
  W().SaveTopTen();
  Start();
  ScriptRunner third(otherOut);
  end(third.Window(), "New", 55);
  end(W(), "Mine", 35);
  const std::initializer_list<std::pair<const char*, int>> merged = {
      {"A", 100},  {"B", 90}, {"C", 80}, {"D", 70},    {"E", 60},
      {"New", 55}, {"F", 50}, {"G", 40}, {"Mine", 35}, {"H", 30}};
  EXPECT_EQ(ReadAll(File()), Table(merged));
}

TEST_F(TopTen, AFileThatCannotBeReadOrWrittenIsNeverOverwritten) {
  std::filesystem::remove(File());
  ASSERT_TRUE(std::filesystem::create_directory(File()));
  Start();
  EXPECT_TRUE(Host().messages_.empty());
  EndGame(1, {0, 99, 0, 0, 0});
  EXPECT_EQ(Place(1), "Player 1:99");
  EXPECT_EQ(Host().messages_.back(),
            "ERROR|The Top Ten could not be saved to " + File() + ": Is a directory");
  EXPECT_TRUE(std::filesystem::is_directory(File()));
  // No temporary file is left behind in the directory.
  int files = 0;
  for (const auto& e : std::filesystem::directory_iterator(DataDir())) files += e.exists();
  EXPECT_EQ(files, 1);

  // A read-only file is read, and the end of a game leaves it as it was.
  std::filesystem::remove_all(File());
  const Bytes kept = Table({{"Anna", 120}});
  WriteAll(File(), kept);
  ASSERT_EQ(chmod(File().c_str(), 0444), 0);
  Start();
  EndGame(1, {0, 130, 0, 0, 0});
  EXPECT_EQ(Place(1), "Player 1:130");
  EXPECT_EQ(Place(2), "Anna:120");
  EXPECT_EQ(ReadAll(File()), kept);
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
    ASSERT_GE(W().Game().PlayerCount, 0);
    ASSERT_LE(W().Game().PlayerCount, 4);
    ASSERT_GE(W().State().HintIndex, -1);
    ASSERT_LE(W().State().HintIndex, 20);
    ASSERT_GE(W().State().AnimDelay, 0);
    for (int n = 1; n <= 4; ++n) ASSERT_LE(strnlen(W().State().PlayerName[n], 9), 8u);
    for (int k = 1; k <= 10; ++k) ASSERT_GE(W().State().TopTen[k].Score, 0);
    W().State().AnimDelay = 0;
    Run("paint\nclick 446 360\nclick 400 360\ncommand 103\nclick 460 380\ncommand 104\n"
        "click 400 360\nclick 60 300\nclick 400 80\n");
    W().Game().GameActive = 0;
    W().Game().Sheet[1].Total = static_cast<int>(rng() % 400);
    W().AnnounceGameOver();
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
