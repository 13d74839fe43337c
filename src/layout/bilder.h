#pragma once

#include "layout/layout_rect.h"

// The pictures screen: the pictures of one set, one at a time, with the set's name, the list of
// places, the picture box, its rating and price, and the buttons to buy, to view at full size and
// to go back.
namespace layout::bilder {

inline constexpr int kWidth = 966;
inline constexpr int kHeight = 571;

inline constexpr TLayoutRect Image2{"Image2", 0, 0, 961, 566};
inline constexpr TLayoutRect DBText1{"DBText1", 75, 65, 266, 46};
inline constexpr TLayoutRect DBGrid1{"DBGrid1", 500, 15, 71, 381};
inline constexpr TLayoutRect Image1{"Image1", 590, 5, 366, 512};
inline constexpr TLayoutRect WertungFrame1{"WertungFrame1", 595, 519, 173, 37};
// The labels size themselves to their text; width and height are room enough for it.
inline constexpr TLayoutRect Label1{"Label1", 785, 535, 34, 14};
inline constexpr TLayoutRect Label8{"Label8", 820, 535, 48, 14};
inline constexpr TLayoutRect PPLabel{"PPLabel", 80, 480, 200, 24};
inline constexpr TLayoutRect VollbildButton{"VollbildButton", 870, 525, 82, 26};
inline constexpr TLayoutRect BuyImage{"BuyImage", 400, 490, 181, 66};
inline constexpr TLayoutRect BackImage{"BackImage", 220, 490, 181, 71};

// The list's one column and the fonts, in pixels.
inline constexpr int kPlaceColumnWidth = 40;
inline constexpr int kNameFontPx = 32;
inline constexpr int kPriceFontPx = 11;
inline constexpr int kPointsFontPx = 19;
inline constexpr int kButtonFontPx = 11;

inline constexpr TLayoutRect kControls[] = {Image2,  DBText1, DBGrid1,        Image1,   WertungFrame1, Label1,
                                            Label8,  PPLabel, VollbildButton, BuyImage, BackImage};

} // namespace layout::bilder
