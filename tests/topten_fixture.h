// The Top Ten tests' files and game: the file's bytes built by hand, and a game whose table is
// set up or read back by place.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "fixture.h"
#include "persist/file_images.h"

namespace ossaric::testing {

using Bytes = std::vector<uint8_t>;

inline Bytes ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteAll(const std::string& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

// One 11-byte entry as the file holds it.
inline Bytes Entry(const char* name, int score) {
  Bytes b(11, 0);
  std::memcpy(b.data(), name, std::min<size_t>(9, std::strlen(name)));
  b[9] = static_cast<uint8_t>(score & 0xff);
  b[10] = static_cast<uint8_t>((score >> 8) & 0xff);
  return b;
}

// A whole file: the header and the places given, the rest empty.
inline Bytes Table(std::initializer_list<std::pair<const char*, int>> places, int reserved = 0) {
  Bytes b = Entry("TopScore", reserved);
  for (const auto& [name, score] : places) {
    Bytes e = Entry(name, score);
    b.insert(b.end(), e.begin(), e.end());
  }
  while (b.size() < 121) b.push_back(0);
  return b;
}

class TopTen : public GameTest {
 protected:
  std::string DataDir() const { return (dir_.Path() / "data" / "ossaric").string(); }
  std::string File() const { return DataDir() + "/tolmerix.dat"; }

  // Puts `places` in the table in memory, best first.
  void SetTable(std::initializer_list<std::pair<const char*, int>> places) {
    EmptyTopTen(Probe().State().TopTen);
    int k = 1;
    for (const auto& [name, score] : places) {
      std::strncpy(Probe().State().TopTen[k].Name, name, 8);
      Probe().State().TopTen[k].Score = static_cast<int16_t>(score);
      ++k;
    }
  }
  // Ends a game of `players` with the given totals of columns 0..4.
  void EndGame(int players, std::initializer_list<int> totals) {
    Probe().Game().PlayerCount = players;
    int c = 0;
    for (int t : totals) Probe().Game().Sheet[c++].Total = t;
    Probe().Game().GameActive = 0;
    ClearOutput();
    Probe().Show().AnnounceGameOver();
  }
  std::string Place(int k) {
    return std::string(Probe().State().TopTen[k].Name) + ":" +
           std::to_string(Probe().State().TopTen[k].Score);
  }
  // The pixels of the panel area, x 306..575 and y 80..410.
  std::vector<uint32_t> Pixels() {
    std::vector<uint32_t> out;
    for (int y = 80; y <= 410; ++y)
      for (int x = 306; x <= 575; ++x) out.push_back(W().Screen().Pixel(x, y));
    return out;
  }
};

}  // namespace ossaric::testing
