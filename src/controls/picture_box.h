#pragma once

#include <QPixmap>
#include <QWidget>

// A picture control: draws its picture at its top-left corner, clipped to its own size. When
// transparent, the colour of the picture's bottom-left pixel lets the background through; with
// auto size the control takes the size of its picture. A click (press and release inside) emits
// clicked().
class TPictureBox : public QWidget
{
    Q_OBJECT
public:
    explicit TPictureBox(QWidget *parent = nullptr);

    void setPicture(const QPixmap &picture);
    const QPixmap &picture() const { return m_picture; }
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
    QPixmap m_shown;
    bool m_transparent = false;
    bool m_autoSize = false;
    bool m_pressedInside = false;
};
