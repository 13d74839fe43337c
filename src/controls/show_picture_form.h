#pragma once

#include "pictures/bitmap.h"

#include <QDialog>

class QFrame;
class QPushButton;
class QScrollArea;
class TPictureBox;

// The picture window: "Bild anzeigen", white, filling the screen; a bar 36 pixels high with the
// close button "&Schließen", and below it a scroll area with the picture at 100 %.
class TShowPictureForm : public QDialog
{
    Q_OBJECT
public:
    explicit TShowPictureForm(QWidget *parent = nullptr);

    // Shows a copy of the picture at its own size.
    void SetPicture(const TBitmap &picture);
    // Gives the window the whole available area of its screen.
    void FillScreen();

    QFrame *Panel1 = nullptr;
    QPushButton *BitBtn1 = nullptr;
    QScrollArea *ScrollBox1 = nullptr;
    TPictureBox *Image1 = nullptr;
};

// Shows the picture in a picture window, modally; returns when the window has been closed (it is
// destroyed then).
void ShowPicture(const TBitmap &picture, QWidget *parent = nullptr);
