#include "controls/picture_button.h"

#include "controls/skin_picture.h"

#include <QFileInfo>
#include <QMouseEvent>
#include <QPainter>

TPictureButton::TPictureButton(QWidget *parent) : QWidget(parent) {}

void TPictureButton::setPictures(const QPixmap &normal, const QPixmap &down)
{
    m_normal = normal;
    m_down = down;
    update();
}

void TPictureButton::setDown(bool down)
{
    if (m_isDown == down)
        return;
    m_isDown = down;
    update();
}

void TPictureButton::Refresh()
{
    setDown(true);
    setDown(false);
    update();
}

QPixmap TPictureButton::shownPicture() const
{
    if (m_isDown && !m_down.isNull())
        return m_down;
    return m_normal;
}

void TPictureButton::LoadSkin(const QString &folder, const QString &name)
{
    const QPixmap normal = LoadSkinPicture(folder, name);
    const QString downName = DownPictureName(name);
    QPixmap down;
    if (QFileInfo::exists(FindSkinFile(folder, downName)))
        down = LoadSkinPicture(folder, downName);
    setPictures(normal, down);
}

void TPictureButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_isDown && m_down.isNull())
        painter.drawPixmap(1, 1, m_normal);
    else
        painter.drawPixmap(0, 0, shownPicture());
}

void TPictureButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    m_tracking = true;
    setDown(true);
    event->accept();
}

void TPictureButton::mouseMoveEvent(QMouseEvent *event)
{
    if (m_tracking)
        setDown(rect().contains(event->position().toPoint()));
    event->accept();
}

void TPictureButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_tracking) {
        event->ignore();
        return;
    }
    m_tracking = false;
    const bool click = rect().contains(event->position().toPoint());
    setDown(false);
    event->accept();
    if (click)
        Q_EMIT clicked();
}
