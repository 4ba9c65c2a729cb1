// The painters of every picture. Each returns a 32-bit image: opaque for scenes, with alpha for
// objects (alpha marks where the object is) and cursors.
#pragma once

#include <QImage>

namespace artgen {

// Where the scroll lies on the scene (client pixels).
constexpr int kSheetLeft = 281, kSheetRight = 621;  // sheet body, right edge excluded
constexpr int kTopRollY = 11, kBottomRollY = 423, kRollRadius = 10;
constexpr int kRollLeft = 273, kRollRight = 629;

QImage PaintMarble(int width, int height, int offsetX, int offsetY);
QImage PaintScene();  // BITMAP_12, 632 x 434

QImage PaintDie();         // 50 x 50, alpha = die shape
QImage PaintCup();         // 100 x 150, alpha = goblet shape
QImage PaintNextButton();  // 50 x 50

struct SetupPieces {
  QImage box, greyBox, dotLarge, dotMedium, dotSmall, nameBox, greyNameBox, tick;
};
SetupPieces PaintSetupPieces();
// The setup screen: the scene's scroll at (275, 8) with the setup screen's own drawing.
QImage PaintSetup(const QImage& scene, const SetupPieces& pieces);

QImage PaintCursor(int number);   // 1..4, 32 x 32 with alpha
QImage PaintIcon(int size = 32);  // size x size with alpha; 32 is the window's icon

}  // namespace artgen
