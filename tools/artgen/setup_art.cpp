// The setup screen: its scroll with headings, the drawn-in boxes and name field, and the small
// pieces the program draws on it (boxes, dots, tick, name fields).
#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

#include "art.h"
#include "pictures.h"

namespace artgen {

namespace {

const QColor kParchment(255, 251, 240);
const QColor kHeadingInk(103, 37, 33);
const QColor kTextInk(127, 86, 74);

// A framed field: dark outer line, a shadow line inside along top and left, plain inside.
QImage Field(int w, int h, const QColor& frame, const QColor& shadow, const QColor& inside) {
  QImage img(w, h, QImage::Format_RGB32);
  img.fill(inside);
  for (int x = 0; x < w; ++x) {
    img.setPixelColor(x, 0, frame);
    img.setPixelColor(x, h - 1, frame);
    if (x > 0 && x < w - 1) img.setPixelColor(x, 1, shadow);
  }
  for (int y = 0; y < h; ++y) {
    img.setPixelColor(0, y, frame);
    img.setPixelColor(w - 1, y, frame);
    if (y > 0 && y < h - 1 && w < 40) img.setPixelColor(1, y, shadow);
  }
  return img;
}

// A glass bead of radius r, grey-blue with a teal rim, on the box's cream.
QImage Dot(double r) {
  const int s = 8;
  QImage big(11 * s, 11 * s, QImage::Format_ARGB32_Premultiplied);
  big.fill(kParchment);
  QPainter p(&big);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(s, s);
  QPointF c(5.5, 5.5);
  QRadialGradient g(c + QPointF(-r * 0.35, -r * 0.4), r * 1.35);
  g.setColorAt(0, QColor(236, 242, 248));
  g.setColorAt(0.3, QColor(146, 166, 196));
  g.setColorAt(0.7, QColor(62, 112, 150));
  g.setColorAt(1, QColor(28, 78, 88));
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawEllipse(c, r, r);
  p.end();
  return Reduce(big, s).convertToFormat(QImage::Format_RGB32);
}

// `font`, made smaller until `text` is at most `room` pixels wide (a translation may be longer
// than the English words the picture was drawn for).
QFont Fitted(QFont font, const QString& text, double room) {
  while (QFontMetricsF(font).horizontalAdvance(text) > room && font.pixelSize() > 8)
    font.setPixelSize(font.pixelSize() - 1);
  return font;
}

// A heading centred on x, its baseline at y, with a pen stroke to either side; the strokes stay
// on the scroll.
void Heading(QPainter& p, const QString& text, double cx, double baseline) {
  QFont f = Fitted(Upright(SerifFont(20, true, true), text), text, 220);
  QFontMetricsF fm(f);
  double w = fm.horizontalAdvance(text);
  QPainterPath path;
  path.addText(QPointF(cx - w / 2, baseline), f, text);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(200, 170, 150));
  p.drawPath(path.translated(0.8, 0.8));
  p.setBrush(kHeadingInk);
  p.drawPath(path);
  for (int side = -1; side <= 1; side += 2) {
    double x0 = cx + side * (w / 2 + 9), x1 = x0 + side * 46;
    double y = baseline - 6;
    QPainterPath stroke;
    stroke.moveTo(x0, y);
    stroke.quadTo((x0 + x1) / 2, y - 2.5 * side * 0 - 2, x1, y);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(170, 138, 129), 1.1, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(stroke);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(170, 138, 129));
    p.drawEllipse(QPointF(x1 + side * 3, y), 1.5, 1.5);
  }
}

void Blit(QImage& dst, const QImage& src, int x, int y) {
  for (int j = 0; j < src.height(); ++j)
    for (int i = 0; i < src.width(); ++i) dst.setPixel(x + i, y + j, src.pixel(i, j) | 0xff000000u);
}

}  // namespace

SetupPieces PaintSetupPieces() {
  SetupPieces s;
  s.box = Field(19, 19, QColor(108, 60, 46), QColor(200, 176, 158), kParchment);
  s.greyBox = Field(19, 19, QColor(150, 150, 150), QColor(214, 214, 214), QColor(255, 255, 255));
  s.nameBox = Field(82, 24, QColor(108, 60, 46), QColor(200, 176, 158), kParchment);
  s.greyNameBox = Field(82, 24, QColor(172, 172, 172), QColor(222, 222, 218), kParchment);
  s.dotLarge = Dot(4.9);
  s.dotMedium = Dot(3.4);
  s.dotSmall = Dot(2.0);
  // The tick: the box's upper-right part with a check mark in its lower-left block.
  s.tick = s.box.copy(4, 0, 15, 15);
  {
    const int k = 8;
    QImage big = s.tick.scaled(15 * k, 15 * k).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(k, k);
    QPainterPath check;
    check.moveTo(0.9, 9.2);
    check.lineTo(3.6, 13.2);
    check.quadTo(6.0, 7.5, 10.4, 4.4);
    p.setPen(QPen(QColor(8, 8, 8), 1.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(check);
    p.end();
    QImage small = Reduce(big, k).convertToFormat(QImage::Format_RGB32);
    // Keep the frame exact; only the check mark block is repainted.
    for (int y = 4; y < 15; ++y)
      for (int x = 0; x < 11; ++x) s.tick.setPixel(x, y, small.pixel(x, y));
  }
  return s;
}

QImage PaintSetup(const QImage& scene, const SetupPieces& pieces) {
  const int ox = 275, oy = 8;
  QImage img = scene.copy(ox, oy, 345, 415).convertToFormat(QImage::Format_RGB32);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.translate(-ox, -oy);  // draw in window coordinates
  const double cx = 446;
  Heading(p, QCoreApplication::translate("Pictures", "Games"), cx, 88);
  Heading(p, QCoreApplication::translate("Pictures", "Rolls"), cx, 162);
  Heading(p, QCoreApplication::translate("Pictures", "Players"), cx, 216);
  Heading(p, QCoreApplication::translate("Pictures", "Players' Names"), cx, 270);
  Heading(p, QCoreApplication::translate("Pictures", "Options"), cx, 351);

  const QString tipWords = QCoreApplication::translate("Pictures", "Display Tip of the Day");
  QFont f = Fitted(Upright(SerifFont(18, true, true), tipWords), tipWords, 240);
  QPainterPath tip;
  tip.addText(QPointF(370, 373), f, tipWords);
  p.setPen(Qt::NoPen);
  p.setBrush(kTextInk);
  p.drawPath(tip);

  // "Return to Ossaric" on the bottom line, where a press starts the game.
  // The game's name stands where %1 stands in the words around it, in the script face.
  //: The setup screen's way out: %1 is the game's name, drawn in a script face.
  const QString words = QCoreApplication::translate("Pictures", "Return to %1");
  const qsizetype at = std::max<qsizetype>(words.indexOf(QLatin1String("%1")), 0);
  QString a = words.left(at), b = QStringLiteral("Ossaric"), c = words.mid(at + 2);
  QFont lead = Upright(SerifFont(19, true, true), words), name = ScriptFont(27);
  auto widths = [&] {
    return QFontMetricsF(lead).horizontalAdvance(a) + QFontMetricsF(name).horizontalAdvance(b) +
           QFontMetricsF(lead).horizontalAdvance(c);
  };
  while (widths() > 300 && lead.pixelSize() > 8) {
    lead.setPixelSize(lead.pixelSize() - 1);
    name.setPixelSize(name.pixelSize() - 1);
  }
  double wa = QFontMetricsF(lead).horizontalAdvance(a),
         wb = QFontMetricsF(name).horizontalAdvance(b) + QFontMetricsF(lead).horizontalAdvance(c);
  double x0 = cx - (wa + wb) / 2, base = 405;
  QPainterPath ret;
  if (words.isRightToLeft()) {
    // Read from the right: the words before the name stand to its right, those after to its left.
    const double wc = QFontMetricsF(lead).horizontalAdvance(c);
    const double wn = QFontMetricsF(name).horizontalAdvance(b);
    if (!c.isEmpty()) ret.addText(QPointF(x0, base), lead, c);
    ret.addText(QPointF(x0 + wc, base + 1), name, b);
    ret.addText(QPointF(x0 + wc + wn, base), lead, a);
  } else {
    ret.addText(QPointF(x0, base), lead, a);
    ret.addText(QPointF(x0 + wa, base + 1), name, b);
    if (!c.isEmpty())
      ret.addText(QPointF(x0 + wa + QFontMetricsF(name).horizontalAdvance(b), base), lead, c);
  }
  p.setBrush(QColor(200, 170, 150));
  p.drawPath(ret.translated(0.8, 0.8));
  p.setBrush(kHeadingInk);
  p.drawPath(ret);
  // A small diamond either side marks the line as the way out of the setup.
  for (int side = -1; side <= 1; side += 2) {
    double x = side < 0 ? x0 - 12 : x0 + wa + wb + 10, y = base - 6;
    QPainterPath diamond;
    diamond.moveTo(x, y - 3.5);
    diamond.lineTo(x + 3, y);
    diamond.lineTo(x, y + 3.5);
    diamond.lineTo(x - 3, y);
    diamond.closeSubpath();
    p.setBrush(QColor(170, 138, 129));
    p.drawPath(diamond);
  }
  p.end();

  auto put = [&](const QImage& piece, int x, int y) { Blit(img, piece, x - ox, y - oy); };
  put(pieces.box, 313, 94);
  put(pieces.box, 428, 94);
  for (int x : {323, 361, 400, 436}) put(pieces.box, x, 223);
  put(pieces.nameBox, 352, 277);
  put(pieces.box, 345, 358);
  return img;
}

}  // namespace artgen
