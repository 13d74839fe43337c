#include "controls/wertung_frame.h"

#include "controls/picture_box.h"
#include "controls/skin_picture.h"
#include "layout/wertung.h"

#include <QPalette>

namespace L = layout::wertung;

namespace {

const QString kLitName = QStringLiteral("star.bmp");
const QString kUnlitName = QStringLiteral("star_deaktiviert.bmp");

} // namespace

TWertungFrame::TWertungFrame(const QString &skinFolder, QWidget *parent)
    : QWidget(parent), m_skinFolder(skinFolder), m_lit(LoadSkinPicture(skinFolder, kLitName)),
      m_unlit(LoadSkinPicture(skinFolder, kUnlitName))
{
    setObjectName(QStringLiteral("WertungFrame"));
    resize(L::kWidth, L::kHeight);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    for (int rank = 1; rank <= kStarCount; ++rank) {
        const TLayoutRect &place = L::kStars[rank - 1];
        auto *star = new TPictureBox(this);
        star->setObjectName(QString::fromLatin1(place.name.data(), qsizetype(place.name.size())));
        star->setGeometry(place.left, place.top, place.width, place.height);
        star->setCursor(Qt::PointingHandCursor);
        connect(star, &TPictureBox::clicked, this, [this, rank] { StarClick(rank); });
        m_stars[std::size_t(rank - 1)] = star;
    }
    SetValue(0);
}

void TWertungFrame::SetValue(int v)
{
    Value = v;
    for (int rank = 1; rank <= kStarCount; ++rank)
        Star(rank)->setPicture(rank <= v ? m_lit : m_unlit);
    repaint();
}

void TWertungFrame::ResetStars()
{
    m_unlit = LoadSkinPicture(m_skinFolder, kUnlitName);
    for (TPictureBox *star : m_stars)
        star->setPicture(m_unlit);
    repaint();
}

void TWertungFrame::StarClick(int rank)
{
    if (ReadOnly)
        return;
    SetValue(rank);
    if (OnValueChange)
        OnValueChange(*this);
    // The owner's handler may have redrawn the stars from other data: the clicked rating stands.
    SetValue(rank);
}

bool TWertungFrame::IsLit(int rank) const
{
    return Star(rank)->picture().cacheKey() == m_lit.cacheKey();
}
