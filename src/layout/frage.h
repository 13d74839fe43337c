#pragma once

#include "layout/layout_rect.h"

// The question screen (966 x 571): the header line, the question and its three answer rows with the
// user's ticks and the correct marks, the number entry that covers the rows for number questions,
// the picture, and the bottom row of picture buttons.
namespace layout::frage {

inline constexpr int kWidth = 966;
inline constexpr int kHeight = 571;

inline constexpr TLayoutRect HeaderBar{"HeaderBar", -5, -5, 291, 31};
inline constexpr TLayoutRect Label3{"Label3", 105, 5, 33, 13};
inline constexpr TLayoutRect FrageNrLabel{"FrageNrLabel", 140, 5, 18, 13};
inline constexpr TLayoutRect Label5{"Label5", 160, 5, 22, 13};
inline constexpr TLayoutRect FragenCountLabel{"FragenCountLabel", 185, 5, 30, 13};
inline constexpr TLayoutRect Label1{"Label1", 220, 5, 38, 13};
inline constexpr TLayoutRect KlasseLabel{"KlasseLabel", 260, 5, 26, 13};
inline constexpr TLayoutRect Label6{"Label6", 500, 15, 112, 20};
inline constexpr TLayoutRect FehlerpunkteLabel{"FehlerpunkteLabel", 615, 15, 40, 20};
inline constexpr TLayoutRect FrageMemo{"FrageMemo", 180, 50, 476, 126};
inline constexpr TLayoutRect Antwort1Memo{"Antwort1Memo", 185, 180, 471, 81};
inline constexpr TLayoutRect Antwort2Memo{"Antwort2Memo", 185, 260, 371, 81};
inline constexpr TLayoutRect Antwort3Memo{"Antwort3Memo", 185, 345, 371, 81};
inline constexpr TLayoutRect Antwort1checkbox{"Antwort1checkbox", 120, 175, 50, 60};
inline constexpr TLayoutRect Antwort2checkbox{"Antwort2checkbox", 120, 255, 50, 60};
inline constexpr TLayoutRect Antwort3checkbox{"Antwort3checkbox", 120, 340, 50, 60};
inline constexpr TLayoutRect Kreuz1checkbox{"Kreuz1checkbox", 85, 185, 26, 17};
inline constexpr TLayoutRect Kreuz2checkbox{"Kreuz2checkbox", 85, 265, 26, 16};
inline constexpr TLayoutRect Kreuz3checkbox{"Kreuz3checkbox", 85, 345, 26, 17};
inline constexpr TLayoutRect AntwortPanel{"AntwortPanel", 80, 175, 546, 246};
// Inside AntwortPanel.
inline constexpr TLayoutRect DirektMemo1{"DirektMemo1", 100, 0, 261, 21};
inline constexpr TLayoutRect AntwortEdit{"AntwortEdit", 100, 25, 121, 28};
inline constexpr TLayoutRect DirektMemo2{"DirektMemo2", 225, 20, 256, 36};
inline constexpr TLayoutRect DirektLabel{"DirektLabel", 100, 55, 300, 20};
inline constexpr TLayoutRect Image{"Image", 660, 5, 301, 201};
inline constexpr TLayoutRect VergroessernButton{"VergroessernButton", 845, 205, 116, 21};
inline constexpr TLayoutRect OverviewArea{"OverviewArea", 660, 205, 301, 286};
inline constexpr TLayoutRect AbbrechenImage{"AbbrechenImage", 10, 495, 186, 66};
inline constexpr TLayoutRect AuswertenImage{"AuswertenImage", 200, 495, 186, 66};
inline constexpr TLayoutRect UebersichtImage{"UebersichtImage", 390, 495, 186, 66};
inline constexpr TLayoutRect BackImage{"BackImage", 580, 495, 186, 66};
inline constexpr TLayoutRect ForwardImage{"ForwardImage", 770, 495, 186, 66};
inline constexpr TLayoutRect BackToResultsImage{"BackToResultsImage", 10, 495, 186, 66};
inline constexpr TLayoutRect AuswahlImage{"AuswahlImage", 10, 495, 186, 66};

// Every control above, for code that walks them all.
inline constexpr TLayoutRect kControls[] = {
    HeaderBar, Label3, FrageNrLabel, Label5, FragenCountLabel, Label1, KlasseLabel, Label6, FehlerpunkteLabel,
    FrageMemo, Antwort1Memo, Antwort2Memo, Antwort3Memo, Antwort1checkbox, Antwort2checkbox, Antwort3checkbox,
    Kreuz1checkbox, Kreuz2checkbox, Kreuz3checkbox, AntwortPanel, DirektMemo1, AntwortEdit, DirektMemo2,
    DirektLabel, Image, VergroessernButton, OverviewArea, AbbrechenImage, AuswertenImage, UebersichtImage,
    BackImage, ForwardImage, BackToResultsImage, AuswahlImage};

// The fitted question picture lies in the box of Image.
inline constexpr int kPictureBoxWidth = 301;
inline constexpr int kPictureBoxHeight = 201;

} // namespace layout::frage

// The enlarged question picture window: inner area 953 x 654.
namespace layout::frage_bild {

inline constexpr int kWidth = 953;
inline constexpr int kHeight = 654;

inline constexpr TLayoutRect ScrollBox1{"ScrollBox1", 0, 0, 951, 616};
inline constexpr TLayoutRect Image1{"Image1", 0, 0, 946, 601};
inline constexpr TLayoutRect CloseButton{"CloseButton", 785, 620, 162, 26};

} // namespace layout::frage_bild
