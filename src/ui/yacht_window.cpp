// Construction, the event table and the orderly close of the main window.
#include "ui/yacht_window.h"

#include <QFile>
#include <QtGlobal>
#include <algorithm>
#include <cstring>
#include <ctime>
#include <utility>

#include "platform/languages.h"
#include "ui/words.h"

namespace ossaric {

namespace {

template <class Player>
std::unique_ptr<TComputerSeat> Make(TYachtGame& game) {
  return std::make_unique<Player>(game);
}

// In menu order; the first, the classic rule lists, is the default (and the tests' Computer()).
const TOpponent kOpponents[] = {
    {QT_TRANSLATE_NOOP("Menu", "C&lassic Computer"), Make<TComputerPlayer>},
    {QT_TRANSLATE_NOOP("Menu", "&Expert Computer"), Make<TExpertPlayer>},
};

}  // namespace

std::span<const TOpponent> Opponents() {
  return kOpponents;
}

TYachtWindow::TYachtWindow(Host& host, SoundDevice& sound, Random& random, GamePlaces places)
    : host_(host),
      sound_(sound),
      random_(random),
      game_(*this, random),
      review_(game_),
      effects_(sound),
      playlist_(sound, places.musicDirs) {
  Places = std::move(places);
  for (const TOpponent& opponent : kOpponents) opponents_.push_back(opponent.make(game_));
  game_.SetComputer(this);
  game_.SetWatcher(&review_);
  // The frame and the music device come from the host, built before the window.
  // The host places the window at the screen's top-left with a 632 x 434 client area.
  random_.Seed(static_cast<uint32_t>(std::time(nullptr)));
  // The three fonts live in the surface, made with it.
  LocateTopTenFile();
  LoadTopTen();
  KeyTrailLength = 0;
  FillScrambledTexts();
  // The language the player chose in the menu, if any, before the pictures with words load.
  choices_.SetPath(PlaceFile(Places.configDir, "ossaric.conf"));
  const QString language = QString::fromStdString(choices_.Read("Language", std::string()));
  if (ChoosableLanguages().contains(language)) InstallTranslators(CatalogueOf(language));
  CheckLanguage();
  // The four cursors are the host's, loaded from the program's resources.
  LoadPictures();
  SetDefaultNames();
  effects_.LoadEffects(Places.dataDir);
  FillHints();
  ChooseOpening();
  choices_.RemoveLeftovers();
  // The key keeps its first name; its number is the opponent's place in the menu.
  ChooseOpponent(static_cast<size_t>(std::max(0, choices_.Read("Computer/Expert", 0))), false);
}

TYachtWindow::~TYachtWindow() = default;

// A mouse press hides the keyboard's ring; the focus stays on what was pressed.
void TYachtWindow::EvLeftButtonDown(int x, int y) {
  if (closed_) return;
  const Target pressed = TargetAt(x, y);
  if (pressed.kind != TargetKind::None && !game_.ComputerBusy) focus_ = pressed;
  HideFocusRing();
  ClearAdviceMarks();  // a hint's marks last until the next action
  HandleClick(x, y);
  RefreshFocus();
}

void TYachtWindow::EvPress(Target target) {
  if (closed_) return;
  ClearAdviceMarks();
  EndNameEditing();
  if (game_.ComputerBusy) return;
  if (TakesPress(target)) focus_ = target;
  Press(target);
  RefreshFocus();
}

void TYachtWindow::EvPaint() {
  adviceMarks_.clear();  // the repaint draws over them
  PaintScreen();
  RefreshFocus();
}

void TYachtWindow::EvChar(int ch) {
  if (closed_) return;
  ClearAdviceMarks();
  HandleChar(ch);
}

void TYachtWindow::EvTimer(int id) {
  if (closed_) return;
  if (id == 1) BlinkNameCaret();
}

void TYachtWindow::EvCommand(int id) {
  if (closed_) return;
  ClearAdviceMarks();
  switch (id) {
    case kCmdHint:
      ShowBestMove();
      break;
    case kCmdReview:
      ShowReview();
      break;
    case kCmdRestartGame:
      RestartGame();
      break;
    case kCmdNewGame:
      NewGame();
      break;
    case kCmdUndo:
      Undo();
      break;
    case kCmdFaster:
      Faster();
      break;
    case kCmdSlower:
      Slower();
      break;
    case kCmdMusicOn:
      SetMusicOn();
      break;
    case kCmdMusicOff:
      SetMusicOff();
      break;
    case kCmdSoundOn:
      SetSoundOn();
      break;
    case kCmdSoundOff:
      SetSoundOff();
      break;
    case kCmdCurrentTotals:
      ShowCurrentTotals();
      break;
    case kCmdTopTen:
      TopTenCommand();
      break;
    case kCmdClearTopTen:
      ClearTopTen();
      break;
    case kCmdQuit:
      CloseDown();
      break;
    case kCmdHelp:
      OpenHelp();
      break;
    case kCmdAbout:
      ShowAbout();
      break;
    default:
      if (id >= kCmdClassicComputer && id - kCmdClassicComputer < std::ssize(opponents_))
        ChooseOpponent(static_cast<size_t>(id - kCmdClassicComputer));
      else if (id == kCmdDesktopLanguage)
        SetLanguage("");
      else if (id >= kCmdFirstLanguage && id - kCmdFirstLanguage < ChoosableLanguages().size())
        SetLanguage(ChoosableLanguages()[id - kCmdFirstLanguage].toStdString());
      break;
  }
  RefreshFocus();
}

void TYachtWindow::RestartGame() {
  if (ScreenUp == SceneScreen::Setup) return;
  ResetTotalsPlayer();
  ScreenUp = SceneScreen::Board;
  game_.BeginGame();
}

void TYachtWindow::NewGame() {
  ResetTotalsPlayer();
  ShowSetupScreen();
}

void TYachtWindow::Undo() {
  if (ScreenUp != SceneScreen::Board) return;
  const TGameState before = game_;
  game_.Undo();
  TellUndo(before);
}

void TYachtWindow::ChooseOpponent(size_t k, bool save) {
  opponent_ = k < opponents_.size() ? k : 0;
  for (size_t n = 0; n < opponents_.size(); ++n)
    host_.CheckMenuItem(kCmdClassicComputer + static_cast<int>(n), n == opponent_);
  ChoicesProblem problem;
  if (!save || choices_.Write("Computer/Expert", static_cast<int>(opponent_), &problem)) return;
  TellChoiceProblem(
      Utf8(QCoreApplication::translate(
          "Boxes",
          "The choice of computer could not be saved to %1: %2; it holds until you quit.")),
      problem);
}

// Told once a run: the choice holds all the same.
void TYachtWindow::TellChoiceProblem(const std::string& sentence, const ChoicesProblem& problem) {
  if (choiceProblemTold_ || problem.file.empty()) return;
  choiceProblemTold_ = true;
  host_.MessageBox(Utf8(QString::fromStdString(sentence).arg(
                       QFile::decodeName(QByteArray::fromStdString(problem.file)),
                       QString::fromStdString(problem.reason))),
                   Utf8(QCoreApplication::translate("Boxes", "ERROR")), MessageIcon::Exclamation,
                   true);
}

// A language chosen in the menu speaks at once and is kept; "" follows the desktop again.
void TYachtWindow::SetLanguage(const std::string& language) {
  InstallTranslators(language.empty() ? QString() : CatalogueOf(QString::fromStdString(language)));
  ChoicesProblem problem;
  if (!choices_.Write("Language", language, &problem))
    TellChoiceProblem(
        Utf8(QCoreApplication::translate(
            "Boxes",
            "The choice of language could not be saved to %1: %2; it holds until you quit.")),
        problem);
  CheckLanguage();
  NextPlayerImage = LoadWordedBitmap("BITMAP_4", 50, 50);
  SetupImage = LoadWordedBitmap("BITMAP_14", 345, 415);
  if (!closed_) PaintScreen();
}

void TYachtWindow::CheckLanguage() {
  const QString chosen = QString::fromStdString(choices_.Read("Language", std::string()));
  const QStringList languages = ChoosableLanguages();
  host_.CheckMenuItem(kCmdDesktopLanguage, !languages.contains(chosen));
  for (int k = 0; k < languages.size(); ++k)
    host_.CheckMenuItem(kCmdFirstLanguage + k, languages[k] == chosen);
}

void TYachtWindow::ResetTotalsPlayer() {
  TotalsPlayer = game_.PlayerCount != 0 ? 1 : 0;
}

void TYachtWindow::SetDefaultNames() {
  for (int n = 1; n <= 4; ++n) SetDefaultName(n, PlayerName[n]);
}

void TYachtWindow::CloseDown() {
  if (closed_) return;
  closed_ = true;
  WriteSettings();
  sound_.MidiCloseAll();
  // Fonts, pictures, buffers and cursors are released with the window and its host.
  host_.CloseHelp();
  effects_.StopEffects();
  effects_.ReleaseEffects();
}

}  // namespace ossaric
