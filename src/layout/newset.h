#pragma once

#include "layout/layout_rect.h"

// The dialog that asks for the name of a new set.
namespace layout::newset {

inline constexpr int kWidth = 295;
inline constexpr int kHeight = 160;

inline constexpr TLayoutRect Label1{"Label1", 45, 35, 210, 13};
inline constexpr TLayoutRect SetNameEdit{"SetNameEdit", 45, 60, 201, 21};
inline constexpr TLayoutRect Bevel1{"Bevel1", 0, 120, 296, 2};
inline constexpr TLayoutRect BitBtn1{"BitBtn1", 210, 130, 75, 25};
inline constexpr TLayoutRect BitBtn2{"BitBtn2", 115, 130, 85, 25};

} // namespace layout::newset
