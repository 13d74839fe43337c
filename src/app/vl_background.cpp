#include "app/vl_background.h"

#include <QEvent>
#include <QPaintEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace {

const QColor kCentre(255, 255, 255); // white
const QColor kEdge(192, 192, 192);   // silver

QColor blend(double t)
{
    auto mix = [t](int a, int b) { return int(std::lround(a + (b - a) * t)); };
    return QColor(mix(kCentre.red(), kEdge.red()), mix(kCentre.green(), kEdge.green()),
                  mix(kCentre.blue(), kEdge.blue()));
}

} // namespace

TBackgroundForm::TBackgroundForm(QWidget *mainWindow)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), m_mainWindow(mainWindow)
{
    setObjectName(QStringLiteral("BackgroundForm"));
    setWindowTitle(QStringLiteral("Velmora Hintergrund"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        setGeometry(screen->geometry());
    show();
}

QColor TBackgroundForm::GradientColourAt(QSize size, QPoint point)
{
    // The distance from the middle, measured as the larger of the two axis fractions: lines of equal
    // colour are concentric rectangles, like a pyramid seen from above.
    const double halfWidth = std::max(1.0, size.width() / 2.0);
    const double halfHeight = std::max(1.0, size.height() / 2.0);
    const double dx = std::abs(point.x() + 0.5 - halfWidth) / halfWidth;
    const double dy = std::abs(point.y() + 0.5 - halfHeight) / halfHeight;
    return blend(std::clamp(std::max(dx, dy), 0.0, 1.0));
}

void TBackgroundForm::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // Drawn once per size as nested rectangles, one per colour step.
    m_gradient = QPixmap(size());
    QPainter painter(&m_gradient);
    const int steps = std::max(1, std::min(kCentre.red() - kEdge.red(), std::min(width(), height()) / 2));
    for (int step = 0; step < steps; ++step) {
        const double t = 1.0 - double(step) / steps;
        const int insetX = int(std::lround(width() / 2.0 * step / steps));
        const int insetY = int(std::lround(height() / 2.0 * step / steps));
        painter.fillRect(QRect(insetX, insetY, width() - 2 * insetX, height() - 2 * insetY), blend(t));
    }
}

void TBackgroundForm::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.drawPixmap(event->rect(), m_gradient, event->rect());
}

void TBackgroundForm::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && m_mainWindow) {
        m_mainWindow->show();
        m_mainWindow->raise();
        m_mainWindow->activateWindow();
    }
}
