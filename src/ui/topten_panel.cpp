// The Top Ten as the window shows it: where its file lives, the "Game Over" box, the totals
// entered at the end of a game and the panel over the score sheet.
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>

#include "persist/topten.h"
#include "ui/yacht_window.h"

namespace ossaric {

namespace {

// A 9-byte name field as text, never reading past its ninth byte.
std::string NameText(const char (&name)[9]) {
  return std::string(name, strnlen(name, 9));
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
  TopTenPath = TopTenFileIn(dir);
}

// The empty table, then whatever the file holds; a missing file is created with the empty table.
// A file that cannot be read is told at once, why in plain words.
void TYachtWindow::LoadTopTen() {
  std::string problem;
  if (LoadTopTenFile(TopTenPath, TopTen, TopTenKnown, problem)) return;
  if (problem.empty())
    host_.MessageBox("Cannot write to file", "ERROR", MessageIcon::None, false);
  else
    host_.MessageBox(problem, "ERROR", MessageIcon::Exclamation, false);
}

// Saves the table, merged with what another game may have saved meanwhile; a file that cannot
// be written (or read: it may hold scores this run never saw) is left as it is, and the player is
// told why, once per save; the game goes on with the table in memory.
void TYachtWindow::SaveTopTen() {
  std::string reason;
  if (SaveTopTenFile(TopTenPath, TopTenKnown, TopTen, reason)) return;
  host_.MessageBox("The Top Ten could not be saved to " + TopTenPath + ": " + reason, "ERROR",
                   MessageIcon::Exclamation, true);
}

// The "Game Over" box with the result, then the totals entered and the Top Ten shown.
void TYachtWindow::AnnounceGameOver() {
  auto line = [&](int column) {
    const std::string name = column == 0 ? std::string("Computer") : NameText(PlayerName[column]);
    return std::to_string(game_.Sheet[column].Total) + "\t" + name;
  };
  auto pair = [&](int a, int b) {
    return game_.Sheet[b].Total > game_.Sheet[a].Total ? line(b) + "\n" + line(a)
                                                       : line(a) + "\n" + line(b);
  };
  std::string text;
  if (game_.PlayerCount == 1) {
    text = std::to_string(game_.Sheet[1].Total) + " points " + "was scored by " +
           NameText(PlayerName[1]);
  } else if (game_.PlayerCount == 0) {
    text = pair(1, 0);
  } else if (game_.PlayerCount == 2) {
    text = pair(1, 2);
  } else {
    int totals[5];
    for (int k = 0; k <= 4; ++k) totals[k] = game_.Sheet[k].Total;
    RankPlayers(totals, Placing);
    const int places = std::clamp(game_.PlayerCount, 1, 4);
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

void TYachtWindow::ShowTopTen(bool enter) {
  if (enter) {
    // Players 1 to 4 in order; the computer's column never enters. A new total goes below the
    // entries with the same score. Totals are kept to what a 16-bit score can hold.
    for (int i = 1; i <= 4; ++i) EnterTotal(TopTen, PlayerName[i], game_.Sheet[i].Total);
    SaveTopTen();
  }
  TopTenShown = 1;
  DrawTopTen();
}

void TYachtWindow::TopTenCommand() {
  if (SetupShown) return;
  TotalsPlayer = game_.PlayerCount != 0 ? 1 : 0;
  TotalsShown = 0;
  HintsShown = 0;
  ShowTopTen(false);
}

// Every place gets a name of eight spaces and 0; a panel already showing catches up when it is
// next drawn.
void TYachtWindow::ClearTopTen() {
  ClearTopTenTable(TopTen);
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
