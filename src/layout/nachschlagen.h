#pragma once

#include "layout/layout_rect.h"

// The look-up screen: its background, the class and number boxes and the invisible click ellipses,
// drawn on its background picture.
namespace layout::nachschlagen {

inline constexpr int kWidth = 961;
inline constexpr int kHeight = 566;

inline constexpr TLayoutRect Image1{"Image1", 0, 0, 961, 566};
inline constexpr TLayoutRect KlasseBox{"KlasseBox", 615, 430, 55, 28};
inline constexpr TLayoutRect FragebogenComboBox{"FragebogenComboBox", 615, 485, 56, 28};
inline constexpr TLayoutRect FragebogenShape{"FragebogenShape", 770, 435, 131, 41};
inline constexpr TLayoutRect DruckenShape{"DruckenShape", 775, 495, 131, 41};

// The boxes' font: 12-point "MS Sans Serif".
inline constexpr int kBoxFontPoints = 12;

// Every control above, for code that walks them all.
inline constexpr TLayoutRect kControls[] = {Image1, KlasseBox, FragebogenComboBox, FragebogenShape, DruckenShape};

} // namespace layout::nachschlagen
