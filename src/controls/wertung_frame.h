#pragma once

#include <QPixmap>
#include <QWidget>

#include <array>
#include <functional>

class TPictureBox;

// A rating of 0 to 5 shown as five stars, lit up to the rating and unlit beyond it. Read-only when
// created; an editable control sets the rating of the star clicked and tells its owner. The lit and
// unlit pictures ("star.bmp", "star_deaktiviert.bmp") come from the skin folder on creation: a missing
// one raises the file error, and the owner's creation fails with it.
class TWertungFrame : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kStarCount = 5;

    TWertungFrame(const QString &skinFolder, QWidget *parent);

    // Shows the rating v: the stars of rank <= v lit, the others unlit; repaints at once. The owner is
    // not told.
    void SetValue(int v);
    // Five unlit stars, the unlit picture read again from the skin folder; the rating is kept.
    void ResetStars();
    // What a click on the star of rank 1 to 5 does (the stars' own clicks come here).
    void StarClick(int rank);

    int Value = 0;
    bool ReadOnly = true;
    // Called after a click on an editable control has set the rating; none when created.
    std::function<void(TWertungFrame &)> OnValueChange;

    TPictureBox *Star(int rank) const { return m_stars.at(std::size_t(rank - 1)); }
    bool IsLit(int rank) const;

private:
    QString m_skinFolder;
    QPixmap m_lit;
    QPixmap m_unlit;
    std::array<TPictureBox *, kStarCount> m_stars{};
};
