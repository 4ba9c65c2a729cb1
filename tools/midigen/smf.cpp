#include "smf.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace midigen {

namespace {

void Fail(const std::string& text) {
  std::fprintf(stderr, "midigen: %s\n", text.c_str());
  std::exit(1);
}

void PutVarLen(std::vector<uint8_t>& out, uint32_t value) {
  uint8_t bytes[5];
  int n = 0;
  bytes[n++] = value & 0x7f;
  while (value >>= 7) bytes[n++] = uint8_t(0x80 | (value & 0x7f));
  while (n) out.push_back(bytes[--n]);
}

int PitchClass(char letter) {
  switch (letter) {
    case 'C':
      return 0;
    case 'D':
      return 2;
    case 'E':
      return 4;
    case 'F':
      return 5;
    case 'G':
      return 7;
    case 'A':
      return 9;
    case 'B':
      return 11;
    default:
      return -1;
  }
}

}  // namespace

Song::Song(double beatsPerMinute) {
  tempi_.push_back({0, beatsPerMinute});
}

void Song::Tempo(double beat, double beatsPerMinute) {
  const int64_t tick = std::llround(beat * kTicksPerBeat);
  tempi_.push_back({tick, beatsPerMinute});
}

void Song::Program(int channel, int program, int volume, int pan, int reverb) {
  const uint8_t c = uint8_t(channel & 15);
  events_.push_back({0, 0, {uint8_t(0xC0 | c), uint8_t(program)}});
  events_.push_back({0, 0, {uint8_t(0xB0 | c), 7, uint8_t(volume)}});
  events_.push_back({0, 0, {uint8_t(0xB0 | c), 10, uint8_t(pan)}});
  events_.push_back({0, 0, {uint8_t(0xB0 | c), 91, uint8_t(reverb)}});
}

void Song::Note(int channel, double beat, double beats, int pitch, int velocity) {
  if (pitch < 0 || pitch > 127) return;
  const uint8_t c = uint8_t(channel & 15);
  const int64_t on = std::llround(beat * kTicksPerBeat);
  const int64_t off = std::max<int64_t>(on + 1, std::llround((beat + beats) * kTicksPerBeat) - 12);
  velocity = std::clamp(velocity, 1, 127);
  events_.push_back({on, 2, {uint8_t(0x90 | c), uint8_t(pitch), uint8_t(velocity)}});
  events_.push_back({off, 1, {uint8_t(0x80 | c), uint8_t(pitch), 64}});
}

double Song::Seconds() const {
  int64_t end = 0;
  for (const Event& e : events_) end = std::max(end, e.tick);
  auto tempi = tempi_;
  std::stable_sort(tempi.begin(), tempi.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  double seconds = 0;
  for (size_t i = 0; i < tempi.size(); ++i) {
    const int64_t from = tempi[i].first;
    const int64_t to = i + 1 < tempi.size() ? std::min(end, tempi[i + 1].first) : end;
    if (to > from) seconds += double(to - from) / kTicksPerBeat * 60.0 / tempi[i].second;
  }
  return seconds;
}

bool Song::Write(const std::string& path) const {
  std::vector<Event> events = events_;
  for (const auto& [tick, bpm] : tempi_) {
    const uint32_t micros = uint32_t(std::lround(60e6 / bpm));
    events.push_back(
        {tick, 0, {0xFF, 0x51, 3, uint8_t(micros >> 16), uint8_t(micros >> 8), uint8_t(micros)}});
  }
  std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
    return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
  });
  std::vector<uint8_t> track;
  int64_t now = 0;
  for (const Event& e : events) {
    PutVarLen(track, uint32_t(e.tick - now));
    now = e.tick;
    track.insert(track.end(), e.bytes.begin(), e.bytes.end());
  }
  // A short breath after the last note so the final chord can fade.
  PutVarLen(track, kTicksPerBeat);
  track.insert(track.end(), {0xFF, 0x2F, 0x00});

  std::ofstream out(path, std::ios::binary);
  const uint8_t header[] = {'M',
                            'T',
                            'h',
                            'd',
                            0,
                            0,
                            0,
                            6,
                            0,
                            0,
                            0,
                            1,
                            uint8_t(kTicksPerBeat >> 8),
                            uint8_t(kTicksPerBeat & 0xff)};
  out.write(reinterpret_cast<const char*>(header), sizeof header);
  const uint32_t n = uint32_t(track.size());
  const uint8_t chunk[] = {
      'M', 'T', 'r', 'k', uint8_t(n >> 24), uint8_t(n >> 16), uint8_t(n >> 8), uint8_t(n)};
  out.write(reinterpret_cast<const char*>(chunk), sizeof chunk);
  out.write(reinterpret_cast<const char*>(track.data()), std::streamsize(track.size()));
  return bool(out);
}

std::vector<Step> ParseLine(const std::string& text, double beatsPerBar, const std::string& what) {
  std::vector<Step> steps;
  std::istringstream in(text);
  std::string token;
  double bar = 0;
  int barNumber = 1;
  while (in >> token) {
    if (token == "|") {
      if (std::abs(bar - beatsPerBar) > 1e-6)
        Fail(what + ": bar " + std::to_string(barNumber) + " holds " + std::to_string(bar) +
             " beats");
      bar = 0;
      ++barNumber;
      continue;
    }
    const size_t colon = token.find(':');
    if (colon == std::string::npos) Fail(what + ": no length in '" + token + "'");
    const std::string name = token.substr(0, colon);
    const double beats = std::atof(token.substr(colon + 1).c_str());
    int pitch = -1;
    if (name != "R") {
      pitch = PitchClass(name[0]);
      size_t at = 1;
      if (at < name.size() && name[at] == '#') pitch += 1, ++at;
      if (at < name.size() && name[at] == 'b') pitch -= 1, ++at;
      if (pitch < -1 || at >= name.size()) Fail(what + ": bad note '" + token + "'");
      pitch += 12 * (std::atoi(name.c_str() + at) + 1);
    }
    steps.push_back({pitch, beats});
    bar += beats;
  }
  return steps;
}

Chord ParseChord(const std::string& symbol) {
  Chord chord;
  chord.root = PitchClass(symbol.empty() ? '?' : symbol[0]);
  if (chord.root < 0) Fail("bad chord '" + symbol + "'");
  size_t at = 1;
  if (at < symbol.size() && symbol[at] == '#') chord.root = (chord.root + 1) % 12, ++at;
  if (at < symbol.size() && symbol[at] == 'b') chord.root = (chord.root + 11) % 12, ++at;
  const std::string rest = symbol.substr(at);
  if (rest == "m")
    chord.intervals = {0, 3, 7};
  else if (rest == "7")
    chord.intervals = {0, 4, 7, 10};
  else if (rest.empty())
    chord.intervals = {0, 4, 7};
  else
    Fail("bad chord '" + symbol + "'");
  return chord;
}

std::vector<Chord> ParseChords(const std::string& text) {
  std::vector<Chord> chords;
  std::istringstream in(text);
  std::string token;
  while (in >> token)
    if (token != "|") chords.push_back(ParseChord(token));
  return chords;
}

}  // namespace midigen
