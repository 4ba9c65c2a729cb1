// The game in every language it speaks: each text drawn on the scene, measured with the real
// fonts, stays inside its place (the panel, the sheet's label column, the setup screen's rows)
// and clear of every other text, with the widest names a player can type ("WWWWWWWW").
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QTranslator>
#include <algorithm>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "desktop/qt/main_window.h"
#include "fixture.h"
#include "platform/languages.h"
#include "platform/words.h"

namespace ossaric {
namespace {

using testing::GameTest;

// A place on the scene a text must keep to: left, top, right, bottom (right and bottom excluded).
struct Place {
  int left, top, right, bottom;
};

std::string Describe(const DrawnText& t) {
  return "\"" + t.text + "\" at (" + std::to_string(t.x) + ", " + std::to_string(t.y) + ") inks " +
         std::to_string(t.inkLeft) + ".." + std::to_string(t.inkRight) + " x " +
         std::to_string(t.inkTop) + ".." + std::to_string(t.inkBottom);
}

// True when the two texts put ink on common pixels (an accent may reach into the box of the line
// above without touching its letters). A caron that grazes the tail of a "y" in the line above,
// as Czech "Pětky" over "Čtyřky" do in the totals' tight rows, shares a single pixel and reads as
// type set close; letters that run into each other share many.
bool InksMeet(const DrawnText& t, const DrawnText& u) {
  const int left = std::max(t.inkLeft, u.inkLeft), right = std::min(t.inkRight, u.inkRight);
  const int top = std::max(t.inkTop, u.inkTop), bottom = std::min(t.inkBottom, u.inkBottom);
  if (left >= right || top >= bottom) return false;
  Surface a, b;
  a.DrawText(t.font, t.x, t.y, t.text, MakeRgb(255, 255, 255));
  b.DrawText(u.font, u.x, u.y, u.text, MakeRgb(255, 255, 255));
  int shared = 0;
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x)
      if (a.Pixel(x, y) != 0 && b.Pixel(x, y) != 0) ++shared;
  return shared > 1;
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

  // Every text of `texts` that leaves `place`, is cut by its clip or inks another text's pixels;
  // a failure of the test, or in `report` (the pseudo-language) a line on standard output.
  void Check(const std::vector<DrawnText>& texts, const Place& place, bool report = false) {
    std::vector<std::string> problems;
    for (size_t i = 0; i < texts.size(); ++i) {
      const DrawnText& t = texts[i];
      if (t.inkRight <= t.inkLeft) continue;  // nothing inked (a space)
      if (t.inkLeft < place.left || t.inkRight > place.right || t.inkTop < place.top ||
          t.inkBottom > place.bottom)
        problems.push_back(Describe(t) + " leaves its place " + std::to_string(place.left) + ".." +
                           std::to_string(place.right) + " x " + std::to_string(place.top) + ".." +
                           std::to_string(place.bottom));
      // A text is drawn whole: nothing of it falls outside the clip it was drawn through.
      if (t.inkLeft < t.clipLeft || t.inkRight > t.clipRight)
        problems.push_back(Describe(t) + " is cut");
      for (size_t j = i + 1; j < texts.size(); ++j) {
        const DrawnText& u = texts[j];
        if (u.inkRight <= u.inkLeft || u.text == t.text) continue;
        // Texts written over the same place again (a redraw) are one text.
        if (u.x == t.x && u.y == t.y) continue;
        if (InksMeet(t, u)) problems.push_back(Describe(t) + " runs into " + Describe(u));
      }
    }
    for (const std::string& p : problems) {
      if (report)
        std::cout << "overflow: " << p << "\n";
      else
        ADD_FAILURE() << p;
    }
  }
};

// The panel area, with the right-hand strip the panels also clear.
constexpr Place kPanel = {306, 80, 596, 411};
// The setup screen's scroll.
constexpr Place kSetup = {283, 8, 612, 423};

// The desktop's language list to the catalogue spoken: a region falls back to the nearest
// catalogue of its language, Chinese keeps to its script, English and anything unknown speak
// English; numbers are written as the catalogue's language writes them, whatever the system's.
TEST(LanguageChoice, RegionsFallBackAndNumbersFollowTheCatalogue) {
  struct Case {
    QStringList desktop;
    const char* spoken;
  } cases[] = {
      {{"de-AT", "de"}, "de"},
      {{"de"}, "de"},
      {{"pt-PT", "pt"}, "pt_BR"},
      {{"zh-TW", "zh-Hant-TW"}, "zh_TW"},
      {{"zh-HK", "zh-Hant-HK"}, "zh_TW"},
      {{"zh-Hant", "en"}, "zh_TW"},
      {{"zh-CN", "zh-Hans-CN"}, "zh_CN"},
      {{"zh"}, "zh_CN"},
      {{"en-GB", "de"}, ""},
      {{"xx", "fr-CA"}, "fr"},
      {{"C"}, ""},
      {{"eo", "tlh"}, ""},
  };
  const QStringList have = GameLanguages();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.desktop.join(QLatin1Char(':')).toStdString());
    // A catalogue not (yet) built in falls back as far as the game has.
    if (*c.spoken != '\0' && !have.contains(QString::fromLatin1(c.spoken))) continue;
    EXPECT_EQ(ChooseLanguage(c.desktop).toStdString(), c.spoken);
  }
  struct Number {
    const char* language;
    const char* written;
  } numbers[] = {{"", "176.1"}, {"de", "176,1"}, {"fr", "176,1"}, {"ja", "176.1"}, {"ru", "176,1"}};
  for (const Number& n : numbers) {
    InstallTranslators(QString::fromLatin1(n.language));
    EXPECT_EQ(Decimal(176.06, 1), n.written) << n.language;
  }
  InstallTranslators(QString(""));
}

TEST_F(Languages, EveryDrawnTextFitsItsPlace) {
  QStringList languages = GameLanguages();
  languages.prepend(QStringLiteral(""));  // English, with the widest names
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
    Run("press start\n");
    Screen("sheet", "faces 6 6 6 6 6\npress cup\npress row 1\n", {0, 0, 632, 434});
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
    for (int k = 0; k < 4; ++k) Screen("next column", "press totals-next\n", kPanel);
    Screen("top ten", "command 104\n", kPanel);
    for (int tip = 0; tip < TWindowState::HintCount; ++tip) {
      SCOPED_TRACE("tip " + std::to_string(tip));
      Probe().State().HintIndex = tip;
      std::vector<DrawnText> texts;
      W().Screen().RecordTexts(&texts);
      Probe().DrawHints();
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

// Words a pseudo-language screen may show as they are: the players' names, the game's name.
bool HasEnglishLeft(const std::string& text) {
  static const QRegularExpression kAsTheyAre(R"(WWWWWWWW|Player [1-4]|Ossaric|\[[^\]]*\])");
  static const QRegularExpression kWord("[A-Za-z]{3,}");
  return QString::fromStdString(text).remove(kAsTheyAre).contains(kWord);
}

// Every text of the game in the pseudo-language, where each is bracketed, accented and 40 %
// longer: no screen, box, panel, tooltip or menu shows English left over; every drawn text that
// would overflow its place at that length is reported (not failed: no real language is as long).
TEST_F(Languages, ThePseudoLanguageLeavesNoEnglishAndShowsWhereTextsOverflow) {
  InstallTranslators(QString(""));
  QTranslator pseudo;
  ASSERT_TRUE(pseudo.load(QStringLiteral(OSSARIC_PSEUDO_QM)));
  QCoreApplication::installTranslator(&pseudo);
  Start();
  for (int n = 1; n <= 4; ++n) Run("set PlayerName[" + std::to_string(n) + "] WWWWWWWW\n");
  std::vector<DrawnText> texts;
  auto visit = [&](const std::string& what, const std::string& lines, const Place& place) {
    SCOPED_TRACE(what);
    texts.clear();
    W().Screen().RecordTexts(&texts);
    Run(lines);
    W().Screen().RecordTexts(nullptr);
    Check(texts, place, true);
    for (const DrawnText& t : texts) EXPECT_FALSE(HasEnglishLeft(t.text)) << what << ": " << t.text;
  };
  visit("setup", "set PlayerCount 4\npaint\n", kSetup);
  Run("press start\nfaces 6 6 6 6 6\npress cup\npress cup\npress cup\n");
  const std::string tooltip = W().ScorePreview(450, 110);
  EXPECT_FALSE(tooltip.empty());
  EXPECT_FALSE(HasEnglishLeft(tooltip)) << tooltip;
  visit("sheet", "press cup\npress row 1\npaint\n", {0, 0, 632, 434});
  visit("current totals", "command 103\npress totals-next\n", kPanel);
  Run("press totals-return\n");
  visit("top ten", "command 104\n", kPanel);
  for (int tip = 0; tip < TWindowState::HintCount; ++tip) {
    Probe().State().HintIndex = tip;
    visit("tip " + std::to_string(tip), "", kPanel);
    texts.clear();
    W().Screen().RecordTexts(&texts);
    Probe().DrawHints();
    W().Screen().RecordTexts(nullptr);
    Check(texts, kPanel, true);
    for (const DrawnText& t : texts) EXPECT_FALSE(HasEnglishLeft(t.text)) << t.text;
  }
  Probe().Show().AnnounceGameOver();
  Run("command 134\n");
  Run("set GameActive 0\npress cup\n");
  // Every box shown: the notices, Game Over, About.
  ASSERT_GE(Host().messages_.size(), 3u);
  for (const std::string& box : Host().messages_) EXPECT_FALSE(HasEnglishLeft(box)) << box;
  // The menus, as the real window builds them.
  for (const MenuDef& menu : kMenuBar) {
    EXPECT_FALSE(HasEnglishLeft(QCoreApplication::translate("Menus", menu.title).toStdString()));
    for (const MenuItemDef& item : menu.items)
      EXPECT_FALSE(
          HasEnglishLeft(QCoreApplication::translate("MenuItems", item.text).toStdString()))
          << item.text;
  }
  W().Screen().RecordTexts(nullptr);
  QCoreApplication::removeTranslator(&pseudo);
}

}  // namespace
}  // namespace ossaric
