#include "controls/picture_switch.h"

#include "controls/keyboard_trigger.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace {

QPixmap drawSwitch(bool on)
{
    const int size = TPictureSwitch::kPictureSize;
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box(4.5, 4.5, size - 9, size - 9);
    painter.setPen(QPen(QColor(0x40, 0x40, 0x40), 3));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(box, 5, 5);
    if (on) {
        QPainterPath tick;
        tick.moveTo(12, 25);
        tick.lineTo(21, 35);
        tick.lineTo(38, 12);
        painter.setPen(QPen(QColor(0x00, 0x80, 0x00), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(tick);
    }
    return picture;
}

} // namespace

TPictureSwitch::TPictureSwitch(QWidget *parent) : QWidget(parent)
{
    MakeKeyboardTriggerable(*this, {});
    setCursor(Qt::PointingHandCursor);
}

QPixmap TPictureSwitch::OffPicture()
{
    static const QPixmap picture = drawSwitch(false);
    return picture;
}

QPixmap TPictureSwitch::OnPicture()
{
    static const QPixmap picture = drawSwitch(true);
    return picture;
}

void TPictureSwitch::setChecked(bool checked)
{
    if (m_checked == checked)
        return;
    m_checked = checked;
    update();
}

void TPictureSwitch::setReadOnly(bool readOnly)
{
    m_readOnly = readOnly;
    if (readOnly)
        SetDown(false);
}

void TPictureSwitch::SetDown(bool down)
{
    if (m_down != down) {
        m_down = down;
        update();
    }
}

void TPictureSwitch::Toggle()
{
    if (m_readOnly)
        return;
    m_checked = !m_checked;
    update();
    Q_EMIT toggled(m_checked);
}

void TPictureSwitch::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // Held down, the picture sits one pixel down and to the right.
    const int offset = m_down ? 1 : 0;
    painter.drawPixmap(offset, offset, m_checked ? OnPicture() : OffPicture());
    DrawFocusFrame(*this, painter);
}

void TPictureSwitch::mousePressEvent(QMouseEvent *event)
{
    m_pressedInside = event->button() == Qt::LeftButton;
    SetDown(m_pressedInside && !m_readOnly);
    event->accept();
}

void TPictureSwitch::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click =
        m_pressedInside && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressedInside = false;
    SetDown(false);
    event->accept();
    if (click)
        Toggle();
}

void TPictureSwitch::keyPressEvent(QKeyEvent *event)
{
    if (!m_keys.Press(event)) {
        QWidget::keyPressEvent(event);
        return;
    }
    SetDown(!m_readOnly);
    event->accept();
}

void TPictureSwitch::keyReleaseEvent(QKeyEvent *event)
{
    if (!m_keys.Release(event)) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    SetDown(false);
    event->accept();
    Toggle();
}

void TPictureSwitch::focusOutEvent(QFocusEvent *event)
{
    m_keys.Drop();
    SetDown(false);
    QWidget::focusOutEvent(event);
}
