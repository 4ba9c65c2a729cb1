#include "platform/surface.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

namespace ossaric {

namespace {

// A font whose character cell (ascent + descent) is `cell` pixels high: the largest pixel size
// whose cell is exactly that high, or failing that the largest whose cell still fits. A cell
// grows with the size, so that is the largest size whose cell fits at all; the search starts
// from the size the cell at `cell` pixels suggests, as each size asked for loads the face anew.
QFont MakeFont(const char* family, int cell, int weight, bool italic, bool fixed) {
  QFont font(QString::fromLatin1(family));
  font.setStyleHint(fixed ? QFont::TypeWriter : QFont::Serif,
                    QFont::StyleStrategy(QFont::NoAntialias | QFont::PreferQuality));
  font.setFixedPitch(fixed);
  font.setWeight(static_cast<QFont::Weight>(weight));
  font.setItalic(italic);
  font.setKerning(false);
  constexpr int kSmallest = 5;
  auto fits = [&](int size) {
    font.setPixelSize(size);
    return QFontMetrics(font).height() <= cell;
  };
  int size = cell;
  font.setPixelSize(cell);
  const int tall = QFontMetrics(font).height();
  if (tall > cell) {
    size = std::clamp(cell * cell / std::max(tall, 1), kSmallest, cell - 1);
    if (fits(size)) {
      while (size + 1 < cell && fits(size + 1)) ++size;
    } else {
      while (size > kSmallest && !fits(size)) --size;
      if (!fits(size)) size = cell;  // no size fits: the cell's own
    }
  }
  font.setPixelSize(size);
  return font;
}

// The part [from, from + length) of [0, limit) as a half-open range; empty when they miss.
// Computed in 64 bits so that wild coordinates cannot overflow.
struct Span {
  int first = 0;  // offset into the requested range
  int count = 0;
};
Span Clip(long long from, long long length, long long limit) {
  long long lo = std::max<long long>(from, 0);
  long long hi = std::min<long long>(from + length, limit);
  if (length <= 0 || hi <= lo) return {};
  return {static_cast<int>(lo - from), static_cast<int>(hi - lo)};
}

constexpr uint32_t kOpaque = 0xff000000u;
// More separate rectangles than this in one frame are merged into one around them all.
constexpr size_t kMaxDirty = 24;

}  // namespace

struct Surface::Impl {
  QImage image;
  std::array<QFont, 3> fonts;
  // The same faces a size smaller, for Chinese and Japanese: their glyphs fill the whole em,
  // where Latin ones leave room above and below, and would run into the next line.
  std::array<QFont, 3> wideFonts;

  // Upright faces for Arabic: its letters lose their joins when slanted.
  std::array<QFont, 3> arabicFonts;

  const QFont& FontFor(int f, const QString& text) const {
    for (const QChar c : text) {
      if (c.unicode() >= 0x2e80) return wideFonts[f];
      if ((c.unicode() >= 0x0600 && c.unicode() < 0x0780) ||
          (c.unicode() >= 0xfb50 && c.unicode() < 0xff00))
        return arabicFonts[f];
    }
    return fonts[f];
  }
  std::array<int, 3> ascent{};
  std::vector<DirtyRect> dirty;
  std::vector<DrawnText>* texts = nullptr;

  // Records that (x, y, w, h) may have changed; coordinates outside the surface are clipped.
  void Mark(long long x, long long y, long long w, long long h) {
    const Span cols = Clip(x, w, image.width());
    const Span rows = Clip(y, h, image.height());
    if (cols.count == 0 || rows.count == 0) return;
    DirtyRect r{static_cast<int>(x + cols.first), static_cast<int>(y + rows.first), cols.count,
                rows.count};
    for (DirtyRect& d : dirty) {
      if (r.x >= d.x && r.y >= d.y && r.x + r.w <= d.x + d.w && r.y + r.h <= d.y + d.h) return;
      if (d.x >= r.x && d.y >= r.y && d.x + d.w <= r.x + r.w && d.y + d.h <= r.y + r.h) {
        d = r;
        return;
      }
    }
    if (dirty.size() < kMaxDirty) {
      dirty.push_back(r);
      return;
    }
    for (const DirtyRect& d : dirty) {
      const int right = std::max(r.x + r.w, d.x + d.w), bottom = std::max(r.y + r.h, d.y + d.h);
      r.x = std::min(r.x, d.x);
      r.y = std::min(r.y, d.y);
      r.w = right - r.x;
      r.h = bottom - r.y;
    }
    dirty.assign(1, r);
  }
};

Surface::Surface(int width, int height) : impl_(std::make_unique<Impl>()) {
  impl_->image = QImage(width, height, QImage::Format_RGB32);
  impl_->image.fill(Qt::black);
  impl_->fonts[0] = MakeFont("Times New Roman", 30, 700, true, false);
  impl_->fonts[1] = MakeFont("Times New Roman", 20, 900, true, false);
  impl_->fonts[2] = MakeFont("Courier New", 16, 700, false, true);
  for (int f = 0; f < 3; ++f) {
    impl_->ascent[f] = QFontMetrics(impl_->fonts[f]).ascent();
    impl_->wideFonts[f] = impl_->fonts[f];
    impl_->wideFonts[f].setPixelSize(impl_->fonts[f].pixelSize() * 4 / 5);
    impl_->arabicFonts[f] = impl_->fonts[f];
    impl_->arabicFonts[f].setFamilies({QStringLiteral("DejaVu Sans")});
    impl_->arabicFonts[f].setItalic(false);
    impl_->arabicFonts[f].setPixelSize(impl_->fonts[f].pixelSize() * 4 / 5);
  }
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
  return reinterpret_cast<const QRgb*>(impl_->image.constScanLine(y))[x] & 0xffffffu;
}

void Surface::SetPixel(int x, int y, Rgb colour) {
  if (x < 0 || y < 0 || x >= Width() || y >= Height()) return;
  reinterpret_cast<QRgb*>(impl_->image.scanLine(y))[x] = kOpaque | colour;
  impl_->Mark(x, y, 1, 1);
}

void Surface::DrawBitmap(const Bitmap& bmp, int x, int y, RasterOp op) {
  DrawBitmapPart(bmp, 0, 0, bmp.width, bmp.height, x, y, op);
}

void Surface::DrawBitmapPart(const Bitmap& bmp, int srcX, int srcY, int w, int h, int x, int y,
                             RasterOp op) {
  if (bmp.Empty() || bmp.pixels.size() < static_cast<size_t>(bmp.width) * bmp.height) return;
  // The part must lie inside the picture and on the surface: clip against both.
  Span cols = Clip(srcX, w, bmp.width);
  Span rows = Clip(srcY, h, bmp.height);
  if (cols.count == 0 || rows.count == 0) return;
  const long long left = static_cast<long long>(x) + cols.first;
  const long long top = static_cast<long long>(y) + rows.first;
  Span dc = Clip(left, cols.count, Width());
  Span dr = Clip(top, rows.count, Height());
  if (dc.count == 0 || dr.count == 0) return;
  const int sx0 = srcX + cols.first + dc.first;
  const int dx0 = static_cast<int>(left + dc.first);
  impl_->Mark(dx0, top + dr.first, dc.count, dr.count);
  for (int r = 0; r < dr.count; ++r) {
    const int sy = srcY + rows.first + dr.first + r;
    const int dy = static_cast<int>(top + dr.first + r);
    const uint8_t* src = &bmp.pixels[static_cast<size_t>(sy) * bmp.width + sx0];
    auto* dst = reinterpret_cast<QRgb*>(impl_->image.scanLine(dy)) + dx0;
    const Rgb* table = bmp.colours.data();
    switch (op) {
      case RasterOp::Copy:
        for (int c = 0; c < dc.count; ++c) dst[c] = kOpaque | table[src[c]];
        break;
      case RasterOp::And:
        for (int c = 0; c < dc.count; ++c) dst[c] = kOpaque | (dst[c] & table[src[c]]);
        break;
      case RasterOp::Or:
        for (int c = 0; c < dc.count; ++c)
          dst[c] = kOpaque | ((dst[c] | table[src[c]]) & 0xffffffu);
        break;
    }
  }
}

void Surface::CopyOut(int x, int y, int w, int h, Offscreen& buffer) const {
  w = std::max(0, w);
  h = std::max(0, h);
  buffer.width = w;
  buffer.height = h;
  const size_t size = static_cast<size_t>(w) * h;
  buffer.pixels.assign(size, 0);
  buffer.valid.assign(size, 0);
  Span cols = Clip(x, w, Width());
  Span rows = Clip(y, h, Height());
  for (int r = rows.first; r < rows.first + rows.count; ++r) {
    const auto* line = reinterpret_cast<const QRgb*>(impl_->image.constScanLine(y + r));
    Rgb* out = &buffer.pixels[static_cast<size_t>(r) * w];
    uint8_t* ok = &buffer.valid[static_cast<size_t>(r) * w];
    for (int c = cols.first; c < cols.first + cols.count; ++c) {
      out[c] = line[x + c] & 0xffffffu;
      ok[c] = 1;
    }
  }
}

void Surface::CopyIn(const Offscreen& buffer, int x, int y) {
  const size_t size = static_cast<size_t>(std::max(0, buffer.width)) * std::max(0, buffer.height);
  if (size == 0 || buffer.pixels.size() < size || buffer.valid.size() < size) return;
  Span cols = Clip(x, buffer.width, Width());
  Span rows = Clip(y, buffer.height, Height());
  impl_->Mark(static_cast<long long>(x) + cols.first, static_cast<long long>(y) + rows.first,
              cols.count, rows.count);
  for (int r = rows.first; r < rows.first + rows.count; ++r) {
    auto* line = reinterpret_cast<QRgb*>(impl_->image.scanLine(y + r));
    const Rgb* in = &buffer.pixels[static_cast<size_t>(r) * buffer.width];
    const uint8_t* ok = &buffer.valid[static_cast<size_t>(r) * buffer.width];
    for (int c = cols.first; c < cols.first + cols.count; ++c)
      if (ok[c]) line[x + c] = kOpaque | in[c];
  }
}

// The ellipse inscribed in the box: a pixel belongs to it when its centre lies inside. For an
// 8 x 8 box that gives rows of 4, 6, 8, 8, 8, 8, 6 and 4 pixels, for 4 x 4 rows of 2, 4, 4, 2.
// Pixels of the shape with a side neighbour outside it form the 1-pixel outline in `pen`.
void Surface::FillEllipse(int left, int top, int right, int bottom, Rgb pen, Rgb brush) {
  const long long w = static_cast<long long>(right) - left;
  const long long h = static_cast<long long>(bottom) - top;
  if (w <= 0 || h <= 0 || w > 4096 || h > 4096) return;
  const double rx = w / 2.0, ry = h / 2.0;
  impl_->Mark(left, top, w, h);
  // Half-open column span [lo, hi) of row r relative to the box; empty outside the shape.
  auto rowSpan = [&](long long r, long long& lo, long long& hi) {
    lo = hi = 0;
    if (r < 0 || r >= h) return;
    const double dy = (r + 0.5 - ry) / ry;
    const double rest = 1.0 - dy * dy;
    if (rest < 0) return;
    const double half = rx * std::sqrt(rest);
    lo = static_cast<long long>(std::ceil(rx - half - 0.5));
    hi = static_cast<long long>(std::floor(rx + half - 0.5)) + 1;
    lo = std::max<long long>(lo, 0);
    hi = std::min<long long>(hi, w);
    if (hi < lo) hi = lo;
  };
  for (long long r = 0; r < h; ++r) {
    const long long dy = top + r;
    if (dy < 0 || dy >= Height()) continue;
    long long lo, hi, aboveLo, aboveHi, belowLo, belowHi;
    rowSpan(r, lo, hi);
    rowSpan(r - 1, aboveLo, aboveHi);
    rowSpan(r + 1, belowLo, belowHi);
    auto* line = reinterpret_cast<QRgb*>(impl_->image.scanLine(static_cast<int>(dy)));
    for (long long c = lo; c < hi; ++c) {
      const long long dx = left + c;
      if (dx < 0 || dx >= Width()) continue;
      const bool edge =
          c == lo || c == hi - 1 || c < aboveLo || c >= aboveHi || c < belowLo || c >= belowHi;
      line[dx] = kOpaque | (edge ? pen : brush);
    }
  }
}

void Surface::FillRect(int left, int top, int right, int bottom, Rgb colour) {
  Span cols = Clip(left, static_cast<long long>(right) - left, Width());
  Span rows = Clip(top, static_cast<long long>(bottom) - top, Height());
  impl_->Mark(static_cast<long long>(left) + cols.first, static_cast<long long>(top) + rows.first,
              cols.count, rows.count);
  for (int r = 0; r < rows.count; ++r) {
    auto* line = reinterpret_cast<QRgb*>(impl_->image.scanLine(top + rows.first + r));
    std::fill_n(line + left + cols.first, cols.count, kOpaque | colour);
  }
}

void Surface::DrawText(FontId font, int x, int y, const std::string& text, Rgb colour) {
  DrawText(font, x, y, text, colour, 0, 0, Width(), Height());
}

void Surface::DrawText(FontId font, int x, int y, const std::string& text, Rgb colour, int clipX,
                       int clipY, int clipW, int clipH) {
  const int f = static_cast<int>(font);
  if (f < 0 || f > 2 || text.empty() || clipW <= 0 || clipH <= 0) return;
  // Far-off text cannot reach the surface; keep the painter away from huge coordinates.
  if (x < -4096 || x > 8192 || y < -4096 || y > 8192) return;
  const QString line = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  QPainter p(&impl_->image);
  p.setClipRect(QRect(clipX, clipY, clipW, clipH));
  const QFont& face = impl_->FontFor(f, line);
  p.setFont(face);
  p.setPen(QColor::fromRgb(kOpaque | colour));
  p.drawText(x, y + impl_->ascent[f], line);
  // The ink's box, with room for serifs that lean out of the character cells, within the clip.
  const QFontMetrics metrics(face);
  const int lean = metrics.height();
  const QRect ink =
      QRect(x - lean, y - lean / 2, metrics.horizontalAdvance(line) + 2 * lean, 2 * lean)
          .intersected(QRect(clipX, clipY, clipW, clipH));
  if (!ink.isEmpty()) impl_->Mark(ink.x(), ink.y(), ink.width(), ink.height());
  if (impl_->texts) {
    const QRect glyphs = metrics.tightBoundingRect(line).translated(x, y + impl_->ascent[f]);
    impl_->texts->push_back({font, x, y, text, glyphs.left(), glyphs.top(), glyphs.right() + 1,
                             glyphs.bottom() + 1, clipX, clipY, clipX + clipW, clipY + clipH});
  }
}

void Surface::RecordTexts(std::vector<DrawnText>* sink) {
  impl_->texts = sink;
}

int Surface::TextWidth(FontId font, const std::string& text) const {
  const int f = static_cast<int>(font);
  if (f < 0 || f > 2) return 0;
  const QString line = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  return QFontMetrics(impl_->FontFor(f, line)).horizontalAdvance(line);
}

int Surface::CellHeight(FontId font) const {
  const int f = static_cast<int>(font);
  if (f < 0 || f > 2) return 0;
  return QFontMetrics(impl_->fonts[f]).height();
}

int Surface::Ascent(FontId font) const {
  const int f = static_cast<int>(font);
  return f < 0 || f > 2 ? 0 : impl_->ascent[f];
}

bool Surface::SavePng(const std::string& path) const {
  return impl_->image.save(QString::fromStdString(path), "PNG");
}

const uint32_t* Surface::Data() const {
  return reinterpret_cast<const uint32_t*>(impl_->image.constBits());
}

std::vector<DirtyRect> Surface::TakeDirty() {
  std::vector<DirtyRect> taken;
  taken.swap(impl_->dirty);
  return taken;
}

bool Surface::HasDirty() const {
  return !impl_->dirty.empty();
}

}  // namespace ossaric
