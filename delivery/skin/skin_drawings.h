#pragma once

// The drawings of the standard skin, one function per picture or family of pictures.

#include <QImage>

#include <string_view>

namespace velmora::skin {

// Draws the picture of the given skin name at its size; a null image for a name this skin does not draw.
QImage drawSkinPicture(std::string_view name);

// Main window frame and windows (skin_frame.cpp).
QImage framePiece(int left, int top, int width, int height); // cut from the frame in window coordinates
QImage backButton();
QImage homeButton();
QImage exitButton();
QImage webLinkPicture();
QImage welcomeBackground();
QImage goodbyePicture();

// Screen backgrounds (skin_screens.cpp, skin_gallery.cpp).
QImage settingsBackground();
QImage learningMenuBackground();
QImage lookUpBackground();
QImage failBackground();
QImage passBackground();
QImage passLettering();
QImage galleryBackground();
QImage picturesBackground();

// Buttons and small pictures (skin_buttons.cpp).
enum class QuestionButton
{
    Cancel,
    Evaluate,
    Previous,
    Next,
    BackFromQuestion,
    Overview
};
QImage questionButton(QuestionButton which, bool pressed);
enum class GalleryButton
{
    Buy,
    ShowPictures,
    BackToGallery
};
QImage galleryButton(GalleryButton which, bool pressed);
QImage unlockedStamp();
QImage moreSetsLink();
QImage starPicture(bool lit);
QImage questionMask();

} // namespace velmora::skin
