#pragma once

#include "layout/layout_rect.h"

// The welcome screen (972 x 570): its picture and three invisible click ellipses.
namespace layout::welcome {

inline constexpr int kWidth = 972;
inline constexpr int kHeight = 570;

inline constexpr TLayoutRect Image1{"Image1", 0, 0, 966, 566};
inline constexpr TLayoutRect BetreutesShape{"BetreutesShape", 645, 355, 281, 86};
inline constexpr TLayoutRect NachschlagenShape{"NachschlagenShape", 65, 285, 256, 86};
inline constexpr TLayoutRect EinstellungenShape{"EinstellungenShape", 70, 400, 251, 86};

// Every control above, for code that walks them all.
inline constexpr TLayoutRect kControls[] = {Image1, BetreutesShape, NachschlagenShape, EinstellungenShape};

} // namespace layout::welcome
