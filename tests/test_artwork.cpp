// The compiled-in pictures, pointers and icon: sizes, colour tables, the masks' convention, and
// the places the program draws onto.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/bitmap.h"
#include "platform/cursors.h"

namespace ossaric {
namespace {

std::vector<uint8_t> ReadResource(const std::string& path) {
  QFile f(QString::fromStdString(path));
  if (!f.open(QIODevice::ReadOnly)) return {};
  QByteArray b = f.readAll();
  return std::vector<uint8_t>(b.begin(), b.end());
}

uint32_t Le(const std::vector<uint8_t>& b, size_t at, int n) {
  uint32_t v = 0;
  for (int i = n - 1; i >= 0; --i) v = (v << 8) | b[at + i];
  return v;
}

std::string PicturePath(int n) {
  return ":/pictures/BITMAP_" + std::to_string(n) + ".bmp";
}

Bitmap Load(int n) {
  Bitmap bmp;
  EXPECT_TRUE(DecodeBmp(ReadResource(PicturePath(n)), bmp)) << "BITMAP_" << n;
  return bmp;
}

struct PictureInfo {
  int number, width, height;
  bool rle, sharesBackgroundTable;
};

constexpr PictureInfo kPictures[] = {
    {1, 50, 50, true, false},    {2, 50, 50, false, true},    {3, 101, 151, true, true},
    {4, 50, 50, false, false},   {6, 50, 50, false, false},   {7, 100, 150, true, true},
    {8, 100, 150, false, false}, {12, 632, 434, false, true}, {14, 345, 415, false, true},
    {15, 15, 15, false, false},  {16, 19, 19, false, true},   {17, 11, 11, false, true},
    {18, 11, 11, false, true},   {19, 11, 11, false, true},   {20, 82, 24, false, true},
    {21, 19, 19, false, true},   {22, 82, 24, false, true},
};

TEST(Artwork, EveryPictureIsAnEightBitBitmapOfItsSizeAndStorage) {
  Bitmap background = Load(12);
  for (const PictureInfo& pic : kPictures) {
    SCOPED_TRACE("BITMAP_" + std::to_string(pic.number));
    std::vector<uint8_t> bytes = ReadResource(PicturePath(pic.number));
    ASSERT_GE(bytes.size(), 54u + 1024u);
    EXPECT_EQ(Le(bytes, 14, 4), 40u);                                // plain info header
    EXPECT_EQ(static_cast<int32_t>(Le(bytes, 22, 4)), pic.height);  // positive: bottom-up
    EXPECT_EQ(Le(bytes, 28, 2), 8u);                                 // bits per pixel
    EXPECT_EQ(Le(bytes, 30, 4), pic.rle ? 1u : 0u);                 // RLE8 or uncompressed
    uint32_t used = Le(bytes, 46, 4);
    EXPECT_TRUE(used == 0 || used == 256);  // a full 256-entry table
    Bitmap bmp;
    ASSERT_TRUE(DecodeBmp(bytes, bmp));
    EXPECT_EQ(bmp.width, pic.width);
    EXPECT_EQ(bmp.height, pic.height);
    if (pic.sharesBackgroundTable) {
      EXPECT_EQ(bmp.colours, background.colours);
    }
    // The loader used by the window finds the same picture, not its grey stand-in.
    Bitmap loaded =
        LoadResourceBitmap("BITMAP_" + std::to_string(pic.number), pic.width, pic.height);
    EXPECT_EQ(loaded.pixels, bmp.pixels);
  }
}

TEST(Artwork, BackgroundTableHoldsTheInksExactly) {
  Bitmap background = Load(12);
  const Rgb inks[] = {MakeRgb(58, 25, 47),    MakeRgb(108, 47, 66),   MakeRgb(127, 86, 74),
                      MakeRgb(206, 198, 189), MakeRgb(103, 37, 33),   MakeRgb(61, 26, 20),
                      MakeRgb(192, 192, 192), MakeRgb(255, 251, 240), MakeRgb(170, 138, 129),
                      MakeRgb(0, 0, 0),       MakeRgb(255, 255, 255)};
  for (Rgb ink : inks) {
    EXPECT_EQ(background.colours[NearestIndex(background.colours, ink)], ink)
        << std::hex << "missing colour " << ink;
  }
}

double Mean(const Bitmap& bmp, int x0, int y0, int w, int h, int channel) {
  double sum = 0;
  for (int y = y0; y < y0 + h; ++y)
    for (int x = x0; x < x0 + w; ++x) sum += (bmp.Colour(x, y) >> (16 - 8 * channel)) & 255;
  return sum / (w * h);
}

TEST(Artwork, SceneIsRedBrownMarbleBesideAPlainParchmentSheet) {
  Bitmap bg = Load(12);
  const double marble[3] = {116, 69, 55};
  for (int k = 0; k < 3; ++k) EXPECT_NEAR(Mean(bg, 0, 0, 260, 434, k), marble[k], 14) << k;
  // Where the program writes the labels, scores and total line the sheet is plain parchment.
  int plain = 0, all = 0;
  for (int y = 75; y < 412; ++y)
    for (int x = 335; x < 596; ++x, ++all) plain += bg.Colour(x, y) == MakeRgb(255, 251, 240);
  EXPECT_GT(plain, all * 95 / 100);
  // The marble is veined and clouded, not flat.
  int distinct = 0;
  std::vector<bool> seen(256, false);
  for (int y = 0; y < 434; ++y)
    for (int x = 0; x < 260; ++x)
      if (!seen[bg.Index(x, y)]) {
        seen[bg.Index(x, y)] = true;
        ++distinct;
      }
  EXPECT_GT(distinct, 60);
}

// Object pictures are black wherever their mask is white, and never black where the object is;
// masks hold only black and white.
void ExpectMaskConvention(const Bitmap& picture, const Bitmap& mask, int minObject) {
  ASSERT_EQ(picture.width, mask.width);
  ASSERT_EQ(picture.height, mask.height);
  int object = 0, whiteButNotBlack = 0, holes = 0;
  for (int y = 0; y < mask.height; ++y)
    for (int x = 0; x < mask.width; ++x) {
      Rgb m = mask.Colour(x, y);
      ASSERT_TRUE(m == 0 || m == 0xffffff) << x << "," << y;
      if (m == 0xffffff) {
        whiteButNotBlack += picture.Colour(x, y) != 0;
      } else {
        ++object;
        holes += picture.Colour(x, y) == 0;
      }
    }
  EXPECT_EQ(whiteButNotBlack, 0);
  EXPECT_EQ(holes, 0);
  EXPECT_GT(object, minObject);
  EXPECT_LT(object, mask.width * mask.height);
}

TEST(Artwork, DieAndCupFollowTheMaskConvention) {
  ExpectMaskConvention(Load(1), Load(6), 1400);
  ExpectMaskConvention(Load(7), Load(8), 7000);
}

TEST(Artwork, DieFaceHoldsEveryPipPlaceOnLightTan) {
  Bitmap die = Load(1), mask = Load(6);
  const int pips[7][2] = {{24, 16}, {13, 16}, {13, 7}, {33, 16}, {33, 7}, {13, 25}, {33, 25}};
  for (auto& pip : pips)
    for (int y = pip[1] - 2; y < pip[1] + 10; ++y)
      for (int x = pip[0] - 2; x < pip[0] + 10; ++x) {
        ASSERT_EQ(mask.Colour(x, y), 0u) << x << "," << y;
        Rgb c = die.Colour(x, y);
        int r = (c >> 16) & 255, g = (c >> 8) & 255, b = c & 255;
        EXPECT_GT(r, 190) << x << "," << y;
        EXPECT_GT(r, b + 25) << x << "," << y;  // tan, not grey
        EXPECT_GT(g, 150) << x << "," << y;
      }
  const double tan[3] = {226, 200, 160};
  for (int k = 0; k < 3; ++k) EXPECT_NEAR(Mean(die, 12, 6, 30, 28, k), tan[k], 25);
}

TEST(Artwork, CupIsDarkRedBrownAndHoldsTheButton) {
  Bitmap cup = Load(7), mask = Load(8);
  int dark = 0, object = 0;
  for (int y = 0; y < 150; ++y)
    for (int x = 0; x < 100; ++x) {
      if (mask.Colour(x, y) != 0) continue;
      ++object;
      Rgb c = cup.Colour(x, y);
      int r = (c >> 16) & 255, g = (c >> 8) & 255, b = c & 255;
      dark += r < 110 && r > g && r >= b;
    }
  EXPECT_GT(dark, object * 2 / 3);
  // The mouth is at the top, where returning dice vanish.
  EXPECT_EQ(mask.Colour(50, 4), 0u);
  EXPECT_EQ(mask.Colour(25, 140), 0u);
}

TEST(Artwork, SetupScreenCarriesItsBoxesAndNameFieldWhereTheProgramDraws) {
  Bitmap setup = Load(14), box = Load(16), name = Load(20), tick = Load(15);
  auto matches = [&](const Bitmap& piece, int wx, int wy) {
    for (int y = 0; y < piece.height; ++y)
      for (int x = 0; x < piece.width; ++x)
        if (setup.Colour(wx - 275 + x, wy - 8 + y) != piece.Colour(x, y)) return false;
    return true;
  };
  const int boxes[][2] = {{313, 94},  {428, 94},  {323, 223}, {361, 223},
                          {400, 223}, {436, 223}, {345, 358}};
  for (auto& b : boxes) EXPECT_TRUE(matches(box, b[0], b[1])) << b[0] << "," << b[1];
  EXPECT_TRUE(matches(name, 352, 277));
  // The tick's frame parts are the box's own: its top rows and right columns match the box.
  for (int y = 0; y < 15; ++y)
    for (int x = 0; x < 15; ++x)
      if (y < 2 || x > 12) {
        EXPECT_EQ(tick.Colour(x, y), box.Colour(x + 4, y)) << x << "," << y;
      }
  // The caret is erased with parchment: the name fields are parchment inside.
  EXPECT_EQ(name.Colour(10, 15), MakeRgb(255, 251, 240));
  EXPECT_EQ(Load(22).Colour(10, 15), MakeRgb(255, 251, 240));
  // Outside the drawn-in pieces and lettering, the setup scroll is the scene's own scroll.
  Bitmap bg = Load(12);
  int same = 0;
  for (int y = 0; y < 415; ++y)
    for (int x = 0; x < 345; ++x) same += setup.Index(x, y) == bg.Index(x + 275, y + 8);
  EXPECT_GT(same, 345 * 415 * 80 / 100);
}

TEST(Artwork, PointersAndIconAreThirtyTwoSquareWithClearParts) {
  for (int n = 0; n < 4; ++n) {
    SCOPED_TRACE(kCursorResources[n].path);
    QImage img(QString::fromLatin1(kCursorResources[n].path));
    ASSERT_FALSE(img.isNull());
    EXPECT_EQ(img.size(), QSize(32, 32));
    EXPECT_TRUE(img.hasAlphaChannel());
    int clear = 0;
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x) clear += qAlpha(img.pixel(x, y)) == 0;
    EXPECT_GT(clear, 100);
    // Something is drawn at (or right beside) the hot spot.
    int hx = kCursorResources[n].hotX, hy = kCursorResources[n].hotY;
    bool near = false;
    for (int y = hy - 1; y <= hy + 1; ++y)
      for (int x = hx - 1; x <= hx + 1; ++x)
        if (x >= 0 && y >= 0 && qAlpha(img.pixel(x, y)) == 255) near = true;
    EXPECT_TRUE(near);
  }
  EXPECT_EQ(kCursorResources[0].hotX, 4);
  EXPECT_EQ(kCursorResources[0].hotY, 26);
  QImage icon(QString::fromLatin1(kIconResource));
  ASSERT_FALSE(icon.isNull());
  EXPECT_EQ(icon.size(), QSize(32, 32));
}

// Pictures survive encoding, plain and run-length, and the reader stays inside damaged files.
TEST(Artwork, BitmapsRoundTripAndDamagedFilesAreReadSafely) {
  Bitmap bmp;
  bmp.width = 37;  // odd width: rows are padded, absolute runs need their pad byte
  bmp.height = 9;
  for (int i = 0; i < 256; ++i) bmp.colours[i] = MakeRgb(i, 255 - i, i / 2);
  uint32_t seed = 12345;
  for (int i = 0; i < bmp.width * bmp.height; ++i) {
    seed = seed * 1103515245u + 12345u;
    int y = i / bmp.width;
    // Rows of long runs, rows of noise, rows mixing both.
    bmp.pixels.push_back(static_cast<uint8_t>(
        y % 3 == 0 ? i / 11 : (y % 3 == 1 ? seed >> 24 : (i % 7 < 3 ? 5 : seed >> 28))));
  }
  for (bool rle : {false, true}) {
    std::vector<uint8_t> bytes = EncodeBmp(bmp, rle);
    Bitmap back;
    ASSERT_TRUE(DecodeBmp(bytes, back));
    EXPECT_EQ(back.width, bmp.width);
    EXPECT_EQ(back.height, bmp.height);
    EXPECT_EQ(back.colours, bmp.colours);
    EXPECT_EQ(back.pixels, bmp.pixels) << (rle ? "RLE8" : "plain");
    // Every truncation, and bytes flipped in the data, decode without reading past the end.
    for (size_t cut = 0; cut < bytes.size(); cut += 7) {
      std::vector<uint8_t> part(bytes.begin(), bytes.begin() + cut);
      Bitmap out;
      if (DecodeBmp(part, out)) {
        EXPECT_EQ(out.pixels.size(), static_cast<size_t>(out.width) * out.height);
      }
    }
    std::vector<uint8_t> garbled = bytes;
    for (size_t i = 54 + 1024; i < garbled.size(); i += 5) garbled[i] ^= 0xA5;
    Bitmap out;
    if (DecodeBmp(garbled, out)) {
      EXPECT_EQ(out.pixels.size(), static_cast<size_t>(out.width) * out.height);
    }
  }
  // A missing picture comes back as a plain stand-in of the size asked for.
  Bitmap standIn = LoadResourceBitmap("BITMAP_99", 12, 7);
  EXPECT_EQ(standIn.width, 12);
  EXPECT_EQ(standIn.pixels.size(), 84u);
}

#ifdef OSSARIC_ARTGEN
// The generator paints the same bytes on every run: a fresh run matches what was compiled in.
TEST(Artwork, GeneratorIsDeterministic) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  QProcess gen;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("QT_QPA_PLATFORM", "offscreen");
  env.insert("ASAN_OPTIONS", "detect_leaks=0");  // a sanitizer build need not fail on Qt's caches
  gen.setProcessEnvironment(env);
  gen.start(QString::fromLatin1(OSSARIC_ARTGEN), {dir.path()});
  ASSERT_TRUE(gen.waitForFinished(60000));
  ASSERT_EQ(gen.exitCode(), 0);
  for (const PictureInfo& pic : kPictures) {
    QFile fresh(dir.path() + QStringLiteral("/pictures/BITMAP_%1.bmp").arg(pic.number));
    ASSERT_TRUE(fresh.open(QIODevice::ReadOnly));
    QByteArray b = fresh.readAll();
    EXPECT_EQ(std::vector<uint8_t>(b.begin(), b.end()), ReadResource(PicturePath(pic.number)))
        << pic.number;
  }
  for (int n = 0; n < 4; ++n) {
    QFile fresh(dir.path() + QStringLiteral("/cursors/CURSOR_%1.png").arg(n + 1));
    ASSERT_TRUE(fresh.open(QIODevice::ReadOnly));
    QByteArray b = fresh.readAll();
    EXPECT_EQ(std::vector<uint8_t>(b.begin(), b.end()), ReadResource(kCursorResources[n].path));
  }
}
#endif

}  // namespace
}  // namespace ossaric
