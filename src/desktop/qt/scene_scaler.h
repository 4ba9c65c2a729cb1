// Smooth (bilinear) scaling of the scene onto a window of another size, a rectangle at a time.
// Every window pixel is worked out from its own position alone, so a rectangle scaled on its
// own holds exactly the pixels the whole picture scaled at once holds there. Qt's smooth
// drawing steps along a row from wherever its fill starts, which a piece cannot match without
// redoing most of the row; this does only the pixels asked for, with rows of the scene blended
// once across and then, for each window row, down.
#pragma once

#include <QRect>
#include <QSize>
#include <cstdint>
#include <vector>

namespace ossaric {

class SceneScaler {
 public:
  // The scene's size and the size it is scaled to: smoothed, or each scene pixel repeated (for
  // whole multiples, which stay crisp).
  void SetSizes(QSize scene, QSize target, bool smooth);
  QSize Scene() const { return scene_; }
  QSize Target() const { return target_; }
  // Writes the pixels of `rect` (target pixels, within the target) of the scaled scene to `out`,
  // which points at the place of the rectangle's top left pixel. `scene` points at the scene's
  // first pixel; strides are in pixels.
  void Scale(const uint32_t* scene, int sceneStride, QRect rect, uint32_t* out, int outStride);
  // The target pixels whose colour depends on the scene pixels of `sceneRect`.
  QRect Reach(QRect sceneRect) const;

 private:
  // The two scene pixels a window pixel blends along one axis, and the second one's share in
  // 256ths.
  struct Tap {
    int first, second;
    uint32_t weight;
  };
  static std::vector<Tap> Taps(int from, int to, bool smooth);
  // Blends a scene row across for the columns [left, right) of the target.
  void BlendAcross(const uint32_t* row, int left, int right, uint32_t* out) const;

  QSize scene_, target_;
  bool smooth_ = false;
  std::vector<Tap> columns_, rows_;
  std::vector<uint32_t> upper_, lower_;  // scene rows blended across, for the current rectangle
};

// The channels of two 32-bit pixels blended, the second's share being `weight` 256ths.
uint32_t BlendPixels(uint32_t a, uint32_t b, uint32_t weight);

}  // namespace ossaric
