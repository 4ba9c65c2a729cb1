// The Top Ten as the window shows it: where its file lives, the "Game Over" box, the totals
// entered at the end of a game and the panel over the score sheet.
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "persist/topten.h"
#include "ui/words.h"
#include "ui/yacht_window.h"

namespace ossaric {

// Where the table lives. Without a data directory the game keeps the table in memory only.
void TYachtWindow::LocateTopTenFile() {
  TopTenPath.clear();
  std::string dir;
  if (!host_.UserDataDirectory(dir) || dir.empty()) {
    host_.MessageBox(Utf8(QCoreApplication::translate("Boxes", "function failed")),
                     "GetWindowsDirectory", MessageIcon::Exclamation, false);
    return;
  }
  if (dir.size() > kLongestDirectory) {
    host_.MessageBox(Utf8(QCoreApplication::translate("Boxes", "buffer is too small")),
                     "GetWindowsDirectory", MessageIcon::Exclamation, false);
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
  const std::string title = Utf8(QCoreApplication::translate("Boxes", "ERROR"));
  if (problem.empty())
    host_.MessageBox(Utf8(QCoreApplication::translate("Boxes", "Cannot write to file")), title,
                     MessageIcon::None, false);
  else
    host_.MessageBox(problem, title, MessageIcon::Exclamation, false);
}

// Saves the table, merged with what another game may have saved meanwhile; a file that cannot
// be written (or read: it may hold scores this run never saw) is left as it is, and the player is
// told why, once per save; the game goes on with the table in memory.
void TYachtWindow::SaveTopTen() {
  std::string reason;
  if (SaveTopTenFile(TopTenPath, TopTenKnown, TopTen, reason)) return;
  host_.MessageBox(
      Utf8(QCoreApplication::translate("Boxes", "The Top Ten could not be saved to %1: %2")
               .arg(QString::fromLocal8Bit(TopTenPath.c_str()), QString::fromStdString(reason))),
      Utf8(QCoreApplication::translate("Boxes", "ERROR")), MessageIcon::Exclamation, true);
}

// The "Game Over" box with the result, then the totals entered and the Top Ten shown.
void TYachtWindow::AnnounceGameOver() {
  auto line = [&](int column) {
    const std::string name = column == 0 ? ComputerName() : ShownName(PlayerName[column]);
    return std::to_string(game_.Sheet[column].Total) + "\t" + name;
  };
  auto pair = [&](int a, int b) {
    return game_.Sheet[b].Total > game_.Sheet[a].Total ? line(b) + "\n" + line(a)
                                                       : line(a) + "\n" + line(b);
  };
  std::string text;
  if (game_.PlayerCount == 1) {
    const int total = game_.Sheet[1].Total;
    //: The Game Over box of a game of one: the total, then the player's name.
    text = Utf8(QCoreApplication::translate("Boxes", "%n points was scored by %1", "", total)
                    .arg(QString::fromStdString(ShownName(PlayerName[1]))));
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
              (p >= 1 && p <= 4 ? ShownName(PlayerName[p]) : std::string()) + "\n";
    }
  }
  TellGameOver();
  host_.MessageBox(text, Utf8(QCoreApplication::translate("Boxes", "Game Over")), MessageIcon::None,
                   true);
  ShowTopTen(true);
}

void TYachtWindow::ShowTopTen(bool enter) {
  if (enter) {
    // Players 1 to 4 in order; the computer's column never enters. A new total goes below the
    // entries with the same score. Totals are kept to what a 16-bit score can hold.
    for (int i = 1; i <= 4; ++i) EnterTotal(TopTen, PlayerName[i], game_.Sheet[i].Total);
    SaveTopTen();
  }
  ScreenUp = SceneScreen::TopTen;
  DrawTopTen();
}

void TYachtWindow::TopTenCommand() {
  if (ScreenUp == SceneScreen::Setup) return;
  ResetTotalsPlayer();
  ShowTopTen(false);
}

// Every place gets a name of eight spaces and 0; a panel already showing catches up when it is
// next drawn.
void TYachtWindow::ClearTopTen() {
  ClearTopTenTable(TopTen);
  SaveTopTen();
  TellTopTenCleared();
}

namespace {

// The words of a column heading line: what runs of two or more spaces part.
std::vector<std::string> HeadingWords(const std::string& line) {
  std::vector<std::string> out;
  size_t at = line.find_first_not_of(' ');
  while (at != std::string::npos) {
    size_t end = line.find("  ", at);
    out.push_back(line.substr(at, end == std::string::npos ? std::string::npos : end - at));
    at = end == std::string::npos ? end : line.find_first_not_of(' ', end);
  }
  return out;
}

}  // namespace

void TYachtWindow::DrawTopTen() {
  RestorePanelRect();
  screen_.DrawText(FontId::Sheet, 400, 350, Utf8(QCoreApplication::translate("Panels", "Return")),
                   SetupInk);
  //: The Top Ten's heading, in a fixed-pitch face: 28 characters at most, leading spaces
  //: included; the line under it is drawn as wide as the words.
  const std::string heading =
      Utf8(QCoreApplication::translate("TopTen", "  5-Dice Bexil High Scores"));
  DrawPanelText(FontId::Setup, 325, 100, heading);
  std::string rule = "  ________________________";
  if (IsTranslated("TopTen", "  5-Dice Bexil High Scores")) {
    const size_t lead = heading.find_first_not_of(' ');
    rule = std::string(lead == std::string::npos ? 0 : lead, ' ');
    while (screen_.TextWidth(FontId::Setup, rule + "_") <=
           screen_.TextWidth(FontId::Setup, heading))
      rule += '_';
  }
  DrawPanelText(FontId::Setup, 325, 116, rule);
  //: The Top Ten's columns: the names start under the 7th character and the scores at about
  //: the 16th; 28 characters at most. Translated, the words before and after the first run of
  //: two or more spaces are set over the names' and the scores' columns.
  const std::string columns =
      Utf8(QCoreApplication::translate("TopTen", "      Name             Score"));
  const std::vector<std::string> heads = HeadingWords(columns);
  if (IsTranslated("TopTen", "      Name             Score") && heads.size() == 2) {
    DrawPanelText(FontId::Setup, 350, 132, heads[0]);
    DrawPanelText(FontId::Setup, 475, 132, heads[1]);
  } else {
    DrawPanelText(FontId::Setup, 325, 132, columns);
  }
  int y = 164;
  for (int k = 1; k <= 10; ++k) {
    if (IsEightSpaces(TopTen[k].Name) || TopTen[k].Score <= 0) continue;
    const std::string name = ShownName(TopTen[k].Name);
    DrawPanelText(FontId::Setup, 350, y, name);
    // Scores stand at x 475; a name too wide for that ("WWWWWWWW") pushes its score two spaces
    // width past its end rather than running into it.
    const int scoreX = std::max(
        475, 350 + screen_.TextWidth(FontId::Setup, name) + screen_.TextWidth(FontId::Setup, "  "));
    DrawPanelText(FontId::Setup, scoreX, y, std::to_string(TopTen[k].Score));
    y += 16;
  }
}

}  // namespace ossaric
