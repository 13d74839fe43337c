#include "controls/click_shape.h"

#include "controls/keyboard_trigger.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRegion>

TClickShape::TClickShape(Shape shape, QWidget *parent) : QWidget(parent), m_shape(shape)
{
    MakeKeyboardTriggerable(*this, {});
    updateMask();
}

bool TClickShape::hits(QPoint point) const
{
    if (!rect().contains(point))
        return false;
    if (m_shape == Shape::Rectangle)
        return true;
    return QRegion(rect(), QRegion::Ellipse).contains(point);
}

void TClickShape::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    updateMask();
}

void TClickShape::updateMask()
{
    if (m_shape == Shape::Ellipse)
        setMask(QRegion(rect(), QRegion::Ellipse));
    else
        clearMask();
}

void TClickShape::mousePressEvent(QMouseEvent *event)
{
    m_pressedInside = event->button() == Qt::LeftButton && hits(event->position().toPoint());
    if (!m_pressedInside) {
        event->ignore();
        return;
    }
    event->accept();
}

void TClickShape::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressedInside && event->button() == Qt::LeftButton && hits(event->position().toPoint());
    m_pressedInside = false;
    event->accept();
    if (click)
        Q_EMIT clicked();
}

void TClickShape::keyPressEvent(QKeyEvent *event)
{
    if (m_keys.Press(event))
        event->accept();
    else
        QWidget::keyPressEvent(event);
}

void TClickShape::keyReleaseEvent(QKeyEvent *event)
{
    if (!m_keys.Release(event)) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    event->accept();
    Q_EMIT clicked();
}

void TClickShape::focusOutEvent(QFocusEvent *event)
{
    m_keys.Drop();
    QWidget::focusOutEvent(event);
}

void TClickShape::paintEvent(QPaintEvent *)
{
    // Invisible, except for the focus frame of a keyboard user: a dotted ellipse or rectangle.
    if (!hasFocus())
        return;
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
    const QRect frame = rect().adjusted(1, 1, -2, -2);
    if (m_shape == Shape::Ellipse)
        painter.drawEllipse(frame);
    else
        painter.drawRect(frame);
}
