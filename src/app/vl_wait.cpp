#include "app/vl_wait.h"

#include "controls/layout_fonts.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

TVelmoraWaitForm::TVelmoraWaitForm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("VelmoraWaitForm"));
    setWindowTitle(QStringLiteral("Programm arbeitet"));
    setFixedSize(363, 133);
    setModal(false);
    auto *label = new QLabel(QStringLiteral("Bitte haben Sie einen Moment Geduld..."), this);
    label->setObjectName(QStringLiteral("Label1"));
    label->setFont(LayoutFont(12));
    label->setGeometry(40, 35, 282, 20);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}
