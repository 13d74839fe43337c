#include "controls/show_picture_form.h"

#include "controls/picture_box.h"

#include <QFrame>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>

TShowPictureForm::TShowPictureForm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ShowPictureForm"));
    setWindowTitle(QStringLiteral("Bild anzeigen"));
    resize(870, 640);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedHeight(36);
    layout->addWidget(Panel1);

    BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton), QStringLiteral("&Schließen"),
                              Panel1);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(5, 5, 86, 25);
    BitBtn1->setAutoDefault(false);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);

    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    ScrollBox1->setWidgetResizable(false);
    ScrollBox1->setBackgroundRole(QPalette::Window);
    layout->addWidget(ScrollBox1, 1);

    Image1 = new TPictureBox;
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAutoSize(true);
    Image1->resize(0, 0);
    ScrollBox1->setWidget(Image1);
}

void TShowPictureForm::SetPicture(const TBitmap &picture)
{
    Image1->setBitmap(picture);
    Image1->setAccessibleName(windowTitle());
}

void TShowPictureForm::FillScreen()
{
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    // Without a window manager, maximizing alone may leave the window at its designed size.
    if (screen)
        setGeometry(screen->availableGeometry());
    setWindowState(windowState() | Qt::WindowMaximized);
}

void ShowPicture(const TBitmap &picture, QWidget *parent)
{
    TShowPictureForm form(parent);
    form.SetPicture(picture);
    form.FillScreen();
    form.exec();
}
