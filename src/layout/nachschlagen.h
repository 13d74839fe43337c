#pragma once

#include "layout/layout_rect.h"

// The look-up screen: its invisible click ellipses, drawn on its background picture.
namespace layout::nachschlagen {

inline constexpr TLayoutRect FragebogenShape{"FragebogenShape", 770, 435, 131, 41};
inline constexpr TLayoutRect DruckenShape{"DruckenShape", 775, 495, 131, 41};

// Every control above, for code that walks them all.
inline constexpr TLayoutRect kControls[] = {FragebogenShape, DruckenShape};

} // namespace layout::nachschlagen
