#include "controls/questionnaire_tile.h"

#include "controls/layout_fonts.h"

#include <QLabel>
#include <QPainter>
#include <QToolButton>

namespace {

const QColor kTileYellow(0xFF, 0xFF, 0xE1);
const QColor kGreen(0x00, 0x80, 0x00);
const QColor kYellow(0xFF, 0xFF, 0x00);
const QColor kRed(0xFF, 0x00, 0x00);
const QColor kSilver(0xC0, 0xC0, 0xC0);
const QColor kGrey(0x80, 0x80, 0x80);

} // namespace

QColor TQuestionnaireTile::StatusLightColour(int fehlerlos, int bestanden, int durchgefallen)
{
    QColor colour = durchgefallen <= bestanden ? kYellow : kRed;
    if (durchgefallen == fehlerlos)
        colour = kYellow;
    if (durchgefallen < fehlerlos)
        colour = kGreen;
    if (fehlerlos > 1)
        colour = kGreen;
    if (fehlerlos + bestanden + durchgefallen == 0)
        colour = Qt::white;
    return colour;
}

TQuestionnaireTile::TQuestionnaireTile(int nummer, int questionnaireId, int durchgefallen, int bestanden,
                                       int fehlerlos, QWidget *parent)
    : QWidget(parent), m_id(questionnaireId), m_status(StatusLightColour(fehlerlos, bestanden, durchgefallen))
{
    setObjectName(QStringLiteral("Fragebogen%1").arg(nummer));
    setFixedSize(kWidth, kHeight);

    auto *number = new QLabel(QString::number(nummer), this);
    number->setObjectName(QStringLiteral("NummerLabel"));
    number->setFont(LayoutFont(12));
    number->setGeometry(5, 3, 21, 20);
    number->setAttribute(Qt::WA_TransparentForMouseEvents);

    Counter(fehlerlos, 5, kGreen)->setObjectName(QStringLiteral("FehlerlosLabel"));
    Counter(bestanden, 20, kYellow)->setObjectName(QStringLiteral("BestandenLabel"));
    Counter(durchgefallen, 35, kRed)->setObjectName(QStringLiteral("DurchgefallenLabel"));

    m_button = new QToolButton(this);
    m_button->setObjectName(QStringLiteral("ClickArea"));
    m_button->setGeometry(0, 0, kWidth, kHeight);
    m_button->setAutoRaise(true);
    m_button->setCursor(Qt::PointingHandCursor);
    m_button->setFocusPolicy(Qt::TabFocus);
    m_button->setStyleSheet(QStringLiteral("QToolButton { background: transparent; border: 1px solid #404040; }"
                                           "QToolButton:pressed { border: 2px solid #000000; }"
                                           "QToolButton:focus { border: 2px dotted #000000; }"));
    m_button->setAccessibleName(QStringLiteral("Fragebogen %1").arg(nummer));
    m_button->setAccessibleDescription(QStringLiteral("fehlerlos %1, bestanden %2, durchgefallen %3")
                                           .arg(fehlerlos)
                                           .arg(bestanden)
                                           .arg(durchgefallen));
    connect(m_button, &QToolButton::clicked, this, [this] { Q_EMIT clicked(m_id); });
}

QLabel *TQuestionnaireTile::Counter(int value, int left, const QColor &colour)
{
    auto *label = new QLabel(QString::number(value), this);
    label->setFont(LayoutFont(7));
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
    label->setGeometry(left, 35, 13, 12);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

void TQuestionnaireTile::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), kTileYellow);
    // The counter bar, its border inside the 46 × 16 rectangle.
    painter.setPen(kGrey);
    painter.setBrush(kSilver);
    painter.drawRect(0, 33, kWidth - 1, 15);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::black);
    painter.setBrush(m_status);
    painter.drawEllipse(QRectF(26.5, 3.5, 15, 15));
}
