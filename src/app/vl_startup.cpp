#include "app/vl_startup.h"

#include "controls/layout_fonts.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>

TVLStartupForm::TVLStartupForm(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("VLStartupForm"));
    setWindowTitle(QStringLiteral("Velmora wird gestartet."));
    setFixedSize(367, 214);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);

    auto *label1 = new QLabel(QStringLiteral("Velmora wird gestartet."), this);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setFont(LayoutFont(12, TFontStyle::Bold));
    label1->move(60, 65);
    label1->adjustSize();

    auto *label2 = new QLabel(
        QStringLiteral("Bitte haben Sie beim ersten Start ein wenig Geduld. Daten werden aufbereitet..."), this);
    label2->setObjectName(QStringLiteral("Label2"));
    label2->setFont(LayoutFont(12));
    label2->setWordWrap(true);
    label2->setGeometry(35, 130, 309, 40);

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void TVLStartupForm::paintEvent(QPaintEvent *)
{
    // Shape1: a black frame three pixels wide around the whole window.
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 3));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5));
}

void TVLStartupForm::closeEvent(QCloseEvent *event)
{
    event->ignore();
}
