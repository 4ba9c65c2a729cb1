#include "ui/yacht_window.h"

namespace ossaric {

void TYachtWindow::LoadPictures() {}
void TYachtWindow::BuildSharedPalette() {}
void TYachtWindow::PaintScreen() {}
void TYachtWindow::UpdateCursor(int, int) {}
void TYachtWindow::DrawMasked(const Bitmap&, const Bitmap&, int, int) {}
void TYachtWindow::DrawCupAtHome() {}
void TYachtWindow::DrawCategoryLabels() {}

}  // namespace ossaric
