#pragma once

// The pictures of a Velmora skin: every name a window or screen loads from bmp/, the size of the control
// it fills, and what the standard skin draws on it. The skin generator draws from this table and the
// delivery test checks the built archive against it, so a new screen adds its pictures here once.
//
// Names are the bitmap names the screens ask for; the archive stores each as a JPEG member with the same
// base name and the extension ".jpg" (the import turns it back into ".bmp").

#include "layout/betreutes.h"
#include "layout/browse.h"
#include "layout/nachschlagen.h"
#include "layout/pimp.h"
#include "layout/versager.h"
#include "layout/welcome.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace velmora::skin {

struct SkinPicture
{
    std::string_view name; // as a screen asks for it, e.g. "GUI_welcome.bmp"
    int width;
    int height;
    std::string_view shows;
};

inline constexpr std::array<SkinPicture, 41> kSkinPictures{{
    // Main window frame: the pieces lie around the screen area (21, 173, 965 x 576) of the
    // 1008 x 765 window; parts beyond the window edge are never seen.
    {"GUI_main_bodytop.bmp", 1024, 176, "frame top at 0,0: title band, link icon, toolbar strip"},
    {"GUI_main_bodyleft.bmp", 21, 576, "frame left edge at 0,175"},
    {"GUI_main_bodyright.bmp", 25, 576, "frame right edge at 986,175"},
    {"GUI_main_bodybottom.bmp", 1011, 23, "frame bottom at 0,743 (drawn transparent; white corners)"},
    {"GUI_back.bmp", 91, 37, "back button at 30,124 on the toolbar strip"},
    {"GUI_home.bmp", 91, 37, "home button at 120,124"},
    {"GUI_exit.bmp", 91, 37, "exit button at 210,124"},
    {"GUI_pimpseite.bmp", 253, 19, "web link picture at 640,127 on the toolbar strip"},
    // Welcome screen and goodbye window.
    {"GUI_welcome.bmp", 966, 566, "welcome screen with its three click ellipses"},
    {"GUI_goodbye.bmp", 644, 484, "goodbye window"},
    // Screen backgrounds.
    {"GUI_einstellungen.bmp", 961, 566, "settings screen: dark, plates under the text buttons"},
    {"gui_betreutes_lernen.bmp", 966, 571, "learning menu: points badge, class frame, three click ellipses"},
    {"GUI_nachschlagen.bmp", 961, 566, "look-up screen: captions of the two boxes, two click ellipses"},
    {"GUI_versager.bmp", 961, 566, "fail screen: result captions, two click ellipses"},
    {"GUI_pimp.bmp", 961, 566, "pass screen: result captions, one click ellipse, backdrop of the teaser"},
    {"GUI_pimpschrift.bmp", 316, 211, "pass lettering at 645,-30 (drawn transparent on white)"},
    // Question screen buttons, all at top 495, 186 x 66, on the tooltip-yellow screen.
    {"GUI_Abbrechen.bmp", 186, 66, "cancel the test"},
    {"GUI_Abbrechen_down.bmp", 186, 66, "cancel the test, pressed"},
    {"GUI_Auswerten.bmp", 186, 66, "evaluate the test"},
    {"GUI_Auswerten_down.bmp", 186, 66, "evaluate the test, pressed"},
    {"GUI_previousquestion.bmp", 186, 66, "previous question"},
    {"GUI_previousquestion_down.bmp", 186, 66, "previous question, pressed"},
    {"GUI_nextquestion.bmp", 186, 66, "next question"},
    {"GUI_nextquestion_down.bmp", 186, 66, "next question, pressed"},
    {"GUI_zurueckfrage.bmp", 186, 66, "back to the results or to the look-up choice"},
    {"GUI_zurueckfrage_down.bmp", 186, 66, "back to the results or to the look-up choice, pressed"},
    {"GUI_Uebersicht.bmp", 186, 66, "open the answer overview"},
    {"GUI_Uebersicht_down.bmp", 186, 66, "open the answer overview, pressed"},
    // Gallery and pictures screen.
    {"GUI_galerie.bmp", 966, 571, "gallery background: cards for the list, the details and the points"},
    {"GUI_freigespielt.bmp", 96, 91, "unlocked stamp at 670,140 of the gallery"},
    {"GUI_neuegirlsiminternet.bmp", 271, 46, "gallery link to more sets on the web, at 300,505"},
    // The buy button is 181 x 71 in the gallery and 181 x 66 on the pictures screen: its lowest five
    // rows are margin, so both show the whole button.
    {"GUI_buy.bmp", 181, 71, "buy button"},
    {"GUI_buy_down.bmp", 181, 71, "buy button, pressed"},
    {"GUI_bilderanzeigen.bmp", 181, 71, "gallery: show the pictures of the set"},
    {"GUI_bilderanzeigen_down.bmp", 181, 71, "gallery: show the pictures of the set, pressed"},
    {"GUI_bilder.bmp", 961, 566, "pictures screen background: list card, viewer mat, price strip"},
    {"GUI_zurueck.bmp", 181, 71, "pictures screen: back to the gallery"},
    {"GUI_zurueck_down.bmp", 181, 71, "pictures screen: back to the gallery, pressed"},
    // The teaser shape of a locked picture: everything not pure white is the shape. The screen moves
    // it 40 right and 20 down inside its 366 x 512 box.
    {"GUI_questionmask.bmp", 288, 472, "question-mark shape in black on pure white"},
    // Star rating control: five pictures of 31 x 36 on a white panel.
    {"star.bmp", 31, 36, "lit star"},
    {"star_deaktiviert.bmp", 31, 36, "unlit star"},
}};

// An invisible click area of a screen, drawn on the screen's picture so the user sees where to click.
// Every one is an ellipse filling its rectangle (picture coordinates).
struct ClickArea
{
    std::string_view picture;
    std::string_view control;
    int left;
    int top;
    int width;
    int height;
    std::string_view caption; // German, the main line
    std::string_view detail;  // German, a smaller second line; may be empty
};

// A click area of its screen's layout, with the captions drawn into it.
constexpr ClickArea clickArea(std::string_view picture, const TLayoutRect &place, std::string_view caption,
                              std::string_view detail)
{
    return ClickArea{picture, place.name, place.left, place.top, place.width, place.height, caption, detail};
}

inline constexpr std::array<ClickArea, 12> kClickAreas{{
    clickArea("GUI_main_bodytop.bmp", layout::browse::BrennholtShape, "", ""),
    clickArea("GUI_welcome.bmp", layout::welcome::BetreutesShape, "Betreutes Lernen", "Tests und PimpPoints"),
    clickArea("GUI_welcome.bmp", layout::welcome::NachschlagenShape, "Nachschlagen", "Fragebögen mit Lösungen"),
    clickArea("GUI_welcome.bmp", layout::welcome::EinstellungenShape, "Einstellungen", "Musik, Bilder und mehr"),
    clickArea("gui_betreutes_lernen.bmp", layout::betreutes::ZweiFragenShape, "Zwei Fragen", "der schnelle Test"),
    clickArea("gui_betreutes_lernen.bmp", layout::betreutes::FragebogenShape, "Fragebogen", "die ganze Prüfung"),
    clickArea("gui_betreutes_lernen.bmp", layout::betreutes::freigespielteShape, "Galerie", "Punkte einlösen"),
    clickArea("GUI_nachschlagen.bmp", layout::nachschlagen::FragebogenShape, "Anzeigen", ""),
    clickArea("GUI_nachschlagen.bmp", layout::nachschlagen::DruckenShape, "Drucken", ""),
    clickArea("GUI_versager.bmp", layout::versager::LernenShape, "Fragen ansehen", "mit Lösungen lernen"),
    clickArea("GUI_versager.bmp", layout::versager::TestShape, "Neuer Test", "gleich noch einmal"),
    clickArea("GUI_pimp.bmp", layout::pimp::TestShape, "Noch ein Test", "weiter Punkte sammeln"),
}};

// The name of the archive member of a skin picture: its base name with ".jpg".
inline std::string memberName(std::string_view pictureName)
{
    const std::size_t dot = pictureName.rfind('.');
    return std::string(pictureName.substr(0, dot)) + ".jpg";
}

} // namespace velmora::skin
