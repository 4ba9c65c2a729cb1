// Writes the game's background music: four arrangements of public-domain tunes, each with a
// melody, a bass and chords on General MIDI instruments, one to three minutes long and kept
// soft, as music under a game should be.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "smf.h"

namespace midigen {
namespace {

// General MIDI programs (counted from 0).
enum Program {
  kNylonGuitar = 24,
  kViolin = 40,
  kViola = 41,
  kCello = 42,
  kPizzicato = 45,
  kHarp = 46,
  kStrings2 = 49,
  kPiano = 0,
  kHorn = 60,
  kClarinet = 71,
  kFlute = 73,
  kRecorder = 74,
};

// A gentle, repeatable unevenness of touch.
int Touch(int step) {
  static const int kJitter[] = {0, 3, -2, 4, -3, 1, -1, 2};
  return kJitter[step & 7];
}

// Plays a line from `beat`; the first beat of each bar is leaned on a little.
double PlayLine(Song& song, int channel, const std::vector<Step>& line, double beat,
                double beatsPerBar, int velocity, int transpose = 0) {
  int k = 0;
  for (const Step& s : line) {
    const bool downbeat = std::fmod(beat + 1e-9, beatsPerBar) < 1e-6;
    if (s.pitch >= 0)
      song.Note(channel, beat, s.beats, s.pitch + transpose,
                velocity + (downbeat ? 8 : 0) + Touch(k));
    beat += s.beats;
    ++k;
  }
  return beat;
}

// The chord's tones from `low` upwards, one octave's worth, lowest first.
std::vector<int> Voicing(const Chord& chord, int low) {
  std::vector<int> tones;
  for (int interval : chord.intervals) {
    int p = chord.root + interval;
    while (p < low) p += 12;
    tones.push_back(p);
  }
  std::sort(tones.begin(), tones.end());
  return tones;
}

int Bass(const Chord& chord, int low) {
  int p = chord.root;
  while (p < low) p += 12;
  return p;
}

// ---- Greensleeves (English, sixteenth century) ----------------------------------------------

void Greensleeves(const std::string& path) {
  const std::string verse =
      "C5:2 D5:1 | E5:1.5 F5:.5 E5:1 | D5:2 B4:1 | G4:1.5 A4:.5 B4:1 | "
      "C5:2 A4:1 | A4:1.5 G#4:.5 A4:1 | B4:2 G#4:1 | E4:2 A4:1 | "
      "C5:2 D5:1 | E5:1.5 F5:.5 E5:1 | D5:2 B4:1 | G4:1.5 A4:.5 B4:1 | "
      "C5:1.5 B4:.5 A4:1 | G#4:1.5 F#4:.5 G#4:1 | A4:3 | A4:2 R:1 | ";
  const std::string chorus =
      "G5:3 | G5:1.5 F#5:.5 E5:1 | D5:2 B4:1 | G4:1.5 A4:.5 B4:1 | "
      "C5:2 A4:1 | A4:1.5 G#4:.5 A4:1 | B4:2 G#4:1 | E4:3 | "
      "G5:3 | G5:1.5 F#5:.5 E5:1 | D5:2 B4:1 | G4:1.5 A4:.5 B4:1 | "
      "C5:1.5 B4:.5 A4:1 | G#4:1.5 F#4:.5 G#4:1 | A4:3 | ";
  const std::string tune = verse + chorus;
  const std::string chords =
      "Am C G Em Am Am E E Am C G Em Am E Am Am "
      "C Em G Em Am Am E E C Em G Em Am E Am Am";

  Song song(80);
  song.Program(0, kRecorder, 106, 60, 60);
  song.Program(3, kFlute, 102, 68, 60);
  song.Program(1, kNylonGuitar, 98, 44, 50);
  song.Program(2, kCello, 86, 84, 50);

  // Two bars of guitar alone, the last beat of the second bringing in the tune; the tune twice
  // (recorder, then flute), each ending with its pickup into what follows; a closing chord.
  const std::vector<Step> pickup = ParseLine("R:5 A4:1", 100, "greensleeves pickup");
  const std::vector<Step> first = ParseLine(tune + "A4:2 A4:1 |", 3, "greensleeves");
  const std::vector<Step> second = ParseLine(tune + "A4:3 | A4:3 |", 3, "greensleeves");
  PlayLine(song, 0, pickup, 0, 3, 72);
  double beat = PlayLine(song, 0, first, 6, 3, 72);
  PlayLine(song, 3, second, beat, 3, 70);

  std::vector<Chord> bars = ParseChords("Am Am " + chords + " " + chords + " Am");
  for (size_t b = 0; b < bars.size(); ++b) {
    const double at = 3.0 * double(b);
    const std::vector<int> v = Voicing(bars[b], 52);  // around E3..E4
    const int root = Bass(bars[b], 45);
    // Guitar: a broken chord in quavers, low root, fifth, the chord above, back down.
    const int pattern[] = {root, v[2], v[0] + 12, v[1] + 12, v[0] + 12, v[2]};
    const bool last = b + 1 == bars.size();
    for (int k = 0; k < (last ? 1 : 6); ++k)
      song.Note(1, at + 0.5 * k, last ? 3 : 0.5, pattern[k], 50 + (k == 0 ? 10 : 0) + Touch(k));
    if (last)
      for (int t : v) song.Note(1, at + 0.05, 3, t + 12, 48);
    // Cello: the root held through the bar.
    song.Note(2, at, 3, Bass(bars[b], 36), 58 + Touch(int(b)));
  }
  std::printf("%s: %.0f s\n", path.c_str(), song.Seconds());
  song.Write(path);
}

// ---- Minuet in G (from the notebook for Anna Magdalena, 1725) --------------------------------

void Minuet(const std::string& path) {
  const std::string partA =
      "D5:1 G4:.5 A4:.5 B4:.5 C5:.5 | D5:1 G4:1 G4:1 | E5:1 C5:.5 D5:.5 E5:.5 F#5:.5 | "
      "G5:1 G4:1 G4:1 | C5:1 D5:.5 C5:.5 B4:.5 A4:.5 | B4:1 C5:.5 B4:.5 A4:.5 G4:.5 | "
      "F#4:1 G4:.5 A4:.5 B4:.5 G4:.5 | A4:3 | "
      "D5:1 G4:.5 A4:.5 B4:.5 C5:.5 | D5:1 G4:1 G4:1 | E5:1 C5:.5 D5:.5 E5:.5 F#5:.5 | "
      "G5:1 G4:1 G4:1 | C5:1 D5:.5 C5:.5 B4:.5 A4:.5 | B4:1 C5:.5 B4:.5 A4:.5 G4:.5 | "
      "A4:1 B4:.5 A4:.5 G4:.5 F#4:.5 | G4:3 | ";
  const std::string partB =
      "B5:1 G5:.5 A5:.5 B5:.5 G5:.5 | A5:1 D5:.5 E5:.5 F#5:.5 D5:.5 | "
      "G5:1 E5:.5 F#5:.5 G5:.5 D5:.5 | C#5:1 B4:.5 C#5:.5 A4:1 | "
      "A4:.5 B4:.5 C#5:.5 D5:.5 E5:.5 F#5:.5 | G5:1 F#5:1 E5:1 | F#5:1 A4:1 C#5:1 | D5:3 | "
      "D5:1 G4:.5 F#4:.5 G4:1 | E5:1 G4:.5 F#4:.5 G4:1 | D5:1 C5:1 B4:1 | "
      "A4:.5 G4:.5 F#4:.5 G4:.5 A4:1 | D4:.5 E4:.5 F#4:.5 G4:.5 A4:.5 B4:.5 | "
      "C5:1 B4:1 A4:1 | B4:.5 D5:.5 G4:1 F#4:1 | G4:3 | ";
  const std::string chordsA = "G G C G Am G D D G G C G Am G D G ";
  const std::string chordsB = "G D G A D Em A D G C G D G Am D G ";

  Song song(100);
  song.Program(0, kFlute, 106, 58, 55);
  song.Program(3, kClarinet, 102, 70, 55);
  song.Program(1, kStrings2, 78, 40, 70);
  song.Program(2, kPizzicato, 100, 86, 45);

  // Each half is played twice, flute first, clarinet on the repeat; one bar of chord to close.
  const std::vector<Step> a = ParseLine(partA, 3, "minuet A"), b = ParseLine(partB, 3, "minuet B");
  double beat = 0;
  const std::vector<Step>* halves[] = {&a, &a, &b, &b};
  for (int k = 0; k < 4; ++k) beat = PlayLine(song, k % 2 ? 3 : 0, *halves[k], beat, 3, 70);
  const std::vector<Chord> bars = ParseChords(chordsA + chordsA + chordsB + chordsB + "G");
  for (size_t k = 0; k < bars.size(); ++k) {
    const double at = 3.0 * double(k);
    const bool last = k + 1 == bars.size();
    for (int t : Voicing(bars[k], 55)) song.Note(1, at, last ? 4 : 3, t, 44);
    // Pizzicato bass: the root on the first beat, the fifth on the third.
    const int root = Bass(bars[k], 40);
    song.Note(2, at, 1, root, 72 + Touch(int(k)));
    if (!last) song.Note(2, at + 2, 1, root + (root + 7 > 52 ? -5 : 7), 60);
  }
  song.Note(0, beat, 3, 67, 60);  // the melody ends on G with the last chord
  std::printf("%s: %.0f s\n", path.c_str(), song.Seconds());
  song.Write(path);
}

// ---- Canon in D (after Pachelbel, about 1680) ------------------------------------------------

void Canon(const std::string& path) {
  // Eight chords of a beat each make a cycle over the ground bass; every variation fits it.
  const std::string ground = "D A Bm F#m G D G A";
  const std::string variations[] = {
      "F#5:1 E5:1 D5:1 C#5:1 B4:1 A4:1 B4:1 C#5:1",
      "D5:1 C#5:1 B4:1 A4:1 G4:1 F#4:1 G4:1 E4:1",
      "D4:.5 F#4:.5 A4:.5 G4:.5 F#4:.5 D4:.5 F#4:.5 E4:.5 "
      "D4:.5 B3:.5 D4:.5 A4:.5 G4:.5 B4:.5 A4:.5 G4:.5",
      "D5:.5 F#5:.5 E5:.5 C#5:.5 D5:.5 F#5:.5 C#5:.5 A4:.5 "
      "B4:.5 D5:.5 A4:.5 F#4:.5 G4:.5 B4:.5 C#5:.5 E5:.5",
      "F#5:1 E5:1 F#5:.5 D5:.5 C#5:1 D5:.5 B4:.5 A4:1 B4:.5 D5:.5 C#5:1",
      "D5:.25 A4:.25 F#4:.25 A4:.25 C#5:.25 A4:.25 E4:.25 A4:.25 "
      "B4:.25 F#4:.25 D4:.25 F#4:.25 A4:.25 F#4:.25 C#4:.25 F#4:.25 "
      "B4:.25 G4:.25 D4:.25 G4:.25 A4:.25 F#4:.25 D4:.25 F#4:.25 "
      "B4:.25 G4:.25 D4:.25 B4:.25 C#5:.25 A4:.25 E4:.25 C#5:.25",
      "F#5:.5 A5:.5 A5:.5 E5:.5 F#5:.5 D5:.5 F#5:.5 C#5:.5 "
      "D5:.5 B4:.5 D5:.5 A4:.5 B4:.5 G4:.5 A4:.5 C#5:.5",
      "F#5:1 E5:1 D5:1 C#5:1 B4:1 A4:1 B4:1 A4:1",
  };
  std::string line;
  for (const std::string& v : variations) line += v + " | ";

  Song song(58);
  song.Program(0, kViolin, 100, 40, 70);
  song.Program(1, kViolin, 96, 88, 70);
  song.Program(3, kViola, 94, 64, 70);
  song.Program(2, kCello, 96, 64, 60);
  song.Program(4, kHarp, 86, 56, 60);

  const std::vector<Step> canon = ParseLine(line, 8, "canon");
  // The ground alone twice, then three voices enter a cycle apart, the third an octave down.
  const int channels[] = {0, 1, 3};
  for (int voice = 0; voice < 3; ++voice)
    PlayLine(song, channels[voice], canon, 16.0 + 8 * voice, 8, 64 - 4 * voice,
             voice == 2 ? -12 : 0);
  const std::vector<Chord> cycle = ParseChords(ground);
  const int cycles = 2 + 2 + 8;
  for (int c = 0; c < cycles; ++c) {
    for (int k = 0; k < 8; ++k) {
      const double at = 8.0 * c + k;
      const Chord& chord = cycle[size_t(k)];
      song.Note(2, at, 1, Bass(chord, k == 5 ? 38 : 42), 70 + Touch(k));
      // Harp: the chord broken upwards in quavers.
      const std::vector<int> v = Voicing(chord, 62);
      song.Note(4, at, 0.5, v[0], 46 + Touch(k));
      song.Note(4, at + 0.5, 0.5, v[1], 40);
    }
  }
  const double end = 8.0 * cycles;
  const Chord d = ParseChord("D");
  song.Tempo(end - 2, 52);
  song.Note(2, end, 4, 38, 70);
  for (int t : Voicing(d, 62)) song.Note(4, end, 4, t, 50);
  song.Note(0, end, 4, 74, 60);
  song.Note(1, end, 4, 66, 56);
  song.Note(3, end, 4, 57, 54);
  std::printf("%s: %.0f s\n", path.c_str(), song.Seconds());
  song.Write(path);
}

// ---- Ode to Joy (Beethoven, 1824) -----------------------------------------------------------

void OdeToJoy(const std::string& path) {
  const std::string tune =
      "F#5:1 F#5:1 G5:1 A5:1 | A5:1 G5:1 F#5:1 E5:1 | D5:1 D5:1 E5:1 F#5:1 | F#5:1.5 E5:.5 E5:2 | "
      "F#5:1 F#5:1 G5:1 A5:1 | A5:1 G5:1 F#5:1 E5:1 | D5:1 D5:1 E5:1 F#5:1 | E5:1.5 D5:.5 D5:2 | "
      "E5:1 E5:1 F#5:1 D5:1 | E5:1 F#5:.5 G5:.5 F#5:1 D5:1 | E5:1 F#5:.5 G5:.5 F#5:1 E5:1 | "
      "D5:1 E5:1 A4:2 | "
      "F#5:1 F#5:1 G5:1 A5:1 | A5:1 G5:1 F#5:1 E5:1 | D5:1 D5:1 E5:1 F#5:1 | E5:1.5 D5:.5 D5:2 | ";
  const std::string chords = "D A D A D A D D A D A A D A D D ";

  Song song(92);
  song.Program(0, kClarinet, 100, 60, 55);
  song.Program(3, kHorn, 96, 70, 60);
  song.Program(5, kFlute, 84, 52, 60);
  song.Program(1, kPiano, 84, 48, 45);
  song.Program(2, kCello, 88, 80, 50);

  // Two bars of piano; the tune on the clarinet; again on the horn an octave down with the
  // flute above it; a closing chord.
  const std::vector<Step> line = ParseLine(tune, 4, "ode to joy");
  double beat = PlayLine(song, 0, line, 8, 4, 70);
  PlayLine(song, 3, line, beat, 4, 70, -12);
  beat = PlayLine(song, 5, line, beat, 4, 56);
  const std::vector<Chord> bars = ParseChords("D D " + chords + chords + "D");
  for (size_t k = 0; k < bars.size(); ++k) {
    const double at = 4.0 * double(k);
    const bool last = k + 1 == bars.size();
    const std::vector<int> v = Voicing(bars[k], 54);
    // Piano: the chord broken in crotchets, low to high and back.
    const int pattern[] = {v[0], v[1], v[2], v[1]};
    if (last) {
      for (int t : v) song.Note(1, at, 4, t, 52);
    } else {
      for (int q = 0; q < 4; ++q)
        song.Note(1, at + q, 1, pattern[q], 46 + (q == 0 ? 8 : 0) + Touch(q));
    }
    // Cello: root and fifth in minims.
    const int root = Bass(bars[k], 38);
    song.Note(2, at, last ? 4 : 2, root, 64 + Touch(int(k)));
    if (!last) song.Note(2, at + 2, 2, root + 7, 56);
  }
  song.Note(3, beat, 4, 62, 60);
  song.Note(5, beat, 4, 74, 50);
  std::printf("%s: %.0f s\n", path.c_str(), song.Seconds());
  song.Write(path);
}

}  // namespace
}  // namespace midigen

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_DIRECTORY\n", argv[0]);
    return 2;
  }
  const std::string dir = argv[1];
  midigen::Greensleeves(dir + "/green.mid");
  midigen::Minuet(dir + "/minuet.mid");
  midigen::Canon(dir + "/canon.mid");
  midigen::OdeToJoy(dir + "/joy.mid");
  return 0;
}
