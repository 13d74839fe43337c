#include "controls/picture_button.h"

#include "controls/keyboard_trigger.h"
#include "controls/skin_picture.h"

#include <QFileInfo>
#include <QHash>
#include <QMouseEvent>
#include <QPainter>

TPictureButton::TPictureButton(QWidget *parent) : QWidget(parent)
{
    MakeKeyboardTriggerable(*this, {});
}

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

QString SkinButtonMeaning(const QString &pictureName)
{
    // Screen readers say what a button does, not what it shows.
    static const QHash<QString, QString> meanings = {
        {QStringLiteral("gui_back.bmp"), QStringLiteral("Zurück")},
        {QStringLiteral("gui_home.bmp"), QStringLiteral("Startseite")},
        {QStringLiteral("gui_exit.bmp"), QStringLiteral("Beenden")},
        {QStringLiteral("gui_pimpseite.bmp"), QStringLiteral("Zur Internetseite")},
        {QStringLiteral("gui_abbrechen.bmp"), QStringLiteral("Test abbrechen")},
        {QStringLiteral("gui_auswerten.bmp"), QStringLiteral("Test auswerten")},
        {QStringLiteral("gui_previousquestion.bmp"), QStringLiteral("Vorige Frage")},
        {QStringLiteral("gui_nextquestion.bmp"), QStringLiteral("Nächste Frage")},
        {QStringLiteral("gui_zurueckfrage.bmp"), QStringLiteral("Zurück")},
        {QStringLiteral("gui_uebersicht.bmp"), QStringLiteral("Übersicht der Fragen")},
        {QStringLiteral("gui_neuegirlsiminternet.bmp"), QStringLiteral("Neue Sets im Internet")},
        {QStringLiteral("gui_buy.bmp"), QStringLiteral("Kaufen")},
        {QStringLiteral("gui_bilderanzeigen.bmp"), QStringLiteral("Bilder anzeigen")},
        {QStringLiteral("gui_zurueck.bmp"), QStringLiteral("Zurück")},
    };
    return meanings.value(pictureName.toLower());
}

void TPictureButton::LoadSkin(const QString &folder, const QString &name)
{
    if (accessibleName().isEmpty())
        setAccessibleName(SkinButtonMeaning(name));
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
    DrawFocusFrame(*this, painter);
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

void TPictureButton::keyPressEvent(QKeyEvent *event)
{
    if (m_tracking || !m_keys.Press(event)) {
        QWidget::keyPressEvent(event);
        return;
    }
    setDown(true);
    event->accept();
}

void TPictureButton::keyReleaseEvent(QKeyEvent *event)
{
    if (!m_keys.Release(event)) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    setDown(false);
    event->accept();
    Q_EMIT clicked();
}

void TPictureButton::focusOutEvent(QFocusEvent *event)
{
    if (m_keys.Held()) {
        m_keys.Drop();
        setDown(false);
    }
    QWidget::focusOutEvent(event);
}
