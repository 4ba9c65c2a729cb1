// The choices the settings file keeps, as the window takes them over at start and hands them
// back at the close, and how the program opens.
#include "persist/settings.h"

#include <QFile>
#include <cstdio>
#include <cstring>
#include <string>

#include "ui/words.h"
#include "ui/yacht_window.h"

namespace ossaric {

// Reads the record and takes over its choices. False when there is no usable file: then nothing
// is changed. A file that may be read but not written is read all the same.
// Without a settings file of its own the game takes over the one an older start left in its
// directory, once: the next close writes the game's own.
bool TYachtWindow::ReadSettings() {
  TSettings s;
  if (!ReadSettingsFile(Places, s, SettingsRecord)) return false;
  game_.PlayerCount = s.PlayerCount;
  for (int n = 1; n <= 4; ++n) std::memcpy(PlayerName[n], s.PlayerName[n], 9);
  HintIndex = s.HintIndex;
  MusicOn = s.MusicOn;
  SoundOn = s.SoundOn;
  AnimDelay = s.AnimDelay;
  return true;
}

// Fills the record from the game state and replaces the file with it. A failure is told in a box
// (none while the program ends on a signal) and in one line on standard error.
void TYachtWindow::WriteSettings() {
  TSettings s;
  s.PlayerCount = game_.PlayerCount;
  for (int n = 1; n <= 4; ++n) std::memcpy(s.PlayerName[n], PlayerName[n], 9);
  s.HintIndex = HintIndex;
  s.MusicOn = MusicOn;
  s.SoundOn = SoundOn;
  s.AnimDelay = AnimDelay;
  SettingsRecord = EncodeSettings(s);
  std::string path;
  int error = 0;
  std::string reason;
  if (WriteSettingsFile(Places, SettingsRecord, path, error, reason)) return;
  const QString problem =
      QCoreApplication::translate("Boxes", "the settings could not be saved to %1: %2")
          .arg(QString::fromStdString(path), QString::fromLocal8Bit(std::strerror(error)));
  std::fprintf(stderr, "ossaric: %s\n", problem.toLocal8Bit().constData());
  host_.MessageBox(
      Utf8(QCoreApplication::translate("Boxes", "Your settings could not be saved to %1: %2.")
               .arg(QFile::decodeName(QByteArray::fromStdString(path)),
                    QString::fromStdString(reason))),
      Utf8(QCoreApplication::translate("Boxes", "ERROR")), MessageIcon::Exclamation, true);
}

// How the program opens: on the setup screen the first time, else on the tips panel or, with
// tips switched off, straight on a game.
void TYachtWindow::ChooseOpening() {
  if (!ReadSettings()) {
    game_.PlayerCount = 1;
    HintIndex = 0;
    ScreenUp = SceneScreen::Setup;
    return;
  }
  ScreenUp = SceneScreen::Board;
  ResetTotalsPlayer();
  if (HintIndex < 0) {
    game_.ResetGame(false);
    game_.GameActive = 1;
  } else {
    ScreenUp = SceneScreen::Hints;
  }
}

}  // namespace ossaric
