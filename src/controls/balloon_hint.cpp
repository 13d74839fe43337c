#include "controls/balloon_hint.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kStemHeight = 12;
constexpr int kStemLeft = 14;
constexpr int kStemWidth = 14;
constexpr int kCornerRadius = 8;

TBalloonHints *g_instance = nullptr;

QPainterPath balloonOutline(QSize size)
{
    QPainterPath path;
    const QRectF body(0.5, kStemHeight + 0.5, size.width() - 1.0, size.height() - kStemHeight - 1.0);
    path.addRoundedRect(body, kCornerRadius, kCornerRadius);
    QPainterPath stem;
    stem.moveTo(kStemLeft, kStemHeight + 1.0);
    stem.lineTo(kStemLeft, 0.5);
    stem.lineTo(kStemLeft + kStemWidth, kStemHeight + 1.0);
    stem.closeSubpath();
    return path.united(stem);
}

} // namespace

TBalloonHintWindow::TBalloonHintWindow(QWidget *parent)
    : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_icon(new QLabel(this)), m_text(new QLabel(this)), m_close(new QToolButton(this))
{
    setObjectName(QStringLiteral("BalloonHint"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xFF, 0xFF, 0xE1));
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);

    const int iconSize = style()->pixelMetric(QStyle::PM_SmallIconSize) * 2;
    m_icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(iconSize, iconSize));
    m_icon->setAlignment(Qt::AlignTop);
    m_text->setTextFormat(Qt::PlainText);
    m_text->setObjectName(QStringLiteral("BalloonHintText"));
    m_close->setText(QStringLiteral("\u00D7"));
    m_close->setAutoRaise(true);
    m_close->setFixedSize(18, 18);
    m_close->setToolTip(QString());
    connect(m_close, &QToolButton::clicked, this, &QWidget::hide);

    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(10, kStemHeight + 8, 6, 10);
    row->setSpacing(8);
    row->addWidget(m_icon, 0, Qt::AlignTop);
    row->addWidget(m_text, 1);
    row->addWidget(m_close, 0, Qt::AlignTop);
}

void TBalloonHintWindow::setText(const QString &text)
{
    // Hints are written with CR LF line breaks.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(u'\r', u'\n');
    m_text->setText(shown);
    adjustSize();
}

QString TBalloonHintWindow::text() const
{
    return m_text->text();
}

void TBalloonHintWindow::placeAt(QPoint pointer)
{
    QPoint topLeft = pointer + QPoint(4 - kStemLeft + 4, 18);
    if (const QScreen *screen = QGuiApplication::screenAt(pointer)) {
        const QRect area = screen->availableGeometry();
        topLeft.setX(qBound(area.left(), topLeft.x(), qMax(area.left(), area.right() - width() + 1)));
        topLeft.setY(qBound(area.top(), topLeft.y(), qMax(area.top(), area.bottom() - height() + 1)));
    }
    move(topLeft);
}

void TBalloonHintWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    setMask(QRegion(balloonOutline(size()).toFillPolygon().toPolygon()));
}

void TBalloonHintWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x76, 0x76, 0x76), 1));
    painter.setBrush(palette().color(QPalette::Window));
    painter.drawPath(balloonOutline(size()));
}

TBalloonHints::TBalloonHints(QObject *parent) : QObject(parent)
{
    m_showTimer.setSingleShot(true);
    m_showTimer.setInterval(kShowDelayMs);
    m_hideTimer.setSingleShot(true);
    m_hideTimer.setInterval(kHideAfterMs);
    connect(&m_showTimer, &QTimer::timeout, this, [this] {
        if (m_pending)
            showHint(m_pending, m_pendingPointer);
    });
    connect(&m_hideTimer, &QTimer::timeout, this, &TBalloonHints::hideHint);
    qApp->installEventFilter(this);
    g_instance = this;
}

TBalloonHints::~TBalloonHints()
{
    if (g_instance == this)
        g_instance = nullptr;
    // No more events reach the filter while the balloon goes.
    qApp->removeEventFilter(this);
    delete m_window.data();
}

TBalloonHints *TBalloonHints::instance()
{
    return g_instance;
}

QWidget *TBalloonHints::controlWithHint(QWidget *widget)
{
    for (QWidget *w = widget; w != nullptr; w = w->parentWidget()) {
        if (!w->toolTip().isEmpty())
            return w;
        if (w->isWindow())
            break;
    }
    return nullptr;
}

void TBalloonHints::showHint(QWidget *control, QPoint pointer)
{
    QWidget *owner = controlWithHint(control);
    m_showTimer.stop();
    m_pending = nullptr;
    if (owner == nullptr || !owner->isVisible()) {
        hideHint();
        return;
    }
    if (!m_window)
        m_window = new TBalloonHintWindow;
    m_window->setText(owner->toolTip());
    m_window->placeAt(pointer);
    m_window->show();
    m_window->raise();
    m_shownFor = owner;
    m_hideTimer.start();
}

void TBalloonHints::hideHint()
{
    m_hideTimer.stop();
    m_shownFor = nullptr;
    if (m_window)
        m_window->hide();
}

bool TBalloonHints::isShowing() const
{
    return m_window && m_window->isVisible();
}

void TBalloonHints::pointerMovedOver(QWidget *widget, QPoint pointer)
{
    QWidget *owner = controlWithHint(widget);
    if (owner != nullptr && owner == m_shownFor && isShowing())
        return; // resting or moving on the control whose hint is up
    if (isShowing())
        hideHint();
    m_pending = owner;
    m_pendingPointer = pointer;
    if (owner != nullptr)
        m_showTimer.start(); // restarts with every move: the pointer must come to rest
    else
        m_showTimer.stop();
}

bool TBalloonHints::eventFilter(QObject *watched, QEvent *event)
{
    if (!watched->isWidgetType())
        return false;
    auto *widget = static_cast<QWidget *>(watched);
    if (m_window && (widget == m_window || m_window->isAncestorOf(widget)))
        return false;
    switch (event->type()) {
    case QEvent::ToolTip:
        return true; // the balloons replace the plain tool tips
    case QEvent::MouseMove: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->buttons() == Qt::NoButton)
            pointerMovedOver(widget, mouse->globalPosition().toPoint());
        break;
    }
    case QEvent::Leave:
        if (widget == m_shownFor || widget == m_pending) {
            m_showTimer.stop();
            m_pending = nullptr;
            if (widget == m_shownFor)
                hideHint();
        }
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::Wheel:
        m_showTimer.stop();
        m_pending = nullptr;
        hideHint();
        break;
    default:
        break;
    }
    return false;
}
