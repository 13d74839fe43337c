#pragma once

#include "layout/layout_rect.h"

// The dialog of the text groups and their texts. The controls inside a frame are placed relative to
// that frame.
namespace layout::textgruppen {

inline constexpr int kWidth = 621;
inline constexpr int kHeight = 539;

inline constexpr TLayoutRect DBGrid1{"DBGrid1", 10, 10, 266, 226};
inline constexpr TLayoutRect DBNavigator1{"DBNavigator1", 290, 10, 320, 25};
inline constexpr TLayoutRect GroupBox1{"GroupBox1", 290, 45, 321, 191};
inline constexpr TLayoutRect Button3{"Button3", 15, 25, 75, 25};
inline constexpr TLayoutRect Button2{"Button2", 100, 25, 75, 25};
inline constexpr TLayoutRect Label2{"Label2", 15, 60, 80, 13};
inline constexpr TLayoutRect DBMemo1{"DBMemo1", 15, 80, 296, 101};
inline constexpr TLayoutRect GroupBox2{"GroupBox2", 10, 245, 601, 246};
inline constexpr TLayoutRect DBGrid2{"DBGrid2", 10, 20, 151, 181};
inline constexpr TLayoutRect Label3{"Label3", 175, 20, 40, 13};
inline constexpr TLayoutRect DBMemo2{"DBMemo2", 175, 40, 206, 96};
inline constexpr TLayoutRect Label4{"Label4", 395, 40, 150, 13};
inline constexpr TLayoutRect Button1{"Button1", 10, 210, 76, 25};
inline constexpr TLayoutRect DBNavigator2{"DBNavigator2", 90, 210, 41, 25};
inline constexpr TLayoutRect BitBtn1{"BitBtn1", 535, 510, 75, 25};

} // namespace layout::textgruppen
