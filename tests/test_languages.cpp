// The game in every language it speaks: each text drawn on the scene, measured with the real
// fonts, stays inside its place (the panel, the sheet's label column, the setup screen's rows)
// and clear of every other text, with the widest names a player can type ("WWWWWWWW").
#include <gtest/gtest.h>

#include <QStringList>
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "fixture.h"
#include "platform/languages.h"

namespace ossaric {
namespace {

using testing::GameTest;

// A place on the scene a text must keep to: left, top, right, bottom (right and bottom excluded).
struct Place {
  int left, top, right, bottom;
};

std::string Describe(const DrawnText& t) {
  return "\"" + t.text + "\" at (" + std::to_string(t.x) + ", " + std::to_string(t.y) +
         ") inks " + std::to_string(t.inkLeft) + ".." + std::to_string(t.inkRight) + " x " +
         std::to_string(t.inkTop) + ".." + std::to_string(t.inkBottom);
}

// True when the two texts put ink on a common pixel (an accent may reach into the box of the line
// above without touching its letters).
bool InksMeet(const DrawnText& t, const DrawnText& u) {
  const int left = std::max(t.inkLeft, u.inkLeft), right = std::min(t.inkRight, u.inkRight);
  const int top = std::max(t.inkTop, u.inkTop), bottom = std::min(t.inkBottom, u.inkBottom);
  if (left >= right || top >= bottom) return false;
  Surface a, b;
  a.DrawText(t.font, t.x, t.y, t.text, MakeRgb(255, 255, 255));
  b.DrawText(u.font, u.x, u.y, u.text, MakeRgb(255, 255, 255));
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x)
      if (a.Pixel(x, y) != 0 && b.Pixel(x, y) != 0) return true;
  return false;
}

class Languages : public GameTest {
 protected:
  void TearDown() override {
    if (runner_) W().Screen().RecordTexts(nullptr);
    InstallTranslators(QString(""));
  }

  // A fresh game directory's window in `language`, with four players named "WWWWWWWW".
  void StartIn(const QString& language) {
    InstallTranslators(language);
    Start();
    for (int n = 1; n <= 4; ++n) Run("set PlayerName[" + std::to_string(n) + "] WWWWWWWW\n");
  }

  // Records the texts `lines` draw, then checks each against `place` and against each other.
  void Screen(const std::string& what, const std::string& lines, const Place& place) {
    SCOPED_TRACE(what);
    std::vector<DrawnText> texts;
    W().Screen().RecordTexts(&texts);
    Run(lines);
    W().Screen().RecordTexts(nullptr);
    Check(texts, place);
  }

  void Check(const std::vector<DrawnText>& texts, const Place& place) {
    for (size_t i = 0; i < texts.size(); ++i) {
      const DrawnText& t = texts[i];
      if (t.inkRight <= t.inkLeft) continue;  // nothing inked (a space)
      EXPECT_TRUE(t.inkLeft >= place.left && t.inkRight <= place.right && t.inkTop >= place.top &&
                  t.inkBottom <= place.bottom)
          << Describe(t) << " leaves its place " << place.left << ".." << place.right << " x "
          << place.top << ".." << place.bottom;
      // A text is drawn whole: nothing of it falls outside the clip it was drawn through.
      EXPECT_TRUE(t.inkLeft >= t.clipLeft && t.inkRight <= t.clipRight) << Describe(t) << " is cut";
      for (size_t j = i + 1; j < texts.size(); ++j) {
        const DrawnText& u = texts[j];
        if (u.inkRight <= u.inkLeft || u.text == t.text) continue;
        // Texts written over the same place again (a redraw) are one text.
        if (u.x == t.x && u.y == t.y) continue;
        EXPECT_FALSE(InksMeet(t, u)) << Describe(t) << " runs into " << Describe(u);
      }
    }
  }
};

// The panel area, with the right-hand strip the panels also clear.
constexpr Place kPanel = {306, 80, 596, 411};
// The setup screen's scroll.
constexpr Place kSetup = {283, 8, 612, 423};

TEST_F(Languages, EveryDrawnTextFitsItsPlace) {
  QStringList languages = GameLanguages();
  languages.prepend(QString());  // English, with the widest names
  ASSERT_GE(languages.size(), 11);
  for (const QString& language : languages) {
    SCOPED_TRACE("language " + (language.isEmpty() ? std::string("en") : language.toStdString()));
    StartIn(language);
    Run("set PlayerCount 4\n");
    // The setup screen: the game choices stop short of the next column's box.
    Screen("setup", "paint\n", kSetup);
    {
      std::vector<DrawnText> texts;
      W().Screen().RecordTexts(&texts);
      Run("paint\n");
      W().Screen().RecordTexts(nullptr);
      for (const DrawnText& t : texts) {
        if (t.x == 338) {
          EXPECT_LE(t.inkRight, 428) << Describe(t) << " runs into the next box";
        }
      }
    }
    // The sheet: the labels end before the score column; the total line is whole.
    Run("click 400 398\n");
    Screen("sheet", "faces 6 6 6 6 6\nclick 80 350\nclick 450 80\n", {0, 0, 632, 434});
    {
      std::vector<DrawnText> texts;
      W().Screen().RecordTexts(&texts);
      Run("paint\n");
      W().Screen().RecordTexts(nullptr);
      for (const DrawnText& t : texts) {
        if (t.x == 335 && t.y < 370) {
          EXPECT_LE(t.inkRight, 548) << Describe(t);
        }
      }
    }
    // The panels, every column of Current Totals and every tip.
    Screen("current totals", "command 103\n", kPanel);
    for (int k = 0; k < 4; ++k) Screen("next column", "click 480 390\n", kPanel);
    Screen("top ten", "command 104\n", kPanel);
    for (int tip = 0; tip < TWindowState::HintCount; ++tip) {
      SCOPED_TRACE("tip " + std::to_string(tip));
      W().State().HintIndex = tip;
      std::vector<DrawnText> texts;
      W().Screen().RecordTexts(&texts);
      W().DrawHints();
      W().Screen().RecordTexts(nullptr);
      Check(texts, kPanel);
      // The tip's lines stay between the heading and the buttons.
      for (const DrawnText& t : texts) {
        if (t.font == FontId::Setup) {
          EXPECT_LE(t.inkBottom, 350) << Describe(t);
        }
      }
    }
  }
}

}  // namespace
}  // namespace ossaric
