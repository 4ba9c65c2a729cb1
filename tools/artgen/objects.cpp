// The objects that move over the table: the die body, the goblet cup and the button that hands
// the cup on. Painted four times larger and reduced, so edges are smooth; alpha marks the shape.
#include <QCoreApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "art.h"
#include "pictures.h"

namespace artgen {

namespace {

constexpr int kSuper = 4;

// A closed polygon whose corners are rounded with radius r (in the path's units).
QPainterPath RoundedPolygon(const std::vector<QPointF>& pts, double r) {
  QPainterPath path;
  size_t n = pts.size();
  for (size_t i = 0; i < n; ++i) {
    QPointF prev = pts[(i + n - 1) % n], cur = pts[i], next = pts[(i + 1) % n];
    QPointF a = prev - cur, b = next - cur;
    double la = std::hypot(a.x(), a.y()), lb = std::hypot(b.x(), b.y());
    QPointF p1 = cur + a * (std::min(r, la / 2) / la), p2 = cur + b * (std::min(r, lb / 2) / lb);
    if (i == 0)
      path.moveTo(p1);
    else
      path.lineTo(p1);
    path.quadTo(cur, p2);
  }
  path.closeSubpath();
  return path;
}

}  // namespace

// The die: a cube seen from above, a little from the front and the left. Its top face, where the
// pips are printed, spans x 8..48 and y 1..38 around the pips' middle (27, 20).
QImage PaintDie() {
  QImage big(50 * kSuper, 50 * kSuper, QImage::Format_ARGB32_Premultiplied);
  big.fill(Qt::transparent);
  QPainter p(&big);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(kSuper, kSuper);

  const QPointF tl(8, 1.2), tr(48, 1.2), br(48, 38), bl(8, 38);
  const QPointF d(-6.6, 10.4);  // the cube's depth as seen on screen
  QPainterPath outline = RoundedPolygon({tl, tr, br, br + d + QPointF(0, 0), bl + d, tl + d}, 4.5);
  // Body colour first: the front and left faces.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(176, 140, 100));
  p.drawPath(outline);
  p.setClipPath(outline);
  QPainterPath left;
  left.addPolygon(QPolygonF({tl, bl, bl + d, tl + d}));
  QLinearGradient lg(QPointF(1, 0), QPointF(8, 0));
  lg.setColorAt(0, QColor(128, 92, 60));
  lg.setColorAt(1, QColor(166, 126, 86));
  p.setBrush(lg);
  p.drawPath(left);
  QPainterPath front;
  front.addPolygon(QPolygonF({bl, br, br + d, bl + d}));
  QLinearGradient fg(QPointF(0, 38), QPointF(0, 49));
  fg.setColorAt(0, QColor(204, 168, 122));
  fg.setColorAt(1, QColor(156, 118, 80));
  p.setBrush(fg);
  p.drawPath(front);
  // The rounded edge where front and left faces meet catches a little light.
  p.setPen(QPen(QColor(198, 162, 118), 1.2));
  p.drawLine(bl + QPointF(0, 0.6), bl + d);
  p.setPen(Qt::NoPen);

  // The top face, rounded, with a soft sheen from the upper left.
  QPainterPath top = RoundedPolygon({tl, tr, br, bl}, 5.5);
  QRadialGradient tg(QPointF(19, 11), 38);
  tg.setColorAt(0, QColor(246, 230, 198));
  tg.setColorAt(0.55, QColor(232, 210, 170));
  tg.setColorAt(1, QColor(212, 182, 140));
  p.setBrush(tg);
  p.drawPath(top);
  // Bevel: a bright rim along the top face's front and left edges, a darker line inside them.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(250, 238, 212), 1.1));
  p.drawPath(top.translated(-0.4, 0.5));
  p.setPen(QPen(QColor(214, 186, 146), 0.7));
  p.drawPath(top);
  // Outline for definition against the marble.
  p.setClipping(false);
  p.setPen(QPen(QColor(96, 66, 44), 0.9));
  p.drawPath(outline);
  p.end();
  return Reduce(big, kSuper);
}

namespace {

// Half-width of the goblet at row y (1x units); 0 outside the profile. The mouth's ellipse is
// handled separately.
double CupHalfWidth(double y) {
  if (y < 13) return 0;
  if (y <= 94) {
    double t = (y - 13) / 81.0;
    return 22 + 25 * std::pow(std::cos(t * 1.5707963), 0.85);
  }
  if (y <= 101) return 22 * std::sqrt(std::max(0.0, 1 - std::pow((y - 94) / 7.0, 2)));
  return 0;
}

double StemHalfWidth(double y) {
  if (y < 97 || y > 149) return 0;
  double w = 7 + 6 * std::exp(-std::pow((y - 111) / 3.5, 2));
  if (y > 124 && y <= 140) w = std::max(w, 7 + 33 * std::pow((y - 124) / 16.0, 2.2));
  // The foot's round edge.
  if (y > 140) w = 40 * std::sqrt(std::max(0.0, 1 - std::pow((y - 140) / 9.0, 2)));
  return std::min(w, 40.0);
}

// The cup leather lit from the upper left; nx is -1 at the left edge, 1 at the right.
QColor Leather(double nx, double y, double grain) {
  nx = std::clamp(nx, -1.0, 1.0);
  double nz = std::sqrt(1 - nx * nx);
  double diffuse = Clamp01(-0.55 * nx + 0.8 * nz);
  double gloss = std::pow(Clamp01(1 - std::fabs(nx + 0.5) * 3.2), 3) * 0.75;
  QColor shadow(24, 4, 9), body(40, 9, 17), lit(61, 26, 20), shine(150, 84, 70);
  QColor c =
      diffuse < 0.5 ? Mix(shadow, body, diffuse / 0.5) : Mix(body, lit, (diffuse - 0.5) / 0.5);
  c = Mix(c, shine, gloss);
  (void)y;
  return Scale(c, 1 + grain);
}

QColor Brass(double nx, double v) {
  nx = std::clamp(nx, -1.0, 1.0);
  double nz = std::sqrt(1 - nx * nx);
  double diffuse = Clamp01(-0.55 * nx + 0.8 * nz) * (0.75 + 0.25 * v);
  double gloss = std::pow(Clamp01(1 - std::fabs(nx + 0.45) * 3.0), 4);
  QColor c = Mix(QColor(70, 40, 18), QColor(176, 128, 62), diffuse);
  return Mix(c, QColor(240, 214, 150), gloss * 0.8);
}

}  // namespace

// The cup: a goblet of dark red-brown leather with brass bands, mouth upwards.
QImage PaintCup() {
  const int w = 100 * kSuper, h = 150 * kSuper;
  QImage big(w, h, QImage::Format_ARGB32_Premultiplied);
  big.fill(Qt::transparent);
  const double cx = 50, my = 13, mrx = 47, mry = 11;  // the mouth's ellipse
  for (int sy = 0; sy < h; ++sy)
    for (int sx = 0; sx < w; ++sx) {
      double x = (sx + 0.5) / kSuper, y = (sy + 0.5) / kSuper;
      double ex = (x - cx) / mrx, ey = (y - my) / mry;
      bool inMouth = ex * ex + ey * ey <= 1;
      double hw = CupHalfWidth(y), sw = StemHalfWidth(y);
      bool inBody = y >= my && std::fabs(x - cx) <= hw;
      bool inStem = std::fabs(x - cx) <= sw;
      if (!inMouth && !inBody && !inStem) continue;
      double grain = (Fbm(x / 1.7, y / 1.7, 2, 201) - 0.5) * 0.25;
      QColor c;
      if (inMouth) {
        double ix = (x - cx) / (mrx - 4), iy = (y - my - 0.8) / (mry - 3);
        double r2 = ix * ix + iy * iy;
        if (r2 <= 1) {
          // Inside the cup: the far wall is lit, the near wall's shadow covers the bottom.
          double far = Clamp01(-iy);
          c = Mix(QColor(14, 2, 6), QColor(78, 30, 28),
                  std::pow(far, 1.6) * (0.6 + 0.4 * (1 - std::fabs(ix))));
          c = Scale(c, 1 + grain * 0.5);
        } else {
          // The brass rim.
          double ang = std::atan2(ey, ex);
          c = Brass(std::cos(ang), 0.5 + 0.5 * std::sin(ang));
          if (r2 < 1.12) c = Scale(c, 0.7);
        }
      } else if (inBody) {
        double nx = (x - cx) / hw;
        c = Leather(nx, y, grain);
        // Tooled brass bands, and a row of small studs below the upper one.
        if ((y > 27 && y < 31.5) || (y > 84 && y < 88.5))
          c = Brass(nx, (y > 80 ? 88.5 - y : 31.5 - y) / 4.5);
        double stud = std::fmod(x - cx + 200, 9.0) - 4.5;
        if (y > 34 && y < 38 && std::hypot(stud, y - 36) < 1.6) c = Brass(nx - stud / 20, 1);
        // A slight rim shadow just under the mouth.
        if (y < my + 6 && !inMouth) c = Scale(c, 0.7 + 0.05 * (y - my));
      } else {
        double nx = (x - cx) / std::max(sw, 0.5);
        bool knop = y > 106 && y < 116;
        bool footRim = y > 144;
        c = knop || footRim ? Brass(nx, 0.6) : Leather(nx, y, grain);
      }
      big.setPixel(sx, sy, qRgba(c.red(), c.green(), c.blue(), 255));
    }
  return Reduce(big, kSuper);
}

// The button that hands the cup to the next player.
QImage PaintNextButton() {
  QImage big(50 * kSuper, 50 * kSuper, QImage::Format_ARGB32_Premultiplied);
  big.fill(QColor(123, 33, 33));
  QPainter p(&big);
  p.scale(kSuper, kSuper);
  auto band = [&](int inset, const QColor& tl, const QColor& br) {
    p.fillRect(QRectF(inset, inset, 50 - 2 * inset, 1), tl);
    p.fillRect(QRectF(inset, inset, 1, 50 - 2 * inset), tl);
    p.fillRect(QRectF(inset, 49 - inset, 50 - 2 * inset, 1), br);
    p.fillRect(QRectF(49 - inset, inset, 1, 50 - 2 * inset), br);
  };
  band(0, QColor(255, 255, 255), QColor(64, 64, 64));
  band(1, QColor(224, 224, 224), QColor(128, 128, 128));
  band(2, QColor(160, 72, 64), QColor(82, 20, 20));
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  //: The button's two lines, "Next" over "Player", on a 50-pixel square: a short word each.
  const QString words[2] = {QCoreApplication::translate("Pictures", "Next"),
                            QCoreApplication::translate("Pictures", "Player")};
  QFont f = Upright(SerifFont(14, true, false), words[0] + words[1]);
  // A longer word makes both lines smaller, so that they stay inside the button's bands.
  for (const QString& word : words)
    while (QFontMetricsF(f).horizontalAdvance(word) > 44 && f.pixelSize() > 8)
      f.setPixelSize(f.pixelSize() - 1);
  QFontMetricsF fm(f);
  for (int line = 0; line < 2; ++line) {
    const QString& word = words[line];
    double tw = fm.horizontalAdvance(word);
    QPointF at(25 - tw / 2, line == 0 ? 22 : 37);
    QPainterPath path;
    path.addText(at, f, word);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 12, 12));
    p.drawPath(path.translated(0.8, 0.8));
    p.setBrush(QColor(200, 200, 200));
    p.drawPath(path);
  }
  p.end();
  QImage out = Reduce(big, kSuper);
  return out.convertToFormat(QImage::Format_RGB32);
}

}  // namespace artgen
