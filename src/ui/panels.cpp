// The Current Totals panel, which shows one score column at a time, and the tips panel "Did you
// know ...", which shows one of twenty tips. Both lie over the score sheet in the panel area.
#include <algorithm>
#include <cstring>
#include <string>

#include "ui/yacht_window.h"

namespace ossaric {

namespace {

// The panel area, x 306..575 and y 80..410.
constexpr int kPanelLeft = 306, kPanelTop = 80, kPanelWidth = 270, kPanelHeight = 331;
// Right of the panel area: the part of the score column and total-line strips (up to x 595 and
// y 75..411) that the panel area does not cover.
constexpr int kSheetStripLeft = 576, kSheetStripTop = 75, kSheetStripWidth = 20,
              kSheetStripHeight = 337;

// Twenty tips of four lines, at most 29 characters each; an empty line shows nothing.
constexpr const char* kTips[TWindowState::HintCount][4] = {
    {"Animation speed can", "be changed by", "pressing the \"+\"", "or \"-\" key."},
    {"You can't fall off", "the floor.", "", ""},
    {"You can stop a piece of music", "from being played by changing", "that file's extension from",
     "mid or by deleting it."},
    {"Alexander Graham Bell", "invented the telephone so", "people could stop shouting.",
     "            - student quote"},
    {"Restart the current game", "by selecting Restart Game", "from the Game menu.", ""},
    {"If all else fails,", "read the manual.", "", ""},
    {"Undo either gives you back", "the dice in the cup or", "deletes the last score,",
     "depending on your last move."},
    {"What's another word for", "Thesaurus?", "", ""},
    {"All of the music (midi) files", "in the game directory are", "played in sequence.",
     "Add your own!"},
    {"Gravity is chiefly noticeable", "in the autumn, when the", "apples are falling off trees.",
     "              - student quote"},
    {"The Top Ten Scores can be", "cleared by selecting the", "Clear Top Ten Scores from",
     "the Scores menu."},
    {"Red tape holds up new", "bridge.", "            - news item", ""},
    {"Ossaric keeps the ten best", "totals of its human players.", "The Computer plays, but",
     "never enters the Top Ten."},
    {"The invention of steamboats", "caused a network of rivers", "to spring up.",
     "            - student quote"},
    {"The dots under the", "cup indicate the", "number of rolls", "available."},
    {"Never judge a book by its", "movie.", "", ""},
    {"Ossaric remembers how many", "play and all their names", "from one game to the next.", ""},
    {"The inhabitants of Egypt", "were called mummies.  They", "traveled by Camelot.",
     "           - student quote"},
    {"Your selected", "animation speed is", "saved from game to", "game."},
    {"Make headlines!", " - Sleep on a corduroy", "pillow.", ""},
};

std::string EntryText(int value) {
  return value == -1 ? std::string(" ") : std::to_string(value);
}

}  // namespace

void TYachtWindow::FillHints() {
  for (int t = 0; t < HintCount; ++t) {
    HintText[t][0].clear();
    for (int l = 1; l <= 4; ++l) HintText[t][l] = kTips[t][l - 1];
  }
}

void TYachtWindow::ShowCurrentTotals() {
  if (!game_.GameActive || SetupShown) return;
  TopTenShown = 0;
  HintsShown = 0;
  TotalsShown = 1;
  DrawTotals();
}

// One column of the sheet: its name, the twelve categories and the total. "Next Player" steps
// to the next column of the game and from the last back to the first.
void TYachtWindow::DrawTotals() {
  if (!game_.GameActive) return;
  RestorePanelRect();
  screen_.DrawText(FontId::Sheet, 340, 375, "Return", SetupInk);
  screen_.DrawText(FontId::Sheet, 450, 375, "Next Player", SetupInk);
  const int first = game_.PlayerCount == 0 ? 0 : 1;
  const int last = game_.PlayerCount <= 1 ? 1 : std::min(game_.PlayerCount, 4);
  if (TotalsPlayer > last || TotalsPlayer < first) TotalsPlayer = first;
  const int k = TotalsPlayer;
  const std::string name =
      k == 0 ? std::string("Computer") : std::string(PlayerName[k], strnlen(PlayerName[k], 9));
  screen_.DrawText(FontId::Sheet, 375, 100, name + "'s Total", SetupInk);
  for (int c = 1; c <= kCategoryCount; ++c) {
    const int y = 130 + 16 * (c - 1);
    screen_.DrawText(FontId::Setup, 350, y, kCategoryNames[c], SetupInk);
    screen_.DrawText(FontId::Setup, 500, y, EntryText(game_.Sheet[k].Entry[c]), SetupInk);
  }
  screen_.DrawText(FontId::Setup, 350, 336, "Total", SetupInk);
  screen_.DrawText(FontId::Setup, 500, 336, EntryText(game_.Sheet[k].Total), SetupInk);
}

// The tip `HintIndex`, each line centred on x = 445. The counter runs past the last tip only
// by one; it starts again at the first tip when drawn.
void TYachtWindow::DrawHints() {
  RestorePanelRect();
  screen_.DrawText(FontId::Sheet, 360, 150, "Did you know ...", SetupInk);
  screen_.DrawText(FontId::Sheet, 345, 350, "Return", SetupInk);
  screen_.DrawText(FontId::Sheet, 445, 350, "Next Hint", SetupInk);
  if (HintIndex >= HintCount) HintIndex = 0;
  const int tip = HintIndex < 0 ? 0 : HintIndex;
  for (int l = 1; l <= 4; ++l) {
    const std::string& line = HintText[tip][l];
    if (line.empty()) continue;
    const int width = screen_.TextWidth(FontId::Setup, line);
    screen_.DrawText(FontId::Setup, 445 - width / 2, 200 + 20 * (l - 1), line, SetupInk);
  }
}

// Every panel first lays the background's own pixels over the panel area, and over the strip to
// its right where the ends of long total lines ("Computer's Total: 288") and of the scores reach,
// so that no sliver of the sheet shows beside the panel.
void TYachtWindow::RestorePanelRect() {
  if (Background.Empty()) {
    screen_.FillRect(kPanelLeft, kPanelTop, kPanelLeft + kPanelWidth, kPanelTop + kPanelHeight,
                     Parchment);
    screen_.FillRect(kSheetStripLeft, kSheetStripTop, kSheetStripLeft + kSheetStripWidth,
                     kSheetStripTop + kSheetStripHeight, Parchment);
    return;
  }
  screen_.DrawBitmapPart(Background, kPanelLeft, kPanelTop, kPanelWidth, kPanelHeight, kPanelLeft,
                         kPanelTop);
  screen_.DrawBitmapPart(Background, kSheetStripLeft, kSheetStripTop, kSheetStripWidth,
                         kSheetStripHeight, kSheetStripLeft, kSheetStripTop);
}

}  // namespace ossaric
