#include "controls/click_shape.h"

#include <QMouseEvent>
#include <QRegion>

TClickShape::TClickShape(Shape shape, QWidget *parent) : QWidget(parent), m_shape(shape)
{
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
