#pragma once

#include "layout/layout_rect.h"

// The settings screen (961 x 566 on black): its picture, four text buttons, the about link, the
// music volume slider with its label and the music-off check box.
namespace layout::einstellungen {

inline constexpr int kWidth = 961;
inline constexpr int kHeight = 566;

inline constexpr TLayoutRect Image1{"Image1", 0, 0, 961, 566};
inline constexpr TLayoutRect WebsiteButton{"WebsiteButton", 410, 55, 191, 40};
inline constexpr TLayoutRect ImportButton{"ImportButton", 410, 110, 191, 40};
// The label is as large as its text; this box holds "About Velmora" in the layout font.
inline constexpr TLayoutRect AboutLabel{"AboutLabel", 450, 170, 120, 16};
inline constexpr TLayoutRect ResetButton{"ResetButton", 410, 245, 191, 40};
inline constexpr TLayoutRect GirlsEditorButton{"GirlsEditorButton", 410, 300, 191, 40};
inline constexpr TLayoutRect Label1{"Label1", 410, 435, 95, 16};
inline constexpr TLayoutRect VolumeSlider{"VolumeSlider", 505, 430, 96, 40};
inline constexpr TLayoutRect CheckBox1{"CheckBox1", 410, 475, 86, 17};

// Every control above, for code that walks them all.
inline constexpr TLayoutRect kControls[] = {Image1,      WebsiteButton,     ImportButton, AboutLabel, ResetButton,
                                            GirlsEditorButton, Label1, VolumeSlider, CheckBox1};

} // namespace layout::einstellungen
