#include "platform/surface.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <array>

namespace ossaric {

namespace {

// A font whose character cell (ascent + descent) is `cell` pixels high.
QFont MakeFont(const char* family, int cell, int weight, bool italic, bool fixed) {
  QFont font(QString::fromLatin1(family));
  font.setStyleHint(fixed ? QFont::TypeWriter : QFont::Serif);
  font.setWeight(static_cast<QFont::Weight>(weight));
  font.setItalic(italic);
  int size = cell;
  for (; size > 4; --size) {
    font.setPixelSize(size);
    if (QFontMetrics(font).height() <= cell) break;
  }
  font.setPixelSize(size);
  return font;
}

}  // namespace

struct Surface::Impl {
  QImage image;
  std::array<QFont, 3> fonts;
};

Surface::Surface(int width, int height) : impl_(std::make_unique<Impl>()) {
  impl_->image = QImage(width, height, QImage::Format_RGB32);
  impl_->image.fill(Qt::black);
  impl_->fonts[0] = MakeFont("Times New Roman", 30, 700, true, false);
  impl_->fonts[1] = MakeFont("Times New Roman", 20, 900, true, false);
  impl_->fonts[2] = MakeFont("Courier New", 16, 700, false, true);
}

Surface::~Surface() = default;

int Surface::Width() const {
  return impl_->image.width();
}
int Surface::Height() const {
  return impl_->image.height();
}

Rgb Surface::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= Width() || y >= Height()) return 0;
  return impl_->image.pixel(x, y) & 0xffffffu;
}

void Surface::SetPixel(int x, int y, Rgb colour) {
  if (x < 0 || y < 0 || x >= Width() || y >= Height()) return;
  impl_->image.setPixel(x, y, 0xff000000u | colour);
}

void Surface::DrawBitmap(const Bitmap& bmp, int x, int y, RasterOp op) {
  DrawBitmapPart(bmp, 0, 0, bmp.width, bmp.height, x, y, op);
}

void Surface::DrawBitmapPart(const Bitmap& bmp, int srcX, int srcY, int w, int h, int x, int y,
                             RasterOp op) {
  const int W = Width(), H = Height();
  for (int row = 0; row < h; ++row) {
    int sy = srcY + row, dy = y + row;
    if (sy < 0 || sy >= bmp.height || dy < 0 || dy >= H) continue;
    auto* line = reinterpret_cast<QRgb*>(impl_->image.scanLine(dy));
    for (int col = 0; col < w; ++col) {
      int sx = srcX + col, dx = x + col;
      if (sx < 0 || sx >= bmp.width || dx < 0 || dx >= W) continue;
      Rgb src = bmp.Colour(sx, sy);
      Rgb dst = line[dx] & 0xffffffu;
      Rgb out = op == RasterOp::Copy ? src : op == RasterOp::And ? (src & dst) : (src | dst);
      line[dx] = 0xff000000u | out;
    }
  }
}

void Surface::CopyOut(int x, int y, int w, int h, Offscreen& buffer) const {
  buffer.width = w;
  buffer.height = h;
  buffer.pixels.assign(static_cast<size_t>(std::max(0, w * h)), 0);
  buffer.valid.assign(buffer.pixels.size(), 0);
  for (int row = 0; row < h; ++row) {
    int sy = y + row;
    if (sy < 0 || sy >= Height()) continue;
    const auto* line = reinterpret_cast<const QRgb*>(impl_->image.constScanLine(sy));
    for (int col = 0; col < w; ++col) {
      int sx = x + col;
      if (sx < 0 || sx >= Width()) continue;
      buffer.pixels[static_cast<size_t>(row) * w + col] = line[sx] & 0xffffffu;
      buffer.valid[static_cast<size_t>(row) * w + col] = 1;
    }
  }
}

void Surface::CopyIn(const Offscreen& buffer, int x, int y) {
  for (int row = 0; row < buffer.height; ++row) {
    int dy = y + row;
    if (dy < 0 || dy >= Height()) continue;
    auto* line = reinterpret_cast<QRgb*>(impl_->image.scanLine(dy));
    for (int col = 0; col < buffer.width; ++col) {
      int dx = x + col;
      if (dx < 0 || dx >= Width()) continue;
      size_t i = static_cast<size_t>(row) * buffer.width + col;
      if (!buffer.valid[i]) continue;
      line[dx] = 0xff000000u | buffer.pixels[i];
    }
  }
}

void Surface::FillEllipse(int left, int top, int right, int bottom, Rgb pen, Rgb brush) {
  QPainter p(&impl_->image);
  p.setPen(QColor::fromRgb(0xff000000u | pen));
  p.setBrush(QColor::fromRgb(0xff000000u | brush));
  p.drawEllipse(QRect(left, top, right - left - 1, bottom - top - 1));
}

void Surface::FillRect(int left, int top, int right, int bottom, Rgb colour) {
  QPainter p(&impl_->image);
  p.fillRect(QRect(left, top, right - left, bottom - top), QColor::fromRgb(0xff000000u | colour));
}

void Surface::DrawText(FontId font, int x, int y, const std::string& text, Rgb colour) {
  QPainter p(&impl_->image);
  const QFont& f = impl_->fonts[static_cast<int>(font)];
  p.setFont(f);
  p.setPen(QColor::fromRgb(0xff000000u | colour));
  p.drawText(x, y + QFontMetrics(f).ascent(), QString::fromLatin1(text.c_str()));
}

int Surface::TextWidth(FontId font, const std::string& text) const {
  return QFontMetrics(impl_->fonts[static_cast<int>(font)])
      .horizontalAdvance(QString::fromLatin1(text.c_str()));
}

bool Surface::SavePng(const std::string& path) const {
  return impl_->image.save(QString::fromStdString(path), "PNG");
}

const uint32_t* Surface::Data() const {
  return reinterpret_cast<const uint32_t*>(impl_->image.constBits());
}

}  // namespace ossaric
