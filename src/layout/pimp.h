#pragma once

#include "layout/layout_rect.h"

// The pass screen: its invisible click ellipse, drawn on its background picture.
namespace layout::pimp {

inline constexpr TLayoutRect TestShape{"TestShape", 5, 430, 181, 91};

// Every control above, for code that walks them all.
inline constexpr TLayoutRect kControls[] = {TestShape};

} // namespace layout::pimp
