// The Top Ten: the file's bytes, entering the totals at the end of a game, the result box, the
// panel's skip rule, and files that are missing, short, garbled or cannot be written.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <random>
#include <vector>

#include "fixture.h"
#include "persist/file_images.h"
#include "persist/file_store.h"

namespace ossaric {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteAll(const std::string& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

// One 11-byte entry as the file holds it.
Bytes Entry(const char* name, int score) {
  Bytes b(11, 0);
  std::memcpy(b.data(), name, std::min<size_t>(9, std::strlen(name)));
  b[9] = static_cast<uint8_t>(score & 0xff);
  b[10] = static_cast<uint8_t>((score >> 8) & 0xff);
  return b;
}

// A whole file: the header and the places given, the rest empty.
Bytes Table(std::initializer_list<std::pair<const char*, int>> places, int reserved = 0) {
  Bytes b = Entry("TopScore", reserved);
  for (const auto& [name, score] : places) {
    Bytes e = Entry(name, score);
    b.insert(b.end(), e.begin(), e.end());
  }
  while (b.size() < 121) b.push_back(0);
  return b;
}

class TopTen : public testing::GameTest {
 protected:
  std::string DataDir() const { return (dir_.Path() / "data" / "ossaric").string(); }
  std::string File() const { return DataDir() + "/tolmerix.dat"; }

  // Puts `places` in the table in memory, best first.
  void SetTable(std::initializer_list<std::pair<const char*, int>> places) {
    EmptyTopTen(W().TopTen);
    int k = 1;
    for (const auto& [name, score] : places) {
      std::strncpy(W().TopTen[k].Name, name, 8);
      W().TopTen[k].Score = static_cast<int16_t>(score);
      ++k;
    }
  }
  // Ends a game of `players` with the given totals of columns 0..4.
  void EndGame(int players, std::initializer_list<int> totals) {
    W().PlayerCount = players;
    int c = 0;
    for (int t : totals) W().Sheet[c++].Total = t;
    W().GameActive = 0;
    ClearOutput();
    W().AnnounceGameOver();
  }
  std::string Place(int k) {
    return std::string(W().TopTen[k].Name) + ":" + std::to_string(W().TopTen[k].Score);
  }
  // The pixels of the panel area, x 306..575 and y 80..410.
  std::vector<uint32_t> Pixels() {
    std::vector<uint32_t> out;
    for (int y = 80; y <= 410; ++y)
      for (int x = 306; x <= 575; ++x) out.push_back(W().Screen().Pixel(x, y));
    return out;
  }
};

TEST_F(TopTen, MissingFileIsCreatedEmptyAndAShortOneIsReadAsFarAsItGoes) {
  EXPECT_EQ(ReadAll(File()), Table({}));
  EXPECT_EQ(W().TopTenPath, File());
  EXPECT_STREQ(W().TopTen[0].Name, "TopScore");

  // A short file: the whole entries present are read, the file is not rewritten at start.
  Bytes shortFile = Table({{"Anna", 120}, {"Bert", 80}}, 77);
  shortFile.resize(30);
  WriteAll(File(), shortFile);
  Start();
  EXPECT_EQ(W().TopTen[0].Score, 77);
  EXPECT_EQ(Place(1), "Anna:120");
  EXPECT_EQ(Place(2), ":0");
  EXPECT_EQ(ReadAll(File()).size(), 30u);

  // A longer file: the first 121 bytes count; saving writes back exactly 121.
  Bytes longFile = Table({{"Anna", 120}}, 77);
  longFile.insert(longFile.end(), 40, 0xab);
  WriteAll(File(), longFile);
  Start();
  EXPECT_EQ(Place(1), "Anna:120");
  W().ClearTopTen();
  Bytes cleared = Entry("TopScore", 77);
  for (int k = 1; k <= 10; ++k) {
    Bytes e = Entry("        ", 0);
    cleared.insert(cleared.end(), e.begin(), e.end());
  }
  EXPECT_EQ(ReadAll(File()), cleared);  // the header's number is kept
}

TEST_F(TopTen, GarbledFilesGiveASaneTable) {
  Bytes b = Table({{"Low", 10}, {"NoEndXXXXX", 300}, {"Neg", -5}, {"Mid", 90}, {"Mid2", 90}});
  std::memcpy(b.data(), "Garbage!!", 9);  // a damaged header
  WriteAll(File(), b);
  Start();
  EXPECT_STREQ(W().TopTen[0].Name, "TopScore");
  EXPECT_EQ(Place(1), "NoEndXXX:300");  // cut to eight characters and terminated
  EXPECT_EQ(Place(2), "Mid:90");        // put in order, equal scores keep theirs
  EXPECT_EQ(Place(3), "Mid2:90");
  EXPECT_EQ(Place(4), "Low:10");
  EXPECT_EQ(Place(5), ":0");  // a negative score is an empty place
  // A 0 total never enters, even with places of 0 left.
  EndGame(3, {0, 0, 0, 0, 0});
  EXPECT_EQ(Place(5), ":0");
}

TEST_F(TopTen, EnteringTotals) {
  const std::initializer_list<std::pair<const char*, int>> full = {
      {"A", 100}, {"B", 90}, {"C", 80}, {"D", 70}, {"E", 60},
      {"F", 50},  {"G", 40}, {"H", 30}, {"I", 20}, {"J", 10}};
  // Equal to the tenth does not enter; one more enters at place 10.
  SetTable(full);
  EndGame(1, {0, 10, 0, 0, 0});
  EXPECT_EQ(Place(10), "J:10");
  SetTable(full);
  EndGame(1, {0, 11, 0, 0, 0});
  EXPECT_EQ(Place(10), "Player 1:11");
  EXPECT_EQ(Place(9), "I:20");

  // Ties: both players enter below the equal score already there, the lower number first.
  SetTable(full);
  EndGame(2, {0, 60, 60, 0, 0});
  EXPECT_EQ(Place(5), "E:60");
  EXPECT_EQ(Place(6), "Player 1:60");
  EXPECT_EQ(Place(7), "Player 2:60");
  EXPECT_EQ(Place(8), "F:50");
  EXPECT_EQ(Place(10), "H:30");

  // Against the computer only player 1 enters, even below the computer's total.
  SetTable({});
  EndGame(0, {300, 5, 0, 0, 0});
  EXPECT_EQ(Place(1), "Player 1:5");
  EXPECT_EQ(Place(2), ":0");

  // Four players into an empty table, best first.
  SetTable({});
  std::strcpy(W().PlayerName[3], "Cleo");
  EndGame(4, {0, 150, 210, 180, 150});
  EXPECT_EQ(Place(1), "Player 2:210");
  EXPECT_EQ(Place(2), "Cleo:180");
  EXPECT_EQ(Place(3), "Player 1:150");
  EXPECT_EQ(Place(4), "Player 4:150");
  EXPECT_EQ(W().TopTenShown, 1);

  // Totals are 16-bit numbers: 300 is stored as 2c 01; a total beyond them counts as 32767.
  SetTable({});
  EndGame(1, {0, 300, 0, 0, 0});
  Bytes b = ReadAll(File());
  ASSERT_EQ(b.size(), 121u);
  EXPECT_EQ(Bytes(b.begin() + 11, b.begin() + 22), Entry("Player 1", 300));
  EndGame(1, {0, 40000, 0, 0, 0});
  EXPECT_EQ(Place(1), "Player 1:32767");
  EXPECT_EQ(Place(2), "Player 1:300");
}

TEST_F(TopTen, ResultTextsForEveryNumberOfPlayers) {
  struct Case {
    int players;
    std::initializer_list<int> totals;  // columns 0..4
    const char* text;
  };
  const Case cases[] = {
      {1, {0, 180, 0, 0, 0}, "180 points was scored by Player 1"},
      {0, {200, 150, 0, 0, 0}, "200\tComputer\n150\tPlayer 1"},
      {0, {150, 200, 0, 0, 0}, "200\tPlayer 1\n150\tComputer"},
      {0, {100, 100, 0, 0, 0}, "100\tPlayer 1\n100\tComputer"},
      {2, {0, 150, 200, 0, 0}, "200\tPlayer 2\n150\tPlayer 1"},
      {2, {0, 120, 120, 0, 0}, "120\tPlayer 1\n120\tPlayer 2"},
      {3, {0, 120, 180, 120, 0}, "\n180\tPlayer 2\n120\tPlayer 1\n120\tPlayer 3\n"},
      {4, {0, 10, 0, 30, 20}, "\n30\tPlayer 3\n20\tPlayer 4\n10\tPlayer 1\n0\t\n"},
      {4, {0, 5, 6, 7, 8}, "\n8\tPlayer 4\n7\tPlayer 3\n6\tPlayer 2\n5\tPlayer 1\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EndGame(c.players, c.totals);
    ASSERT_FALSE(Host().messages_.empty());
    EXPECT_EQ(Host().messages_.front(), std::string("Game Over|") + c.text);
  }
  // A name of eight characters is written whole.
  std::strcpy(W().PlayerName[1], "Eightchr");
  EndGame(1, {0, 7, 0, 0, 0});
  EXPECT_EQ(Host().messages_.front(), "Game Over|7 points was scored by Eightchr");
  // Out-of-range players give a text and no fault.
  EndGame(9, {0, 1, 2, 3, 4});
  EndGame(-4, {0, 1, 2, 3, 4});
  EXPECT_EQ(W().TopTenShown, 1);
}

TEST_F(TopTen, PanelSkipsEmptyAndEightSpacePlaces) {
  Run("click 400 398\n");  // a game, so the command is taken
  SetTable({{"Bob", 90}, {"Cy", 80}});
  Run("command 104\n");
  ASSERT_EQ(W().TopTenShown, 1);
  const auto plain = Pixels();
  // An eight-space name or a score of 0 leaves no trace and no gap.
  SetTable({{"        ", 100}, {"Bob", 90}, {"Zed", 0}, {"Cy", 80}});
  W().DrawTopTen();
  EXPECT_EQ(Pixels(), plain);
  SetTable({});
  W().DrawTopTen();
  const auto empty = Pixels();
  EXPECT_NE(empty, plain);
  // After clearing, the next drawing shows only the headings.
  SetTable({{"Bob", 90}});
  W().ClearTopTen();
  W().DrawTopTen();
  EXPECT_EQ(Pixels(), empty);
  // Return goes back to the game.
  Run("click 400 350\n");
  EXPECT_EQ(W().TopTenShown, 0);
  EXPECT_EQ(W().GameActive, 1);
}

// Wide names keep clear of their scores; ordinary ones leave the scores at x 475.
TEST_F(TopTen, ScoresKeepClearOfWideNames) {
  Run("click 400 398\n");
  auto inked = [](const Surface& s, int x) {
    for (int y = 164; y < 180; ++y)
      if (s.Pixel(x, y) == SetupInk) return true;
    return false;
  };
  for (const char* name : {"WWWWWWWW", "MMMMMMMM", "Bob"}) {
    SCOPED_TRACE(name);
    // Where the name alone inks.
    Surface alone;
    alone.FillRect(0, 0, 632, 434, Parchment);
    alone.DrawText(FontId::Setup, 350, 164, name, SetupInk);
    int nameInkEnd = -1;
    for (int x = 350; x < 632; ++x)
      if (inked(alone, x)) nameInkEnd = x;
    SetTable({{name, 300}});
    Run("command 104\n");
    int scoreStart = -1;
    for (int x = nameInkEnd + 1; x < 576 && scoreStart < 0; ++x)
      if (inked(W().Screen(), x)) scoreStart = x;
    ASSERT_GE(scoreStart, 0);
    EXPECT_GE(scoreStart - nameInkEnd, 3);  // clear columns between name and score
    if (std::string(name) == "Bob") {
      EXPECT_LE(scoreStart, 480);
    }
    Run("click 400 350\n");
  }
}

TEST_F(TopTen, CommandsFollowTheScreens) {
  // On the setup screen the Top Ten command does nothing; Clear works at any time.
  Run("command 104\n");
  EXPECT_EQ(W().TopTenShown, 0);
  std::strcpy(W().TopTen[1].Name, "Ann");
  W().TopTen[1].Score = 50;
  Run("command 105\n");
  EXPECT_STREQ(W().TopTen[1].Name, "        ");
  EXPECT_EQ(W().TopTen[1].Score, 0);
  // Opened during a game against the computer it resets the totals column and closes the rest.
  Run("set PlayerCount 0\nclick 400 398\ncommand 103\n");
  EXPECT_EQ(W().TotalsShown, 1);
  Run("set TotalsPlayer 1\ncommand 104\n");
  EXPECT_EQ(W().TopTenShown, 1);
  EXPECT_EQ(W().TotalsShown, 0);
  EXPECT_EQ(W().TotalsPlayer, 0);
  Run("click 471 373\n");
  EXPECT_EQ(W().TopTenShown, 0);
  EXPECT_EQ(W().GameActive, 1);
}

TEST_F(TopTen, AGamePlayedToItsEndLeavesTheFile) {
  Run("click 400 398\n");
  for (int turn = 0; turn < 12; ++turn) {
    Run("faces 6 6 6 6 6\nclick 60 300\n");
    for (int k = 1; k <= 12; ++k) {
      if (W().Sheet[1].Entry[k] == -1) {
        Run("click 400 " + std::to_string(RowTop(k) + 5) + "\n");
        break;
      }
    }
  }
  ASSERT_EQ(W().GameActive, 0);
  EXPECT_EQ(W().TopTenShown, 1);
  const int total = W().Sheet[1].Total;
  ASSERT_GT(total, 0);
  EXPECT_NE(std::find(Host().messages_.begin(), Host().messages_.end(),
                      "Game Over|" + std::to_string(total) + " points was scored by Player 1"),
            Host().messages_.end());
  EXPECT_EQ(ReadAll(File()), Table({{"Player 1", total}}));
  // The next start reads it back.
  Start();
  EXPECT_EQ(Place(1), "Player 1:" + std::to_string(total));
}

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
    EXPECT_TRUE(w.TopTenPath.empty());
    w.Sheet[1].Total = 42;
    w.GameActive = 0;
    w.AnnounceGameOver();
    EXPECT_EQ(w.TopTen[1].Score, 42);
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
  ASSERT_FALSE(Host().messages_.empty()) << W().TopTenPath;
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
  EXPECT_EQ(W().TopTenShown, 1);
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
  EXPECT_EQ(W().TopTenShown, 1);
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
    w.PlayerCount = 1;
    std::memset(w.PlayerName[1], 0, 9);
    std::strcpy(w.PlayerName[1], name);
    w.Sheet[1].Total = total;
    w.GameActive = 0;
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
    ASSERT_GE(W().PlayerCount, 0);
    ASSERT_LE(W().PlayerCount, 4);
    ASSERT_GE(W().HintIndex, -1);
    ASSERT_LE(W().HintIndex, 20);
    ASSERT_GE(W().AnimDelay, 0);
    for (int n = 1; n <= 4; ++n) ASSERT_LE(strnlen(W().PlayerName[n], 9), 8u);
    for (int k = 1; k <= 10; ++k) ASSERT_GE(W().TopTen[k].Score, 0);
    W().AnimDelay = 0;
    Run("paint\nclick 446 360\nclick 400 360\ncommand 103\nclick 460 380\ncommand 104\n"
        "click 400 360\nclick 60 300\nclick 400 80\n");
    W().GameActive = 0;
    W().Sheet[1].Total = static_cast<int>(rng() % 400);
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
