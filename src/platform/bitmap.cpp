#include "platform/bitmap.h"

#include <QFile>
#include <QString>
#include <climits>

namespace ossaric {

namespace {

uint32_t Le(const std::vector<uint8_t>& b, size_t at, int width) {
  uint32_t v = 0;
  for (int i = width - 1; i >= 0; --i) v = (v << 8) | b[at + i];
  return v;
}

void PutLe(std::vector<uint8_t>& b, uint32_t v, int width) {
  for (int i = 0; i < width; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

// Decodes RLE8 data into rows bottom-up; false when the stream runs out or is malformed.
bool DecodeRle8(const std::vector<uint8_t>& b, size_t at, size_t end, Bitmap& out, bool bottomUp) {
  int x = 0, row = 0;
  auto put = [&](uint8_t v) {
    if (x < out.width && row < out.height) {
      int y = bottomUp ? out.height - 1 - row : row;
      out.pixels[static_cast<size_t>(y) * out.width + x] = v;
    }
    ++x;
  };
  while (at + 1 < end + 1 && at + 2 <= end) {
    uint8_t count = b[at], value = b[at + 1];
    at += 2;
    if (count > 0) {
      for (int i = 0; i < count; ++i) put(value);
    } else if (value == 0) {
      x = 0;
      ++row;
    } else if (value == 1) {
      return true;
    } else if (value == 2) {
      if (at + 2 > end) return false;
      x += b[at];
      row += b[at + 1];
      at += 2;
    } else {
      if (at + value > end) return false;
      for (int i = 0; i < value; ++i) put(b[at + i]);
      at += value + (value & 1);
    }
  }
  return true;  // a stream without its end marker keeps what it decoded
}

}  // namespace

bool DecodeBmp(const std::vector<uint8_t>& b, Bitmap& out) {
  if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') return false;
  uint32_t dataOffset = Le(b, 10, 4);
  uint32_t headerSize = Le(b, 14, 4);
  if (headerSize < 40 || 14 + static_cast<size_t>(headerSize) > b.size()) return false;
  int32_t width = static_cast<int32_t>(Le(b, 18, 4));
  int32_t height = static_cast<int32_t>(Le(b, 22, 4));
  uint32_t bits = Le(b, 28, 2);
  uint32_t compression = Le(b, 30, 4);
  uint32_t used = Le(b, 46, 4);
  if (bits != 8 || width <= 0 || width > 4096 || height == 0 || height < -4096 || height > 4096)
    return false;
  if (compression != 0 && compression != 1) return false;
  bool bottomUp = height > 0;
  int h = bottomUp ? height : -height;
  if (used == 0 || used > 256) used = 256;
  size_t tableAt = 14 + headerSize;
  if (tableAt + used * 4 > b.size() || dataOffset > b.size()) return false;
  out = Bitmap{};
  out.width = width;
  out.height = h;
  for (uint32_t i = 0; i < used; ++i)
    out.colours[i] = MakeRgb(b[tableAt + 4 * i + 2], b[tableAt + 4 * i + 1], b[tableAt + 4 * i]);
  out.pixels.assign(static_cast<size_t>(width) * h, 0);
  if (compression == 1) return DecodeRle8(b, dataOffset, b.size(), out, bottomUp);
  size_t stride = (static_cast<size_t>(width) + 3) & ~size_t{3};
  if (dataOffset + stride * h > b.size()) return false;
  for (int row = 0; row < h; ++row) {
    int y = bottomUp ? h - 1 - row : row;
    for (int x = 0; x < width; ++x)
      out.pixels[static_cast<size_t>(y) * width + x] = b[dataOffset + stride * row + x];
  }
  return true;
}

std::vector<uint8_t> EncodeBmp(const Bitmap& bmp, bool rle) {
  std::vector<uint8_t> data;
  size_t stride = (static_cast<size_t>(bmp.width) + 3) & ~size_t{3};
  for (int row = 0; row < bmp.height; ++row) {
    int y = bmp.height - 1 - row;
    const uint8_t* line = &bmp.pixels[static_cast<size_t>(y) * bmp.width];
    if (!rle) {
      for (int x = 0; x < bmp.width; ++x) data.push_back(line[x]);
      for (size_t x = bmp.width; x < stride; ++x) data.push_back(0);
      continue;
    }
    auto runAt = [&](int x) {
      int run = 1;
      while (x + run < bmp.width && run < 255 && line[x + run] == line[x]) ++run;
      return run;
    };
    for (int x = 0; x < bmp.width;) {
      int run = runAt(x);
      if (run >= 3) {
        data.push_back(static_cast<uint8_t>(run));
        data.push_back(line[x]);
        x += run;
        continue;
      }
      // Absolute mode for stretches of changing pixels: 0, count, the pixels, padded to a word.
      int n = 0;
      while (x + n < bmp.width && n < 255 && runAt(x + n) < 3) ++n;
      if (n < 3) {
        for (int i = 0; i < n; ++i) {
          data.push_back(1);
          data.push_back(line[x + i]);
        }
      } else {
        data.push_back(0);
        data.push_back(static_cast<uint8_t>(n));
        for (int i = 0; i < n; ++i) data.push_back(line[x + i]);
        if (n & 1) data.push_back(0);
      }
      x += n;
    }
    data.push_back(0);
    data.push_back(row + 1 == bmp.height ? 1 : 0);
  }
  std::vector<uint8_t> out;
  const uint32_t offset = 14 + 40 + 256 * 4;
  out.push_back('B');
  out.push_back('M');
  PutLe(out, offset + static_cast<uint32_t>(data.size()), 4);
  PutLe(out, 0, 4);
  PutLe(out, offset, 4);
  PutLe(out, 40, 4);
  PutLe(out, static_cast<uint32_t>(bmp.width), 4);
  PutLe(out, static_cast<uint32_t>(bmp.height), 4);
  PutLe(out, 1, 2);
  PutLe(out, 8, 2);
  PutLe(out, rle ? 1 : 0, 4);
  PutLe(out, static_cast<uint32_t>(data.size()), 4);
  PutLe(out, 2835, 4);
  PutLe(out, 2835, 4);
  PutLe(out, 256, 4);
  PutLe(out, 0, 4);
  for (Rgb c : bmp.colours) {
    out.push_back(static_cast<uint8_t>(c));
    out.push_back(static_cast<uint8_t>(c >> 8));
    out.push_back(static_cast<uint8_t>(c >> 16));
    out.push_back(0);
  }
  out.insert(out.end(), data.begin(), data.end());
  return out;
}

bool HasResourceBitmap(const std::string& name) {
  return QFile::exists(QString::fromStdString(":/pictures/" + name + ".bmp"));
}

Bitmap LoadResourceBitmap(const std::string& name, int width, int height) {
  Bitmap bmp;
  QFile file(QString::fromStdString(":/pictures/" + name + ".bmp"));
  if (file.open(QIODevice::ReadOnly)) {
    QByteArray bytes = file.readAll();
    std::vector<uint8_t> data(bytes.begin(), bytes.end());
    if (DecodeBmp(data, bmp) && bmp.width == width && bmp.height == height) return bmp;
  }
  // Stand-in: a mid-grey block, so that a missing picture shows as a plain area.
  bmp = Bitmap{};
  bmp.width = width;
  bmp.height = height;
  bmp.colours[1] = MakeRgb(128, 128, 128);
  bmp.pixels.assign(static_cast<size_t>(width) * height, 1);
  return bmp;
}

int NearestIndex(const std::array<Rgb, 256>& palette, Rgb colour) {
  int best = 0;
  long bestDistance = LONG_MAX;
  for (int i = 0; i < 256; ++i) {
    long dr = static_cast<long>((palette[i] >> 16) & 255) - static_cast<long>((colour >> 16) & 255);
    long dg = static_cast<long>((palette[i] >> 8) & 255) - static_cast<long>((colour >> 8) & 255);
    long db = static_cast<long>(palette[i] & 255) - static_cast<long>(colour & 255);
    long d = dr * dr + dg * dg + db * db;
    if (d < bestDistance) {
      bestDistance = d;
      best = i;
      if (d == 0) break;
    }
  }
  return best;
}

void ConvertToPalette(Bitmap& bmp, const std::array<Rgb, 256>& palette) {
  for (Rgb& c : bmp.colours) c = palette[NearestIndex(palette, c)];
}

}  // namespace ossaric
