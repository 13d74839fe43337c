#pragma once

#include "layout/layout_rect.h"

// The main window (1008 x 765, borderless): the frame pictures, the navigation buttons, the link
// picture and click area, and the screen area in which the screens are shown.
namespace layout::browse {

inline constexpr int kWindowWidth = 1008;
inline constexpr int kWindowHeight = 765;

// The screen area lies beneath the frame pictures, which overlap its edges.
inline constexpr TLayoutRect BrowsePanel{"BrowsePanel", 21, 173, 965, 576};
inline constexpr TLayoutRect TopImage{"TopImage", 0, 0, 1024, 176};
inline constexpr TLayoutRect LeftImage{"LeftImage", 0, 175, 21, 576};
inline constexpr TLayoutRect RightImage{"RightImage", 986, 175, 25, 576};
inline constexpr TLayoutRect BottomImage{"BottomImage", 0, 743, 1011, 23};
inline constexpr TLayoutRect BackImage{"BackImage", 30, 124, 91, 37};
inline constexpr TLayoutRect HomeImage{"HomeImage", 120, 124, 91, 37};
inline constexpr TLayoutRect ExitImage{"ExitImage", 210, 124, 91, 37};
inline constexpr TLayoutRect ForwardImage{"ForwardImage", 310, 125, 11, 16};
inline constexpr TLayoutRect PimpSeiteImage{"PimpSeiteImage", 640, 127, 253, 19};
// Drawn on the top frame picture, in its coordinates (the same as the window's).
inline constexpr TLayoutRect BrennholtShape{"BrennholtShape", 815, 45, 26, 26};

// Every control above, for code that walks them all.
inline constexpr TLayoutRect kControls[] = {BrowsePanel, TopImage, LeftImage, RightImage, BottomImage, BackImage, HomeImage, ExitImage, ForwardImage, PimpSeiteImage, BrennholtShape};

} // namespace layout::browse
