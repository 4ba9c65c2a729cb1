// Points of the twelve categories for five faces: pure functions.
#pragma once

#include <array>

namespace ossaric {

using Faces = std::array<int, 5>;

// Number of dice showing each face; index 1..6 (faces outside 1..6 are not counted).
std::array<int, 7> FaceCounts(const Faces& faces);
// The points a throw scores in category 1..12; 0 for any other category.
int CategoryPoints(int category, const Faces& faces);
// total + points, held at the ends of the int range instead of wrapping around.
int AddToTotal(int total, int points);

}  // namespace ossaric
