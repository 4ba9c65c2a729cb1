// The window's side of what the game shows: notices through the host, the table's sounds
// through the effects (only while sound effects are on), the pointer, and the few redraws that
// are not drawing operations of their own.
#include "ui/words.h"
#include "ui/yacht_window.h"

namespace ossaric {

void TYachtWindow::ShowNotice(Notice notice) {
  const NoticeWords words = NoticeText(notice);
  host_.MessageBox(words.text, words.caption, MessageIcon::None, true);
}

std::string TYachtWindow::ComputerName() {
  //: The computer's column: on the sheet, in the panels and in the Game Over box.
  return Utf8(QCoreApplication::translate("Sheet", "Computer"));
}

void TYachtWindow::PlaySound(GameSound sound, bool wait) {
  if (SoundOn) PlayEffect(static_cast<Effect>(sound), wait);
}

void TYachtWindow::StopSounds() {
  effects_.StopEffects();
}

void TYachtWindow::PauseAfterPen() {
  if (SoundOn) Delay(1000);
}

void TYachtWindow::ShowPointer(GamePointer pointer) {
  switch (pointer) {
    case GamePointer::Roll:
      return host_.SetCursor(CursorId::Roll);
    case GamePointer::Next:
      return host_.SetCursor(CursorId::Next);
    case GamePointer::Wait:
      return host_.SetCursor(CursorId::Wait);
    case GamePointer::Arrow:
      return host_.SetCursor(CursorId::Arrow);
  }
}

void TYachtWindow::Repaint() {
  host_.Invalidate();
}

void TYachtWindow::ClearCupAtHome() {
  screen_.CopyIn(CupUnder, kCupX, kCupY);
  DrawCupAtHome();
}

void TYachtWindow::PlayComputerTurn() {
  host_.AcceptPlayerInput(false);
  opponents_[opponent_]->PlayComputerTurn();
  host_.AcceptPlayerInput(true);
}

}  // namespace ossaric
