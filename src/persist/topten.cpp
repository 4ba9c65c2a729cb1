// The Top Ten: the ten best final totals of human players with their names, kept in
// "tolmerix.dat" in the player's data directory, entered at the end of every game and shown on
// a panel over the score sheet.
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "persist/file_images.h"
#include "persist/file_store.h"
#include "ui/yacht_window.h"

namespace ossaric {

namespace {

constexpr const char* kTopTenFile = "tolmerix.dat";
constexpr size_t kLongestDirectory = 4000;  // room left for the file name in a 4096-byte path

bool IsEightSpaces(const char (&name)[9]) {
  return std::memcmp(name, "        ", 8) == 0;
}

// A 9-byte name field as text, never reading past its ninth byte.
std::string NameText(const char (&name)[9]) {
  return std::string(name, strnlen(name, 9));
}

bool IsRealEntry(const TTopTenEntry& e) {
  return e.Score > 0 && !IsEightSpaces(e.Name);
}

// The same name and score; the bytes after a name's terminator do not count.
bool SameEntry(const TTopTenEntry& a, const TTopTenEntry& b) {
  return a.Score == b.Score && std::strncmp(a.Name, b.Name, sizeof a.Name) == 0;
}

// Takes one entry equal to `e` out of `list`; false when there is none.
bool TakeOut(std::vector<TTopTenEntry>& list, const TTopTenEntry& e) {
  auto it = std::find_if(list.begin(), list.end(),
                         [&](const TTopTenEntry& x) { return SameEntry(x, e); });
  if (it == list.end()) return false;
  list.erase(it);
  return true;
}

// The file as another game has left it since this one knew it as `known`, with this game's own
// changes made on top: the entries it added go in below equal scores, the ones it dropped
// (cleared, or pushed below the tenth place) go out. Empty places keep the table's own form.
void MergeTopTen(const TTopTenEntry (&known)[11], const TTopTenEntry (&disk)[11],
                 TTopTenEntry (&table)[11]) {
  std::vector<TTopTenEntry> added, dropped, merged;
  for (int k = 1; k <= 10; ++k)
    if (IsRealEntry(known[k])) dropped.push_back(known[k]);
  for (int k = 1; k <= 10; ++k)
    if (IsRealEntry(table[k]) && !TakeOut(dropped, table[k])) added.push_back(table[k]);
  for (int k = 1; k <= 10; ++k)
    if (IsRealEntry(disk[k]) && !TakeOut(dropped, disk[k])) merged.push_back(disk[k]);
  for (const TTopTenEntry& e : added) {
    auto at = std::find_if(merged.begin(), merged.end(),
                           [&](const TTopTenEntry& x) { return x.Score < e.Score; });
    merged.insert(at, e);
  }
  TTopTenEntry out[11];
  out[0] = disk[0];
  for (int k = 1; k <= 10; ++k) {
    if (static_cast<size_t>(k) <= merged.size())
      out[k] = merged[k - 1];
    else
      out[k] = !IsRealEntry(table[k]) ? table[k] : !IsRealEntry(disk[k]) ? disk[k] : TTopTenEntry{};
  }
  std::copy(std::begin(out), std::end(out), std::begin(table));
}

// Writes `table`, first merged with the file when another game has saved it since this one
// last knew it, so that two games saving one after the other both keep their entries.
bool SaveMergedTopTen(const std::string& path, TTopTenEntry (&known)[11], TTopTenEntry (&table)[11],
                      int* error) {
  std::vector<uint8_t> bytes;
  if (ProbeFile(path) == FileState::Readable && ReadFilePrefix(path, kTopTenSize, bytes)) {
    TTopTenEntry disk[11];
    EmptyTopTen(disk);
    DecodeTopTen(bytes.data(), bytes.size(), disk);
    if (EncodeTopTen(disk) != EncodeTopTen(known)) MergeTopTen(known, disk, table);
  }
  const auto image = EncodeTopTen(table);
  if (!ReplaceFile(path, image.data(), image.size(), error)) return false;
  std::copy(std::begin(table), std::end(table), std::begin(known));
  return true;
}

}  // namespace

// Where the table lives. Without a data directory the game keeps the table in memory only.
void TYachtWindow::LocateTopTenFile() {
  TopTenPath.clear();
  std::string dir;
  if (!host_.UserDataDirectory(dir) || dir.empty()) {
    host_.MessageBox("function failed", "GetWindowsDirectory", MessageIcon::Exclamation, false);
    return;
  }
  if (dir.size() > kLongestDirectory) {
    host_.MessageBox("buffer is too small", "GetWindowsDirectory", MessageIcon::Exclamation, false);
    return;
  }
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);  // a failure shows when the file is created
  TopTenPath = dir + (dir.back() == '/' ? "" : "/") + kTopTenFile;
}

// The empty table, then whatever the file holds; a missing file is created with the empty table.
// A file that exists but cannot be read is never overwritten.
void TYachtWindow::LoadTopTen() {
  EmptyTopTen(TopTen);
  EmptyTopTen(TopTenKnown);
  if (TopTenPath.empty()) return;
  RemoveStaleTemporaries(TopTenPath);
  switch (ProbeFile(TopTenPath)) {
    case FileState::Readable: {
      std::vector<uint8_t> bytes;
      if (ReadFilePrefix(TopTenPath, kTopTenSize, bytes))
        DecodeTopTen(bytes.data(), bytes.size(), TopTen);
      std::copy(std::begin(TopTen), std::end(TopTen), std::begin(TopTenKnown));
      return;
    }
    case FileState::Unreadable:
      return;
    case FileState::Missing: {
      const auto image = EncodeTopTen(TopTen);
      if (!ReplaceFile(TopTenPath, image.data(), image.size()))
        host_.MessageBox("Cannot write to file", "ERROR", MessageIcon::None, false);
      return;
    }
  }
}

// Saves the table, merged with what another game may have saved meanwhile; a file that cannot
// be written (or read: it may hold scores this run never saw) is left as it is, and the player is
// told why, once per save; the game goes on with the table in memory.
void TYachtWindow::SaveTopTen() {
  if (TopTenPath.empty()) return;
  int error = 0;
  if (ProbeFile(TopTenPath) == FileState::Unreadable)
    error = errno;
  else if (SaveMergedTopTen(TopTenPath, TopTenKnown, TopTen, &error))
    return;
  host_.MessageBox("The Top Ten could not be saved to " + TopTenPath + ": " + std::strerror(error),
                   "ERROR", MessageIcon::Exclamation, true);
}

// The "Game Over" box with the result, then the totals entered and the Top Ten shown.
void TYachtWindow::AnnounceGameOver() {
  auto line = [&](int column) {
    const std::string name = column == 0 ? std::string("Computer") : NameText(PlayerName[column]);
    return std::to_string(Sheet[column].Total) + "\t" + name;
  };
  auto pair = [&](int a, int b) {
    return Sheet[b].Total > Sheet[a].Total ? line(b) + "\n" + line(a) : line(a) + "\n" + line(b);
  };
  std::string text;
  if (PlayerCount == 1) {
    text = std::to_string(Sheet[1].Total) + " points " + "was scored by " + NameText(PlayerName[1]);
  } else if (PlayerCount == 0) {
    text = pair(1, 0);
  } else if (PlayerCount == 2) {
    text = pair(1, 2);
  } else {
    RankPlayers();
    const int places = std::clamp(PlayerCount, 1, 4);
    text = "\n";
    for (int i = 1; i <= places; ++i) {
      const int p = Placing[i].Player;
      text += std::to_string(Placing[i].Score) + "\t" +
              (p >= 1 && p <= 4 ? NameText(PlayerName[p]) : std::string()) + "\n";
    }
  }
  host_.MessageBox(text, "Game Over", MessageIcon::None, true);
  ShowTopTen(true);
}

// The players of a game of three or four by their totals, best first; equal totals keep the
// lower player number first, and a total of 0 is never placed.
void TYachtWindow::RankPlayers() {
  for (TPlacing& p : Placing) p = TPlacing{};
  for (int i = 1; i <= 4; ++i) {
    for (int j = 1; j <= 4; ++j) {
      bool placed = false;
      for (int k = 1; k < i; ++k) placed = placed || Placing[k].Player == j;
      if (!placed && Sheet[j].Total > Placing[i].Score) {
        Placing[i].Player = j;
        Placing[i].Score = Sheet[j].Total;
      }
    }
  }
}

void TYachtWindow::ShowTopTen(bool enter) {
  if (enter) {
    // Players 1 to 4 in order; the computer's column never enters. A new total goes below the
    // entries with the same score. Totals are kept to what a 16-bit score can hold.
    for (int i = 1; i <= 4; ++i) {
      const int t = std::min(Sheet[i].Total, 32767);
      if (t <= 0 || t <= TopTen[10].Score) continue;
      int j = 1;
      while (j <= 10 && TopTen[j].Score >= t) ++j;
      if (j > 10) continue;
      for (int k = 10; k > j; --k) TopTen[k] = TopTen[k - 1];
      std::memcpy(TopTen[j].Name, PlayerName[i], 9);
      TerminateName(TopTen[j].Name);
      TopTen[j].Score = static_cast<int16_t>(t);
    }
    SaveTopTen();
  }
  TopTenShown = 1;
  DrawTopTen();
}

void TYachtWindow::TopTenCommand() {
  if (SetupShown) return;
  TotalsPlayer = PlayerCount != 0 ? 1 : 0;
  TotalsShown = 0;
  HintsShown = 0;
  ShowTopTen(false);
}

// Every place gets a name of eight spaces and 0; a panel already showing catches up when it is
// next drawn.
void TYachtWindow::ClearTopTen() {
  for (int k = 1; k <= 10; ++k) {
    std::memcpy(TopTen[k].Name, "        ", 9);
    TopTen[k].Score = 0;
  }
  SaveTopTen();
}

void TYachtWindow::DrawTopTen() {
  RestorePanelRect();
  screen_.DrawText(FontId::Sheet, 400, 350, "Return", SetupInk);
  screen_.DrawText(FontId::Setup, 325, 100, "  5-Dice Bexil High Scores", SetupInk);
  screen_.DrawText(FontId::Setup, 325, 116, "  ________________________", SetupInk);
  screen_.DrawText(FontId::Setup, 325, 132, "      Name             Score", SetupInk);
  int y = 164;
  for (int k = 1; k <= 10; ++k) {
    if (IsEightSpaces(TopTen[k].Name) || TopTen[k].Score <= 0) continue;
    const std::string name = NameText(TopTen[k].Name);
    screen_.DrawText(FontId::Setup, 350, y, name, SetupInk);
    // Scores stand at x 475; a name too wide for that ("WWWWWWWW") pushes its score two spaces
    // width past its end rather than running into it.
    const int scoreX = std::max(
        475, 350 + screen_.TextWidth(FontId::Setup, name) + screen_.TextWidth(FontId::Setup, "  "));
    screen_.DrawText(FontId::Setup, scoreX, y, std::to_string(TopTen[k].Score), SetupInk);
    y += 16;
  }
}

}  // namespace ossaric
