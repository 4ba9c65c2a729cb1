// The keyboard: the animation-speed keys, player-name editing on the setup screen and the
// hidden five-key sequence; and the About and Help commands.
#include <QChar>
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "persist/file_images.h"
#include "platform/languages.h"
#include "ui/name_fields.h"
#include "ui/words.h"
#include "ui/yacht_window.h"

namespace ossaric {

namespace {

// The About text and the hidden code are kept scrambled, each byte shifted by this amount, so
// neither shows up as plain text in the program file.
constexpr unsigned char kScrambleShift = 0x35;

constexpr unsigned char kScrambledAbout[] = {
    0x84, 0xa8, 0xa8, 0x96, 0xa7, 0x9e, 0x98, 0x55, 0x66, 0x63, 0x65, 0x55, 0x62, 0x55, 0x9b,
    0x9e, 0xab, 0x9a, 0x55, 0x99, 0x9e, 0x98, 0x9a, 0x61, 0x55, 0xa4, 0xa3, 0x9a, 0x55, 0x98,
    0xaa, 0xa5, 0x61, 0x55, 0x96, 0x55, 0xa8, 0x98, 0xa7, 0xa4, 0xa1, 0xa1, 0x55, 0x89, 0x9d,
    0xa7, 0xa4, 0xac, 0xa3, 0x55, 0xa4, 0xa3, 0x55, 0xa2, 0x96, 0xa7, 0x97, 0xa1, 0x9a, 0x61,
    0x55, 0xac, 0xa7, 0x9e, 0xa9, 0xa9, 0x9a, 0xa3, 0x55, 0x9e, 0xa3, 0x55, 0x9e, 0xa3, 0xa0,
    0x63, 0x55, 0x7c, 0xa4, 0xa4, 0x99, 0x55, 0xa1, 0xaa, 0x98, 0xa0, 0x56};
constexpr unsigned char kScrambledCode[] = {0xa5, 0x9e, 0xa5, 0xa8, 0x6a};

// The About box breaks its text into two lines after this many characters; the hidden box
// shows the first line with the character after it.
constexpr size_t kAboutLineLength = 42;

void Unscramble(std::string& text) {
  for (char& c : text) c = static_cast<char>(static_cast<unsigned char>(c) - kScrambleShift);
}

void Scramble(std::string& text) {
  for (char& c : text) c = static_cast<char>(static_cast<unsigned char>(c) + kScrambleShift);
}

// Letters and digits of any script (with the marks that build their letters) and the space; no
// punctuation, which the name fields never took.
bool IsNameCharacter(int ch) {
  if (ch < 0x80)
    return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') ||
           ch == ' ';
  if (ch > 0x10ffff || (ch >= 0xd800 && ch <= 0xdfff)) return false;
  const auto c = static_cast<char32_t>(ch);
  if (QChar::isLetterOrNumber(c)) return true;
  const QChar::Category category = QChar::category(c);
  return category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining;
}

}  // namespace

void TYachtWindow::Faster() {
  AnimDelay = AnimDelay > 5 ? AnimDelay - 5 : 0;
}

void TYachtWindow::Slower() {
  if (AnimDelay > 1000000000) return;  // far beyond any sensible pause; no overflow
  AnimDelay += 5;
}

void TYachtWindow::HandleChar(int ch) {
  if (game_.ComputerBusy) return;
  if (!(ScreenUp == SceneScreen::Setup && NameEditing)) {
    if (ch == '+' || ch == '=')
      Faster();
    else if (ch == '-')
      Slower();
    else
      HiddenKey(ch);
    return;
  }
  EditName(ch);
}

// A name holds the UTF-8 of its characters in eight bytes: a character that would not fit whole
// is not taken. A name the player has not typed (a default one in the player's language, or one
// written by an older game) is first put in those bytes as it is shown.
void TYachtWindow::EditName(int ch) {
  const int d = EditedName;
  if (d < 1 || d > 4) return;
  const bool erase = ch == 8 || ch == '.';
  if (!erase && !IsNameCharacter(ch)) return;
  char* name = PlayerName[d];
  int& cursor = NameCursor[d];
  std::string text(name, strnlen(name, 8));
  const std::string shown = ShownName(PlayerName[d]);
  if (shown != text) {
    text = CutUtf8(shown, 8);
    cursor = static_cast<int>(text.size()) - 1;
  }
  // The name ends where the cursor stands.
  text = CutUtf8(text, static_cast<size_t>(std::clamp(cursor + 1, 0, 8)));
  if (erase) {
    PopCharacter(text);
  } else {
    std::string typed;
    AppendUtf8(typed, static_cast<char32_t>(ch));
    if (text.size() + typed.size() > 8) return;
    text += typed;
  }
  std::memset(name, 0, 9);
  std::memcpy(name, text.data(), text.size());
  cursor = static_cast<int>(text.size()) - 1;
  DrawNameField(d);
}

void TYachtWindow::DrawNameField(int d) {
  const int x = kNameFieldX[d] + kNameInset;
  const int y = kNameFieldY[d] + kNameInset;
  const std::string text = ShownName(PlayerName[d]);
  screen_.DrawBitmap(NameBoxImage, kNameFieldX[d], kNameFieldY[d]);
  screen_.DrawText(FontId::Name, x, y, text, SetupInk);
  CaretX = x + screen_.TextWidth(FontId::Name, text);
  CaretY = y;
  NameEndX[d] = CaretX;
  NameEndY[d] = CaretY;
}

void TYachtWindow::HiddenKey(int ch) {
  if (KeyTrailLength < 0 || KeyTrailLength > 5) KeyTrailLength = 0;
  // The first four characters stay; each later one takes the fifth place.
  const int at = KeyTrailLength < 4 ? KeyTrailLength : 4;
  // A character beyond one byte stands in the trail as one that is in no code.
  KeyTrail[at] = ch < 0x100 ? static_cast<char>(ch) : '\x7f';
  KeyTrailLength = at + 1;
  KeyTrail[KeyTrailLength] = '\0';

  std::string code = HiddenCode;
  Unscramble(code);
  const bool match = code == KeyTrail;
  std::fill(code.begin(), code.end(), '\0');
  if (!match) return;
  std::string about = AboutText;
  Unscramble(about);
  about.resize(std::min(about.size(), kAboutLineLength + 1));
  host_.MessageBox(about, "", MessageIcon::None, true);
  std::fill(about.begin(), about.end(), '\0');
  for (int k = 0; k < KeyTrailLength; ++k) KeyTrail[k] = ' ';
}

void TYachtWindow::FillScrambledTexts() {
  AboutText.assign(reinterpret_cast<const char*>(kScrambledAbout), sizeof kScrambledAbout);
  HiddenCode.assign(reinterpret_cast<const char*>(kScrambledCode), sizeof kScrambledCode);
}

// The About text is plain only while its box shows. Another language's About text comes from
// its catalogue, looked up by a key that is not the English text, so that the English stays
// scrambled in the program file.
void TYachtWindow::ShowAbout() {
  //: The About box: "Ossaric 1.0 - five dice, one cup, a scroll" (first line), then "Thrown on
  //: marble, written in ink. Good luck!" (second line). Write both lines with a line break
  //: between them, and keep "Ossaric 1.0".
  const QString translated = QCoreApplication::translate("Boxes", "about-text");
  if (translated != QLatin1String("about-text")) {
    host_.MessageBox(Utf8(translated), Utf8(QCoreApplication::translate("Boxes", "About")),
                     MessageIcon::None, true);
    return;
  }
  Unscramble(AboutText);
  std::string text = AboutText;
  if (text.size() > kAboutLineLength) text[kAboutLineLength] = '\n';
  host_.MessageBox(text, Utf8(QCoreApplication::translate("Boxes", "About")), MessageIcon::None,
                   true);
  std::fill(text.begin(), text.end(), '\0');
  Scramble(AboutText);
}

// The help page in the player's language where the game has one (help/LANG/bexil.hlp beside the
// English page), else the English page.
void TYachtWindow::OpenHelp() {
  const std::string& language = CurrentLanguage();
  if (!language.empty()) {
    const std::string translated = PlaceFile(Places.dataDir, "help/" + language + "/bexil.hlp");
    std::error_code ec;
    if (std::filesystem::is_regular_file(translated, ec)) return host_.OpenHelp(translated);
  }
  host_.OpenHelp(PlaceFile(Places.dataDir, "bexil.hlp"));
}

}  // namespace ossaric
