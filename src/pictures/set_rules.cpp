// The rules of picture sets: prices, purchases, adding and deleting pictures and sets, and the
// integrity check. Operations of the data module; they ask nothing of a window but messages.

#include "core/ports.h"
#include "core/velmora_error.h"
#include "data/db_module.h"
#include "data/filter_guard.h"
#include "data/table_fields.h"
#include "pictures/set_picture_files.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <algorithm>
#include <limits>

namespace fs = fields::sets;
namespace fb = fields::bilder;

namespace {

int clampedRating(qint64 rating)
{
    return int(std::clamp<qint64>(rating, 1, 5));
}

// numerator / 10 rounded to the nearest whole number, a half going to the even neighbour.
qint64 nearestTenth(qint64 numerator)
{
    qint64 quotient = numerator / 10;
    const qint64 remainder = numerator % 10;
    if (remainder > 5 || (remainder == 5 && quotient % 2 != 0))
        ++quotient;
    return quotient;
}

} // namespace

void TMainDataModule::ShowMessage(const QString &text) const
{
    if (m_ports.dialogs)
        m_ports.dialogs->showMessage(text);
}

qint64 TMainDataModule::SetPrice()
{
    const qint32 prices[] = {Int6, Int7, Int8, Int9, Int10};
    const int rating = clampedRating(SetsTable.FieldByName(fs::Wertung).AsInteger());
    return std::max<qint64>(prices[rating - 1], 0);
}

qint64 TMainDataModule::PicturePrice()
{
    const qint32 bases[] = {Int1, Int2, Int3, Int4, Int5};
    const int rating = clampedRating(BilderTable.FieldByName(fb::Wertung).AsInteger());
    const qint64 base = std::max<qint64>(bases[rating - 1], 0);
    const qint64 place = std::max<qint64>(BilderTable.FieldByName(fb::NrInSet).AsInteger(), 1);
    // (place / 10 + 1) x base, exactly: (place + 10) x base / 10. Both factors stay below 2^32.
    return nearestTenth((place + 10) * base);
}

bool TMainDataModule::BuySet()
{
    const qint64 account = GetPimpPoints();
    if (SetsTable.IsEmpty())
        return false;
    const qint64 price = SetPrice();
    if (account < price)
        return false;
    SetsTable.Edit();
    SetsTable.FieldByName(fs::Freigespielt).SetAsBoolean(true);
    SetsTable.Post();
    SetPimpPoints(int(account - price));
    SaveProgress(TProgressTable::Sets);
    return true;
}

bool TMainDataModule::BuyPicture()
{
    const qint64 account = GetPimpPoints();
    if (BilderTable.IsEmpty())
        return false;
    const qint64 price = PicturePrice();
    if (account < price)
        return false;
    BilderTable.Edit();
    BilderTable.FieldByName(fb::Freigespielt).SetAsBoolean(true);
    BilderTable.Post();
    SetPimpPoints(int(account - price));
    if (UnlockSetOfCompletedPictures())
        SaveProgress(TProgressTable::Bilder | TProgressTable::Sets);
    else
        SaveProgress(TProgressTable::Bilder);
    return true;
}

bool TMainDataModule::UnlockSetOfCompletedPictures()
{
    // The set is unlocked with its last locked picture; the cursor of BilderTable stays put.
    const int unlocked = BilderTable.FieldIndex(fb::Freigespielt);
    for (int row = 0, count = BilderTable.RecordCount(); row < count; ++row) {
        if (!BilderTable.VisibleValue(row, unlocked).toBool())
            return false;
    }
    const int setId = BilderTable.FieldByName(fb::SetID).AsInteger();
    if (SetsTable.IsEmpty() || SetsTable.FieldByName(fs::ID).AsInteger() != setId) {
        if (!SetsTable.Locate(QString(fs::ID), setId))
            return false;
    }
    SetsTable.Edit();
    SetsTable.FieldByName(fs::Freigespielt).SetAsBoolean(true);
    SetsTable.Post();
    return true;
}

QString TMainDataModule::SetPicturePath(const QString &bild) const
{
    if (!IsPlainFileName(bild))
        return {};
    return m_folders.dbSets + u'/' + bild;
}

QString TMainDataModule::FreePictureName() const
{
    // A number is free only when neither a file nor any picture record (whatever the filter) has it:
    // a record whose file went missing must not be given another picture's file.
    QSet<QString> used;
    for (const QVariant &value : BilderTable.AllValues(BilderTable.FieldIndex(fb::Bild)))
        used.insert(value.toString());
    for (qint64 k = 0;; ++k) {
        const QString name = QStringLiteral("data%1.img").arg(k);
        if (!used.contains(name) && !PathIsTaken(m_folders.dbSets + u'/' + name))
            return name;
    }
}

void TMainDataModule::AddPicture(const QString &sourcePath)
{
    if (SetsTable.IsEmpty())
        throw VelmoraError(QStringLiteral("Kein Set ausgewählt"));
    AddPictureFile(sourcePath, QFileInfo(sourcePath).fileName(), SetsTable.FieldByName(fs::ID).AsInteger(),
                   !SetsTable.FieldByName(fs::GirlName).AsString().isEmpty());
    SaveSetTables();
}

void TMainDataModule::AddPictureFile(const QString &sourcePath, const QString &pictureName, int setId,
                                     bool setHasGirlName)
{
    qint64 lastPlace = 0;
    if (!BilderTable.IsEmpty()) {
        BilderTable.Last();
        lastPlace = BilderTable.FieldByName(fb::NrInSet).AsInteger();
    }
    const int place = int(std::clamp<qint64>(lastPlace + 1, 1, std::numeric_limits<qint32>::max()));

    QDir().mkpath(m_folders.dbSets);
    const QString fileName = FreePictureName();
    const QString target = m_folders.dbSets + u'/' + fileName;
    CopyRegularFile(sourcePath, target);
    try {
        BilderTable.Append();
        BilderTable.FieldByName(fb::SetID).SetAsInteger(setId);
        BilderTable.FieldByName(fb::NrInSet).SetAsInteger(place);
        BilderTable.FieldByName(fb::Wertung).SetAsInteger(1);
        BilderTable.FieldByName(fb::Name).SetAsString(pictureName);
        if (setHasGirlName)
            BilderTable.FieldByName(fb::GirlName).SetAsString(QStringLiteral("[wie_set]"));
        BilderTable.FieldByName(fb::Bild).SetAsString(fileName);
        BilderTable.Post();
    } catch (...) {
        if (BilderTable.State() == TTableState::Insert)
            BilderTable.Cancel();
        QFile::remove(target);
        throw;
    }
}

bool TMainDataModule::DeletePictureUnsaved(int id)
{
    TFilterGuard pictures(BilderTable);
    TFilterGuard sets(SetsTable);
    SetsTable.SetFilter(QString());
    BilderTable.SetFilter(QString());
    bool deleted = false;
    if (BilderTable.Locate(QString(fb::ID), id)) {
        if (m_ports.events)
            m_ports.events->processPendingMessages();
        // Events may have moved the cursor meanwhile: the picture is looked up again.
        if (BilderTable.Locate(QString(fb::ID), id)) {
            const QString bild = BilderTable.FieldByName(fb::Bild).AsString();
            const QString path = SetPicturePath(bild);
            if (IsRegularFile(path))
                QFile::remove(path); // a file that cannot be deleted is not reported
            else
                ShowMessage(QStringLiteral("Datei: \"%1\" konnte nicht gelöscht werden!").arg(m_folders.dbSets + u'/' + bild));
            BilderTable.Delete();
            deleted = true;
        }
    }
    sets.Restore();
    pictures.Restore();
    return deleted;
}

void TMainDataModule::DeletePicture(int id)
{
    if (DeletePictureUnsaved(id))
        SaveSetTables();
}

void TMainDataModule::DeleteSet(int id)
{
    TFilterGuard pictures(BilderTable);
    TFilterGuard sets(SetsTable);
    if (SetsTable.Locate(QString(fs::ID), id)) {
        // Every picture of the set goes with it, whichever pictures a screen was showing.
        BilderTable.SetFilter(QString());
        while (BilderTable.Locate(QString(fb::SetID), id)) {
            if (!DeletePictureUnsaved(BilderTable.FieldByName(fb::ID).AsInteger()))
                break;
        }
        if (SetsTable.Locate(QString(fs::ID), id))
            SetsTable.Delete();
        SaveSetTables();
    }
    sets.Restore();
    pictures.Restore();
}

bool TMainDataModule::CheckIntegrity()
{
    bool result = true;
    TFilterGuard pictures(BilderTable);
    TFilterGuard sets(SetsTable);
    const int currentSet = SetsTable.RecNo();

    SetsTable.SetFilter(QString());
    if (!SetsTable.IsEmpty()) {
        SetsTable.First();
        while (!SetsTable.Eof()) {
            if (SetsTable.FieldByName(fs::Name).AsString().isEmpty()) {
                ShowMessage(QStringLiteral("Set ohne Name - wird gelöscht!"));
                SetsTable.Delete();
                result = false;
            } else {
                SetsTable.Next();
            }
        }
    }

    BilderTable.SetFilter(QString());
    if (!BilderTable.IsEmpty()) {
        QSet<int> setIds;
        for (const QVariant &value : SetsTable.AllValues(SetsTable.FieldIndex(fs::ID)))
            setIds.insert(value.toInt());
        BilderTable.First();
        while (!BilderTable.Eof()) {
            const QString bild = BilderTable.FieldByName(fb::Bild).AsString();
            if (!IsRegularFile(SetPicturePath(bild))) {
                ShowMessage(QStringLiteral("Datei \"%1\" existiert nicht! Bild wird gelöscht!").arg(m_folders.dbSets + u'/' + bild));
                BilderTable.Delete();
                result = false;
            } else if (!setIds.contains(BilderTable.FieldByName(fb::SetID).AsInteger())) {
                ShowMessage(bild + QStringLiteral(" hat kein Set! Bild wird gelöscht!"));
                BilderTable.Delete(); // the file stays
                result = false;
            } else {
                BilderTable.Next();
            }
        }
    }

    sets.Restore();
    pictures.Restore();
    SetsTable.SetRecNo(currentSet);
    if (!result)
        SaveSetTables();
    return result;
}

void TMainDataModule::SaveSetTables()
{
    QDir().mkpath(m_folders.db);
    BilderTable.SaveAllToFile(m_folders.db + QStringLiteral("/bilder.dat"));
    SetsTable.SaveAllToFile(m_folders.db + QStringLiteral("/sets.dat"));
}
