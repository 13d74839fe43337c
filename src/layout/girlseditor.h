#pragma once

#include "layout/layout_rect.h"

// The set editor: the frame of the own sets with its list and four buttons, the frame of the current
// set's properties and the frame of its pictures. The controls inside a frame are placed relative to
// that frame.
namespace layout::girlseditor {

inline constexpr TLayoutRect GroupBox1{"GroupBox1", 10, 5, 236, 556};
inline constexpr TLayoutRect Shape2{"Shape2", 5, 380, 156, 166};
inline constexpr TLayoutRect DBGrid1{"DBGrid1", 5, 15, 226, 401};
inline constexpr TLayoutRect NewSetButton{"NewSetButton", 10, 420, 141, 25};
inline constexpr TLayoutRect DeleteSetButton{"DeleteSetButton", 10, 450, 141, 25};
inline constexpr TLayoutRect ImportSet{"ImportSet", 10, 480, 141, 25};
inline constexpr TLayoutRect ExportSet{"ExportSet", 10, 510, 141, 25};

inline constexpr TLayoutRect SetPropsGroupBox{"SetPropsGroupBox", 250, 5, 706, 121};
inline constexpr TLayoutRect Label1{"Label1", 5, 20, 50, 13};
inline constexpr TLayoutRect DBEdit1{"DBEdit1", 59, 20, 246, 32};
inline constexpr TLayoutRect Label2{"Label2", 310, 20, 50, 13};
inline constexpr TLayoutRect DBEdit2{"DBEdit2", 365, 20, 171, 21};
inline constexpr TLayoutRect Label3{"Label3", 5, 65, 60, 13};
inline constexpr TLayoutRect WertungFrame1{"WertungFrame1", 130, 60, 173, 37};
inline constexpr TLayoutRect Label4{"Label4", 365, 50, 50, 13};
inline constexpr TLayoutRect DBEdit3{"DBEdit3", 420, 50, 116, 21};
inline constexpr TLayoutRect Label5{"Label5", 365, 80, 50, 13};
inline constexpr TLayoutRect DBEdit4{"DBEdit4", 420, 80, 116, 21};
inline constexpr TLayoutRect Label10{"Label10", 545, 20, 100, 13};
inline constexpr TLayoutRect DBEdit6{"DBEdit6", 545, 40, 146, 21};
inline constexpr TLayoutRect Label11{"Label11", 545, 65, 100, 13};
inline constexpr TLayoutRect DBLookupComboBox1{"DBLookupComboBox1", 545, 80, 96, 21};
inline constexpr TLayoutRect TextGruppeEditButton{"TextGruppeEditButton", 645, 80, 55, 20};
inline constexpr TLayoutRect DBCheckBox1{"DBCheckBox1", 365, 100, 86, 17};

inline constexpr TLayoutRect BilderGroupBox{"BilderGroupBox", 250, 125, 706, 436};
inline constexpr TLayoutRect Shape1{"Shape1", 80, 20, 151, 151};
inline constexpr TLayoutRect DBGrid2{"DBGrid2", 9, 19, 82, 407};
inline constexpr TLayoutRect DeleteBildButton{"DeleteBildButton", 100, 25, 116, 25};
inline constexpr TLayoutRect Button2{"Button2", 100, 55, 116, 25};
inline constexpr TLayoutRect Button3{"Button3", 100, 105, 116, 25};
inline constexpr TLayoutRect Button4{"Button4", 100, 135, 116, 25};
inline constexpr TLayoutRect Label7{"Label7", 245, 60, 60, 13};
inline constexpr TLayoutRect DBText1{"DBText1", 480, 60, 91, 17};
inline constexpr TLayoutRect Label8{"Label8", 245, 105, 60, 13};
inline constexpr TLayoutRect WertungFrame2{"WertungFrame2", 335, 95, 173, 37};
inline constexpr TLayoutRect Label9{"Label9", 245, 170, 40, 13};
inline constexpr TLayoutRect Button6{"Button6", 445, 170, 85, 20};
inline constexpr TLayoutRect Image1{"Image1", 305, 200, 236, 221};
inline constexpr TLayoutRect CheckBox1{"CheckBox1", 100, 260, 171, 17};
inline constexpr TLayoutRect DBMemo1{"DBMemo1", 100, 285, 196, 141};

// The name edit's font is 19 pixels high; everything else uses the screen's 11 pixels.
inline constexpr int kFontPixels = 11;
inline constexpr int kNameFontPixels = 19;

} // namespace layout::girlseditor
