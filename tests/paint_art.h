// Pictures for the drawing tests: a patterned scene, a round die, a goblet-ish cup and setup
// pieces in colours of their own, all in one known palette that holds every ink exactly, so
// that a test can tell from a pixel what put it there.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "fixture.h"

namespace ossaric::testing {

// Palette indices of the test colours.
enum TestColour {
  kBlack = 0,
  kWhite,
  kPip,
  kDark,
  kLit,
  kLabel,
  kScore,
  kSetup,
  kGrey,
  kParchment,
  kNewScore,
  kDieBody,
  kCupBody,
  kButton,
  kScroll,
  kBox,
  kGreyBox,
  kDotL,
  kDotM,
  kDotS,
  kNameBox,
  kGreyNameBox,
  kTick,
  kSceneFirst = 32,  // 32..255: the scene's pattern
};

inline std::array<Rgb, 256> TestPalette() {
  std::array<Rgb, 256> p{};
  const Rgb fixed[] = {MakeRgb(0, 0, 0),
                       MakeRgb(255, 255, 255),
                       PipInk,
                       DotDark,
                       DotLit,
                       LabelInk,
                       ScoreInk,
                       SetupInk,
                       GreyInk,
                       Parchment,
                       NewScoreInk,
                       MakeRgb(210, 179, 140),
                       MakeRgb(40, 9, 17),
                       MakeRgb(123, 33, 33),
                       MakeRgb(250, 240, 215),
                       MakeRgb(150, 100, 60),
                       MakeRgb(180, 180, 180),
                       MakeRgb(20, 60, 200),
                       MakeRgb(20, 140, 160),
                       MakeRgb(90, 200, 220),
                       MakeRgb(230, 220, 190),
                       MakeRgb(235, 230, 225),
                       MakeRgb(5, 5, 5)};
  for (size_t k = 0; k < std::size(fixed); ++k) p[k] = fixed[k];
  for (int k = kSceneFirst; k < 256; ++k) p[k] = MakeRgb(k, (k * 5) % 256 | 1, (k * 11) % 256 | 1);
  return p;
}

inline Bitmap Picture(int w, int h, const std::function<int(int, int)>& index) {
  Bitmap b;
  b.width = w;
  b.height = h;
  b.colours = TestPalette();
  b.pixels.resize(static_cast<size_t>(w) * h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.pixels[static_cast<size_t>(y) * w + x] = index(x, y);
  return b;
}

// The die body is a disc of radius 24 about (25, 25); the cup a rounded block.
inline bool InDie(int x, int y) {
  return (x - 25) * (x - 25) + (y - 25) * (y - 25) <= 24 * 24;
}
inline bool InCup(int x, int y) {
  return x >= 10 && x < 90 && y >= 5 && y < 145 && !(y > 60 && (x < 30 || x >= 70));
}

// Installs the test pictures and palette and repaints as on the first paint.
inline void InstallTestArt(TWindowProbe w) {
  w.Pictures().SharedPalette = TestPalette();
  w.Pictures().Background =
      Picture(632, 434, [](int x, int y) { return kSceneFirst + (x / 3 + y * 7) % 224; });
  w.Pictures().DieImage =
      Picture(50, 50, [](int x, int y) { return InDie(x, y) ? kDieBody : kBlack; });
  w.Pictures().DieMask =
      Picture(50, 50, [](int x, int y) { return InDie(x, y) ? kBlack : kWhite; });
  w.Pictures().CupImage =
      Picture(100, 150, [](int x, int y) { return InCup(x, y) ? kCupBody : kBlack; });
  w.Pictures().CupMask =
      Picture(100, 150, [](int x, int y) { return InCup(x, y) ? kBlack : kWhite; });
  w.Pictures().NextPlayerImage = Picture(50, 50, [](int, int) { return kButton; });
  w.Pictures().SetupImage = Picture(345, 415, [](int, int) { return kScroll; });
  w.Pictures().TickImage =
      Picture(15, 15, [](int x, int y) { return (x + y) % 2 ? kTick : kWhite; });
  w.Pictures().BoxImage = Picture(19, 19, [](int, int) { return kBox; });
  w.Pictures().GreyBoxImage = Picture(19, 19, [](int, int) { return kGreyBox; });
  w.Pictures().DotLarge = Picture(11, 11, [](int, int) { return kDotL; });
  w.Pictures().DotMedium = Picture(11, 11, [](int, int) { return kDotM; });
  w.Pictures().DotSmall = Picture(11, 11, [](int, int) { return kDotS; });
  w.Pictures().NameBoxImage = Picture(82, 24, [](int, int) { return kNameBox; });
  w.Pictures().GreyNameBoxImage = Picture(82, 24, [](int, int) { return kGreyNameBox; });
  w.State().FirstPaint = 1;
  w.Window().EvPaint();
}

inline Rgb C(TestColour c) {
  return TestPalette()[c];
}

// Counts the pixels of colour `c` in the rectangle.
inline int Count(const Surface& s, int x, int y, int w, int h, Rgb c) {
  int n = 0;
  for (int yy = y; yy < y + h; ++yy)
    for (int xx = x; xx < x + w; ++xx) n += s.Pixel(xx, yy) == c;
  return n;
}

// A copy of the whole surface, to compare before and after.
inline std::vector<Rgb> Snapshot(const Surface& s) {
  std::vector<Rgb> v;
  v.reserve(static_cast<size_t>(s.Width()) * s.Height());
  for (int y = 0; y < s.Height(); ++y)
    for (int x = 0; x < s.Width(); ++x) v.push_back(s.Pixel(x, y));
  return v;
}

// Pixels that differ between two snapshots, outside the rectangles in `allowed` (x, y, w, h).
inline int Differences(const std::vector<Rgb>& a, const std::vector<Rgb>& b, int width,
                       const std::vector<std::array<int, 4>>& allowed = {}) {
  int n = 0;
  for (size_t i = 0; i < a.size(); ++i) {
    if (a[i] == b[i]) continue;
    const int x = static_cast<int>(i % width), y = static_cast<int>(i / width);
    bool inside = false;
    for (const auto& r : allowed)
      inside |= x >= r[0] && x < r[0] + r[2] && y >= r[1] && y < r[1] + r[3];
    n += !inside;
  }
  return n;
}

// The scene's own colour at a point.
inline Rgb Scene(TWindowProbe w, int x, int y) {
  return w.Pictures().Background.Colour(x, y);
}

}  // namespace ossaric::testing
