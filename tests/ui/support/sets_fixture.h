#pragma once

#include "app/vl_bilder.h"
#include "app/vl_galerie.h"
#include "data/db_module.h"
#include "data/record_table.h"
#include "data/table_fields.h"
#include "pictures/bitmap.h"
#include "pictures/bmp_file.h"
#include "ui/support/shell_fixture.h"
#include "ui/support/skin_fixture.h"

#include <QDir>
#include <QFile>

// The main window with the gallery's and the pictures screen's skin, their cue lists and a few sets:
//   ID 1 "Leer"   rating 1, unlockable, no pictures;
//   ID 2 "Zwei"   rating 2, unlockable, one picture;
//   ID 3 "Drei"   rating 3, unlockable, pictures at places 1 (300 x 400, rating 4), 2 (1200 x 900),
//                 3 (a file that is no JPEG);
//   ID 4 "Privat" rating 5, not unlockable.
// The sets table stands as the learning menu leaves it: unlockable sets only, best rated first.
class SetsFixture : public ShellFixture
{
protected:
    static constexpr QRgb kLit = 0xFFF0C000;
    static constexpr QRgb kUnlit = 0xFF808080;

    void SetUp() override
    {
        ShellFixture::SetUp();
        writeInstallation();
        const QString bmp = programPath(QStringLiteral("bmp/"));
        WriteTestBitmap(bmp + QStringLiteral("GUI_galerie.bmp"), QSize(966, 571), QColor(0xD0, 0xD0, 0xE0));
        WriteTestBitmap(bmp + QStringLiteral("GUI_bilder.bmp"), QSize(961, 566), QColor(0x30, 0x30, 0x50));
        WriteTestBitmap(bmp + QStringLiteral("GUI_freigespielt.bmp"), QSize(96, 91), QColor(0xE0, 0x20, 0x20));
        WriteTestBitmap(bmp + QStringLiteral("GUI_neuegirlsiminternet.bmp"), QSize(271, 46), QColor(0x20, 0x20, 0xE0));
        for (const char *name : {"buy", "bilderanzeigen", "zurueck"}) {
            WriteTestBitmap(bmp + QStringLiteral("GUI_%1.bmp").arg(QLatin1String(name)), QSize(181, 71),
                            QColor(0x40, 0x90, 0x40));
            WriteTestBitmap(bmp + QStringLiteral("GUI_%1_down.bmp").arg(QLatin1String(name)), QSize(181, 71),
                            QColor(0x20, 0x50, 0x20));
        }
        WriteTestBitmap(bmp + QStringLiteral("star.bmp"), QSize(31, 36), QColor::fromRgb(kLit));
        WriteTestBitmap(bmp + QStringLiteral("star_deaktiviert.bmp"), QSize(31, 36), QColor::fromRgb(kUnlit));
        // The question mark: a black square 40 pixels wide at 20, 10 on white.
        TBitmap mask(120, 90, TPixelFormat::Bits24);
        for (int y = 0; y < mask.height(); ++y)
            for (int x = 0; x < mask.width(); ++x) {
                const bool inside = x >= 20 && x < 60 && y >= 10 && y < 50;
                mask.setPixelColor(x, y, inside ? TRgb{0, 0, 0} : TRgb{255, 255, 255});
            }
        WriteBmpFile(mask, bmp + QStringLiteral("GUI_questionmask.bmp"));

        writeVersionIni(kStandardVersionIni + "snd_bildgekauft=gekauft.wav\r\nsnd_zuteuer=zuteuer.wav\r\n"
                                              "snd_bilderanzeigen=bilder.wav\r\nvelmorasets=http://sets.example/\r\n");
        for (const char *name : {"gekauft.wav", "zuteuer.wav", "bilder.wav"})
            writeFile(QStringLiteral("sounds/") + QLatin1String(name), "RIFF");
        QDir().mkpath(programPath(QStringLiteral("db/sets")));
        writeFile(QStringLiteral("db/sets/tall.img"), TestJpeg(QSize(300, 400), QColor(200, 40, 40)));
        writeFile(QStringLiteral("db/sets/wide.img"), TestJpeg(QSize(1200, 900), QColor(40, 200, 40)));
        writeFile(QStringLiteral("db/sets/zwei.img"), TestJpeg(QSize(900, 1200), QColor(40, 40, 200)));
        writeFile(QStringLiteral("db/sets/bad.img"), QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(64, 'x'));
        start();

        TRecordTable &sets = data->SetsTable;
        sets.Close();
        sets.Open();
        addSet(1, "Leer", 1, true);
        addSet(2, "Zwei", 2, true);
        addSet(3, "Drei", 3, true);
        addSet(4, "Privat", 5, false);
        TRecordTable &pictures = data->BilderTable;
        pictures.Close();
        pictures.Open();
        addPicture(10, 2, 1, 2, "zwei.img");
        addPicture(11, 3, 1, 4, "tall.img");
        addPicture(12, 3, 2, 1, "wide.img");
        addPicture(13, 3, 3, 1, "bad.img");
        sets.SetFilter(QStringLiteral("(Freispielbar)"));
        sets.SetFiltered(true);
        sets.SortOn(QStringLiteral("Wertung"), true);
        sets.First();
    }

    void addSet(int id, const char *name, int rating, bool unlockable)
    {
        TRecordTable &sets = data->SetsTable;
        sets.Append();
        sets.FieldByName(fields::sets::ID).SetAsInteger(id);
        sets.FieldByName(fields::sets::Name).SetAsString(QString::fromUtf8(name));
        sets.FieldByName(fields::sets::Wertung).SetAsInteger(rating);
        sets.FieldByName(fields::sets::Freispielbar).SetAsBoolean(unlockable);
        sets.FieldByName(fields::sets::Freigespielt).SetAsBoolean(false);
        sets.Post();
    }

    void addPicture(int id, int setId, int place, int rating, const char *file)
    {
        TRecordTable &pictures = data->BilderTable;
        pictures.Append();
        pictures.FieldByName(fields::bilder::ID).SetAsInteger(id);
        pictures.FieldByName(fields::bilder::SetID).SetAsInteger(setId);
        pictures.FieldByName(fields::bilder::NrInSet).SetAsInteger(place);
        pictures.FieldByName(fields::bilder::Wertung).SetAsInteger(rating);
        pictures.FieldByName(fields::bilder::Bild).SetAsString(QString::fromLatin1(file));
        pictures.FieldByName(fields::bilder::Freigespielt).SetAsBoolean(false);
        pictures.Post();
    }

    void writeFile(const QString &relative, const QByteArray &bytes)
    {
        const QString path = programPath(relative);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QString cue(const char *name) const { return programPath(QStringLiteral("sounds/") + QLatin1String(name)); }

    void setPoints(int points) { data->SetPimpPoints(points); }

    // The value of a field of the set with this ID, whatever the filter.
    QVariant setValue(int id, QLatin1String field) const
    {
        const TRecordTable &sets = data->SetsTable;
        const QVariantList ids = sets.AllValues(sets.FieldIndex(fields::sets::ID));
        const QVariantList values = sets.AllValues(sets.FieldIndex(field));
        const qsizetype at = ids.indexOf(QVariant(id));
        return at < 0 ? QVariant() : values.at(at);
    }

    TGalerieFrame *showGallery()
    {
        browse->ShowScreen(QStringLiteral("galerie"));
        return qobject_cast<TGalerieFrame *>(browse->CurrentScreen());
    }

    // The gallery on the set with this name, then its pictures.
    TBilderFrame *showPictures(const char *setName)
    {
        TGalerieFrame *gallery = showGallery();
        if (!gallery || !data->SetsTable.Locate(QString(fields::sets::Name), QString::fromUtf8(setName)))
            return nullptr;
        gallery->BilderImageClick();
        return qobject_cast<TBilderFrame *>(browse->CurrentScreen());
    }

    // How many stars are lit, counted from the left; -1 when the stars are not lit up to a rank.
    static int litStars(QWidget &stars)
    {
        const QImage image = stars.grab().toImage();
        int lit = 0;
        for (int rank = 1; rank <= 5; ++rank) {
            const QRgb colour = image.pixel(35 * (rank - 1) + 15, 18);
            if (colour == kLit && lit == rank - 1)
                ++lit;
            else if (colour != kUnlit)
                return -1;
        }
        return lit;
    }
};
