#pragma once

#include "pictures/bitmap.h"

#include <QDialog>

class QPushButton;
class QScrollArea;
class TPictureBox;

// The question's picture enlarged: "Bild zu Frage vergrößert", a fixed-size tool window of 953 x 654
// inside, light yellow, centred on the screen. The picture is fitted into 946 x 601 with its
// proportions kept, small pictures enlarged, at the top-left corner.
class TFrageBildForm : public QDialog
{
    Q_OBJECT
public:
    explicit TFrageBildForm(QWidget *parent = nullptr);

    // Shows a copy of the picture.
    void SetPicture(const TBitmap &picture);

    QScrollArea *ScrollBox1 = nullptr;
    TPictureBox *Image1 = nullptr;
    QPushButton *CloseButton = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
};
