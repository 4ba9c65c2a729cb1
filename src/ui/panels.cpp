#include "ui/yacht_window.h"

namespace ossaric {

void TYachtWindow::FillHints() {}
void TYachtWindow::ShowCurrentTotals() {}
void TYachtWindow::DrawTotals() {}
void TYachtWindow::DrawHints() {}
void TYachtWindow::RestorePanelRect() {}

}  // namespace ossaric
