#include "desktop/qt/window_place.h"

#include <algorithm>
#include <climits>

namespace ossaric {

namespace {

// The largest coordinate and size a desktop window can have.
constexpr int kLargest = 32767;
// The strip along the top of the window that must lie on a screen: all of its height, and at
// least half of its width, on one screen.
constexpr int kStrip = 24;

std::optional<int> Number(const ChoicesFile& file, const char* key) {
  // A fallback no kept value can equal: the file holds no such number.
  const int value = file.Read(key, INT_MIN);
  if (value == INT_MIN) return std::nullopt;
  return value;
}

}  // namespace

KeptPlace ReadKeptPlace(const ChoicesFile& file) {
  return {Number(file, "Window/x"), Number(file, "Window/y"), Number(file, "Window/width"),
          Number(file, "Window/height"), Number(file, "Window/maximized")};
}

bool WriteKeptPlace(ChoicesFile& file, const QRect& normal, bool maximized) {
  return file.Write(ChoicesFile::Values{{"Window/x", std::to_string(normal.x())},
                                        {"Window/y", std::to_string(normal.y())},
                                        {"Window/width", std::to_string(normal.width())},
                                        {"Window/height", std::to_string(normal.height())},
                                        {"Window/maximized", maximized ? "1" : "0"}});
}

std::optional<QRect> OpeningPlace(const KeptPlace& kept, const QList<QRect>& screens,
                                  QSize minimum) {
  if (!kept.x || !kept.y || !kept.width || !kept.height) return std::nullopt;
  const int x = *kept.x, y = *kept.y, width = *kept.width, height = *kept.height;
  if (x < -kLargest || x > kLargest || y < -kLargest || y > kLargest) return std::nullopt;
  if (width < 1 || width > kLargest || height < 1 || height > kLargest) return std::nullopt;
  const QRect strip(x, y, width, std::min(height, kStrip));
  const QRect* on = nullptr;
  int best = 0;
  for (const QRect& screen : screens) {
    const QRect shown = strip.intersected(screen);
    if (shown.height() < strip.height() || 2 * shown.width() < strip.width()) continue;
    if (shown.width() > best) {
      best = shown.width();
      on = &screen;
    }
  }
  if (on == nullptr) return std::nullopt;
  // A screen smaller than it was takes the window whole; the window is never smaller than it
  // allows.
  const int w = std::max(std::min(width, on->width()), minimum.width());
  const int h = std::max(std::min(height, on->height()), minimum.height());
  return QRect(x, y, w, h);
}

}  // namespace ossaric
