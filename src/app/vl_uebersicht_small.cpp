#include "app/vl_uebersicht_small.h"

#include "app/vl_frage.h"
#include "controls/layout_fonts.h"
#include "data/db_module.h"
#include "data/table_fields.h"
#include "exam/next_token.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPainter>
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

    for (int icon = 0; icon < 4; ++icon) {
        const QPixmap picture = IconPicture(Icon(icon));
        // The style would tint a selected entry's icon; it keeps its own picture.
        m_icons[icon].addPixmap(picture, QIcon::Normal);
        m_icons[icon].addPixmap(picture, QIcon::Selected);
        m_icons[icon].addPixmap(picture, QIcon::Active);
    }

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    ListView = new QListWidget(this);
    ListView->setObjectName(QStringLiteral("ListView"));
    ListView->setIconSize(QSize(16, 16));
    ListView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView->installEventFilter(this);
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
    connect(CloseButton, &QPushButton::clicked, this, [this] {
        if (TFrageFrame *screen = QuestionScreen())
            screen->PlayCueOf(QStringLiteral("snd_pop"));
        hide();
    });
    // The entry under the click is the one shown, even when the list was rebuilt during the click.
    connect(ListView, &QListWidget::clicked, this, [this](const QModelIndex &index) {
        ListView->setCurrentRow(index.row());
        ShowSelected();
    });
}

QPixmap TUebersichtForm::IconPicture(Icon icon)
{
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    switch (icon) {
    case NotAnswered:
        painter.setPen(QPen(QColor(0x80, 0x80, 0x80), 1.5));
        painter.drawEllipse(QRectF(2.5, 2.5, 11, 11));
        break;
    case Answered:
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0x20, 0x60, 0xD0));
        painter.drawEllipse(QRectF(2, 2, 12, 12));
        break;
    case Right:
        painter.setPen(QPen(QColor(0x00, 0xA0, 0x00), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPolyline(QPolygonF({QPointF(3, 8.5), QPointF(6.5, 12), QPointF(13, 4)}));
        break;
    case Wrong:
        painter.setPen(QPen(QColor(0xD0, 0x10, 0x10), 2.5, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(4, 4), QPointF(12, 12));
        painter.drawLine(QPointF(12, 4), QPointF(4, 12));
        break;
    }
    return picture;
}

TFrageFrame *TUebersichtForm::QuestionScreen() const
{
    return m_questionScreen ? m_questionScreen() : nullptr;
}

void TUebersichtForm::RefreshList()
{
    ReviewMarks = false;
    TFrageFrame *screen = QuestionScreen();
    TMainDataModule *data = screen ? screen->DataModule() : nullptr;
    QStringList captions;
    QList<int> icons;
    QStringList ids;
    int selected = -1;
    if (data) {
        ReviewMarks = data->ViewMode == viewmode::Reviewing;
        TRecordTable &test = data->TestTable;
        TRecordTable &fragen = data->FragenTable;
        for (test.First(); !test.Eof(); test.Next()) {
            const int frageId = test.FieldByName(fields::test::FrageID).AsInteger();
            const bool ticks[] = {test.FieldByName(fields::test::Antwort1kreuz).AsBoolean(),
                                  test.FieldByName(fields::test::Antwort2kreuz).AsBoolean(),
                                  test.FieldByName(fields::test::Antwort3kreuz).AsBoolean()};
            const QString typed = test.FieldByName(fields::test::Antwort).AsString();
            bool answered = false;
            bool right = false;
            QString caption = QStringLiteral("Frage nicht gefunden");
            if (fragen.Locate(fields::fragen::ID, frageId)) {
                caption = fragen.FieldByName(fields::fragen::Frage).AsString();
                const int type = fragen.FieldByName(fields::fragen::Fragetyp).AsInteger();
                if (type == 1) {
                    answered = ticks[0] || ticks[1] || ticks[2];
                    right = ticks[0] == fragen.FieldByName(fields::fragen::Antwort1kreuz).AsBoolean() &&
                            ticks[1] == fragen.FieldByName(fields::fragen::Antwort2kreuz).AsBoolean() &&
                            ticks[2] == fragen.FieldByName(fields::fragen::Antwort3kreuz).AsBoolean();
                } else if (type == 2) {
                    answered = !typed.isEmpty();
                    right = typed == NumberSolution(fragen.FieldByName(fields::fragen::Antwort1).AsString());
                } else {
                    right = true;
                }
            }
            caption.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
            captions << caption;
            icons << (ReviewMarks ? (right ? Right : Wrong) : (answered ? Answered : NotAnswered));
            if (frageId == screen->CurrentFrageID())
                selected = int(ids.size());
            ids << QString::number(frageId);
        }
    }

    // Entries are rewritten in place when their number stays, so a click that is under way keeps
    // its entry.
    if (ListView->count() != captions.size())
        ListView->clear();
    for (int row = 0; row < captions.size(); ++row) {
        QListWidgetItem *item = ListView->item(row);
        if (!item)
            item = new QListWidgetItem(ListView);
        item->setText(captions[row]);
        item->setIcon(m_icons[icons[row]]);
    }
    QuestionIDs = ids;
    m_entryIcons = icons;
    ListView->clearSelection();
    if (selected >= 0)
        ListView->setCurrentRow(selected);
}

void TUebersichtForm::ShowSelected()
{
    TFrageFrame *screen = QuestionScreen();
    if (!screen)
        return;
    screen->SaveAnswer();
    const QList<QListWidgetItem *> chosen = ListView->selectedItems();
    if (chosen.isEmpty())
        return;
    const int row = ListView->row(chosen.first());
    if (row < 0 || row >= QuestionIDs.size())
        return;
    screen->ShowQuestion(QuestionIDs[row].toInt(), screen->DataModule()->ViewMode);
}

void TUebersichtForm::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        if (TFrageFrame *screen = QuestionScreen()) {
            screen->SaveAnswer();
            RefreshList();
        }
    }
}

bool TUebersichtForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ListView && event->type() == QEvent::KeyRelease)
        ShowSelected();
    return QWidget::eventFilter(watched, event);
}
