// Shared helpers of the artwork generator: a fixed-seed random source, smooth noise, colour
// arithmetic and the fonts the pictures are lettered with.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>
#include <cstdint>

namespace artgen {

// xorshift-style generator with a fixed seed: the same pictures on every build.
class Rng {
 public:
  explicit Rng(uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 1) {}
  uint32_t Next();
  double Unit() { return Next() / 4294967296.0; }  // [0, 1)
  double Range(double lo, double hi) { return lo + (hi - lo) * Unit(); }

 private:
  uint64_t state_;
};

// Value noise in [0, 1] on an integer lattice, smoothly interpolated; `seed` picks the field.
double Noise(double x, double y, uint32_t seed);
// Fractal sum of `octaves` noise layers, normalised to [0, 1].
double Fbm(double x, double y, int octaves, uint32_t seed);
// Sum of |2n - 1| over octaves: creased noise for marble veins, in [0, 1].
double Turbulence(double x, double y, int octaves, uint32_t seed);

double Clamp01(double v);
double Smoothstep(double e0, double e1, double v);
QColor Mix(const QColor& a, const QColor& b, double t);
QColor Scale(const QColor& c, double f);  // brightness factor, clamped
QRgb Opaque(int r, int g, int b);

// An ARGB image painted at `factor` times the size and reduced by averaging, for smooth edges.
// Colours are un-premultiplied so object edges keep their own colour rather than fading to black.
QImage Reduce(const QImage& big, int factor);

// Fonts from the installed font files, loaded by file so that no substitution changes a picture.
QFont ScriptFont(double pixelSize);  // chancery italic for titles
QFont SerifFont(double pixelSize, bool bold, bool italic);
QFont SansFont(double pixelSize, bool bold);
// `font`, or for Arabic `text` an upright face that has its letters (slanted, they lose them).
QFont Upright(QFont font, const QString& text);
bool LoadFonts();

}  // namespace artgen
