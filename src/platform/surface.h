// The 632 x 434 client-area framebuffer and the drawing operations on it. Everything the game
// draws lands here first; the host copies it to the screen.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/bitmap.h"

namespace ossaric {

enum class FontId { Sheet, Setup, Name };
enum class RasterOp { Copy, And, Or };

// A save-under buffer: a rectangle of pixels copied out of the surface and back again.
// A rectangle of the surface: left, top, width, height.
struct DirtyRect {
  int x = 0, y = 0, w = 0, h = 0;
};

struct Offscreen {
  int width = 0;
  int height = 0;
  std::vector<Rgb> pixels;     // rows top-down
  std::vector<uint8_t> valid;  // 0 where the pixel lay outside the surface when copied out
};

// A text as it was drawn, for the tests that check every text keeps to its place: where it was
// asked for, the box its ink covers and the clip it was drawn through (left, top, right, bottom,
// right and bottom excluded).
struct DrawnText {
  FontId font = FontId::Sheet;
  int x = 0, y = 0;
  std::string text;
  int inkLeft = 0, inkTop = 0, inkRight = 0, inkBottom = 0;
  int clipLeft = 0, clipTop = 0, clipRight = 0, clipBottom = 0;
};

class Surface {
 public:
  Surface(int width = 632, int height = 434);
  ~Surface();
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;

  int Width() const;
  int Height() const;
  Rgb Pixel(int x, int y) const;  // 0 outside
  void SetPixel(int x, int y, Rgb colour);

  // Draw a picture (or part of it) through its colour table, combining with the surface.
  void DrawBitmap(const Bitmap& bmp, int x, int y, RasterOp op = RasterOp::Copy);
  void DrawBitmapPart(const Bitmap& bmp, int srcX, int srcY, int w, int h, int x, int y,
                      RasterOp op = RasterOp::Copy);

  // Save-under copies, clipped to the surface.
  void CopyOut(int x, int y, int w, int h, Offscreen& buffer) const;
  void CopyIn(const Offscreen& buffer, int x, int y);

  // Filled shapes: left, top, right, bottom with right and bottom excluded. An ellipse's outline
  // is one pixel of `pen`, its inside `brush`.
  void FillEllipse(int left, int top, int right, int bottom, Rgb pen, Rgb brush);
  void FillRect(int left, int top, int right, int bottom, Rgb colour);

  // Transparent text with the top-left of its first character cell at (x, y), drawn in solid
  // ink without smoothing, so that writing the same text twice gives the same pixels.
  void DrawText(FontId font, int x, int y, const std::string& text, Rgb colour);
  // The same, with nothing drawn outside the rectangle (left, top, width, height): for texts
  // whose strip is later erased, so that no leaning serif outlives the erase.
  void DrawText(FontId font, int x, int y, const std::string& text, Rgb colour, int clipX,
                int clipY, int clipW, int clipH);
  int TextWidth(FontId font, const std::string& text) const;
  // Every text drawn from now on is added to `*sink`; nullptr stops the record.
  void RecordTexts(std::vector<DrawnText>* sink);
  // Height of the font's character cell: 30, 20 and 16 pixels.
  int CellHeight(FontId font) const;
  // Height of the font's cell above its baseline.
  int Ascent(FontId font) const;

  bool SavePng(const std::string& path) const;

  // For the hosts: the pixels as 32-bit 0xffRRGGBB, rows top-down, `Width()` per row.
  const uint32_t* Data() const;
  // The rectangles drawn on since the last call, clipped to the surface (a frame that changed
  // in many places comes back as one rectangle around them all); the record starts afresh.
  std::vector<DirtyRect> TakeDirty();
  bool HasDirty() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace ossaric
