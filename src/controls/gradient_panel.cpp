#include "controls/gradient_panel.h"

#include <QLinearGradient>
#include <QPainter>

TGradientPanel::TGradientPanel(QWidget *parent) : QWidget(parent) {}

void TGradientPanel::setColours(const QColor &top, const QColor &bottom)
{
    m_top = top;
    m_bottom = bottom;
    update();
}

void TGradientPanel::setBorder(int penWidth, const QColor &colour)
{
    m_borderWidth = penWidth;
    m_borderColour = colour;
    update();
}

void TGradientPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QLinearGradient gradient(0, 0, 0, height() > 1 ? height() - 1 : 1);
    gradient.setColorAt(0, m_top);
    gradient.setColorAt(1, m_bottom);
    painter.fillRect(rect(), gradient);
    if (m_borderWidth > 0) {
        const qreal half = m_borderWidth / 2.0;
        painter.setPen(QPen(m_borderColour, m_borderWidth));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(half, half, -half, -half));
    }
}
