// The shared palette the pictures are converted to, and the surface's record of where it drew.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <sstream>

#include "paint_art.h"

namespace ossaric {
namespace {

using testing::C;
using testing::Count;
using testing::Differences;
using testing::InstallTestArt;
using testing::Scene;
using testing::Snapshot;

// ---- Palette ----

// A palette display with twenty reserved colours: ten at each end.
class PaletteHost : public HeadlessHost {
 public:
  int reserved_ = 20;
  std::array<uint32_t, 256> system_{};
  int ReservedSystemColours() override { return reserved_; }
  std::array<uint32_t, 256> SystemPalette() override { return system_; }
};

TEST(Palette, WithoutAPaletteDisplayItIsBackgroundsTable) {
  testing::TempGameDir dir;
  HeadlessHost host;
  HeadlessSound sound(host);
  Random random;
  TYachtWindow real_w(host, sound, random);
  TWindowProbe w(real_w);
  w.Pictures().Background.colours = testing::TestPalette();
  w.BuildSharedPalette();
  EXPECT_EQ(w.Pictures().SharedPalette, testing::TestPalette());
  for (uint8_t flag : w.Pictures().SharedPaletteFlags)
    EXPECT_EQ(flag, TPictures::kPaletteNoCollapse);
}

TEST(Palette, APaletteDisplayKeepsItsReservedColoursAtBothEnds) {
  testing::TempGameDir dir;
  PaletteHost host;
  for (int k = 0; k < 256; ++k) host.system_[k] = MakeRgb(k, 0, 255 - k);
  // One scene colour equals a reserved colour of the top end: it is marked reserved.
  const std::array<Rgb, 256> table = testing::TestPalette();
  HeadlessSound sound(host);
  Random random;
  TYachtWindow real_w(host, sound, random);
  TWindowProbe w(real_w);
  w.Pictures().Background.colours = table;
  w.Pictures().Background.colours[40] = host.system_[250];
  w.BuildSharedPalette();
  for (int k = 0; k < 10; ++k) {
    EXPECT_EQ(w.Pictures().SharedPalette[k], host.system_[k]) << k;
    EXPECT_EQ(w.Pictures().SharedPalette[255 - k], host.system_[255 - k]) << k;
    EXPECT_EQ(w.Pictures().SharedPaletteFlags[k], 0);
    EXPECT_EQ(w.Pictures().SharedPaletteFlags[255 - k], 0);
  }
  for (int j = 0; j <= 235; ++j) {
    EXPECT_EQ(w.Pictures().SharedPalette[10 + j], w.Pictures().Background.colours[j]) << j;
    EXPECT_EQ(w.Pictures().SharedPaletteFlags[10 + j],
              j == 40 ? TPictures::kPaletteReserved : TPictures::kPaletteNoCollapse)
        << j;
  }
  // A picture with a table of its own comes out in the nearest palette colours.
  Bitmap own = testing::Picture(2, 1, [](int x, int) { return x; });
  own.colours[0] = MakeRgb(104, 36, 34);  // next to PipInk
  own.colours[1] = MakeRgb(3, 250, 0);    // the system's green end is not in the table's range
  ConvertToPalette(own, w.Pictures().SharedPalette);
  EXPECT_EQ(own.Colour(0, 0), PipInk);
  EXPECT_EQ(NearestIndex(w.Pictures().SharedPalette, own.Colour(1, 0)) < 256, true);
  // Answers no display gives are held to the palette's size.
  for (int reserved : {-1, 0, 1, 511, 100000, -7}) {
    host.reserved_ = reserved;
    w.BuildSharedPalette();
    const int h = std::clamp(reserved / 2, 0, 128);
    if (h < 128) {
      EXPECT_EQ(w.Pictures().SharedPalette[h], w.Pictures().Background.colours[0]) << reserved;
    }
  }
}

TEST(Palette, ThePicturesShowTheirOwnColoursAfterConversion) {
  testing::TempGameDir dir;
  std::ostringstream out;
  ScriptRunner runner(out);  // builds the window and runs the first paint
  TWindowProbe w = runner.Window();
  // Pictures drawn with the scene's own table keep every colour exactly.
  struct Shared {
    const Bitmap& converted;
    const char* name;
    int width, height;
  } shared[] = {{w.Pictures().Background, "BITMAP_12", 632, 434},
                {w.Pictures().SetupImage, "BITMAP_14", 345, 415},
                {w.Pictures().CupImage, "BITMAP_7", 100, 150},
                {w.Pictures().BoxImage, "BITMAP_16", 19, 19},
                {w.Pictures().DotLarge, "BITMAP_17", 11, 11},
                {w.Pictures().NameBoxImage, "BITMAP_20", 82, 24}};
  for (const Shared& p : shared) {
    const Bitmap stored = LoadResourceBitmap(p.name, p.width, p.height);
    int wrong = 0;
    for (int y = 0; y < p.height; ++y)
      for (int x = 0; x < p.width; ++x) wrong += p.converted.Colour(x, y) != stored.Colour(x, y);
    EXPECT_EQ(wrong, 0) << p.name;
  }
  // Pictures with tables of their own come out in colours of the palette; the masks stay pure
  // black and white, or the AND would tint the scene around the dice and the cup.
  for (const Bitmap* picture :
       {&w.Pictures().DieImage, &w.Pictures().NextPlayerImage, &w.Pictures().TickImage,
        &w.Pictures().DieMask, &w.Pictures().CupMask, &w.Pictures().CupImage}) {
    for (int y = 0; y < picture->height; ++y) {
      for (int x = 0; x < picture->width; ++x) {
        const Rgb c = picture->Colour(x, y);
        ASSERT_EQ(w.Pictures().SharedPalette[NearestIndex(w.Pictures().SharedPalette, c)], c);
      }
    }
  }
  for (const Bitmap* mask : {&w.Pictures().DieMask, &w.Pictures().CupMask})
    for (int y = 0; y < mask->height; ++y)
      for (int x = 0; x < mask->width; ++x)
        ASSERT_TRUE(mask->Colour(x, y) == 0 || mask->Colour(x, y) == 0xffffff) << x << "," << y;
  // Each object picture is black wherever its mask lets the scene through.
  for (auto [picture, mask] : {std::pair{&w.Pictures().DieImage, &w.Pictures().DieMask},
                               {&w.Pictures().CupImage, &w.Pictures().CupMask}})
    for (int y = 0; y < picture->height; ++y)
      for (int x = 0; x < picture->width; ++x)
        if (mask->Colour(x, y) == 0xffffff) {
          ASSERT_EQ(picture->Colour(x, y), 0u) << x << "," << y;
        }
}

// ---- Full repaint and cursor ----

// Every drawing operation records where it drew, so a frame shown only where it changed misses
// nothing: each changed pixel lies in a rectangle handed out, and every rectangle on the surface.
TEST(Surface, DrawingRecordsWhereItChanged) {
  Surface s;
  Bitmap picture;
  picture.width = picture.height = 20;
  picture.colours[1] = 0x123456u;
  picture.pixels.assign(400, 1);
  Offscreen saved;
  s.CopyOut(0, 0, 30, 30, saved);
  std::fill(saved.pixels.begin(), saved.pixels.end(), 0xabcdefu);
  const std::vector<std::pair<const char*, std::function<void()>>> ops = {
      {"pixel", [&] { s.SetPixel(5, 6, 0xffffffu); }},
      {"picture off the corner", [&] { s.DrawBitmap(picture, 622, 424); }},
      {"picture part", [&] { s.DrawBitmapPart(picture, 5, 5, 10, 10, -3, 200); }},
      {"copy in", [&] { s.CopyIn(saved, -10, 420); }},
      {"ellipse", [&] { s.FillEllipse(100, 100, 108, 108, 0x010101u, 0x020202u); }},
      {"rectangle", [&] { s.FillRect(620, -5, 700, 10, 0x00ff00u); }},
      {"text", [&] { s.DrawText(FontId::Sheet, 200, 200, "Yacht Mfg", 0xff0000u); }},
      {"text at the edge", [&] { s.DrawText(FontId::Setup, -4, 420, "Wolf", 0x0000ffu); }},
      {"clipped text",
       [&] { s.DrawText(FontId::Name, 300, 50, "Maja", 0xffff00u, 310, 50, 9, 9); }},
      {"many small pieces",
       [&] {
         for (int k = 0; k < 40; ++k) s.FillRect(10 * k, 5 * k, 10 * k + 3, 5 * k + 2, 0x0f0f0fu);
       }},
  };
  for (const auto& [name, draw] : ops) {
    s.FillRect(0, 0, 632, 434, 0x808080u);
    s.TakeDirty();
    const std::vector<uint32_t> before(s.Data(), s.Data() + 632 * 434);
    draw();
    const std::vector<DirtyRect> dirty = s.TakeDirty();
    EXPECT_FALSE(s.HasDirty());
    for (const DirtyRect& d : dirty)
      EXPECT_TRUE(d.x >= 0 && d.y >= 0 && d.w > 0 && d.h > 0 && d.x + d.w <= 632 &&
                  d.y + d.h <= 434)
          << name;
    int missed = 0;
    for (int y = 0; y < 434; ++y)
      for (int x = 0; x < 632; ++x) {
        if (s.Data()[y * 632 + x] == before[y * 632 + x]) continue;
        const bool covered = std::any_of(dirty.begin(), dirty.end(), [&](const DirtyRect& d) {
          return x >= d.x && y >= d.y && x < d.x + d.w && y < d.y + d.h;
        });
        missed += covered ? 0 : 1;
      }
    EXPECT_EQ(missed, 0) << name;
  }
}

}  // namespace
}  // namespace ossaric
