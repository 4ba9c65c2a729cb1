// 8-bit pictures with a colour table, as the program's resources hold them.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace ossaric {

using Rgb = uint32_t;  // 0x00RRGGBB
constexpr Rgb MakeRgb(int r, int g, int b) {
  return (static_cast<Rgb>(r & 255) << 16) | (static_cast<Rgb>(g & 255) << 8) |
         static_cast<Rgb>(b & 255);
}

struct Bitmap {
  int width = 0;
  int height = 0;
  std::array<Rgb, 256> colours{};  // the colour table (unused entries black)
  std::vector<uint8_t> pixels;     // colour indices, rows top-down, width * height

  bool Empty() const { return width <= 0 || height <= 0; }
  uint8_t Index(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
  Rgb Colour(int x, int y) const { return colours[Index(x, y)]; }
};

// Reads a Windows 8-bit bitmap file (uncompressed or RLE8). False on anything malformed; never
// reads outside `bytes`.
bool DecodeBmp(const std::vector<uint8_t>& bytes, Bitmap& out);
// Writes an 8-bit bitmap file, uncompressed or RLE8, bottom-up as bitmap files are.
std::vector<uint8_t> EncodeBmp(const Bitmap& bmp, bool rle);

// A picture compiled into the program, by resource name ("BITMAP_12"). When the resource is
// missing a plain stand-in of the given size is returned, so that drawing still works.
Bitmap LoadResourceBitmap(const std::string& name, int width, int height);
// True when the program holds the picture `name`.
bool HasResourceBitmap(const std::string& name);

// Replaces every entry of the picture's colour table by the nearest colour of `palette`.
void ConvertToPalette(Bitmap& bmp, const std::array<Rgb, 256>& palette);
// Index of the palette colour nearest to `colour`.
int NearestIndex(const std::array<Rgb, 256>& palette, Rgb colour);

}  // namespace ossaric
