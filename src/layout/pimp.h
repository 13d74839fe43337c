#pragma once

#include "layout/layout_rect.h"

// The pass screen: its background, the teaser picture and text, the four numbers, the review link
// and the invisible click ellipse drawn on its background picture.
namespace layout::pimp {

inline constexpr int kWidth = 961;
inline constexpr int kHeight = 566;

inline constexpr TLayoutRect Image1{"Image1", 0, 0, 961, 566};
inline constexpr TLayoutRect ContentPicture{"ContentPicture", 285, 0, 666, 566};
inline constexpr TLayoutRect PimpschriftImage{"PimpschriftImage", 645, -30, 316, 211};
inline constexpr TLayoutRect BereitLabel{"BereitLabel", 15, 25, 260, 20};
inline constexpr TLayoutRect FehlerLabel{"FehlerLabel", 15, 110, 120, 20};
inline constexpr TLayoutRect FehlerpunkteLabel{"FehlerpunkteLabel", 15, 155, 120, 20};
inline constexpr TLayoutRect PimpPointsLabel{"PimpPointsLabel", 15, 200, 120, 20};
inline constexpr TLayoutRect PimpPointsgesLabel{"PimpPointsgesLabel", 15, 245, 120, 20};
inline constexpr TLayoutRect GirlMemo{"GirlMemo", 15, 270, 171, 96};
inline constexpr TLayoutRect Label4{"Label4", 15, 380, 171, 14};
inline constexpr TLayoutRect TestShape{"TestShape", 5, 430, 181, 91};

// Every control above, for code that walks them all.
inline constexpr TLayoutRect kControls[] = {Image1,          ContentPicture,     PimpschriftImage, BereitLabel,
                                            FehlerLabel,     FehlerpunkteLabel,  PimpPointsLabel,  PimpPointsgesLabel,
                                            GirlMemo,        Label4,             TestShape};

} // namespace layout::pimp
