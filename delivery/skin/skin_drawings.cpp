#include "skin_drawings.h"

#include <functional>
#include <map>

namespace velmora::skin {

QImage drawSkinPicture(std::string_view name)
{
    static const std::map<std::string_view, std::function<QImage()>> drawings{
        {"GUI_main_bodytop.bmp", [] { return framePiece(0, 0, 1024, 176); }},
        {"GUI_main_bodyleft.bmp", [] { return framePiece(0, 175, 21, 576); }},
        {"GUI_main_bodyright.bmp", [] { return framePiece(986, 175, 25, 576); }},
        {"GUI_main_bodybottom.bmp", [] { return framePiece(0, 743, 1011, 23); }},
        {"GUI_back.bmp", backButton},
        {"GUI_home.bmp", homeButton},
        {"GUI_exit.bmp", exitButton},
        {"GUI_pimpseite.bmp", webLinkPicture},
        {"GUI_welcome.bmp", welcomeBackground},
        {"GUI_goodbye.bmp", goodbyePicture},
        {"GUI_einstellungen.bmp", settingsBackground},
        {"gui_betreutes_lernen.bmp", learningMenuBackground},
        {"GUI_nachschlagen.bmp", lookUpBackground},
        {"GUI_versager.bmp", failBackground},
        {"GUI_pimp.bmp", passBackground},
        {"GUI_pimpschrift.bmp", passLettering},
        {"GUI_Abbrechen.bmp", [] { return questionButton(QuestionButton::Cancel, false); }},
        {"GUI_Abbrechen_down.bmp", [] { return questionButton(QuestionButton::Cancel, true); }},
        {"GUI_Auswerten.bmp", [] { return questionButton(QuestionButton::Evaluate, false); }},
        {"GUI_Auswerten_down.bmp", [] { return questionButton(QuestionButton::Evaluate, true); }},
        {"GUI_previousquestion.bmp", [] { return questionButton(QuestionButton::Previous, false); }},
        {"GUI_previousquestion_down.bmp", [] { return questionButton(QuestionButton::Previous, true); }},
        {"GUI_nextquestion.bmp", [] { return questionButton(QuestionButton::Next, false); }},
        {"GUI_nextquestion_down.bmp", [] { return questionButton(QuestionButton::Next, true); }},
        {"GUI_zurueckfrage.bmp", [] { return questionButton(QuestionButton::BackFromQuestion, false); }},
        {"GUI_zurueckfrage_down.bmp", [] { return questionButton(QuestionButton::BackFromQuestion, true); }},
        {"GUI_Uebersicht.bmp", [] { return questionButton(QuestionButton::Overview, false); }},
        {"GUI_Uebersicht_down.bmp", [] { return questionButton(QuestionButton::Overview, true); }},
        {"GUI_galerie.bmp", galleryBackground},
        {"GUI_freigespielt.bmp", unlockedStamp},
        {"GUI_neuegirlsiminternet.bmp", moreSetsLink},
        {"GUI_buy.bmp", [] { return galleryButton(GalleryButton::Buy, false); }},
        {"GUI_buy_down.bmp", [] { return galleryButton(GalleryButton::Buy, true); }},
        {"GUI_bilderanzeigen.bmp", [] { return galleryButton(GalleryButton::ShowPictures, false); }},
        {"GUI_bilderanzeigen_down.bmp", [] { return galleryButton(GalleryButton::ShowPictures, true); }},
        {"GUI_bilder.bmp", picturesBackground},
        {"GUI_zurueck.bmp", [] { return galleryButton(GalleryButton::BackToGallery, false); }},
        {"GUI_zurueck_down.bmp", [] { return galleryButton(GalleryButton::BackToGallery, true); }},
        {"GUI_questionmask.bmp", questionMask},
        {"star.bmp", [] { return starPicture(true); }},
        {"star_deaktiviert.bmp", [] { return starPicture(false); }},
    };
    const auto found = drawings.find(name);
    return found == drawings.end() ? QImage() : found->second();
}

} // namespace velmora::skin
