#include "platform/random.h"

namespace ossaric {

int Random::DrawPlace() {
  if (!places_.empty()) {
    int k = places_.front();
    places_.pop_front();
    return k;
  }
  return static_cast<int>(Next() % 20) + 1;
}

int Random::DrawFace() {
  if (!faces_.empty()) {
    int f = faces_.front();
    faces_.pop_front();
    return f;
  }
  return static_cast<int>(Next() % 6) + 1;
}

}  // namespace ossaric
