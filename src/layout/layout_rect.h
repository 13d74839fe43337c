#pragma once

#include <string_view>

// The place of one control of a screen or window: its name as the code and the tests find it
// (the object name), and its rectangle in the coordinates of its parent. Each screen's layout header
// lists its controls once; the screen, the skin generator and the tests all read them from there.
struct TLayoutRect
{
    std::string_view name;
    int left;
    int top;
    int width;
    int height;

    constexpr int right() const { return left + width; }
    constexpr int bottom() const { return top + height; }
};
