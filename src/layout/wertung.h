#pragma once

#include "layout/layout_rect.h"

// The star rating control: a white strip with five stars, ranks 1 to 5 from left to right.
namespace layout::wertung {

inline constexpr int kWidth = 173;
inline constexpr int kHeight = 37;

inline constexpr TLayoutRect Image1{"Image1", 0, 0, 31, 36};
inline constexpr TLayoutRect Image2{"Image2", 35, 0, 31, 36};
inline constexpr TLayoutRect Image3{"Image3", 70, 0, 31, 36};
inline constexpr TLayoutRect Image4{"Image4", 105, 0, 31, 36};
inline constexpr TLayoutRect Image5{"Image5", 140, 0, 31, 36};

// The stars by rank: kStars[r - 1] is the star of rank r.
inline constexpr TLayoutRect kStars[] = {Image1, Image2, Image3, Image4, Image5};

} // namespace layout::wertung
