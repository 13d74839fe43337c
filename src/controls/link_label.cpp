#include "controls/link_label.h"

#include "controls/keyboard_trigger.h"

#include <QMouseEvent>

TLinkLabel::TLinkLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    MakeKeyboardTriggerable(*this, text);
    setCursor(Qt::PointingHandCursor);
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, Qt::blue);
    setPalette(pal);
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
}

void TLinkLabel::mousePressEvent(QMouseEvent *event)
{
    m_pressedInside = event->button() == Qt::LeftButton;
    event->accept();
}

void TLinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click =
        m_pressedInside && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressedInside = false;
    event->accept();
    if (click)
        Q_EMIT clicked();
}

void TLinkLabel::keyPressEvent(QKeyEvent *event)
{
    if (m_keys.Press(event))
        event->accept();
    else
        QLabel::keyPressEvent(event);
}

void TLinkLabel::keyReleaseEvent(QKeyEvent *event)
{
    if (!m_keys.Release(event)) {
        QLabel::keyReleaseEvent(event);
        return;
    }
    event->accept();
    Q_EMIT clicked();
}

void TLinkLabel::focusOutEvent(QFocusEvent *event)
{
    m_keys.Drop();
    QLabel::focusOutEvent(event);
}

void TLinkLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    QPainter painter(this);
    DrawFocusFrame(*this, painter);
}
