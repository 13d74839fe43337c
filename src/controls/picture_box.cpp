#include "controls/picture_box.h"

#include <QBitmap>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>

TPictureBox::TPictureBox(QWidget *parent) : QWidget(parent) {}

void TPictureBox::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    updateShownPicture();
}

void TPictureBox::setTransparent(bool transparent)
{
    m_transparent = transparent;
    updateShownPicture();
}

void TPictureBox::setAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    updateShownPicture();
}

void TPictureBox::updateShownPicture()
{
    m_shown = m_picture;
    if (m_transparent && !m_picture.isNull()) {
        const QImage image = m_picture.toImage();
        const QColor key = image.pixelColor(0, image.height() - 1);
        m_shown.setMask(m_picture.createMaskFromColor(key, Qt::MaskInColor));
    }
    if (m_autoSize && !m_picture.isNull())
        resize(m_picture.size());
    update();
}

void TPictureBox::paintEvent(QPaintEvent *)
{
    if (m_shown.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_shown);
}

void TPictureBox::mousePressEvent(QMouseEvent *event)
{
    m_pressedInside = event->button() == Qt::LeftButton;
    event->accept();
}

void TPictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressedInside && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressedInside = false;
    event->accept();
    if (click)
        Q_EMIT clicked();
}
