#pragma once

#include "pictures/bitmap.h"

#include <QImage>
#include <QPixmap>
#include <QWidget>

// How a picture box places its picture.
enum class TPictureMode
{
    TopLeft,        // at the top-left corner, at its own size, clipped to the box
    Centre,         // centred at its own size (a larger picture is cut on all sides)
    ShrinkCentre,   // centred; a picture larger than the box is reduced into it, never enlarged
    Proportional,   // stretched into the box with its proportions kept, at the top-left corner
};

// A picture control: draws its picture placed by its mode (top-left by default). The picture is a
// pixmap (skin pictures) or a bitmap, which the box keeps and draws from its own memory. When
// transparent, the colour of the picture's bottom-left pixel lets the background through; with auto
// size the control takes the size of its picture. A click (press and release inside) emits clicked().
class TPictureBox : public QWidget
{
    Q_OBJECT
public:
    explicit TPictureBox(QWidget *parent = nullptr);

    void setPicture(const QPixmap &picture);
    void setBitmap(TBitmap bitmap);
    void clearPicture();
    // The picture as a pixmap (made from the bitmap when a bitmap was given).
    QPixmap picture() const;
    const TBitmap &bitmap() const { return m_bitmap; }
    QSize pictureSize() const;
    bool hasPicture() const { return !pictureSize().isEmpty(); }

    void setMode(TPictureMode mode);
    TPictureMode mode() const { return m_mode; }
    // Where the picture is drawn, in the box's coordinates.
    QRect shownRect() const;

    void setTransparent(bool transparent);
    bool isTransparent() const { return m_transparent; }
    void setAutoSize(bool autoSize);

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void updateShownPicture();

    QPixmap m_picture;
    TBitmap m_bitmap;
    QImage m_shown; // the picture as drawn: a view of the bitmap, or with its transparent colour cut out
    QPixmap m_shownPixmap;
    TPictureMode m_mode = TPictureMode::TopLeft;
    bool m_transparent = false;
    bool m_autoSize = false;
    bool m_pressedInside = false;
};

// The picture with every pixel of the colour of its bottom-left pixel made transparent.
QImage WithTransparentKey(const QImage &picture);
