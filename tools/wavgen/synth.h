// Small building blocks for synthesising the game's sound effects: a seeded noise source,
// resonant filters, struck-object impacts made of decaying modes, and an 8-bit WAV writer.
#pragma once

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace wavgen {

using Buffer = std::vector<double>;

// Deterministic noise, the same on every build.
class Noise {
 public:
  explicit Noise(uint64_t seed) : state_(seed * 2654435761u + 0x9E3779B97F4A7C15ull) {}
  double Uniform() {  // [0, 1)
    state_ ^= state_ << 13;
    state_ ^= state_ >> 7;
    state_ ^= state_ << 17;
    return double(state_ >> 11) / double(1ull << 53);
  }
  double Range(double lo, double hi) { return lo + (hi - lo) * Uniform(); }
  double White() { return 2.0 * Uniform() - 1.0; }

 private:
  uint64_t state_;
};

// A second-order section (the familiar audio cookbook designs).
class Biquad {
 public:
  enum Kind { LowPass, HighPass, BandPass };
  Biquad(Kind kind, double freq, double q, double rate);
  double operator()(double x) {
    const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_;
    x1_ = x;
    y2_ = y1_;
    y1_ = y;
    return y;
  }
  void Run(Buffer& buffer) {
    for (double& v : buffer) v = (*this)(v);
  }

 private:
  double b0_ = 0, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
  double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// One resonant mode of a struck body: frequency (Hz), level and decay time constant (s).
struct Mode {
  double freq;
  double level;
  double decay;
};

// Adds a decaying sinusoid to `out` from sample `start`.
void AddMode(Buffer& out, double rate, size_t start, const Mode& mode, double phase);

// Adds a short burst of filtered noise: the contact of two hard bodies. `length` is the decay
// time constant in seconds; `brightness` 0..1 leans from a dull thud to a sharp tick.
void AddContact(Buffer& out, double rate, size_t start, double level, double length,
                double brightness, Noise& noise);

// Scales `buffer` so its largest magnitude is `peak`, with a short fade at the very end.
void Normalise(Buffer& buffer, double peak, double rate);

// Writes `buffer` as a mono 8-bit PCM RIFF WAVE of exactly 44 + buffer.size() bytes.
// Low-level triangular dither is used only where there is sound, so silence stays silent.
bool WriteWav8(const std::string& path, const Buffer& buffer, int rate);

}  // namespace wavgen
