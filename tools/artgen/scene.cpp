// The table and the scroll: red-brown veined marble with a parchment scroll lying on it, rolled
// at top and bottom, the game's name lettered at its head.
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "art.h"
#include "pictures.h"

namespace artgen {

namespace {

constexpr double kPi = 3.14159265358979323846;
const QColor kParchment(255, 251, 240);

// A ridge along the middle contour of a warped noise field: 1 on the line, falling off to 0.
double Ridge(double u, double v, double scale, uint32_t seed) {
  double n = Fbm(u / scale, v / scale, 5, seed);
  return 1 - std::fabs(2 * n - 1);
}

// One pixel of the marble at scene position (x, y), before the overall tone is matched.
void MarbleAt(double x, double y, double rgb[3]) {
  // Domain warp gives the slab its flowing, folded look.
  double wx = x + 60 * (Fbm(x / 150, y / 150, 4, 11) - 0.5);
  double wy = y + 60 * (Fbm(x / 150 + 7.3, y / 150 + 2.1, 4, 12) - 0.5);
  double cloud = Fbm(wx / 70, wy / 70, 5, 21);
  double mottle = Fbm(wx / 16, wy / 16, 3, 22);
  // Veins run mostly from upper left to lower right: coordinates stretched along that line.
  double u = (wx * 0.83 + wy * 0.56) * 0.45, v = -wx * 0.56 + wy * 0.83;
  double r1 = Ridge(u, v, 60, 301);
  double core = std::pow(r1, 46), halo = std::pow(r1, 7);
  double u2 = (wx * 0.5 - wy * 0.87) * 0.7, v2 = wx * 0.87 + wy * 0.5;
  double r2 = Ridge(u2 + 300, v2, 34, 311);
  double hair = std::pow(r2, 90) * Smoothstep(0.35, 0.7, Fbm(x / 90, y / 90, 3, 41));
  double r3 = Ridge(u + 900, v + 400, 44, 321);
  double dark = std::pow(r3, 70) * Smoothstep(0.4, 0.7, Fbm(x / 80, y / 80, 3, 61));
  // The main veins fade in and out along their length.
  double presence = 0.35 + 0.65 * Smoothstep(0.3, 0.65, Fbm(x / 110 + 3, y / 110, 3, 71));

  QColor deep(80, 40, 32), warm(150, 92, 70), rose(172, 112, 92);
  QColor c = Mix(deep, warm, std::pow(cloud, 1.1) * 1.3 - 0.15);
  c = Mix(c, rose, Smoothstep(0.6, 0.9, mottle) * 0.3);
  c = Mix(c, QColor(178, 116, 94), halo * 0.45 * presence);
  c = Mix(c, QColor(232, 196, 174), core * 0.9 * presence);
  c = Mix(c, QColor(216, 172, 150), hair * 0.55);
  c = Mix(c, QColor(44, 19, 16), dark * 0.75);
  rgb[0] = c.red();
  rgb[1] = c.green();
  rgb[2] = c.blue();
}

// How the parchment ages towards the edges of the sheet: 0 clean, 1 at the very edge.
double SheetAge(int x, int y) {
  double dl = x - kSheetLeft, dr = kSheetRight - 1 - x;
  double d = std::min(dl, dr);
  double dy = std::min(y - (kTopRollY + kRollRadius), (kBottomRollY - kRollRadius) - y);
  double edge = 1 - Smoothstep(0, 22, d);
  double rim = 1 - Smoothstep(0, 12, dy);
  double stain = Smoothstep(0.58, 0.8, Fbm(x / 40.0, y / 40.0, 4, 71)) * (1 - Smoothstep(8, 40, d));
  return Clamp01(std::max({edge * 0.9, rim * 0.5, stain * 0.6}));
}

void PaintSheet(QImage& img) {
  for (int y = 0; y < img.height(); ++y)
    for (int x = kSheetLeft - 3; x < kSheetRight + 3; ++x) {
      // A slightly wavy, torn-looking long edge.
      double wobble = 1.6 * (Fbm(0.5, y / 9.0, 3, 81) - 0.5) * 2;
      double left = kSheetLeft + wobble,
             right = kSheetRight + 1.6 * (Fbm(3.5, y / 9.0, 3, 82) - 0.5) * 2;
      if (x < left - 0.5 || x >= right + 0.5) continue;
      double age = SheetAge(x, y);
      double grain = (Fbm(x / 2.5, y / 2.5, 2, 91) - 0.5) * 10 * age;
      QColor aged(228, 206, 168);
      QColor c = Mix(kParchment, aged, age);
      int r = c.red() + static_cast<int>(grain), g = c.green() + static_cast<int>(grain),
          b = c.blue() + static_cast<int>(grain * 1.3);
      // Anti-aliased edge pixel
      double cover = std::min(Clamp01(x + 0.5 - (left - 0.5)), Clamp01(right + 0.5 - (x + 0.5)));
      QRgb under = img.pixel(x, y);
      QColor edgeInk(150, 108, 80);
      if (cover < 1 || x == static_cast<int>(std::floor(left)) ||
          x == static_cast<int>(std::ceil(right)) - 1) {
        QColor e = Mix(QColor(r, g, b), edgeInk, 0.45);
        r = e.red();
        g = e.green();
        b = e.blue();
      }
      img.setPixel(x, y,
                   Opaque(static_cast<int>(qRed(under) + (r - qRed(under)) * cover),
                          static_cast<int>(qGreen(under) + (g - qGreen(under)) * cover),
                          static_cast<int>(qBlue(under) + (b - qBlue(under)) * cover)));
    }
}

// Darkens the marble next to the sheet and under the rolls: the scroll lies on the table.
void CastShadows(QImage& img) {
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) {
      bool onSheet = x >= kSheetLeft - 1 && x <= kSheetRight;
      if (onSheet) continue;
      double d = 99;
      if (x < kSheetLeft) d = kSheetLeft - x;
      if (x > kSheetRight) d = std::min(d, double(x - kSheetRight) + 3);  // light from the left
      // Rolls: the shadow falls down and right.
      for (int cy : {kTopRollY, kBottomRollY}) {
        double ry = std::fabs(y - (cy + 3)) - kRollRadius;
        double rx = std::max(double(kRollLeft + 3 - x), double(x - (kRollRight + 4)));
        double dd = std::max(ry, rx);
        d = std::min(d, dd < 0 ? 0 : dd + 0.0);
      }
      double shade = 1 - 0.45 * (1 - Smoothstep(0, 7, d));
      if (shade >= 1) continue;
      QRgb p = img.pixel(x, y);
      img.setPixel(x, y,
                   Opaque(int(qRed(p) * shade), int(qGreen(p) * shade), int(qBlue(p) * shade)));
    }
}

// A roll of parchment lying across the sheet, centred on row `cy`.
void PaintRoll(QImage& img, int cy, bool top) {
  const int r = kRollRadius;
  for (int y = cy - r; y <= cy + r; ++y) {
    if (y < 0 || y >= img.height()) continue;
    double t = (y + 0.5 - cy) / r;  // -1 top .. 1 bottom
    if (std::fabs(t) > 1) continue;
    double nz = std::sqrt(1 - t * t);
    // Light from above and a little in front.
    double light = 0.55 + 0.5 * (nz * 0.75 + (-t) * 0.45);
    double gloss = std::pow(Clamp01(nz * 0.6 + (-t) * 0.8), 24) * 0.6;
    for (int x = kRollLeft + 5; x <= kRollRight - 5; ++x) {
      double n = (Fbm(x / 6.0, y / 2.0 + cy, 2, top ? 101 : 102) - 0.5) * 8;
      double along = 1 - 0.06 * Smoothstep(0.6, 1, std::fabs((x - 451.0) / 180));
      QColor base(238, 222, 190);
      QColor c = Scale(base, light * along);
      c = Mix(c, QColor(255, 253, 246), gloss);
      img.setPixel(x, y, Opaque(c.red() + int(n), c.green() + int(n), c.blue() + int(n * 1.2)));
    }
    // The paper's inner edge, where the sheet comes off the roll.
  }
  // Seam line where the sheet leaves the roll, and the rolled ends as spirals.
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(150, 112, 84), 1.0));
  double seamY = top ? cy + r * 0.55 : cy - r * 0.55;
  p.drawLine(QPointF(kRollLeft + 8, seamY + 0.5), QPointF(kRollRight - 8, seamY + 0.5));
  for (int end = 0; end < 2; ++end) {
    double cx = end == 0 ? kRollLeft + 5 : kRollRight - 5;
    QRectF cap(cx - 4.5, cy - r - 0.5, 9, 2 * r + 1);
    QLinearGradient g(cap.topLeft(), cap.bottomLeft());
    g.setColorAt(0, QColor(232, 214, 178));
    g.setColorAt(0.5, QColor(214, 190, 150));
    g.setColorAt(1, QColor(160, 126, 94));
    p.setPen(QPen(QColor(120, 84, 62), 1.0));
    p.setBrush(g);
    p.drawEllipse(cap);
    // The spiral of rolled paper.
    QPainterPath spiral;
    for (int i = 0; i <= 120; ++i) {
      double a = i / 120.0 * 3.2 * 2 * kPi;
      double rad = 0.9 * (i / 120.0);
      QPointF pt(cx + std::cos(a) * 3.6 * rad, cy + std::sin(a) * (r - 1) * rad);
      if (i == 0)
        spiral.moveTo(pt);
      else
        spiral.lineTo(pt);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(112, 76, 54), 0.9));
    p.drawPath(spiral);
  }
}

// The game's name at the head of the sheet, with pen flourishes on either side.
void PaintTitle(QImage& img) {
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  QFont f = ScriptFont(50);
  p.setFont(f);
  QFontMetricsF fm(f);
  QString title = QStringLiteral("Ossaric");
  double w = fm.horizontalAdvance(title);
  double cx = (kSheetLeft + kSheetRight) / 2.0;
  double base = 60;
  QPointF at(cx - w / 2, base);
  QPainterPath text;
  text.addText(at, f, title);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(170, 138, 129, 150));
  p.drawPath(text.translated(1.2, 1.2));
  p.setBrush(QColor(103, 37, 33));
  p.drawPath(text);
  // Flourishes: a swelling stroke either side, ending in a curl.
  for (int side = -1; side <= 1; side += 2) {
    double x0 = cx + side * (w / 2 + 8), x1 = cx + side * (w / 2 + 86);
    double y0 = base - 14;
    QPainterPath flourish;
    flourish.moveTo(x0, y0);
    flourish.cubicTo(x0 + side * 25, y0 - 9, x1 - side * 35, y0 + 9, x1, y0);
    flourish.cubicTo(x1 + side * 6, y0 - 4, x1 + side * 1, y0 - 9, x1 - side * 4, y0 - 6);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(127, 86, 74), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(flourish);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(127, 86, 74));
    p.drawEllipse(QPointF(x0 + side * 3, y0 + 6), 1.6, 1.6);
  }
}

}  // namespace

QImage PaintMarble(int width, int height, int offsetX, int offsetY) {
  QImage img(width, height, QImage::Format_RGB32);
  std::vector<double> px(static_cast<size_t>(width) * height * 3);
  double sum[3] = {0, 0, 0};
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      // Four samples a pixel keep the hairline veins unbroken.
      double* c = &px[(static_cast<size_t>(y) * width + x) * 3];
      c[0] = c[1] = c[2] = 0;
      for (int j = 0; j < 2; ++j)
        for (int i = 0; i < 2; ++i) {
          double s[3];
          MarbleAt(x + offsetX + 0.25 + 0.5 * i, y + offsetY + 0.25 + 0.5 * j, s);
          for (int k = 0; k < 3; ++k) c[k] += s[k] / 4;
        }
      for (int k = 0; k < 3; ++k) sum[k] += c[k];
    }
  // Match the slab's overall tone to a warm red-brown.
  const double target[3] = {116, 69, 55};
  double n = static_cast<double>(width) * height;
  Rng rng(7 + offsetX * 131 + offsetY);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      double* c = &px[(static_cast<size_t>(y) * width + x) * 3];
      double speck = (rng.Unit() - 0.5) * 6;
      img.setPixel(x, y,
                   Opaque(int(c[0] * target[0] / (sum[0] / n) + speck),
                          int(c[1] * target[1] / (sum[1] / n) + speck),
                          int(c[2] * target[2] / (sum[2] / n) + speck)));
    }
  return img;
}

QImage PaintScene() {
  QImage img = PaintMarble(632, 434, 0, 0);
  CastShadows(img);
  PaintSheet(img);
  // The top roll's shadow on the sheet below it.
  for (int y = kTopRollY + kRollRadius; y < kTopRollY + kRollRadius + 7; ++y)
    for (int x = kSheetLeft - 2; x < kSheetRight + 2; ++x) {
      double t = (y - (kTopRollY + kRollRadius)) / 7.0;
      double shade = 1 - 0.22 * (1 - t) * (1 - t);
      QRgb p = img.pixel(x, y);
      img.setPixel(x, y,
                   Opaque(int(qRed(p) * shade), int(qGreen(p) * shade), int(qBlue(p) * shade)));
    }
  PaintRoll(img, kTopRollY, true);
  PaintRoll(img, kBottomRollY, false);
  PaintTitle(img);
  return img;
}

}  // namespace artgen
