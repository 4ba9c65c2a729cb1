#include "desktop/qt/scene_scaler.h"

#include <algorithm>
#include <cstring>
#include <utility>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace ossaric {

uint32_t BlendPixels(uint32_t a, uint32_t b, uint32_t weight) {
  // Two channels at a time, each in 16 bits: 255 * 256 + 128 never carries into the next.
  const uint32_t keep = 256 - weight;
  const uint32_t rb =
      (((a & 0xff00ffu) * keep + (b & 0xff00ffu) * weight + 0x800080u) >> 8) & 0xff00ffu;
  const uint32_t ag =
      (((a >> 8) & 0xff00ffu) * keep + ((b >> 8) & 0xff00ffu) * weight + 0x800080u) & 0xff00ff00u;
  return rb | ag;
}

namespace {

// Blends two rows down, `weight` 256ths of the lower one: the same sums as BlendPixels.
void BlendDown(const uint32_t* upper, const uint32_t* lower, uint32_t weight, uint32_t* out,
               int n) {
  int i = 0;
#ifdef __SSE2__
  const __m128i zero = _mm_setzero_si128();
  const __m128i keep = _mm_set1_epi16(static_cast<short>(256 - weight));
  const __m128i take = _mm_set1_epi16(static_cast<short>(weight));
  const __m128i half = _mm_set1_epi16(128);
  for (; i + 4 <= n; i += 4) {
    const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(upper + i));
    const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(lower + i));
    __m128i lo = _mm_add_epi16(_mm_mullo_epi16(_mm_unpacklo_epi8(a, zero), keep),
                               _mm_mullo_epi16(_mm_unpacklo_epi8(b, zero), take));
    __m128i hi = _mm_add_epi16(_mm_mullo_epi16(_mm_unpackhi_epi8(a, zero), keep),
                               _mm_mullo_epi16(_mm_unpackhi_epi8(b, zero), take));
    lo = _mm_srli_epi16(_mm_add_epi16(lo, half), 8);
    hi = _mm_srli_epi16(_mm_add_epi16(hi, half), 8);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_packus_epi16(lo, hi));
  }
#endif
  for (; i < n; ++i) out[i] = BlendPixels(upper[i], lower[i], weight);
}

}  // namespace

// Smoothed, window pixel d samples the scene at (d + 0.5) * from / to - 0.5, pixel centres on
// both sides lined up as Qt's smooth drawing lines them up; beyond the first and last centres the
// edge pixel is repeated. Otherwise it takes the scene pixel it lies on.
std::vector<SceneScaler::Tap> SceneScaler::Taps(int from, int to, bool smooth) {
  std::vector<Tap> taps(static_cast<size_t>(std::max(0, to)));
  for (int d = 0; d < to; ++d) {
    if (!smooth) {
      const int at = static_cast<int>(static_cast<long long>(d) * from / to);
      taps[static_cast<size_t>(d)] = {at, at, 0};
      continue;
    }
    // The position in 65536ths of a scene pixel, rounded down.
    const long long num = (2LL * d + 1) * from * 32768 - 32768LL * to;
    long long fixed = num / to;
    if (num % to != 0 && num < 0) --fixed;
    long long whole = fixed >> 16;
    uint32_t weight = static_cast<uint32_t>(((fixed & 0xffff) + 0x80) >> 8);
    if (weight == 256) {
      ++whole;
      weight = 0;
    }
    Tap& t = taps[static_cast<size_t>(d)];
    if (whole < 0) {
      t = {0, 0, 0};
    } else if (whole >= from - 1) {
      t = {from - 1, from - 1, 0};
    } else {
      t = {static_cast<int>(whole), static_cast<int>(whole) + 1, weight};
    }
  }
  return taps;
}

void SceneScaler::SetSizes(QSize scene, QSize target, bool smooth) {
  if (scene == scene_ && target == target_ && smooth == smooth_) return;
  scene_ = scene;
  target_ = target;
  smooth_ = smooth;
  columns_ = Taps(scene.width(), target.width(), smooth);
  rows_ = Taps(scene.height(), target.height(), smooth);
}

QRect SceneScaler::Reach(QRect sceneRect) const {
  const auto span = [](const std::vector<Tap>& taps, int first, int last) {
    // Taps only move forward: the ones that touch [first, last] lie together.
    const auto begin = std::partition_point(taps.begin(), taps.end(),
                                            [&](const Tap& t) { return t.second < first; });
    const auto end =
        std::partition_point(begin, taps.end(), [&](const Tap& t) { return t.first <= last; });
    return std::pair<int, int>(static_cast<int>(begin - taps.begin()),
                               static_cast<int>(end - taps.begin()));
  };
  const QRect r = sceneRect.intersected(QRect(QPoint(0, 0), scene_));
  if (r.isEmpty()) return {};
  const auto [left, right] = span(columns_, r.left(), r.right());
  const auto [top, bottom] = span(rows_, r.top(), r.bottom());
  return QRect(left, top, right - left, bottom - top);
}

void SceneScaler::BlendAcross(const uint32_t* row, int left, int right, uint32_t* out) const {
  for (int d = left; d < right; ++d) {
    const Tap& t = columns_[static_cast<size_t>(d)];
    *out++ = t.weight == 0 ? row[t.first] : BlendPixels(row[t.first], row[t.second], t.weight);
  }
}

void SceneScaler::Scale(const uint32_t* scene, int sceneStride, QRect rect, uint32_t* out,
                        int outStride) {
  const QRect r = rect.intersected(QRect(QPoint(0, 0), target_));
  if (r.isEmpty()) return;
  out += static_cast<ptrdiff_t>(r.top() - rect.top()) * outStride + (r.left() - rect.left());
  const int left = r.left(), right = r.right() + 1, width = r.width();
  upper_.resize(static_cast<size_t>(width));
  lower_.resize(static_cast<size_t>(width));
  int upperRow = -1, lowerRow = -1;
  for (int y = r.top(); y <= r.bottom(); ++y) {
    const Tap& t = rows_[static_cast<size_t>(y)];
    if (upperRow != t.first) {
      if (lowerRow == t.first) {
        std::swap(upper_, lower_);
        std::swap(upperRow, lowerRow);
      } else {
        BlendAcross(scene + static_cast<ptrdiff_t>(t.first) * sceneStride, left, right,
                    upper_.data());
        upperRow = t.first;
      }
    }
    uint32_t* line = out + static_cast<ptrdiff_t>(y - r.top()) * outStride;
    if (t.weight == 0) {
      std::memcpy(line, upper_.data(), static_cast<size_t>(width) * sizeof(uint32_t));
      continue;
    }
    if (lowerRow != t.second) {
      BlendAcross(scene + static_cast<ptrdiff_t>(t.second) * sceneStride, left, right,
                  lower_.data());
      lowerRow = t.second;
    }
    BlendDown(upper_.data(), lower_.data(), t.weight, line, width);
  }
}

}  // namespace ossaric
