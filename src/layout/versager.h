#pragma once

#include "layout/layout_rect.h"

// The fail screen: its background, the four numbers, the reason sentence and the invisible click
// ellipses drawn on its background picture.
namespace layout::versager {

inline constexpr int kWidth = 961;
inline constexpr int kHeight = 566;

inline constexpr TLayoutRect Image1{"Image1", 0, 0, 961, 566};
inline constexpr TLayoutRect FehlerLabel{"FehlerLabel", 40, 95, 120, 20};
inline constexpr TLayoutRect FehlerpunkteLabel{"FehlerpunkteLabel", 40, 145, 120, 20};
inline constexpr TLayoutRect PimpPointsLabel{"PimpPointsLabel", 40, 190, 120, 20};
inline constexpr TLayoutRect PimpPointsgesLabel{"PimpPointsgesLabel", 40, 235, 120, 20};
inline constexpr TLayoutRect DescMemo{"DescMemo", 40, 265, 261, 126};
inline constexpr TLayoutRect LernenShape{"LernenShape", 310, 425, 311, 116};
inline constexpr TLayoutRect TestShape{"TestShape", 650, 425, 306, 116};

// Every control above, for code that walks them all.
inline constexpr TLayoutRect kControls[] = {Image1,          FehlerLabel, FehlerpunkteLabel, PimpPointsLabel,
                                            PimpPointsgesLabel, DescMemo, LernenShape,       TestShape};

} // namespace layout::versager
