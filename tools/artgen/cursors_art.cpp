// The four mouse pointers and the window icon. Pointers are drawn as crisp black-and-white
// pictures with transparent parts: painted eight times larger, reduced, and then every pixel is
// made clearly black, white or clear.
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <functional>

#include "art.h"
#include "pictures.h"

namespace artgen {

namespace {

constexpr int kS = 8;

QImage Crisp(const std::function<void(QPainter&)>& draw) {
  QImage big(32 * kS, 32 * kS, QImage::Format_ARGB32_Premultiplied);
  big.fill(Qt::transparent);
  QPainter p(&big);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(kS, kS);
  draw(p);
  p.end();
  QImage img = Reduce(big, kS);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      QRgb c = img.pixel(x, y);
      if (qAlpha(c) < 110) {
        img.setPixel(x, y, 0);
        continue;
      }
      bool dark = qGray(c) < 128;
      img.setPixel(x, y, dark ? qRgba(0, 0, 0, 255) : qRgba(255, 255, 255, 255));
    }
  return img;
}

const QPen kOutline(Qt::black, 1.15, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);

void Shape(QPainter& p, const QPainterPath& path) {
  p.setPen(kOutline);
  p.setBrush(Qt::white);
  p.drawPath(path);
}

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

// Pips of a small die of side s at (x, y).
void SmallDie(QPainter& p, double x, double y, double s, int face) {
  QPainterPath body;
  body.addRoundedRect(QRectF(x, y, s, s), 2, 2);
  Shape(p, body);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  double q = s / 4;
  auto pip = [&](double i, double j) { p.drawEllipse(QPointF(x + q * i, y + q * j), 0.95, 0.95); };
  if (face == 3 || face == 5 || face == 1) pip(2, 2);
  if (face >= 2) {
    pip(1, 1);
    pip(3, 3);
  }
  if (face >= 4) {
    pip(3, 1);
    pip(1, 3);
  }
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

QImage Sheet(const char* word) {
  QImage img = Crisp([](QPainter& p) {
    QPainterPath sheet;
    sheet.moveTo(0.6, 0.6);
    sheet.lineTo(24.5, 0.6);
    sheet.lineTo(28.5, 4.6);
    sheet.lineTo(28.5, 30.5);
    sheet.lineTo(0.6, 30.5);
    sheet.closeSubpath();
    Shape(p, sheet);
    // Folded corner.
    p.setPen(kOutline);
    p.drawLine(QPointF(24.5, 0.6), QPointF(24.5, 4.6));
    p.drawLine(QPointF(24.5, 4.6), QPointF(28.5, 4.6));
    SmallDie(p, 3.5, 17.5, 9, 5);
    SmallDie(p, 15.5, 19.5, 9, 3);
  });
  // Letters, one pixel apart.
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 7; ++j)
      for (int k = 0; k < 5; ++k)
        if (Glyph(word[i])[j * 5 + k] == '1')
          img.setPixel(3 + i * 6 + k, 5 + j, qRgba(0, 0, 0, 255));
  return img;
}

// A hand seen from its back, fingers curled, coming in from the lower right.
void Hand(QPainter& p, QPointF wrist, double angle) {
  p.save();
  p.translate(wrist);
  p.rotate(angle);
  // In hand space the fingers point along -y; the wrist is at the origin.
  QPainterPath cuff;
  cuff.addRect(QRectF(-6, 0, 12, 6));
  Shape(p, cuff);
  QPainterPath palm;
  palm.addRoundedRect(QRectF(-6.5, -11, 13, 12.5), 4, 4);
  Shape(p, palm);
  for (int i = 0; i < 3; ++i) {
    QPainterPath finger =
        Capsule(QPointF(-3.8 + i * 3.6, -10), QPointF(-3.8 + i * 3.6, -14.5), 1.8);
    Shape(p, finger);
  }
  p.restore();
}

}  // namespace

QImage PaintCursor(int number) {
  switch (number) {
    case 1:  // a hand holding a pen, the nib at (4, 26)
      return Crisp([](QPainter& p) {
        QPainterPath pen = Capsule(QPointF(7.5, 22.5), QPointF(25.5, 4.5), 2.1);
        Shape(p, pen);
        QPainterPath nib;
        nib.moveTo(4.3, 25.7);
        nib.lineTo(5.8, 20.7);
        nib.lineTo(9.3, 24.2);
        nib.closeSubpath();
        p.setPen(kOutline);
        p.setBrush(Qt::black);
        p.drawPath(nib);
        // The hand grips the pen from above right: palm, thumb along the pen, curled fingers.
        QPainterPath palm;
        palm.addEllipse(QRectF(15.5, 9.5, 14, 13));
        Shape(p, palm);
        QPainterPath thumb = Capsule(QPointF(19, 10.5), QPointF(12.5, 15.5), 2.4);
        Shape(p, thumb);
        for (int i = 0; i < 3; ++i) {
          QPainterPath f = Capsule(QPointF(18.5 + i * 1.5, 16 + i * 2.4),
                                   QPointF(13.5 + i * 1.2, 19 + i * 2.6), 1.9);
          Shape(p, f);
        }
        QPainterPath sleeve;
        sleeve.addRect(QRectF(26.5, 13, 5, 10));
        Shape(p, sleeve);
      });
    case 2:  // a hand holding a die, the die's corner at (0, 0)
      return Crisp([](QPainter& p) {
        Hand(p, QPointF(24.5, 26.5), -45);
        SmallDie(p, 0.6, 0.6, 11.5, 5);
        // Thumb over the die's edge.
        QPainterPath thumb = Capsule(QPointF(16, 15), QPointF(10.5, 10.5), 2.2);
        Shape(p, thumb);
      });
    case 3:
      return Sheet("ROLL");
    default:
      return Sheet("NEXT");
  }
}

// The window icon: a small scroll lettered with the game's name, two dice before it.
QImage PaintIcon() {
  QImage big(32 * kS, 32 * kS, QImage::Format_ARGB32_Premultiplied);
  big.fill(Qt::transparent);
  QPainter p(&big);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.scale(kS, kS);
  QPen ink(QColor(92, 52, 36), 0.9);
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
  // The name.
  QFont f = ScriptFont(10.5);
  QPainterPath name;
  double w = QFontMetricsF(f).horizontalAdvance(QStringLiteral("Ossaric"));
  name.addText(QPointF(16 - w / 2, 13.5), f, QStringLiteral("Ossaric"));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(110, 30, 28));
  p.drawPath(name);
  // Writing lines.
  p.setPen(QPen(QColor(190, 160, 140), 0.7));
  p.drawLine(QPointF(7, 16.5), QPointF(20, 16.5));
  p.drawLine(QPointF(7, 19), QPointF(17, 19));
  // Two dice.
  auto die = [&](double x, double y, double s, int face) {
    p.setPen(QPen(QColor(70, 44, 28), 0.9));
    p.setBrush(QColor(236, 214, 172));
    p.drawRoundedRect(QRectF(x, y, s, s), 1.8, 1.8);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 30, 30));
    double q = s / 4;
    auto pip = [&](double i, double j) { p.drawEllipse(QPointF(x + q * i, y + q * j), 0.9, 0.9); };
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
  die(15.5, 17.5, 9.5, 5);
  die(22, 21.5, 9.5, 3);
  p.end();
  return Reduce(big, kS);
}

}  // namespace artgen
