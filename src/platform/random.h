// The one pseudo-random generator of the game. Tests and the script runner can queue the
// faces and places the next draws give; once a queue is used up, random draws resume.
#pragma once

#include <cstdint>
#include <deque>
#include <random>

namespace ossaric {

class Random {
 public:
  explicit Random(uint32_t seed = 1) : engine_(seed) {}

  void Seed(uint32_t seed) { engine_.seed(seed); }
  // A uniform non-negative number.
  uint32_t Next() { return engine_() & 0x7fffffffu; }
  // A landing place 1..20 and a face 1..6, taken from the script first.
  int DrawPlace();
  int DrawFace();

  void ScriptFaces(const std::deque<int>& faces) {
    faces_.insert(faces_.end(), faces.begin(), faces.end());
  }
  void ScriptPlaces(const std::deque<int>& places) {
    places_.insert(places_.end(), places.begin(), places.end());
  }
  void ClearScript() {
    faces_.clear();
    places_.clear();
  }

 private:
  std::mt19937 engine_;
  std::deque<int> faces_;
  std::deque<int> places_;
};

}  // namespace ossaric
