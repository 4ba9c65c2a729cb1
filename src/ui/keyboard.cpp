#include "ui/yacht_window.h"

namespace ossaric {

void TYachtWindow::Faster() {
  AnimDelay -= 5;
  if (AnimDelay < 0) AnimDelay = 0;
}

void TYachtWindow::Slower() {
  AnimDelay += 5;
}

void TYachtWindow::HandleChar(int ch) {
  if (ComputerBusy) return;
  if (!(SetupShown && NameEditing)) {
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

void TYachtWindow::EditName(int) {}
void TYachtWindow::HiddenKey(int) {}
void TYachtWindow::FillScrambledTexts() {}
void TYachtWindow::ShowAbout() {}
void TYachtWindow::OpenHelp() {
  host_.OpenHelp("bexil.hlp");
}

}  // namespace ossaric
