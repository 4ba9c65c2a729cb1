// The four mouse pointers and the window icon. Pointers are crisp black-and-white pictures with
// transparent parts; the icon is painted four or eight times larger and reduced.
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <functional>

#include "art.h"
#include "pictures.h"

namespace artgen {

namespace {

constexpr int kS = 8;

QPainterPath Capsule(QPointF a, QPointF b, double r) {
  QPainterPath path;
  QPointF d = b - a;
  double len = std::hypot(d.x(), d.y());
  QPointF n(-d.y() / len * r, d.x() / len * r);
  path.moveTo(a + n);
  path.lineTo(b + n);
  path.arcTo(QRectF(b.x() - r, b.y() - r, 2 * r, 2 * r),
             std::atan2(-n.y(), n.x()) * 180 / 3.14159265358979, -180);
  path.lineTo(a - n);
  path.arcTo(QRectF(a.x() - r, a.y() - r, 2 * r, 2 * r),
             std::atan2(n.y(), -n.x()) * 180 / 3.14159265358979, -180);
  path.closeSubpath();
  return path;
}

// Five-by-seven letters for the pointer sheets.
const char* Glyph(char c) {
  switch (c) {
    case 'R':
      return "11110100011000111110101001001010001";
    case 'O':
      return "01110100011000110001100011000101110";
    case 'L':
      return "10000100001000010000100001000011111";
    case 'N':
      return "10001110011010110011100011000110001";
    case 'E':
      return "11111100001000011110100001000011111";
    case 'X':
      return "10001100010101000100010101000110001";
    case 'T':
      return "11111001000010000100001000010000100";
    default:
      return "00000000000000000000000000000000000";
  }
}

// Pointer pictures are built shape by shape at one pixel per pixel, without smoothing: each
// shape is white inside with a black rim and covers what was drawn before, like cut paper.
class Cutout {
 public:
  Cutout() : img_(32, 32, QImage::Format_ARGB32) { img_.fill(0); }
  void Add(const QPainterPath& shape, bool solid = false) {
    bool in[34][34] = {};
    for (int y = -1; y <= 32; ++y)
      for (int x = -1; x <= 32; ++x) in[y + 1][x + 1] = shape.contains(QPointF(x + 0.5, y + 0.5));
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x) {
        if (!in[y + 1][x + 1]) continue;
        bool rim = !in[y][x + 1] || !in[y + 2][x + 1] || !in[y + 1][x] || !in[y + 1][x + 2];
        img_.setPixel(x, y, rim || solid ? qRgba(0, 0, 0, 255) : qRgba(255, 255, 255, 255));
      }
  }
  void Line(QPointF a, QPointF b) {  // a one-pixel black line, e.g. between fingers
    int n = static_cast<int>(std::max(std::fabs(b.x() - a.x()), std::fabs(b.y() - a.y()))) + 1;
    for (int i = 0; i <= n; ++i) {
      QPointF p = a + (b - a) * (double(i) / n);
      Dot(static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y())));
    }
  }
  void Dot(int x, int y) {
    if (x >= 0 && y >= 0 && x < 32 && y < 32) img_.setPixel(x, y, qRgba(0, 0, 0, 255));
  }
  QImage Image() const { return img_; }

 private:
  QImage img_;
};

QPainterPath Ellipse(double cx, double cy, double rx, double ry) {
  QPainterPath p;
  p.addEllipse(QPointF(cx, cy), rx, ry);
  return p;
}

QPainterPath Polygon(std::initializer_list<QPointF> pts) {
  QPainterPath p;
  p.addPolygon(QPolygonF(QList<QPointF>(pts)));
  p.closeSubpath();
  return p;
}

// A die of side s with its top-left at (x, y), pips in black.
void CutDie(Cutout& c, double x, double y, double s, int face) {
  QPainterPath body;
  body.addRoundedRect(QRectF(x, y, s, s), 1.5, 1.5);
  c.Add(body);
  int q = static_cast<int>(s / 4);
  int x0 = static_cast<int>(x), y0 = static_cast<int>(y), e = static_cast<int>(s) - 1;
  auto pip = [&](int px, int py) { c.Dot(px, py); };
  if (face % 2 == 1) pip(x0 + e / 2, y0 + e / 2);
  if (face >= 2) {
    pip(x0 + q, y0 + q);
    pip(x0 + e - q, y0 + e - q);
  }
  if (face >= 4) {
    pip(x0 + e - q, y0 + q);
    pip(x0 + q, y0 + e - q);
  }
}

QImage CutSheet(const char* word) {
  Cutout c;
  c.Add(Polygon({{0, 0}, {25, 0}, {30, 5}, {30, 31}, {0, 31}}));
  c.Line({25, 0}, {25, 5});
  c.Line({25, 5}, {30, 5});
  CutDie(c, 3, 17, 11, 5);
  CutDie(c, 16, 19, 10, 3);
  QImage img = c.Image();
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 7; ++j)
      for (int k = 0; k < 5; ++k)
        if (Glyph(word[i])[j * 5 + k] == '1')
          img.setPixel(3 + i * 6 + k, 5 + j, qRgba(0, 0, 0, 255));
  return img;
}

}  // namespace

QImage PaintCursor(int number) {
  switch (number) {
    case 1: {  // a hand holding a pen, the nib at (4, 26)
      Cutout c;
      c.Add(Capsule(QPointF(7, 23), QPointF(27, 3), 2.4));
      c.Add(Polygon({{3.2, 27.8}, {4.6, 21.4}, {9.6, 26.4}}), true);
      c.Add(Polygon({{25, 13}, {32, 17}, {32, 30}, {24, 26}}));  // cuff
      QPainterPath fist;
      fist.addRoundedRect(QRectF(12.5, 12.5, 15, 13), 6, 6);
      c.Add(fist);
      // Curled fingers under the pen, the thumb over it.
      c.Line({13.5, 19.5}, {19, 19.5});
      c.Line({14.5, 22.5}, {20, 22.5});
      c.Line({19, 19.5}, {20, 18.5});
      c.Line({20, 22.5}, {21, 21.5});
      QPainterPath thumb = Ellipse(16.5, 14.5, 5, 2.6);
      c.Add(thumb * QTransform().translate(16.5, 14.5).rotate(-38).translate(-16.5, -14.5));
      c.Line({25, 14}, {23, 25});
      return c.Image();
    }
    case 2: {  // a hand holding a die, the die's corner at (0, 0)
      Cutout c;
      c.Add(Polygon({{17.5, 24.5}, {24.5, 17.5}, {31, 24}, {31, 31}, {24, 31}}));  // cuff
      CutDie(c, 0, 0, 14, 5);
      QPainterPath fist;
      fist.addRoundedRect(QRectF(8, 6.5, 15, 16), 6, 6);
      c.Add(fist * QTransform().translate(15.5, 14.5).rotate(-45).translate(-15.5, -14.5));
      // Fingers curled over the die's corner, the thumb beneath.
      c.Line({10, 14}, {14, 18});
      c.Line({12.5, 11.5}, {16.5, 15.5});
      c.Line({15, 9}, {19, 13});
      QPainterPath thumb = Ellipse(9, 18.5, 5, 2.7);
      c.Add(thumb * QTransform().translate(9, 18.5).rotate(-50).translate(-9, -18.5));
      return c.Image();
    }
    case 3:
      return CutSheet("ROLL");
    default:
      return CutSheet("NEXT");
  }
}

// The icon: a small scroll lettered with the game's name, two dice before it. It is drawn for
// each size on a 32-unit plan: lines keep a visible width, below 32 pixels the lettering gives
// way to a plain heading line and one large die, above it the lines thin out.
QImage PaintIcon(int size) {
  const int factor = size > 64 ? 4 : kS;
  const double scale = size / 32.0;  // pixels per unit of the plan
  // Line widths relative to the 32-pixel icon: at least as wide on the screen below it,
  // growing more slowly than the icon above it.
  const double thick = size < 32 ? 1 / scale : std::pow(scale, 0.6) / scale;
  QImage big(size * factor, size * factor, QImage::Format_ARGB32_Premultiplied);
  big.fill(Qt::transparent);
  QPainter p(&big);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.scale(scale * factor, scale * factor);
  QPen ink(QColor(92, 52, 36), 0.9 * thick);
  // Sheet and rolls.
  p.setPen(ink);
  p.setBrush(QColor(255, 248, 228));
  p.drawRect(QRectF(3.5, 3, 25, 21));
  QLinearGradient roll(QPointF(0, 0), QPointF(0, 5));
  roll.setColorAt(0, QColor(250, 236, 204));
  roll.setColorAt(1, QColor(196, 160, 112));
  p.setBrush(roll);
  p.drawRoundedRect(QRectF(1.5, 0.8, 29, 4.4), 2.2, 2.2);
  QLinearGradient roll2(QPointF(0, 22), QPointF(0, 27));
  roll2.setColorAt(0, QColor(250, 236, 204));
  roll2.setColorAt(1, QColor(196, 160, 112));
  p.setBrush(roll2);
  p.drawRoundedRect(QRectF(1.5, 22, 29, 4.4), 2.2, 2.2);
  if (size >= 32) {
    // The name, scaled to sit inside the sheet whatever its swashes.
    QPainterPath name;
    name.addText(QPointF(0, 0), ScriptFont(40), QStringLiteral("Ossaric"));
    QRectF box = name.boundingRect();
    double k = 22.0 / box.width();
    name = QTransform()
               .translate(16 - box.center().x() * k, 10.5 - box.center().y() * k)
               .scale(k, k)
               .map(name);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 30, 28));
    p.drawPath(name);
  } else {
    // Too small to read: a heading line in the name's ink.
    p.setPen(QPen(QColor(110, 30, 28), 1.6 * thick));
    p.drawLine(QPointF(8, 10.5), QPointF(24, 10.5));
  }
  // Writing lines.
  p.setPen(QPen(QColor(190, 160, 140), 0.7 * thick));
  p.drawLine(QPointF(7, 16.5), QPointF(20, 16.5));
  p.drawLine(QPointF(7, 19), QPointF(17, 19));
  // Two dice; below 32 pixels one larger die, whose pips stay big enough to count.
  const double pipRadius = size < 32 ? 1.0 / scale : 0.9;
  auto die = [&](double x, double y, double s, int face) {
    p.setPen(QPen(QColor(70, 44, 28), 0.9 * thick));
    p.setBrush(QColor(236, 214, 172));
    p.drawRoundedRect(QRectF(x, y, s, s), 1.8, 1.8);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 30, 30));
    double q = s / 4;
    auto pip = [&](double i, double j) {
      p.drawEllipse(QPointF(x + q * i, y + q * j), pipRadius, pipRadius);
    };
    if (face % 2 == 1) pip(2, 2);
    if (face >= 2) {
      pip(1, 1);
      pip(3, 3);
    }
    if (face >= 4) {
      pip(3, 1);
      pip(1, 3);
    }
  };
  if (size < 32) {
    die(15, 14.5, 15.5, 3);
  } else {
    die(15.5, 17.5, 9.5, 5);
    die(22, 21.5, 9.5, 3);
  }
  p.end();
  return Reduce(big, factor);
}

}  // namespace artgen
