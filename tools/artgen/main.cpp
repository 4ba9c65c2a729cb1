// ossaric-artgen OUTDIR: paints the game's pictures, cursors and icon and writes them as
// OUTDIR/pictures/BITMAP_n.bmp (8-bit, 256-entry colour table), OUTDIR/cursors/CURSOR_n.png and
// OUTDIR/icons/ICON_1.png, with the desktop's icons OUTDIR/icons/ossaric-SIZE.png. The same bytes
// come out on every run.
// ossaric-artgen OUTDIR QMDIR LANG...: also paints the pictures with words in them (the setup
// screen, the Next Player button) in each language, from QMDIR/ossaric_LANG.qm, as
// OUTDIR/pictures/BITMAP_14_LANG.bmp and BITMAP_4_LANG.bmp.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTranslator>
#include <cstdio>

#include "art.h"
#include "pictures.h"
#include "quantize.h"

using namespace artgen;
using ossaric::Bitmap;
using ossaric::MakeRgb;

namespace {

QString g_out;

bool Write(const QString& rel, const QByteArray& bytes) {
  QFile f(g_out + "/" + rel);
  if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) {
    std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(f.fileName()));
    return false;
  }
  return true;
}

bool WriteBmp(int number, const Bitmap& bmp, bool rle, const QString& language = QString()) {
  std::vector<uint8_t> data = ossaric::EncodeBmp(bmp, rle);
  const QString suffix = language.isEmpty() ? QString() : QLatin1Char('_') + language;
  return Write(
      QStringLiteral("pictures/BITMAP_%1%2.bmp").arg(number).arg(suffix),
      QByteArray(reinterpret_cast<const char*>(data.data()), static_cast<qsizetype>(data.size())));
}

bool WritePng(const QString& rel, const QImage& img) {
  if (!img.convertToFormat(QImage::Format_ARGB32).save(g_out + "/" + rel, "PNG")) {
    std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(rel));
    return false;
  }
  return true;
}

// The picture in `table`, taking the indices of `base` wherever it shows the same colour as
// `baseRgb`, so that a picture cut from the scene matches the scene pixel for pixel.
Bitmap IndexOver(const QImage& img, const QImage& baseRgb, const Bitmap& base, int bx, int by,
                 const Table& table) {
  Bitmap out = Index(img, table);
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if ((img.pixel(x, y) & 0xffffff) == (baseRgb.pixel(bx + x, by + y) & 0xffffff))
        out.pixels[static_cast<size_t>(y) * out.width + x] = base.Index(bx + x, by + y);
  return out;
}

Bitmap Crop(const Bitmap& src, int x0, int y0, int w, int h) {
  Bitmap out;
  out.width = w;
  out.height = h;
  out.colours = src.colours;
  out.pixels.resize(static_cast<size_t>(w) * h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      out.pixels[static_cast<size_t>(y) * w + x] = src.Index(x0 + x, y0 + y);
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc == 3 || argc < 2) {
    std::fprintf(stderr, "usage: ossaric-artgen OUTDIR [QMDIR LANG...]\n");
    return 2;
  }
  g_out = QString::fromLocal8Bit(argv[1]);
  for (const char* sub : {"pictures", "cursors", "icons"}) QDir().mkpath(g_out + "/" + sub);
  if (!LoadFonts()) {
    std::fprintf(stderr, "artgen: the URW base 35 fonts are missing (package fonts-urw-base35)\n");
    return 1;
  }

  QImage scene = PaintScene();
  SetupPieces pieces = PaintSetupPieces();
  QImage setup = PaintSetup(scene, pieces);
  QImage cup = PaintCup();

  // One colour table for the scene and everything drawn on it through the same colours. The
  // inks the program writes with are in it exactly.
  const std::vector<ossaric::Rgb> inks = {
      MakeRgb(58, 25, 47),    MakeRgb(108, 47, 66),   MakeRgb(170, 138, 129),
      MakeRgb(127, 86, 74),   MakeRgb(206, 198, 189), MakeRgb(103, 37, 33),
      MakeRgb(61, 26, 20),    MakeRgb(192, 192, 192), MakeRgb(255, 251, 240),
      MakeRgb(40, 9, 17),     MakeRgb(108, 60, 46),   MakeRgb(200, 176, 158),
      MakeRgb(150, 150, 150), MakeRgb(214, 214, 214), MakeRgb(172, 172, 172),
      MakeRgb(222, 222, 218), MakeRgb(128, 128, 128)};
  // The die, the button and the tick keep tables of their own but are shown through this one,
  // so their colours are counted too.
  QImage die = PaintDie();
  QImage next = PaintNextButton();
  std::vector<ossaric::Rgb> fixed = inks;
  for (ossaric::Rgb c : {MakeRgb(123, 33, 33), MakeRgb(224, 224, 224), MakeRgb(64, 64, 64)})
    fixed.push_back(c);
  Table shared =
      BuildTable({scene, setup, pieces.box, pieces.greyBox, pieces.dotLarge, pieces.dotMedium,
                  pieces.dotSmall, pieces.nameBox, pieces.greyNameBox, cup, die, next, pieces.tick},
                 fixed);
  Bitmap background = Index(scene, shared);
  bool ok = true;
  ok &= WriteBmp(12, background, false);
  ok &= WriteBmp(14, IndexOver(setup, scene, background, 275, 8, shared), false);
  ok &= WriteBmp(16, Index(pieces.box, shared), false);
  ok &= WriteBmp(21, Index(pieces.greyBox, shared), false);
  ok &= WriteBmp(17, Index(pieces.dotLarge, shared), false);
  ok &= WriteBmp(18, Index(pieces.dotMedium, shared), false);
  ok &= WriteBmp(19, Index(pieces.dotSmall, shared), false);
  ok &= WriteBmp(20, Index(pieces.nameBox, shared), false);
  ok &= WriteBmp(22, Index(pieces.greyNameBox, shared), false);
  ok &= WriteBmp(7, Index(cup, shared, true), true);
  ok &= WriteBmp(8, MaskOf(cup), false);
  // Marble patches: templates of the save-under buffers.
  ok &= WriteBmp(2, Crop(background, 25, 25, 50, 50), false);
  ok &= WriteBmp(3, Crop(background, 30, 274, 101, 151), true);

  // Pictures with colour tables of their own.
  ok &= WriteBmp(1, Index(die, BuildTable({die}, {}), true), true);
  ok &= WriteBmp(6, MaskOf(die), false);
  ok &= WriteBmp(4, Index(next, BuildTable({next}, {MakeRgb(123, 33, 33)})), false);
  ok &= WriteBmp(15, Index(pieces.tick, BuildTable({pieces.tick}, inks)), false);

  // The pictures with words, in every other language, through the same colour tables.
  const Table nextTable = BuildTable({next}, {MakeRgb(123, 33, 33)});
  for (int a = 3; a < argc; ++a) {
    const QString language = QString::fromLocal8Bit(argv[a]);
    QTranslator words;
    if (!words.load(QStringLiteral("ossaric_") + language, QString::fromLocal8Bit(argv[2]))) {
      std::fprintf(stderr, "artgen: no catalogue for %s\n", argv[a]);
      ok = false;
      continue;
    }
    QCoreApplication::installTranslator(&words);
    ok &= WriteBmp(14, IndexOver(PaintSetup(scene, pieces), scene, background, 275, 8, shared),
                   false, language);
    ok &= WriteBmp(4, Index(PaintNextButton(), nextTable), false, language);
    QCoreApplication::removeTranslator(&words);
  }

  for (int n = 1; n <= 4; ++n)
    ok &= WritePng(QStringLiteral("cursors/CURSOR_%1.png").arg(n), PaintCursor(n));
  ok &= WritePng(QStringLiteral("icons/ICON_1.png"), PaintIcon());
  // The desktop's icons, each drawn at its size.
  for (int size : {16, 24, 32, 48, 64, 128, 256})
    ok &= WritePng(QStringLiteral("icons/ossaric-%1.png").arg(size), PaintIcon(size));
  return ok ? 0 : 1;
}
