#pragma once

#include "layout/layout_rect.h"

// The learning menu: its background, the points total, the class choice, the invisible click
// ellipses drawn on its background picture, and the questionnaire panel with its tile grid.
namespace layout::betreutes {

inline constexpr int kWidth = 966;
inline constexpr int kHeight = 571;

inline constexpr TLayoutRect Image1{"Image1", 0, 0, 966, 571};
inline constexpr TLayoutRect PPLabel{"PPLabel", 310, 20, 75, 37};
inline constexpr TLayoutRect Shape1{"Shape1", 765, 20, 181, 56};
inline constexpr TLayoutRect Label1{"Label1", 780, 35, 70, 20};
inline constexpr TLayoutRect KlasseBox{"KlasseBox", 855, 35, 80, 28};
inline constexpr TLayoutRect ZweiFragenShape{"ZweiFragenShape", 505, 280, 251, 91};
inline constexpr TLayoutRect FragebogenShape{"FragebogenShape", 660, 150, 251, 91};
inline constexpr TLayoutRect freigespielteShape{"freigespielteShape", 20, 420, 241, 76};
inline constexpr TLayoutRect FrageboegenPanel{"FrageboegenPanel", 110, 125, 781, 306};

// In the questionnaire panel.
inline constexpr TLayoutRect Label2{"Label2", 15, 25, 190, 20};
inline constexpr TLayoutRect RandomQuestionnaireButton{"RandomQuestionnaireButton", 220, 25, 141, 21};
inline constexpr TLayoutRect ClosePanelButton{"ClosePanelButton", 680, 5, 96, 21};

// The tile grid: the first tile's place, the step to the next tile and row; a tile whose left would
// pass kWrapAfter begins the next row (15 tiles a row).
inline constexpr int kTileLeft = 15;
inline constexpr int kTileTop = 70;
inline constexpr int kTileStep = 49;
inline constexpr int kRowStep = 52;
inline constexpr int kWrapAfter = 720;
inline constexpr int kPanelBorder = 2;

// Every control above, for code that walks them all.
inline constexpr TLayoutRect kControls[] = {Image1, PPLabel, Shape1, Label1, KlasseBox, ZweiFragenShape,
                                            FragebogenShape, freigespielteShape, FrageboegenPanel};

} // namespace layout::betreutes
