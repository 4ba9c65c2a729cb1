// The keyboard table, name editing, the speed commands, the hidden key sequence, About, Help
// and the order of the close.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

#include "fixture.h"
#include "persist/file_images.h"
#include "persist/topten.h"
#include "platform/languages.h"
#include "ui/words.h"

namespace ossaric {
namespace {

using testing::GameTest;

class Keyboard : public GameTest {
 protected:
  // Types every character of `text` (space and backspace by name are not needed here).
  void Type(const std::string& text) {
    for (char c : text) {
      if (c == ' ')
        Run("key space\n");
      else if (c == '\b')
        Run("key backspace\n");
      else
        Run(std::string("key ") + c + "\n");
    }
  }
  void EditName(int n) {
    const int x[] = {0, 360, 467, 360, 467};
    const int y[] = {0, 285, 285, 313, 313};
    Run("set PlayerCount 4\nclick " + std::to_string(x[n]) + " " + std::to_string(y[n]) + "\n");
    ASSERT_EQ(Probe().State().NameEditing, 1);
    ASSERT_EQ(Probe().State().EditedName, n);
  }
  std::string Name(int n) { return Probe().State().PlayerName[n]; }
};

TEST_F(Keyboard, SpeedKeysAndCommands) {
  struct Case {
    int start;
    std::string input;  // keys; 'F' and 'S' stand for the menu's Faster and Slower
    int expect;
  } cases[] = {
      {25, "+", 20},
      {25, "=", 20},
      {25, "-", 30},
      {0, "+", 0},
      {0, "=", 0},
      {0, "F", 0},
      {0, "FS", 5},
      {3, "+", 0},
      {4, "F", 0},
      {0, "-", 5},
      {0, "S", 5},
      {5, "++", 0},
      {10, "+-", 10},
      {1000, "-", 1005},
      // A garbled pause far below zero comes back to zero rather than wrapping around.
      {INT_MIN, "+", 0},
      {INT_MIN + 4, "F", 0},
      {-7, "+", 0},
  };
  for (const Case& c : cases) {
    Run("set AnimDelay " + std::to_string(c.start) + "\n");
    for (char k : c.input) {
      if (k == 'F')
        Run("command 107\n");
      else if (k == 'S')
        Run("command 108\n");
      else
        Run(std::string("key ") + k + "\n");
    }
    EXPECT_EQ(Probe().State().AnimDelay, c.expect) << c.start << " " << c.input;
  }
  // No cap on the slow side.
  Run("set AnimDelay 0\n");
  for (int i = 0; i < 200; ++i) Run("key -\n");
  EXPECT_EQ(Probe().State().AnimDelay, 1000);
}

TEST_F(Keyboard, NothingWorksWhileTheComputerPlays) {
  EditName(1);
  Run("set ComputerBusy 1\nset AnimDelay 25\n");
  Type("ab+-=.");
  Run("key backspace\n");
  EXPECT_EQ(Name(1), "Player 1");
  EXPECT_EQ(Probe().State().AnimDelay, 25);
  Run("set NameEditing 0\n");
  Type("pips5+-");
  EXPECT_EQ(Probe().State().AnimDelay, 25);
  EXPECT_EQ(Probe().State().KeyTrailLength, 0);
  EXPECT_TRUE(Host().messages_.empty());
}

TEST_F(Keyboard, NameEditingLimits) {
  EditName(1);
  Run("set AnimDelay 25\n");
  // Speed keys are no name characters while a name is edited, and do nothing.
  Type("+=-");
  EXPECT_EQ(Name(1), "Player 1");
  EXPECT_EQ(Probe().State().AnimDelay, 25);
  // A ninth character is ignored.
  Type("x");
  EXPECT_EQ(Name(1), "Player 1");
  // Backspace and "." delete; deleting an empty name keeps it empty.
  Type(std::string(5, '\b') + "...");
  EXPECT_EQ(Name(1), "");
  EXPECT_EQ(Probe().State().NameCursor[1], -1);
  Type("\b\b.");
  EXPECT_EQ(Name(1), "");
  EXPECT_EQ(Probe().State().NameCursor[1], -1);
  // Letters, digits and space are taken; other punctuation is not.
  Type("Al 9!,?;_");
  EXPECT_EQ(Name(1), "Al 9");
  EXPECT_EQ(Probe().State().NameCursor[1], 3);
  Type("zZ09abcdef");
  EXPECT_EQ(Name(1), "Al 9zZ09");
  EXPECT_EQ(Probe().State().NameCursor[1], 7);
  // The caret follows the end of the drawn name.
  const int width = W().Screen().TextWidth(FontId::Name, "Al 9zZ09");
  EXPECT_EQ(Probe().State().CaretX, 355 + width);
  EXPECT_EQ(Probe().State().CaretY, 280);
  EXPECT_EQ(Probe().State().NameEndX[1], 355 + width);
  EXPECT_EQ(Probe().State().NameEndY[1], 280);
  // The other names are untouched.
  for (int n = 2; n <= 4; ++n) EXPECT_EQ(Name(n), "Player " + std::to_string(n));
}

// Names in any script: each character's UTF-8 in the eight bytes, none cut in half, kept in
// bexil.ini and the Top Ten as those bytes and read back after a restart; an empty name is none;
// a name an older game wrote in the Western code page reads as it did; a default name is shown in
// the player's language and stays "Player n" in the file until edited.
TEST_F(Keyboard, NamesInAnyScript) {
  auto type = [&](const std::string& text) {
    for (size_t k = 0; k < text.size();) {
      size_t n = 1;
      while (k + n < text.size() && (static_cast<unsigned char>(text[k + n]) & 0xc0) == 0x80) ++n;
      Run("key " + (text[k] == ' ' ? std::string("space") : text.substr(k, n)) + "\n");
      k += n;
    }
  };
  struct Case {
    int field;
    const char* typed;
    const char* kept;   // the bytes the field holds
    const char* shown;  // and the name drawn
  } cases[] = {
      {1, "Jörg", "J\xc3\xb6rg", "Jörg"},
      {2, "Иванов", "\xd0\x98\xd0\xb2\xd0\xb0\xd0\xbd", "Иван"},  // four letters fill the bytes
      {3, "太郎太", "\xe5\xa4\xaa\xe9\x83\x8e", "太郎"},          // a third would not fit whole
      {4, "A€-!", "A", "A"},                                      // no signs, as before
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    EditName(c.field);
    Run("key backspace\nkey backspace\nkey backspace\nkey backspace\nkey backspace\n"
        "key backspace\nkey backspace\nkey backspace\n");
    type(c.typed);
    EXPECT_EQ(Name(c.field), c.kept);
    EXPECT_EQ(Probe().State().NameCursor[c.field], static_cast<int>(std::strlen(c.kept)) - 1);
  }
  // Emptied and left, a field returns to its default name.
  EditName(4);
  Run("key backspace\nclick 10 10\n");
  EXPECT_EQ(Name(4), "Player 4");
  // Kept as bytes in bexil.ini, and the same after a restart.
  Run("close\n");
  std::ifstream ini("bexil.ini", std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(ini)), std::istreambuf_iterator<char>());
  ASSERT_EQ(bytes.size(), 52u);
  for (const Case& c : cases) {
    if (c.field == 4) continue;
    EXPECT_EQ(std::string(bytes.c_str() + 8 + 9 * (c.field - 1)), c.kept) << c.typed;
  }
  Start();
  for (const Case& c : cases) {
    if (c.field == 4) continue;
    EXPECT_EQ(ShownName(Probe().State().PlayerName[c.field]), c.shown);
  }
  // Into the Top Ten and through its bytes.
  TTopTenEntry table[11];
  EmptyTopTen(table);
  for (int n = 1; n <= 3; ++n) EnterTotal(table, Probe().State().PlayerName[n], 100 + n);
  const auto image = EncodeTopTen(table);
  TTopTenEntry back[11];
  DecodeTopTen(image.data(), image.size(), back);
  EXPECT_EQ(ShownName(back[1].Name), "太郎");
  EXPECT_EQ(ShownName(back[2].Name), "Иван");
  EXPECT_EQ(ShownName(back[3].Name), "Jörg");
  // Written by an older game: each byte a Windows-1252 letter.
  const char old[][9] = {"J\xf6rg", "\x80uro", "Fran\xe7ois"};
  EXPECT_EQ(NameText(old[0]), "Jörg");
  EXPECT_EQ(NameText(old[1]), "€uro");
  EXPECT_EQ(NameText(old[2]), "François");
  // A default name in the player's language, its bytes untouched until it is edited.
  InstallTranslators(QStringLiteral("de"));
  EXPECT_EQ(ShownName(Probe().State().PlayerName[4]), "Spieler 4");
  EXPECT_EQ(Probe().State().PlayerName[4], std::string("Player 4"));
  InstallTranslators(QString(""));
}

TEST_F(Keyboard, EditsTheChosenFieldAndDrawsIt) {
  for (int n = 1; n <= 4; ++n) {
    EditName(n);
    Type(std::string(8, '\b') + "N" + std::to_string(n));
    EXPECT_EQ(Name(n), "N" + std::to_string(n));
    const int x = n % 2 == 1 ? 355 : 462;
    const int y = n <= 2 ? 280 : 308;
    EXPECT_EQ(Probe().State().NameEndX[n], x + W().Screen().TextWidth(FontId::Name, Name(n)));
    EXPECT_EQ(Probe().State().NameEndY[n], y);
    // Emptied, the field shows the bare name box: the old name's pixels are gone.
    Type(std::string(2, '\b'));
    const Bitmap& box = Probe().Pictures().NameBoxImage;
    Surface bare;
    bare.DrawBitmap(box, x - 3, y - 3);
    int differing = 0;
    for (int by = 0; by < box.height; ++by)
      for (int bx = 0; bx < box.width; ++bx)
        differing +=
            W().Screen().Pixel(x - 3 + bx, y - 3 + by) != bare.Pixel(x - 3 + bx, y - 3 + by);
    EXPECT_EQ(differing, 0) << "field " << n;
  }
  // A click ends the editing; later keys are speed keys again.
  Run("click 10 10\nset AnimDelay 25\nkey +\n");
  EXPECT_EQ(Probe().State().NameEditing, 0);
  EXPECT_EQ(Probe().State().AnimDelay, 20);
}

TEST_F(Keyboard, GarbageInTheEditStateStaysInBounds) {
  const char* lines[] = {"set EditedName 9\n",      "set EditedName -3\n",
                         "set NameCursor[1] 99\n",  "set NameCursor[1] -50\n",
                         "set KeyTrailLength 77\n", "set KeyTrailLength -2\n"};
  for (const char* line : lines) {
    EditName(1);
    Run(line);
    Type("ab\b.c");
    Run("set NameEditing 0\n");
    Type("xyz");
    EXPECT_LE(std::strlen(Probe().State().PlayerName[1]), 8u) << line;
    EXPECT_LE(Probe().State().KeyTrailLength, 5) << line;
    EXPECT_GE(Probe().State().KeyTrailLength, 0) << line;
    Run("set NameCursor[1] 7\nset EditedName 1\nset KeyTrailLength 0\n");
  }
}

TEST_F(Keyboard, HiddenSequence) {
  // The code is kept scrambled in the window.
  EXPECT_NE(Probe().State().HiddenCode, "pips5");
  EXPECT_EQ(Probe().State().HiddenCode.size(), 5u);
  Type("pip");
  EXPECT_EQ(std::string(Probe().State().KeyTrail), "pip");
  EXPECT_TRUE(Host().messages_.empty());
  // The first four are held; every later character takes the fifth place.
  Type("sQ-");  // "-" is a speed key, not part of the trail
  EXPECT_EQ(std::string(Probe().State().KeyTrail), "pipsQ");
  Type("Xyz");
  EXPECT_EQ(std::string(Probe().State().KeyTrail), "pipsz");
  EXPECT_TRUE(Host().messages_.empty());
  Type("P");  // case counts
  EXPECT_TRUE(Host().messages_.empty());
  Type("5");
  ASSERT_EQ(Host().messages_.size(), 1u);
  const std::string& box = Host().messages_[0];
  ASSERT_EQ(box.find('|'), 0u) << box;  // no title
  const std::string text = box.substr(1);
  EXPECT_EQ(text.size(), 43u);
  EXPECT_EQ(std::string(Probe().State().KeyTrail), "     ");
  // It shows what the About box shows on its first line.
  Run("command 134\n");
  ASSERT_EQ(Host().messages_.size(), 2u);
  EXPECT_EQ(Host().messages_[1].substr(6, 42), text.substr(0, 42));
  // A trail that started wrong never matches.
  Start();
  Type("xpips5pips5");
  EXPECT_TRUE(Host().messages_.empty());
}

TEST_F(Keyboard, AboutAndHelp) {
  const std::string scrambled = Probe().State().AboutText;
  Run("command 134\n");
  ASSERT_EQ(Host().messages_.size(), 1u);
  const std::string& box = Host().messages_[0];
  ASSERT_EQ(box.rfind("About|", 0), 0u) << box;
  const std::string text = box.substr(6);
  ASSERT_GT(text.size(), 43u);
  EXPECT_LE(text.size(), 91u);
  EXPECT_EQ(text.find('\n'), 42u);
  EXPECT_EQ(text.find('\n', 43), std::string::npos);
  // Scrambled again once the box is closed.
  EXPECT_EQ(Probe().State().AboutText, scrambled);
  EXPECT_EQ(Probe().State().AboutText.find(text.substr(0, 10)), std::string::npos);
  Run("command 127\n");
  EXPECT_NE(Output().find(R"({"event":"help","action":"open","file":"bexil.hlp"})"),
            std::string::npos);
}

// Watches the runner's output and notes whether the settings file existed when the music
// device was closed, the second step of the close.
class SettingsProbe : public std::streambuf {
 public:
  std::string text;
  int settingsAtMusicClose = -1;

 protected:
  int_type overflow(int_type c) override {
    if (c == traits_type::eof()) return c;
    text += static_cast<char>(c);
    if (c == '\n' && settingsAtMusicClose < 0 &&
        text.find(R"({"event":"music","action":"close"})") != std::string::npos)
      settingsAtMusicClose = std::filesystem::exists("bexil.ini") ? 1 : 0;
    return c;
  }
};

// Quit and the close box both close down in the same order, saving the settings first.
TEST_F(Keyboard, CloseOrder) {
  for (const char* how : {"command 126\n", "close\n"}) {
    std::filesystem::remove("bexil.ini");
    Start();
    SettingsProbe probe;
    std::streambuf* old = static_cast<std::ostream&>(out_).rdbuf(&probe);
    Run(how);
    static_cast<std::ostream&>(out_).rdbuf(old);
    EXPECT_EQ(probe.settingsAtMusicClose, 1) << how;
    const std::string out = probe.text;
    const size_t music = out.find(R"({"event":"music","action":"close"})");
    const size_t help = out.find(R"({"event":"help","action":"close"})");
    const size_t stop = out.find(R"({"event":"stop-effects"})");
    ASSERT_NE(music, std::string::npos) << out;
    ASSERT_NE(help, std::string::npos) << out;
    ASSERT_NE(stop, std::string::npos) << out;
    EXPECT_LT(music, help);
    EXPECT_LT(help, stop);
    EXPECT_TRUE(W().Closed());
    // Nothing reaches the game after it has closed.
    ClearOutput();
    Run("key +\ncommand 107\ntick\npress cup\n");
    EXPECT_EQ(Output(), "");
  }
}

// Keyboard play from the setup screen through a turn, a panel and the computer's turn: every
// key moves the focus or presses what it rests on, the ring shows only once a key moved it and
// goes with a mouse press.
TEST_F(Keyboard, FocusPlaysTheSetupScreenATurnAndAPanel) {
  auto focus = [&] { return Probe().Focus(); };
  auto at = [](TargetKind kind, int index = 0) { return Target{kind, index}; };
  Run("set AnimDelay 0\n");
  EXPECT_FALSE(Host().focusRingShown_) << "no ring before a key";
  struct Step {
    const char* what;
    std::function<void()> act;
    std::function<bool()> holds;
  } steps[] = {
      {"Tab shows the focus where it is: Start", [&] { W().EvKey(GameKey::Tab); },
       [&] { return focus() == at(TargetKind::Start) && Host().focusRingShown_; }},
      {"Tab enters the players row at the choice made", [&] { W().EvKey(GameKey::Tab); },
       [&] { return focus() == at(TargetKind::Players, 1); }},
      {"arrows move within the row and stop at its end",
       [&] {
         for (int n = 0; n < 6; ++n) W().EvKey(GameKey::Right);
       },
       [&] { return focus() == at(TargetKind::Players, 0) && Probe().Game().PlayerCount == 1; }},
      {"Space chooses", [&] { W().EvChar(' '), W().EvKey(GameKey::Space); },
       [&] { return Probe().Game().PlayerCount == 0; }},
      {"Tab gives player 1's name the typing", [&] { W().EvKey(GameKey::Tab); },
       [&] { return focus() == at(TargetKind::NameField, 1) && Probe().State().NameEditing == 1; }},
      {"the name is edited with the name keys, Space typing a space",
       [&] {
         for (int n = 0; n < 8; ++n) W().EvChar(8);
         for (char c : std::string("A b")) {
           W().EvChar(c);
           if (c == ' ') W().EvKey(GameKey::Space);
         }
       },
       [&] { return Name(1) == "A b" && Probe().Game().PlayerCount == 0; }},
      {"Return ends the name", [&] { W().EvChar(13), W().EvKey(GameKey::Return); },
       [&] { return Probe().State().NameEditing == 0 && Name(1) == "A b"; }},
      {"Shift+Tab goes back to the players row", [&] { W().EvKey(GameKey::BackTab); },
       [&] { return focus() == at(TargetKind::Players, 0); }},
      {"Home goes to the row's first choice", [&] { W().EvKey(GameKey::Home); },
       [&] { return focus() == at(TargetKind::Players, 1); }},
      {"End to its last", [&] { W().EvKey(GameKey::End); },
       [&] { return focus() == at(TargetKind::Players, 0); }},
      {"the keys 1 to 5 press no die on the setup screen",
       [&] { W().EvChar('1'), W().EvKey(GameKey::Die1); },
       [&] {
         return Probe().State().ScreenUp == SceneScreen::Setup && Probe().Game().PlayerCount == 0;
       }},
      {"Tab past the name and the tips to Start, Return starts",
       [&] {
         for (int n = 0; n < 3; ++n) W().EvKey(GameKey::Tab);
         W().EvKey(GameKey::Return);
       },
       [&] {
         return Probe().State().ScreenUp != SceneScreen::Setup && focus() == at(TargetKind::Cup);
       }},
      {"Ctrl+R throws", [&] { W().EvKey(GameKey::Throw); },
       [&] { return Probe().Game().ThrowsMade == 1; }},
      {"Tab reaches the dice; the ring stands around die 1's place",
       [&] { W().EvKey(GameKey::Tab); },
       [&] {
         const TTableSlot& place = Probe().Game().TableSlot[Probe().Game().Die[1].Slot];
         return focus() == at(TargetKind::Die, 1) && Host().focusRing_[0] == place.X &&
                Host().focusRing_[1] == place.Y;
       }},
      {"Space returns it, and the focus goes on to the next die",
       [&] { W().EvChar(' '), W().EvKey(GameKey::Space); },
       [&] { return Probe().Game().DiceInCup == 1 && focus() == at(TargetKind::Die, 2); }},
      {"End goes to the last die on the table, Home to the first", [&] { W().EvKey(GameKey::End); },
       [&] { return focus() == at(TargetKind::Die, 5); }},
      {"Home to the first die on the table", [&] { W().EvKey(GameKey::Home); },
       [&] { return focus() == at(TargetKind::Die, 2); }},
      {"the key 4 returns die 4, wherever the focus is",
       [&] { W().EvChar('4'), W().EvKey(GameKey::Die4); },
       [&] {
         return Probe().Game().DiceInCup == 2 && Probe().Game().Die[4].InCup == 1 &&
                focus() == at(TargetKind::Die, 2);
       }},
      {"Escape on the board does nothing", [&] { W().EvKey(GameKey::Escape); },
       [&] {
         return Probe().Game().DiceInCup == 2 && Probe().State().ScreenUp != SceneScreen::Totals;
       }},
      {"Tab enters the sheet at the first row to write, Down and Return write the next",
       [&] {
         W().EvKey(GameKey::Tab);
         W().EvKey(GameKey::Down);
         W().EvKey(GameKey::Return);
       },
       [&] { return Probe().Game().Sheet[1].Entry[kLargeStraight] >= 0; }},
      {"Tab goes on from the sheet to the total line, which no key presses",
       [&] {
         W().EvKey(GameKey::Tab);
         W().EvKey(GameKey::Space);
       },
       [&] {
         return focus() == at(TargetKind::Total, 1) && Host().focusRing_[0] == 335 &&
                Host().focusRing_[1] == 375 && Probe().State().ScreenUp != SceneScreen::Totals;
       }},
      {"a mouse press hides the ring", [&] { Run("click 600 10\n"); },
       [&] { return !Host().focusRingShown_; }},
      {"Escape leaves the Current Totals panel by its Return",
       [&] {
         W().EvCommand(kCmdCurrentTotals);
         W().EvKey(GameKey::Escape);
       },
       [&] { return Probe().State().ScreenUp != SceneScreen::Totals; }},
      {"keys do nothing while the computer plays",
       [&] {
         Probe().Game().ComputerBusy = 1;
         W().EvKey(GameKey::Tab);
         W().EvKey(GameKey::Throw);
         Probe().Game().ComputerBusy = 0;
       },
       [&] { return !Host().focusRingShown_ && Probe().Game().CurrentPlayer == 1; }},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.what);
    step.act();
    EXPECT_TRUE(step.holds());
  }
}

}  // namespace
}  // namespace ossaric
