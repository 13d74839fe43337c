#pragma once

#include "layout/layout_rect.h"

// The fail screen: its invisible click ellipses, drawn on its background picture.
namespace layout::versager {

inline constexpr TLayoutRect LernenShape{"LernenShape", 310, 425, 311, 116};
inline constexpr TLayoutRect TestShape{"TestShape", 650, 425, 306, 116};

// Every control above, for code that walks them all.
inline constexpr TLayoutRect kControls[] = {LernenShape, TestShape};

} // namespace layout::versager
