#pragma once

#include "layout/layout_rect.h"

// The learning menu: its invisible click ellipses, drawn on its background picture.
namespace layout::betreutes {

inline constexpr TLayoutRect ZweiFragenShape{"ZweiFragenShape", 505, 280, 251, 91};
inline constexpr TLayoutRect FragebogenShape{"FragebogenShape", 660, 150, 251, 91};
inline constexpr TLayoutRect freigespielteShape{"freigespielteShape", 20, 420, 241, 76};

// Every control above, for code that walks them all.
inline constexpr TLayoutRect kControls[] = {ZweiFragenShape, FragebogenShape, freigespielteShape};

} // namespace layout::betreutes
