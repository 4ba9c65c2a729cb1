#include "ui/yacht_window.h"

namespace ossaric {

void TYachtWindow::AdvancePlaylist() {}
void TYachtWindow::ReportMciError(int) {}

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
  MusicRestart = 1;
  AdvancePlaylist();
}

void TYachtWindow::SetMusicOff() {
  MusicOn = 0;
  SetAudioCheckMarks();
  sound_.MidiCloseAll();
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
