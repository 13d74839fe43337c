#include "app/vl_goodbye.h"

#include "controls/picture_box.h"
#include "controls/skin_picture.h"

#include <QGuiApplication>
#include <QScreen>

TGoodbyeForm::TGoodbyeForm(QString skinFolder, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_skinFolder(std::move(skinFolder)),
      Image1(new TPictureBox(this))
{
    setObjectName(QStringLiteral("GoodbyeForm"));
    setWindowTitle(QStringLiteral("Auf Wiedersehen"));
    setFixedSize(644, 484);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(rect());
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void TGoodbyeForm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    Image1->setPicture(LoadSkinPicture(m_skinFolder, QStringLiteral("GUI_goodbye.bmp")));
}
