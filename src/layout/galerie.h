#pragma once

#include "layout/layout_rect.h"

// The gallery: the list of sets that can be unlocked, the chosen set's details and the buttons to buy
// it, to look at its pictures and to find more sets on the web.
namespace layout::galerie {

inline constexpr int kWidth = 966;
inline constexpr int kHeight = 571;

inline constexpr TLayoutRect GalerieImage{"GalerieImage", 0, 0, 966, 571};
inline constexpr TLayoutRect DBGrid1{"DBGrid1", 280, 120, 156, 316};
inline constexpr TLayoutRect DBText1{"DBText1", 485, 150, 151, 21};
inline constexpr TLayoutRect WertungFrame1{"WertungFrame1", 485, 195, 173, 37};
inline constexpr TLayoutRect Image1{"Image1", 670, 140, 96, 91};
// The labels size themselves to their text; width and height are room enough for it.
inline constexpr TLayoutRect Label8{"Label8", 485, 405, 250, 21};
inline constexpr TLayoutRect PPLabel{"PPLabel", 60, 265, 200, 24};
inline constexpr TLayoutRect BuyImage{"BuyImage", 590, 495, 181, 71};
inline constexpr TLayoutRect BilderImage{"BilderImage", 775, 495, 181, 71};
inline constexpr TLayoutRect NeueGirlsImage{"NeueGirlsImage", 300, 505, 271, 46};

// The list's one column and its fonts, in pixels.
inline constexpr int kNameColumnWidth = 130;
inline constexpr int kListFontPx = 16;
inline constexpr int kNameFontPx = 16;
inline constexpr int kPriceFontPx = 16;
inline constexpr int kPointsFontPx = 19;

inline constexpr TLayoutRect kControls[] = {GalerieImage, DBGrid1, DBText1, WertungFrame1, Image1,
                                            Label8,       PPLabel, BuyImage, BilderImage,  NeueGirlsImage};

} // namespace layout::galerie
