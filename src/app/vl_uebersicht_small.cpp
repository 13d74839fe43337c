#include "app/vl_uebersicht_small.h"

#include "controls/layout_fonts.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TUebersichtForm::TUebersichtForm(QWidget *mainWindow)
    : QWidget(mainWindow, Qt::Tool | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("UebersichtForm"));
    setWindowTitle(QStringLiteral("Übersicht"));
    resize(368, 394);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    ListView = new QListWidget(this);
    ListView->setObjectName(QStringLiteral("ListView"));
    ListView->setIconSize(QSize(16, 16));
    ListView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    layout->addWidget(ListView, 1);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedHeight(37);
    layout->addWidget(Panel1);
    auto *bottom = new QHBoxLayout(Panel1);
    bottom->setContentsMargins(0, 0, 0, 0);
    bottom->addStretch(1);

    Panel2 = new QFrame(Panel1);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFixedWidth(134);
    Panel2->setFrameShape(QFrame::NoFrame);
    bottom->addWidget(Panel2);

    CloseButton = new QPushButton(QStringLiteral("Schließen"), Panel2);
    CloseButton->setObjectName(QStringLiteral("CloseButton"));
    CloseButton->setFont(LayoutFont(8, TFontStyle::Bold));
    CloseButton->setGeometry(15, 5, 116, 26);
    connect(CloseButton, &QPushButton::clicked, this, &QWidget::hide);
}
