// Colour tables for the 8-bit pictures: a weighted median cut refined by a few k-means passes,
// with a list of colours that must be present exactly (inks, black, white).
#pragma once

#include <QImage>
#include <array>
#include <vector>

#include "platform/bitmap.h"

namespace artgen {

using Table = std::array<ossaric::Rgb, 256>;

// One table for all `images` together. Pixels with alpha below 128 are not counted. Entry 0 is
// black and entry 255 white; every colour of `fixed` appears exactly.
Table BuildTable(const std::vector<QImage>& images, const std::vector<ossaric::Rgb>& fixed);

// Nearest entry by squared distance, as the program converts colours.
int Nearest(const Table& table, ossaric::Rgb colour);

// The picture as colour indices. With `object`, pixels of alpha below 128 become black (index
// of black) and every other pixel takes the nearest entry that is not black, so the object never
// shows a hole.
ossaric::Bitmap Index(const QImage& image, const Table& table, bool object = false);

// Black where the image's alpha is 128 or more, white elsewhere.
ossaric::Bitmap MaskOf(const QImage& image);

ossaric::Rgb ToRgb(QRgb p);

}  // namespace artgen
