#include "art.h"

#include <QFontDatabase>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <cstdio>

namespace artgen {

uint32_t Rng::Next() {
  state_ ^= state_ >> 12;
  state_ ^= state_ << 25;
  state_ ^= state_ >> 27;
  return static_cast<uint32_t>((state_ * 0x2545F4914F6CDD1Dull) >> 32);
}

namespace {

uint32_t Hash(int x, int y, uint32_t seed) {
  uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u +
               seed * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  return h ^ (h >> 16);
}

double Lattice(int x, int y, uint32_t seed) {
  return (Hash(x, y, seed) & 0xffffff) / 16777215.0;
}

double Fade(double t) {
  return t * t * t * (t * (t * 6 - 15) + 10);
}

}  // namespace

double Noise(double x, double y, uint32_t seed) {
  double fx = std::floor(x), fy = std::floor(y);
  int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
  double tx = Fade(x - fx), ty = Fade(y - fy);
  double a = Lattice(ix, iy, seed), b = Lattice(ix + 1, iy, seed);
  double c = Lattice(ix, iy + 1, seed), d = Lattice(ix + 1, iy + 1, seed);
  return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

double Fbm(double x, double y, int octaves, uint32_t seed) {
  double sum = 0, amp = 1, norm = 0;
  for (int i = 0; i < octaves; ++i) {
    sum += amp * Noise(x, y, seed + 101u * i);
    norm += amp;
    amp *= 0.5;
    x = x * 2.03 + 17.1;
    y = y * 2.01 + 5.3;
  }
  return sum / norm;
}

double Turbulence(double x, double y, int octaves, uint32_t seed) {
  double sum = 0, amp = 1, norm = 0;
  for (int i = 0; i < octaves; ++i) {
    sum += amp * std::fabs(2 * Noise(x, y, seed + 131u * i) - 1);
    norm += amp;
    amp *= 0.5;
    x = x * 2.07 + 3.7;
    y = y * 1.97 + 11.9;
  }
  return sum / norm;
}

double Clamp01(double v) {
  return v < 0 ? 0 : (v > 1 ? 1 : v);
}

double Smoothstep(double e0, double e1, double v) {
  double t = Clamp01((v - e0) / (e1 - e0));
  return t * t * (3 - 2 * t);
}

QColor Mix(const QColor& a, const QColor& b, double t) {
  t = Clamp01(t);
  auto ch = [t](int p, int q) { return static_cast<int>(std::lround(p + (q - p) * t)); };
  return QColor(ch(a.red(), b.red()), ch(a.green(), b.green()), ch(a.blue(), b.blue()));
}

QColor Scale(const QColor& c, double f) {
  auto ch = [f](int v) { return std::clamp(static_cast<int>(std::lround(v * f)), 0, 255); };
  return QColor(ch(c.red()), ch(c.green()), ch(c.blue()));
}

QRgb Opaque(int r, int g, int b) {
  return qRgb(std::clamp(r, 0, 255), std::clamp(g, 0, 255), std::clamp(b, 0, 255));
}

QImage Reduce(const QImage& bigIn, int factor) {
  QImage big = bigIn.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  int w = big.width() / factor, h = big.height() / factor;
  QImage out(w, h, QImage::Format_ARGB32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      long r = 0, g = 0, b = 0, a = 0;
      for (int j = 0; j < factor; ++j)
        for (int i = 0; i < factor; ++i) {
          QRgb p = big.pixel(x * factor + i, y * factor + j);
          r += qRed(p);
          g += qGreen(p);
          b += qBlue(p);
          a += qAlpha(p);
        }
      if (a == 0) {
        out.setPixel(x, y, 0);
        continue;
      }
      int n = factor * factor;
      out.setPixel(x, y,
                   qRgba(static_cast<int>(std::min(255L, r * 255 / a)),
                         static_cast<int>(std::min(255L, g * 255 / a)),
                         static_cast<int>(std::min(255L, b * 255 / a)), static_cast<int>(a / n)));
    }
  return out;
}

namespace {

QString g_script, g_serif, g_serifBold, g_serifItalic, g_serifBoldItalic, g_sans, g_sansBold;

QString Load(const char* path) {
  int id = QFontDatabase::addApplicationFont(QString::fromLatin1(path));
  if (id < 0) {
    std::fprintf(stderr, "artgen: cannot load font %s\n", path);
    return {};
  }
  QStringList families = QFontDatabase::applicationFontFamilies(id);
  return families.isEmpty() ? QString() : families.first();
}

QFont Make(const QString& family, double px, bool bold, bool italic) {
  QFont f(family);
  f.setPixelSize(static_cast<int>(std::lround(px)));
  f.setBold(bold);
  f.setItalic(italic);
  f.setHintingPreference(QFont::PreferNoHinting);
  f.setStyleStrategy(QFont::PreferAntialias);
  return f;
}

}  // namespace

bool LoadFonts() {
  const char* urw = "/usr/share/fonts/opentype/urw-base35/";
  auto at = [urw](const char* file) { return QString::fromLatin1(urw) + file; };
  g_script = Load(at("Z003-MediumItalic.otf").toLatin1().constData());
  g_serif = Load(at("C059-Roman.otf").toLatin1().constData());
  g_serifBold = Load(at("C059-Bold.otf").toLatin1().constData());
  g_serifItalic = Load(at("C059-Italic.otf").toLatin1().constData());
  g_serifBoldItalic = Load(at("C059-BdIta.otf").toLatin1().constData());
  g_sans = Load(at("NimbusSans-Regular.otf").toLatin1().constData());
  g_sansBold = Load(at("NimbusSans-Bold.otf").toLatin1().constData());
  return !g_script.isEmpty() && !g_serifBoldItalic.isEmpty() && !g_sansBold.isEmpty();
}

QFont ScriptFont(double px) {
  return Make(g_script, px, false, true);
}

QFont SerifFont(double px, bool bold, bool italic) {
  const QString& fam =
      bold ? (italic ? g_serifBoldItalic : g_serifBold) : (italic ? g_serifItalic : g_serif);
  return Make(fam, px, bold, italic);
}

QFont Upright(QFont font, const QString& text) {
  for (const QChar c : text)
    if (c.script() == QChar::Script_Arabic) {
      font.setFamilies({QStringLiteral("DejaVu Sans")});
      font.setItalic(false);
      break;
    }
  return font;
}

QFont SansFont(double px, bool bold) {
  return Make(bold ? g_sansBold : g_sans, px, bold, false);
}

}  // namespace artgen
