#include "synth.h"

#include <algorithm>
#include <fstream>

namespace wavgen {

namespace {
constexpr double kPi = 3.14159265358979323846;

void Put(std::ofstream& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.put(char((value >> (8 * i)) & 0xff));
}
}  // namespace

Biquad::Biquad(Kind kind, double freq, double q, double rate) {
  freq = std::clamp(freq, 10.0, 0.45 * rate);
  const double w = 2 * kPi * freq / rate, c = std::cos(w), alpha = std::sin(w) / (2 * q);
  double b0, b1, b2;
  switch (kind) {
    case LowPass:
      b0 = (1 - c) / 2, b1 = 1 - c, b2 = (1 - c) / 2;
      break;
    case HighPass:
      b0 = (1 + c) / 2, b1 = -(1 + c), b2 = (1 + c) / 2;
      break;
    default:  // band-pass, 0 dB at the peak
      b0 = alpha, b1 = 0, b2 = -alpha;
      break;
  }
  const double a0 = 1 + alpha;
  b0_ = b0 / a0, b1_ = b1 / a0, b2_ = b2 / a0;
  a1_ = -2 * c / a0, a2_ = (1 - alpha) / a0;
}

void AddMode(Buffer& out, double rate, size_t start, const Mode& mode, double phase) {
  if (mode.freq <= 0 || mode.freq >= 0.47 * rate) return;
  const size_t length =
      std::min(out.size() - std::min(start, out.size()), size_t(mode.decay * 7 * rate) + 1);
  const double w = 2 * kPi * mode.freq / rate, k = std::exp(-1.0 / (mode.decay * rate));
  double amp = mode.level;
  // A one-sample rise avoids a step at the onset.
  for (size_t i = 0; i < length; ++i) {
    const double rise = i == 0 ? 0.5 : 1.0;
    out[start + i] += rise * amp * std::sin(w * double(i) + phase);
    amp *= k;
  }
}

void AddContact(Buffer& out, double rate, size_t start, double level, double length,
                double brightness, Noise& noise) {
  Biquad low(Biquad::LowPass, 600 + 9000 * brightness, 0.7, rate);
  Biquad high(Biquad::HighPass, 80 + 1500 * brightness, 0.7, rate);
  const double k = std::exp(-1.0 / (length * rate));
  double amp = level;
  for (size_t i = start; i < out.size() && amp > level * 1e-3; ++i) {
    out[i] += amp * high(low(noise.White()));
    amp *= k;
  }
}

void Normalise(Buffer& buffer, double peak, double rate) {
  double top = 0;
  for (double v : buffer) top = std::max(top, std::abs(v));
  if (top <= 0) return;
  for (double& v : buffer) v *= peak / top;
  const size_t fade = std::min(buffer.size(), size_t(0.012 * rate));
  for (size_t i = 0; i < fade; ++i) buffer[buffer.size() - 1 - i] *= double(i) / double(fade);
}

bool WriteWav8(const std::string& path, const Buffer& buffer, int rate) {
  std::ofstream out(path, std::ios::binary);
  if (!out) return false;
  const uint32_t n = uint32_t(buffer.size());
  out.write("RIFF", 4);
  Put(out, 36 + n + (n & 1), 4);
  out.write("WAVEfmt ", 8);
  Put(out, 16, 4);
  Put(out, 1, 2);  // PCM
  Put(out, 1, 2);  // mono
  Put(out, uint32_t(rate), 4);
  Put(out, uint32_t(rate), 4);
  Put(out, 1, 2);
  Put(out, 8, 2);
  out.write("data", 4);
  Put(out, n, 4);
  Noise dither(99);
  double envelope = 0;
  const double release = std::exp(-1.0 / (0.01 * rate));
  for (double v : buffer) {
    envelope = std::max(std::abs(v), envelope * release);
    const double gate = std::clamp(envelope * 127.0 / 3.0, 0.0, 1.0);
    const double tpdf = (dither.Uniform() - dither.Uniform()) * gate;
    const long q = std::lround(v * 127.0 + tpdf);
    out.put(char(uint8_t(std::clamp(q, -127L, 127L) + 128)));
  }
  if (n & 1) out.put(char(128));
  return bool(out);
}

}  // namespace wavgen
