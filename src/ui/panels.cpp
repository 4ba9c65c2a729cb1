// The Current Totals panel, which shows one score column at a time, and the tips panel "Did you
// know ...", which shows one of twenty tips. Both lie over the score sheet in the panel area.
#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "platform/languages.h"
#include "ui/words.h"
#include "ui/yacht_window.h"

namespace ossaric {

namespace {

// The panel area, x 306..575 and y 80..410.
constexpr int kPanelLeft = 306, kPanelTop = 80, kPanelWidth = 270, kPanelHeight = 331;
// Where the ink of the first category label may start, above its row at y 75.
constexpr int kLabelTop = 68;
// Right of the panel area: the part of the score column and total-line strips (up to x 595 and
// y 75..411) that the panel area does not cover.
constexpr int kSheetStripLeft = 576, kSheetStripTop = 75, kSheetStripWidth = 20,
              kSheetStripHeight = 337;

// Tips are centred on x 445 and must stay inside the panel area: at most 278 pixels a line, and
// no line below the one at y 320, above "Return".
// A line broken here is kept a little narrower, so that its leaning letters stay inside too.
constexpr int kTipCentre = 445, kTipWidth = 278, kTipWrapWidth = 270, kTipTop = 200, kTipStep = 20,
              kTipLines = 7;

// Characters a line must not start with (the closing marks of Chinese and Japanese).
bool ClosesLine(char32_t c) {
  return std::u32string_view(
             U"\u3001\u3002\uff0c\uff0e\uff01\uff1f\uff09\u300d\u300f\u30fc"
             U"\uff1a\uff1b,.!?)")
             .find(c) != std::u32string_view::npos;
}

std::string EntryText(int value) {
  return value == -1 ? std::string(" ") : std::to_string(value);
}

}  // namespace

// Each tip's lines as its translator broke them; a fifth line or more joins the fourth, and the
// drawing breaks whatever is too wide.
void TYachtWindow::FillHints() {
  for (int t = 0; t < HintCount; ++t) {
    for (std::string& line : HintText[t]) line.clear();
    const std::string text = TipText(t);
    int l = 1;
    for (size_t from = 0; from <= text.size();) {
      size_t end = text.find('\n', from);
      if (end == std::string::npos) end = text.size();
      std::string& line = HintText[t][l];
      if (!line.empty()) line += ' ';
      line += text.substr(from, end - from);
      from = end + 1;
      if (l < 4) ++l;
    }
  }
}

// A line as wide as the panel allows, broken after a space where it can be and between any two
// characters where it cannot (Chinese and Japanese have no spaces), never before a closing mark.
std::vector<std::string> TYachtWindow::WrapTipLine(const std::string& line) const {
  std::vector<std::string> out;
  const std::u32string text = QString::fromStdString(line).toStdU32String();
  if (screen_.TextWidth(FontId::Setup, line) <= kTipWidth) return {line};
  auto fits = [this](const std::u32string& part) {
    return screen_.TextWidth(FontId::Setup, Utf8(QString::fromStdU32String(part))) <= kTipWrapWidth;
  };
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.size();
    if (!fits(text.substr(start))) {
      // The longest head that fits, then back to its last space when it has one.
      size_t n = 1;
      while (start + n < text.size() && fits(text.substr(start, n + 1))) ++n;
      end = start + n;
      const size_t space = text.rfind(U' ', end);
      if (text[end] != U' ' && space != std::u32string::npos && space > start) {
        end = space;
      } else {
        while (end > start + 1 && ClosesLine(text[end])) --end;
      }
    }
    // The leading spaces of a line the translator wrote stay (they indent a quote's source).
    std::u32string part = text.substr(start, end - start);
    if (end < text.size())
      while (!part.empty() && part.back() == U' ') part.pop_back();
    out.push_back(Utf8(QString::fromStdU32String(part)));
    start = end;
    if (start < text.size() && out.size() > 0)
      while (start < text.size() && text[start] == U' ') ++start;
  }
  return out;
}

void TYachtWindow::ShowCurrentTotals() {
  if (!game_.GameActive || ScreenUp == SceneScreen::Setup) return;
  ScreenUp = SceneScreen::Totals;
  DrawTotals();
}

// One column of the sheet: its name, the twelve categories and the total. "Next Player" steps
// to the next column of the game and from the last back to the first.
void TYachtWindow::DrawTotals() {
  if (!game_.GameActive) return;
  RestorePanelRect();
  screen_.DrawText(FontId::Sheet, 340, 375, Utf8(QCoreApplication::translate("Panels", "Return")),
                   SetupInk);
  screen_.DrawText(FontId::Sheet, 450, 375,
                   Utf8(QCoreApplication::translate("Panels", "Next Player")), SetupInk);
  const int first = game_.PlayerCount == 0 ? 0 : 1;
  const int last = game_.PlayerCount <= 1 ? 1 : std::min(game_.PlayerCount, 4);
  if (TotalsPlayer > last || TotalsPlayer < first) TotalsPlayer = first;
  const int k = TotalsPlayer;
  const std::string name = k == 0 ? ComputerName() : ShownName(PlayerName[k]);
  DrawTotalsHeading(name);
  for (int c = 1; c <= kCategoryCount; ++c) {
    const int y = 130 + 16 * (c - 1);
    DrawPanelText(FontId::Setup, 350, y, CategoryName(c));
    DrawPanelText(FontId::Setup, 500, y, EntryText(game_.Sheet[k].Entry[c]));
  }
  DrawPanelText(FontId::Setup, 350, 336, Utf8(QCoreApplication::translate("Panels", "Total")));
  DrawPanelText(FontId::Setup, 500, 336, EntryText(game_.Sheet[k].Total));
}

void TYachtWindow::DrawPanelText(FontId font, int x, int y, const std::string& text) {
  constexpr int kLeft = kPanelLeft + 4, kRight = kPanelLeft + kPanelWidth - 1;
  if (WrittenRightToLeft()) x = kLeft + kRight - x - screen_.TextWidth(font, text);
  screen_.DrawText(font, x, y, text, SetupInk);
}

// "<name>'s Total" at (375, 100). A heading too wide for the panel starts further left, down to
// the panel's edge, then takes the setup screen's smaller face on the same baseline; only a
// heading too wide even for that loses the end of its name.
void TYachtWindow::DrawTotalsHeading(std::string name) {
  constexpr int kLeft = kPanelLeft + 4, kRight = kPanelLeft + kPanelWidth - 1;
  auto heading = [](const std::string& who) {
    return Utf8(
        QCoreApplication::translate("Panels", "%1's Total").arg(QString::fromStdString(who)));
  };
  std::string text = heading(name);
  FontId font = FontId::Sheet;
  if (screen_.TextWidth(font, text) > kRight - kLeft) {
    font = FontId::Setup;
    while (!name.empty() && screen_.TextWidth(font, heading(name)) > kRight - kLeft)
      PopCharacter(name);
    text = heading(name);
  }
  const int x = std::max(kLeft, std::min(375, kRight - screen_.TextWidth(font, text)));
  const int y = 100 + screen_.Ascent(FontId::Sheet) - screen_.Ascent(font);
  DrawPanelText(font, x, y, text);
}

// The tip `HintIndex`, each line centred on x = 445. The counter runs past the last tip only
// by one; it starts again at the first tip when drawn.
void TYachtWindow::DrawHints() {
  RestorePanelRect();
  DrawPanelText(FontId::Sheet, 360, 150,
                Utf8(QCoreApplication::translate("Panels", "Did you know ...")));
  screen_.DrawText(FontId::Sheet, 345, 350, Utf8(QCoreApplication::translate("Panels", "Return")),
                   SetupInk);
  screen_.DrawText(FontId::Sheet, 445, 350,
                   Utf8(QCoreApplication::translate("Panels", "Next Hint")), SetupInk);
  if (HintIndex >= HintCount) HintIndex = 0;
  const int tip = HintIndex < 0 ? 0 : HintIndex;
  // An empty line keeps its place, as in the tips that end in a quote's source.
  int row = 0;
  for (int l = 1; l <= 4; ++l) {
    const std::string& given = HintText[tip][l];
    const std::vector<std::string> lines =
        given.empty() ? std::vector<std::string>{""} : WrapTipLine(given);
    for (const std::string& line : lines) {
      if (row >= kTipLines) return;
      const int y = kTipTop + kTipStep * row++;
      if (line.empty()) continue;
      const int width = screen_.TextWidth(FontId::Setup, line);
      screen_.DrawText(FontId::Setup, kTipCentre - width / 2, y, line, SetupInk);
    }
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
  // A translated first label may reach higher than the English ones, whose tops the panel
  // area just covers: its top goes too.
  if (!CurrentLanguage().empty())
    screen_.DrawBitmapPart(Background, kPanelLeft, kLabelTop, kPanelWidth, kPanelTop - kLabelTop,
                           kPanelLeft, kLabelTop);
  screen_.DrawBitmapPart(Background, kSheetStripLeft, kSheetStripTop, kSheetStripWidth,
                         kSheetStripHeight, kSheetStripLeft, kSheetStripTop);
}

}  // namespace ossaric
