// The Audio menu switches music and effects on and off; the window starts the next piece when
// the last one ends and reports a piece that cannot be played.
#include "ui/words.h"
#include "ui/yacht_window.h"

namespace ossaric {

void TYachtWindow::AdvancePlaylist() {
  if (MusicOn == 0 || closed_) return;
  const int error = playlist_.AdvancePlaylist();
  if (error != kMidiOk) ReportMciError(error);
}

void TYachtWindow::PlayEffect(Effect e, bool wait) {
  if (closed_) return;
  effects_.PlayEffect(e, wait);
}

void TYachtWindow::ReportMciError(int code) {
  host_.MessageBox(playlist_.ErrorText(code),
                   Utf8(QCoreApplication::translate("Boxes", "MCI Error")),
                   MessageIcon::Exclamation, true);
}

void TYachtWindow::SetAudioCheckMarks() {
  host_.CheckMenuItem(kCmdSoundOn, SoundOn != 0);
  host_.CheckMenuItem(kCmdSoundOff, SoundOn == 0);
  host_.CheckMenuItem(kCmdMusicOn, MusicOn != 0);
  host_.CheckMenuItem(kCmdMusicOff, MusicOn == 0);
  host_.DrawMenuBar();
}

void TYachtWindow::SetMusicOn() {
  MusicOn = 1;
  SetAudioCheckMarks();
  playlist_.Restart();
  AdvancePlaylist();
}

void TYachtWindow::SetMusicOff() {
  // Cleared before the close, so a notice the close might bring starts nothing.
  MusicOn = 0;
  SetAudioCheckMarks();
  playlist_.Stop();
}

void TYachtWindow::SetSoundOn() {
  SoundOn = 1;
  SetAudioCheckMarks();
}

void TYachtWindow::SetSoundOff() {
  SoundOn = 0;
  SetAudioCheckMarks();
}

}  // namespace ossaric
