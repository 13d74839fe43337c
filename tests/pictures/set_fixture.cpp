#include "pictures/set_fixture.h"

#include "data/table_schemas.h"
#include "pictures/picture_test_support.h"

#include <QDir>
#include <QFileInfo>

namespace fs = fields::sets;
namespace fb = fields::bilder;

SetInstallation::SetInstallation()
{
    TModulePorts ports;
    ports.dialogs = &m_dialogs;
    ports.random = &m_random;
    ports.events = &m_events;
    m_module = std::make_unique<TMainDataModule>(m_stored, ports, m_folder.path());
    QDir().mkpath(m_module->Folders().dbSets);
    QDir().mkpath(m_module->Folders().temp);
}

int SetInstallation::addSet(const QString &name, int rating, const QString &girlName)
{
    TRecordTable &sets = data().SetsTable;
    sets.Append();
    sets.FieldByName(fs::Name).SetAsString(name);
    sets.FieldByName(fs::Wertung).SetAsInteger(rating);
    sets.FieldByName(fs::GirlName).SetAsString(girlName);
    sets.FieldByName(fs::Editierbar).SetAsBoolean(true);
    sets.FieldByName(fs::Freispielbar).SetAsBoolean(true);
    sets.FieldByName(fs::Freigespielt).SetAsBoolean(false);
    sets.Post();
    return sets.FieldByName(fs::ID).AsInteger();
}

int SetInstallation::addPictureRecord(int setId, int place, const QString &bild, int rating, bool unlocked)
{
    TRecordTable &pictures = data().BilderTable;
    pictures.Append();
    pictures.FieldByName(fb::SetID).SetAsInteger(setId);
    pictures.FieldByName(fb::NrInSet).SetAsInteger(place);
    pictures.FieldByName(fb::Wertung).SetAsInteger(rating);
    pictures.FieldByName(fb::Bild).SetAsString(bild);
    pictures.FieldByName(fb::Freigespielt).SetAsBoolean(unlocked);
    pictures.Post();
    return pictures.FieldByName(fb::ID).AsInteger();
}

QByteArray SetInstallation::jpeg(int seed, int width, int height)
{
    const std::vector<TRgb> colours = {TRgb{quint8(seed * 37), 90, 200}, TRgb{250, quint8(seed * 11), 10}};
    return encodeTestJpeg(colourBlocks(width, height, 8, colours), TJpegKind::Colour);
}

QString SetInstallation::writeFile(const QString &relativePath, const QByteArray &bytes)
{
    const QString path = m_folder.path() + u'/' + relativePath;
    writeWholeFile(path, bytes);
    return path;
}

void SetInstallation::showPicturesOf(int setId)
{
    data().BilderTable.SetFilter(QStringLiteral("SetID = %1").arg(setId));
    data().BilderTable.SetFiltered(true);
    data().BilderTable.SortOn(QString(fb::NrInSet));
}

QStringList SetInstallation::setFiles() const
{
    QStringList names = QDir(folders().dbSets).entryList(QDir::Files | QDir::System | QDir::Hidden);
    names.sort();
    return names;
}

QStringList SetInstallation::recordsOf(const QString &tableFile, const QStringList &fieldNames)
{
    TRecordTable table;
    table.LoadFromFile(tableFile);
    QStringList records;
    for (table.First(); !table.Eof(); table.Next()) {
        QStringList values;
        for (const QString &name : fieldNames)
            values << name + u'=' + table.FieldByName(name).AsString();
        records << values.join(u';');
    }
    return records;
}

QStringList SetInstallation::picturesOfCurrentSet()
{
    const int setId = data().SetsTable.FieldByName(fs::ID).AsInteger();
    TRecordTable &pictures = data().BilderTable;
    pictures.SetFilter(QStringLiteral("SetID = %1").arg(setId));
    pictures.SetFiltered(true);
    pictures.SortOn(QString(fb::NrInSet));
    QStringList rows;
    for (pictures.First(); !pictures.Eof(); pictures.Next()) {
        rows << QStringLiteral("%1 %2 %3 %4 %5 %6")
                    .arg(pictures.FieldByName(fb::Bild).AsString(), pictures.FieldByName(fb::Name).AsString())
                    .arg(pictures.FieldByName(fb::NrInSet).AsInteger())
                    .arg(pictures.FieldByName(fb::Wertung).AsInteger())
                    .arg(pictures.FieldByName(fb::Freigespielt).AsBoolean())
                    .arg(pictures.FieldByName(fb::Text).AsString());
    }
    pictures.SetFiltered(false);
    pictures.ClearSort();
    return rows;
}
