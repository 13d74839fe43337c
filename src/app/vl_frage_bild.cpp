#include "app/vl_frage_bild.h"

#include "controls/layout_fonts.h"
#include "controls/picture_box.h"
#include "layout/frage.h"
#include "screen/layout_geometry.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>

namespace B = layout::frage_bild;

TFrageBildForm::TFrageBildForm(QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("FrageBildForm"));
    setWindowTitle(QStringLiteral("Bild zu Frage vergrößert"));
    setModal(true);
    setFixedSize(B::kWidth, B::kHeight);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(255, 255, 225));
    setPalette(palette);

    ScrollBox1 = Placed(new QScrollArea(this), B::ScrollBox1);
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    ScrollBox1->setWidgetResizable(false);
    ScrollBox1->viewport()->setAutoFillBackground(false);
    Image1 = Placed(new TPictureBox, B::Image1);
    Image1->setMode(TPictureMode::Proportional);
    ScrollBox1->setWidget(Image1);

    CloseButton = Placed(new QPushButton(QStringLiteral("Schließen"), this), B::CloseButton);
    CloseButton->setFont(LayoutFont(8, TFontStyle::Bold));
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::accept);
}

void TFrageBildForm::SetPicture(const TBitmap &picture)
{
    Image1->setBitmap(TBitmap(picture));
}

void TFrageBildForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    const QScreen *screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        QRect area = geometry();
        area.moveCenter(screen->geometry().center());
        move(area.topLeft());
    }
}
