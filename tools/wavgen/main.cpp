// Writes the seven sound effects of the game into a directory. Each is an 8-bit mono RIFF WAVE
// of a fixed byte size (the game reads each into a block of that size), synthesised from
// noise and struck-body modes: dice rattled in a leather cup, dice landing on marble, a pen on
// parchment, a die dropped into the cup.
#include <algorithm>
#include <cstdio>
#include <functional>
#include <iterator>
#include <string>

#include "platform/effect_list.h"
#include "synth.h"

namespace wavgen {
namespace {

// ---- Dice on the marble table -------------------------------------------------------------

// One strike of a die on marble: the hard tick of contact, the die's own high modes, the bright
// ring of the stone and the short low knock of the heavy slab.
void DieOnMarble(Buffer& out, double rate, double t, double s, Noise& n) {
  const size_t at = size_t(t * rate);
  if (at >= out.size()) return;
  AddContact(out, rate, at, 0.55 * s, 0.0005, 0.95, n);
  const double f = n.Range(4800, 6600);
  AddMode(out, rate, at, {f, 0.30 * s * n.Range(0.5, 1.0), n.Range(0.005, 0.010)}, n.Range(0, 6));
  AddMode(out, rate, at, {f * n.Range(1.35, 1.55), 0.18 * s * n.Range(0.3, 1.0), 0.005}, 0);
  // The stone rings briefly where it was struck: a few modes, different at every spot.
  for (int k = 0; k < 3; ++k)
    AddMode(out, rate, at,
            {n.Range(1900, 4200), 0.09 * s * n.Range(0.5, 1.0), n.Range(0.008, 0.02)},
            n.Range(0, 6));
  AddMode(out, rate, at, {n.Range(720, 900), 0.08 * s, 0.008}, 0);
  AddMode(out, rate, at, {n.Range(170, 240), 0.20 * s, 0.012}, 0);
}

// Two dice knocking together: sharper and higher, with no stone in it.
void DieOnDie(Buffer& out, double rate, double t, double s, Noise& n) {
  const size_t at = size_t(t * rate);
  if (at >= out.size()) return;
  AddContact(out, rate, at, 0.45 * s, 0.0004, 1.0, n);
  AddMode(out, rate, at, {n.Range(4200, 5200), 0.25 * s, n.Range(0.004, 0.007)}, n.Range(0, 6));
  AddMode(out, rate, at, {n.Range(6000, 7600), 0.18 * s, 0.004}, n.Range(0, 6));
  AddMode(out, rate, at, {n.Range(2900, 3500), 0.10 * s, 0.006}, 0);
}

// A die landing: the first strike, bounces coming quicker and softer, then a short tumble as
// it tips over its edges and settles.
void DieLands(Buffer& out, double rate, double t, double s, Noise& n) {
  double gap = n.Range(0.032, 0.05), level = s;
  while (level > 0.07 && gap > 0.005) {
    DieOnMarble(out, rate, t, level, n);
    t += gap;
    gap *= n.Range(0.55, 0.7);
    level *= n.Range(0.42, 0.58);
  }
  const int tips = 2 + int(n.Range(0, 2.99));
  for (int k = 0; k < tips; ++k) {
    t += n.Range(0.018, 0.045);
    DieOnMarble(out, rate, t, s * n.Range(0.07, 0.16), n);
  }
}

// Several dice thrown at once: each lands in turn, and some knock into those already down.
Buffer Throw(double rate, size_t samples, int dice, uint64_t seed) {
  Buffer out(samples, 0.0);
  Noise n(seed);
  double t = 0.004;
  for (int d = 0; d < dice; ++d) {
    DieLands(out, rate, t, d == 0 ? 1.0 : n.Range(0.65, 0.9), n);
    if (d > 0 && n.Uniform() < 0.7) DieOnDie(out, rate, t + n.Range(0.03, 0.07), 0.45, n);
    t += n.Range(0.062, 0.082);
  }
  return out;
}

// ---- The leather cup ----------------------------------------------------------------------

// A die thrown against the leather wall: a dull slap coloured by the cup's hollow.
void LeatherKnock(Buffer& out, double rate, double t, double s, Noise& n) {
  const size_t at = size_t(t * rate);
  if (at >= out.size()) return;
  // Leather is heavily damped: the knock is mostly the slap itself and dies within a few ms.
  AddContact(out, rate, at, 0.8 * s, 0.004, 0.2, n);
  AddMode(out, rate, at, {n.Range(520, 760), 0.30 * s, 0.006}, n.Range(0, 6));
  AddMode(out, rate, at, {n.Range(190, 260), 0.25 * s, 0.008}, n.Range(0, 6));
  AddMode(out, rate, at, {n.Range(2600, 3300), 0.08 * s, 0.003}, 0);
}

// The inside of the cup: a gentle roll-off of the highs and the boom of its hollow.
void CupColour(Buffer& dry, double rate) {
  Biquad soften(Biquad::LowPass, 4200, 0.7, rate);
  Biquad hollow(Biquad::BandPass, 620, 2.0, rate);
  for (double& v : dry) {
    const double s = soften(v);
    v = s + 0.5 * hollow(s);
  }
}

// Dice shaken in the cup. Each reversal of the shake throws them against the wall together
// (a cluster of knocks and, with several dice, clacks between them); a soft swish of leather
// and hand runs underneath.
Buffer Rattle(double rate, size_t samples, int dice, uint64_t seed) {
  Buffer out(samples, 0.0);
  Noise n(seed);
  const double seconds = double(samples) / rate;
  double t = 0.003;
  while (t < seconds) {
    const int events = dice == 1 ? 1 + int(n.Range(0, 1.6)) : 5 + int(n.Range(0, 4.99));
    double e = t;
    for (int k = 0; k < events; ++k) {
      const double s = (k == 0 ? 1.0 : n.Range(0.3, 0.8)) * (dice == 1 ? 1.0 : 0.8);
      if (dice > 1 && n.Uniform() < 0.45)
        DieOnDie(out, rate, e, 0.5 * s, n);
      else
        LeatherKnock(out, rate, e, s, n);
      e += dice == 1 ? n.Range(0.008, 0.02) : n.Range(0.002, 0.009);
    }
    // Between the reversals the dice roll along the wall.
    const double period = n.Range(0.062, 0.078);
    for (int k = 0; k < (dice == 1 ? 1 : 2); ++k) {
      const double when = t + n.Range(0.3, 0.9) * period;
      if (dice == 1)
        LeatherKnock(out, rate, when, 0.18, n);
      else
        DieOnDie(out, rate, when, 0.15, n);
    }
    t += period;
  }
  Biquad swishBand(Biquad::LowPass, 700, 0.7, rate);
  for (size_t i = 0; i < samples; ++i) {
    const double phase = std::fmod(double(i) / rate, 0.07) / 0.07;
    out[i] += 0.05 * std::sin(3.14159265 * phase) * swishBand(n.White());
  }
  CupColour(out, rate);
  return out;
}

// A die dropped into the cup: it lands on the leather bottom and on the dice already there,
// bounces twice and settles.
Buffer DropIntoCup(double rate, size_t samples, uint64_t seed) {
  Buffer out(samples, 0.0);
  Noise n(seed);
  const double times[] = {0.004, 0.046, 0.076, 0.098, 0.135};
  const double levels[] = {1.0, 0.38, 0.2, 0.1, 0.06};
  for (int k = 0; k < 5; ++k) {
    const size_t at = size_t(times[k] * rate);
    AddContact(out, rate, at, 0.7 * levels[k], 0.005, 0.18, n);
    AddMode(out, rate, at, {n.Range(260, 360), 0.35 * levels[k], 0.010}, n.Range(0, 6));
    AddMode(out, rate, at, {n.Range(560, 760), 0.2 * levels[k], 0.007}, n.Range(0, 6));
    if (k < 3) DieOnDie(out, rate, times[k] + 0.002, 0.5 * levels[k], n);
  }
  // It rocks on the dice beneath it before it lies still.
  for (double t : {0.168, 0.196, 0.219, 0.238}) LeatherKnock(out, rate, t, n.Range(0.04, 0.08), n);
  CupColour(out, rate);
  return out;
}

// ---- The pen -------------------------------------------------------------------------------

// A pen writing a score on parchment: strokes of scratching friction. The nib sticks and slips
// (a train of tiny clicks at a rate that follows the speed of the stroke) over a hiss of fibre.
Buffer PenScratch(double rate, size_t samples, uint64_t seed) {
  Buffer out(samples, 0.0);
  Noise n(seed);
  struct Stroke {
    double start, end, speed;
  } strokes[] = {{0.010, 0.135, 1.0},
                 {0.160, 0.330, 0.85},
                 {0.345, 0.400, 1.2},
                 {0.455, 0.590, 0.9},
                 {0.610, 0.760, 1.05}};
  Biquad hissBand(Biquad::BandPass, 3800, 0.9, rate);
  Biquad hissHigh(Biquad::HighPass, 1500, 0.7, rate);
  Biquad nibBand(Biquad::BandPass, 2600, 1.6, rate);
  Biquad fibre(Biquad::LowPass, 45, 0.7, rate);  // the uneven grain of the parchment
  double nibPhase = 0;
  for (size_t i = 0; i < samples; ++i) {
    const double t = double(i) / rate;
    double env = 0, speed = 0;
    for (const Stroke& s : strokes) {
      if (t < s.start || t > s.end) continue;
      const double x = (t - s.start) / (s.end - s.start);
      const double attack = std::min(1.0, (t - s.start) / 0.008);
      const double release = std::min(1.0, (s.end - t) / 0.015);
      env = attack * release * (0.75 + 0.25 * std::sin(3.14159265 * x));
      speed = s.speed * (0.6 + 0.4 * std::sin(3.14159265 * x));
    }
    const double hiss = hissBand(hissHigh(n.White()));
    // Stick-slip: a jittered click train between 250 and 800 per second.
    nibPhase += (250 + 550 * speed) / rate * n.Range(0.6, 1.4);
    double click = 0;
    if (nibPhase >= 1.0) {
      nibPhase -= 1.0;
      click = n.Range(0.4, 1.0);
    }
    const double grain = std::clamp(1.0 + 6.0 * fibre(n.White()), 0.25, 1.8);
    out[i] = env * grain * (0.4 * hiss + 1.0 * nibBand(click));
  }
  return out;
}

// How an effect is made; its file name and length (the whole file: 44 bytes of header and one
// byte a sample) come from the game's list of effects.
struct Voice {
  int rate;
  double peak;
  std::function<Buffer(double, size_t)> make;
};

}  // namespace
}  // namespace wavgen

int main(int argc, char** argv) {
  using namespace wavgen;
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_DIRECTORY\n", argv[0]);
    return 2;
  }
#define OSSARIC_EFFECT_FILE(id, file, bytes) file,
#define OSSARIC_EFFECT_BYTES(id, file, bytes) bytes,
  const char* const files[] = {OSSARIC_EFFECTS(OSSARIC_EFFECT_FILE)};
  const int sizes[] = {OSSARIC_EFFECTS(OSSARIC_EFFECT_BYTES)};
#undef OSSARIC_EFFECT_FILE
#undef OSSARIC_EFFECT_BYTES
  // In the order of the list: more dice, rattle 2, rattle 1, pen, dice cup, many dice, one die.
  const Voice voices[] = {
      {22050, 0.8, [](double r, size_t s) { return Throw(r, s, 3, 3); }},
      {16000, 0.7, [](double r, size_t s) { return Rattle(r, s, 4, 7); }},
      {16000, 0.7, [](double r, size_t s) { return Rattle(r, s, 1, 11); }},
      {16000, 0.45, [](double r, size_t s) { return PenScratch(r, s, 5); }},
      {16000, 0.78, [](double r, size_t s) { return DropIntoCup(r, s, 2); }},
      {22050, 0.8, [](double r, size_t s) { return Throw(r, s, 5, 9); }},
      {22050, 0.8, [](double r, size_t s) { return Throw(r, s, 2, 4); }},
  };
  static_assert(std::size(voices) == std::size(files), "one voice for each effect of the list");
  for (size_t k = 0; k < std::size(voices); ++k) {
    const Voice& e = voices[k];
    Buffer sound = e.make(e.rate, size_t(sizes[k] - 44));
    Normalise(sound, e.peak, e.rate);
    const std::string path = std::string(argv[1]) + "/" + files[k];
    if (!WriteWav8(path, sound, e.rate)) {
      std::fprintf(stderr, "wavgen: cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
