#include "ui/yacht_window.h"

namespace ossaric {

void TYachtWindow::DrawScoreColumn(bool) {}
void TYachtWindow::DrawTotalLine(bool) {}
void TYachtWindow::DrawNewScore(int, int) {}

}  // namespace ossaric
