#pragma once

// A rectangle in pixels: left, top, width and height.
struct TRect
{
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    friend bool operator==(const TRect &, const TRect &) = default;
};

// Places a picture of width × height in a box of boxWidth × boxHeight.
// stretch: the picture always fills the box (enlarged or reduced);
// proportional: the aspect ratio is kept, and a picture larger than the box is reduced into it;
// centre: the placement is centred in the box instead of lying at its top-left corner.
TRect FitRect(int boxWidth, int boxHeight, int width, int height, bool stretch, bool proportional, bool centre);
