// A small Standard MIDI File writer (format 0, one track, events on several channels) and a
// reader of the note-and-duration text the arrangements are written in.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace midigen {

constexpr int kTicksPerBeat = 480;

class Song {
 public:
  explicit Song(double beatsPerMinute);
  void Program(int channel, int program, int volume, int pan, int reverb);
  // A note from `beat` lasting `beats`, at MIDI pitch `pitch` and velocity `velocity`.
  void Note(int channel, double beat, double beats, int pitch, int velocity);
  void Tempo(double beat, double beatsPerMinute);
  bool Write(const std::string& path) const;
  double Seconds() const;  // the length when played

 private:
  struct Event {
    int64_t tick;
    int order;  // note-offs before note-ons at the same tick
    std::vector<uint8_t> bytes;
  };
  std::vector<Event> events_;
  std::vector<std::pair<int64_t, double>> tempi_;
};

// One note of a line: a MIDI pitch (-1 for a rest) and its length in beats.
struct Step {
  int pitch;
  double beats;
};

// Reads "C5:1 D#4:.5 R:2 | ..." ("|" checks that each bar holds `beatsPerBar` beats; the tool
// stops with a message naming the bar when one does not). Octave 4 holds middle C.
std::vector<Step> ParseLine(const std::string& text, double beatsPerBar, const std::string& what);

// The pitches of a chord symbol ("Am", "F#m", "G7", "D") as semitones above its root, and the
// root as a pitch class 0..11.
struct Chord {
  int root;
  std::vector<int> intervals;
};
Chord ParseChord(const std::string& symbol);
std::vector<Chord> ParseChords(const std::string& text);

}  // namespace midigen
