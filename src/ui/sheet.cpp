// The score sheet: the current player's twelve scores right-aligned at x 575 on the label rows,
// and the total line under them.
#include <algorithm>
#include <cstring>
#include <string>

#include "platform/languages.h"
#include "ui/words.h"
#include "ui/yacht_window.h"

namespace ossaric {

namespace {

constexpr int kScoreRight = 575;
// The strips the column and the total line are erased with; their texts are kept inside them,
// so that an erase takes away every pixel they drew.
constexpr int kColumnX = 548, kColumnY = 75, kColumnW = 47, kColumnH = 289;
constexpr int kTotalX = 335, kTotalY = 375, kTotalW = 258, kTotalH = 37;
// Where a total moved right ends at the latest: inside its strip, with room for the lean of
// its last digit.
constexpr int kTotalRight = kTotalX + kTotalW - 4;

}  // namespace

void TYachtWindow::DrawScoreColumn(bool erase) {
  if (erase) {
    screen_.DrawBitmapPart(Background, kColumnX, kColumnY, kColumnW, kColumnH, kColumnX, kColumnY);
    return;
  }
  if (game_.CurrentPlayer < 0 || game_.CurrentPlayer > 4) return;
  const Rgb ink = PaletteInk(ScoreInk);
  const TScoreColumn& column = game_.Sheet[game_.CurrentPlayer];
  for (int k = 1; k <= kCategoryCount; ++k) {
    const int v = column.Entry[k];
    if (v < 0) continue;
    const std::string text = std::to_string(v);
    screen_.DrawText(FontId::Sheet, kScoreRight - screen_.TextWidth(FontId::Sheet, text), RowTop(k),
                     text, ink, kColumnX, kColumnY, kColumnW, kColumnH);
  }
}

// "<name>'s Total:" and the total, whose right edge stands 40 pixels after the label. A total
// must always be readable: when that leaves less than a space between the colon and the number,
// or puts the number past the end of the strip, the number moves right as far as the strip
// allows; a label still too long for both is written in the setup screen's smaller face, with
// its name cut short if even that is not enough.
void TYachtWindow::DrawTotalLine(bool erase) {
  screen_.DrawBitmapPart(Background, kTotalX, kTotalY, kTotalW, kTotalH, kTotalX, kTotalY);
  if (erase || game_.CurrentPlayer < 0 || game_.CurrentPlayer > 4) return;
  std::string name =
      game_.CurrentPlayer == 0 ? ComputerName() : ShownName(PlayerName[game_.CurrentPlayer]);
  auto labelFor = [](const std::string& who) {
    return Utf8(
        QCoreApplication::translate("Sheet", "%1's Total:").arg(QString::fromStdString(who)));
  };
  const std::string number = std::to_string(game_.Sheet[game_.CurrentPlayer].Total);
  const int numberWidth = screen_.TextWidth(FontId::Sheet, number);
  const int gap = screen_.TextWidth(FontId::Sheet, " ");
  const int labelRoom = kTotalRight - numberWidth - gap - kTotalX;
  FontId labelFont = FontId::Sheet;
  std::string label = labelFor(name);
  int labelWidth = screen_.TextWidth(labelFont, label);
  if (labelWidth > labelRoom) {
    labelFont = FontId::Setup;
    while (!name.empty() && screen_.TextWidth(labelFont, labelFor(name)) > labelRoom)
      PopCharacter(name);
    label = labelFor(name);
    labelWidth = screen_.TextWidth(labelFont, label);
  }
  int x = labelFont == FontId::Sheet ? kTotalX + labelWidth + 40 - numberWidth : 0;
  x = std::max(x, kTotalX + labelWidth + gap);
  x = std::min(x, kTotalRight - numberWidth);
  const Rgb ink = PaletteInk(ScoreInk);
  // The smaller face stands on the same baseline; the number wins whatever is left over.
  const int labelY = kTotalY + screen_.Ascent(FontId::Sheet) - screen_.Ascent(labelFont);
  // Right to left, the line ends in its colon, whose ink the upright face sets a pixel before
  // the pen.
  const int labelX = WrittenRightToLeft() ? kTotalX + 1 : kTotalX;
  screen_.DrawText(labelFont, labelX, labelY, label, ink, kTotalX, kTotalY,
                   std::min(kTotalW, x - kTotalX), kTotalH);
  screen_.DrawText(FontId::Sheet, x, kTotalY, number, ink, kTotalX, kTotalY, kTotalW, kTotalH);
}

// The score just written: in the score ink when one column is in play, otherwise in a lighter
// ink that marks it as the newest until its column is next drawn.
void TYachtWindow::DrawNewScore(int points, int y) {
  TellScore(points, y);
  const std::string text = std::to_string(points);
  const Rgb ink = PaletteInk(game_.PlayerCount == 1 ? ScoreInk : NewScoreInk);
  screen_.DrawText(FontId::Sheet, kScoreRight - screen_.TextWidth(FontId::Sheet, text), y, text,
                   ink, kColumnX, kColumnY, kColumnW, kColumnH);
}

}  // namespace ossaric
