#include "quantize.h"

#include <algorithm>
#include <map>
#include <unordered_map>

namespace artgen {

using ossaric::Rgb;

namespace {

struct Entry {
  Rgb colour;
  long count;
};

int Ch(Rgb c, int k) {
  return static_cast<int>((c >> (16 - 8 * k)) & 255);
}

struct Box {
  size_t begin, end;  // range of the sorted histogram
  double sse;
  int axis;
};

// Sum of squared errors of a box and the channel of largest spread.
void Measure(const std::vector<Entry>& h, Box& box) {
  double w = 0, s[3] = {0, 0, 0}, q[3] = {0, 0, 0};
  for (size_t i = box.begin; i < box.end; ++i)
    for (int k = 0; k < 3; ++k) {
      double v = Ch(h[i].colour, k);
      s[k] += v * h[i].count;
      q[k] += v * v * h[i].count;
    }
  for (size_t i = box.begin; i < box.end; ++i) w += h[i].count;
  box.sse = 0;
  double best = -1;
  for (int k = 0; k < 3; ++k) {
    double var = w > 0 ? q[k] - s[k] * s[k] / w : 0;
    box.sse += var;
    if (var > best) {
      best = var;
      box.axis = k;
    }
  }
  if (box.end - box.begin < 2) box.sse = 0;
}

long Distance(Rgb a, Rgb b) {
  long d = 0;
  for (int k = 0; k < 3; ++k) {
    long e = Ch(a, k) - Ch(b, k);
    d += e * e;
  }
  return d;
}

}  // namespace

Rgb ToRgb(QRgb p) {
  return ossaric::MakeRgb(qRed(p), qGreen(p), qBlue(p));
}

int Nearest(const Table& table, Rgb colour) {
  int best = 0;
  long bestD = -1;
  for (int i = 0; i < 256; ++i) {
    long d = Distance(table[i], colour);
    if (bestD < 0 || d < bestD) {
      bestD = d;
      best = i;
      if (d == 0) break;
    }
  }
  return best;
}

Table BuildTable(const std::vector<QImage>& images, const std::vector<Rgb>& fixedIn) {
  std::vector<Rgb> fixed = {ossaric::MakeRgb(0, 0, 0)};
  for (Rgb c : fixedIn)
    if (std::find(fixed.begin(), fixed.end(), c) == fixed.end() && c != 0xffffff)
      fixed.push_back(c);
  const size_t freeSlots = 256 - fixed.size() - 1;  // white takes the last entry

  std::map<Rgb, long> counts;
  for (const QImage& img : images) {
    QImage a = img.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < a.height(); ++y)
      for (int x = 0; x < a.width(); ++x) {
        QRgb p = a.pixel(x, y);
        if (qAlpha(p) < 128) continue;
        Rgb c = ToRgb(p);
        if (c == 0xffffff || std::find(fixed.begin(), fixed.end(), c) != fixed.end()) continue;
        ++counts[c];
      }
  }
  std::vector<Entry> hist;
  for (auto& [c, n] : counts) hist.push_back({c, n});

  // Median cut: split the box of largest error at its weighted median.
  std::vector<Box> boxes;
  if (!hist.empty()) {
    Box all{0, hist.size(), 0, 0};
    Measure(hist, all);
    boxes.push_back(all);
  }
  while (boxes.size() < freeSlots) {
    size_t pick = 0;
    for (size_t i = 1; i < boxes.size(); ++i)
      if (boxes[i].sse > boxes[pick].sse) pick = i;
    Box box = boxes[pick];
    if (box.sse <= 0) break;
    int k = box.axis;
    std::sort(hist.begin() + box.begin, hist.begin() + box.end,
              [k](const Entry& a, const Entry& b) {
                return Ch(a.colour, k) != Ch(b.colour, k) ? Ch(a.colour, k) < Ch(b.colour, k)
                                                          : a.colour < b.colour;
              });
    long total = 0, run = 0;
    for (size_t i = box.begin; i < box.end; ++i) total += hist[i].count;
    size_t cut = box.begin + 1;
    for (size_t i = box.begin; i + 1 < box.end; ++i) {
      run += hist[i].count;
      cut = i + 1;
      if (run * 2 >= total) break;
    }
    Box a{box.begin, cut, 0, 0}, b{cut, box.end, 0, 0};
    Measure(hist, a);
    Measure(hist, b);
    boxes[pick] = a;
    boxes.push_back(b);
  }

  std::vector<Rgb> free;
  auto mean = [&](size_t begin, size_t end) {
    double w = 0, s[3] = {0, 0, 0};
    for (size_t i = begin; i < end; ++i) {
      w += hist[i].count;
      for (int k = 0; k < 3; ++k) s[k] += Ch(hist[i].colour, k) * double(hist[i].count);
    }
    return ossaric::MakeRgb(int(s[0] / w + 0.5), int(s[1] / w + 0.5), int(s[2] / w + 0.5));
  };
  for (const Box& b : boxes) free.push_back(mean(b.begin, b.end));

  // A few k-means passes move the free entries to the centres of what they stand for.
  std::vector<double> weight(free.size(), 0);
  for (int pass = 0; pass < 4 && !free.empty(); ++pass) {
    std::vector<Rgb> all = fixed;
    all.push_back(0xffffff);
    all.insert(all.end(), free.begin(), free.end());
    std::vector<double> w(free.size(), 0), s(free.size() * 3, 0);
    for (const Entry& e : hist) {
      size_t best = 0;
      long bestD = -1;
      for (size_t i = 0; i < all.size(); ++i) {
        long d = Distance(all[i], e.colour);
        if (bestD < 0 || d < bestD) {
          bestD = d;
          best = i;
        }
      }
      if (best < fixed.size() + 1) continue;
      size_t f = best - fixed.size() - 1;
      w[f] += e.count;
      for (int k = 0; k < 3; ++k) s[f * 3 + k] += Ch(e.colour, k) * double(e.count);
    }
    for (size_t f = 0; f < free.size(); ++f)
      if (w[f] > 0)
        free[f] = ossaric::MakeRgb(int(s[f * 3] / w[f] + 0.5), int(s[f * 3 + 1] / w[f] + 0.5),
                                   int(s[f * 3 + 2] / w[f] + 0.5));
    weight = w;
  }
  // Most used first: a display that reserves colours at the ends of its palette loses the
  // table's last entries, which are then the rarest.
  std::vector<size_t> order(free.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::sort(order.begin(), order.end(), [&](size_t a, size_t b) {
    return weight[a] != weight[b] ? weight[a] > weight[b] : free[a] < free[b];
  });
  std::vector<Rgb> sorted;
  for (size_t i : order) sorted.push_back(free[i]);
  free = sorted;

  Table table{};
  size_t n = 0;
  for (Rgb c : fixed) table[n++] = c;
  for (Rgb c : free)
    if (n < 255) table[n++] = c;
  while (n < 255) table[n++] = 0;  // unused entries stay black
  table[255] = 0xffffff;
  return table;
}

ossaric::Bitmap Index(const QImage& image, const Table& table, bool object) {
  QImage a = image.convertToFormat(QImage::Format_ARGB32);
  ossaric::Bitmap bmp;
  bmp.width = a.width();
  bmp.height = a.height();
  bmp.colours = table;
  bmp.pixels.assign(static_cast<size_t>(bmp.width) * bmp.height, 0);
  int black = Nearest(table, 0);
  // The nearest entry among those that are not pure black.
  Table noBlack = table;
  for (Rgb& c : noBlack)
    if (c == 0) c = 0x010101;
  std::unordered_map<Rgb, int> cache, cacheObj;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      QRgb p = a.pixel(x, y);
      int idx;
      if (object && qAlpha(p) < 128) {
        idx = black;
      } else {
        Rgb c = ToRgb(p);
        auto& cc = object ? cacheObj : cache;
        auto it = cc.find(c);
        if (it != cc.end()) {
          idx = it->second;
        } else {
          idx = object ? Nearest(noBlack, c) : Nearest(table, c);
          if (object && table[idx] == 0) {
            // Only black near: take the darkest entry that is not black.
            long best = -1;
            for (int i = 0; i < 256; ++i)
              if (table[i] != 0 && (best < 0 || Distance(table[i], c) < best)) {
                best = Distance(table[i], c);
                idx = i;
              }
          }
          cc[c] = idx;
        }
      }
      bmp.pixels[static_cast<size_t>(y) * bmp.width + x] = static_cast<uint8_t>(idx);
    }
  return bmp;
}

ossaric::Bitmap MaskOf(const QImage& image) {
  QImage a = image.convertToFormat(QImage::Format_ARGB32);
  ossaric::Bitmap bmp;
  bmp.width = a.width();
  bmp.height = a.height();
  bmp.colours[0] = 0;
  for (int i = 1; i < 256; ++i) bmp.colours[i] = 0xffffff;
  bmp.pixels.assign(static_cast<size_t>(bmp.width) * bmp.height, 0);
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      bmp.pixels[static_cast<size_t>(y) * bmp.width + x] = qAlpha(a.pixel(x, y)) >= 128 ? 0 : 255;
  return bmp;
}

}  // namespace artgen
