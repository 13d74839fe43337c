#include "core/velmora_error.h"
#include "pictures/set_fixture.h"
#include "support/error_of.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace fs = fields::sets;
namespace fb = fields::bilder;

namespace {

class SetRulesTest : public SetFixture
{
protected:
    qint64 picturePrice(int rating, int place)
    {
        const int setId = addSet(QStringLiteral("Preise"));
        addPictureRecord(setId, place, QStringLiteral("x.img"), rating);
        return data().PicturePrice();
    }
    bool pictureUnlocked(int id)
    {
        const QVariantList ids = data().BilderTable.AllValues(data().BilderTable.FieldIndex(fb::ID));
        const QVariantList flags = data().BilderTable.AllValues(data().BilderTable.FieldIndex(fb::Freigespielt));
        for (qsizetype i = 0; i < ids.size(); ++i) {
            if (ids.at(i).toInt() == id)
                return flags.at(i).toBool();
        }
        ADD_FAILURE() << "no picture " << id;
        return false;
    }
    bool setUnlocked() { return data().SetsTable.FieldByName(fs::Freigespielt).AsBoolean(); }
};

TEST_F(SetRulesTest, PicturePrice_FollowsThePlaceWithHalvesToEven)
{
    const int places[] = {1, 2, 3, 4, 5, 6, 9, 10};
    const qint64 rating1[] = {22, 24, 26, 28, 30, 32, 38, 40};
    const qint64 rating4[] = {82, 90, 98, 105, 112, 120, 142, 150};
    const qint64 rating5[] = {330, 360, 390, 420, 450, 480, 570, 600};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(picturePrice(1, places[i]), rating1[i]) << places[i];
        EXPECT_EQ(picturePrice(4, places[i]), rating4[i]) << places[i];
        EXPECT_EQ(picturePrice(5, places[i]), rating5[i]) << places[i];
    }
}

TEST_F(SetRulesTest, Prices_ForeignValuesAreClampedAndNeverOverflowOrGoNegative)
{
    EXPECT_EQ(picturePrice(0, 1), 22);      // rating below 1 counts as 1
    EXPECT_EQ(picturePrice(9, 1), 330);     // above 5 as 5
    EXPECT_EQ(picturePrice(1, -20), 22);    // places below 1 as 1
    EXPECT_EQ(picturePrice(1, 0), 22);
    data().Int5 = std::numeric_limits<qint32>::max();
    // (2^31 - 1 + 10) x (2^31 - 1) / 10, exactly.
    EXPECT_EQ(picturePrice(5, std::numeric_limits<qint32>::max()), qint64(461168603560725708));
    data().Int1 = -50;
    EXPECT_EQ(picturePrice(1, 3), 0);

    addSet(QStringLiteral("Set"), 0);
    EXPECT_EQ(data().SetPrice(), 100);
    addSet(QStringLiteral("Set"), 65535);
    EXPECT_EQ(data().SetPrice(), 2000);
    data().Int7 = -1;
    addSet(QStringLiteral("Set"), 2);
    EXPECT_EQ(data().SetPrice(), 0);
}

TEST_F(SetRulesTest, BuySet_AnAccountOfExactlyThePriceBuys)
{
    addSet(QStringLiteral("Bergwelt"), 2);
    m_stored.pimpPoints = QStringLiteral("249");
    EXPECT_FALSE(data().BuySet());
    EXPECT_FALSE(setUnlocked());
    EXPECT_EQ(m_stored.pimpPoints, QStringLiteral("249"));

    m_stored.pimpPoints = QStringLiteral("250");
    EXPECT_TRUE(data().BuySet());
    EXPECT_TRUE(setUnlocked());
    EXPECT_EQ(m_stored.pimpPoints, QStringLiteral("0"));

    addSet(QStringLiteral("Noch eins"), 2);
    m_stored.pimpPoints = QStringLiteral("251");
    EXPECT_TRUE(data().BuySet());
    EXPECT_EQ(m_stored.pimpPoints, QStringLiteral("1"));
}

TEST_F(SetRulesTest, Buying_AJunkAccountOrAnEmptyViewChangesNothing)
{
    m_stored.pimpPoints = QStringLiteral("5000");
    EXPECT_FALSE(data().BuySet());
    EXPECT_FALSE(data().BuyPicture());
    EXPECT_EQ(data().SetsTable.RecordCount(), 0);
    EXPECT_EQ(data().BilderTable.RecordCount(), 0);
    EXPECT_EQ(m_stored.pimpPoints, QStringLiteral("5000"));

    const int setId = addSet(QStringLiteral("Set"), 1);
    const int pictureId = addPictureRecord(setId, 1, QStringLiteral("data0.img"));
    m_stored.pimpPoints = QStringLiteral("12x");
    EXPECT_EQ(errorOf([&] { data().BuySet(); }), QStringLiteral("'12x' ist kein gültiger Integerwert"));
    EXPECT_EQ(errorOf([&] { data().BuyPicture(); }), QStringLiteral("'12x' ist kein gültiger Integerwert"));
    EXPECT_FALSE(setUnlocked());
    EXPECT_FALSE(pictureUnlocked(pictureId));
}

TEST_F(SetRulesTest, BuyPicture_TheLastLockedPictureUnlocksTheSet)
{
    const int setId = addSet(QStringLiteral("Drei"), 1);
    const int first = addPictureRecord(setId, 1, QStringLiteral("data0.img"), 4);
    const int second = addPictureRecord(setId, 2, QStringLiteral("data1.img"), 4);
    const int third = addPictureRecord(setId, 3, QStringLiteral("data2.img"), 4);
    showPicturesOf(setId);

    m_stored.pimpPoints = QStringLiteral("82");
    ASSERT_TRUE(data().BilderTable.Locate(QString(fb::ID), first));
    EXPECT_TRUE(data().BuyPicture());
    EXPECT_EQ(m_stored.pimpPoints, QStringLiteral("0"));
    EXPECT_FALSE(setUnlocked());

    m_stored.pimpPoints = QStringLiteral("1000");
    ASSERT_TRUE(data().BilderTable.Locate(QString(fb::ID), third));
    EXPECT_TRUE(data().BuyPicture());
    EXPECT_EQ(data().BilderTable.FieldByName(fb::ID).AsInteger(), third); // the bought picture stays current
    EXPECT_FALSE(setUnlocked());
    ASSERT_TRUE(data().BilderTable.Locate(QString(fb::ID), second));
    m_stored.pimpPoints = QStringLiteral("89");
    EXPECT_FALSE(data().BuyPicture()); // place 2 of rating 4 costs 90
    m_stored.pimpPoints = QStringLiteral("90");
    EXPECT_TRUE(data().BuyPicture());
    EXPECT_TRUE(setUnlocked());
}

TEST_F(SetRulesTest, BuySet_LeavesThePictureFlagsAlone)
{
    const int setId = addSet(QStringLiteral("Drei"), 1);
    QList<int> ids;
    for (int place = 1; place <= 3; ++place)
        ids << addPictureRecord(setId, place, QStringLiteral("data%1.img").arg(place));
    m_stored.pimpPoints = QStringLiteral("100");
    EXPECT_TRUE(data().BuySet());
    for (int id : ids)
        EXPECT_FALSE(pictureUnlocked(id));
}

TEST_F(SetRulesTest, AddPicture_TakesTheLowestNumberNeitherAFileNorARecordUses)
{
    const int setId = addSet(QStringLiteral("Neu"), 1, QStringLiteral("Mia"));
    writeFile(QStringLiteral("db/sets/data0.img"), jpeg(0));
    writeFile(QStringLiteral("db/sets/data2.img"), jpeg(2));
    showPicturesOf(setId);
    const QByteArray bytes = jpeg(7);
    const QString source = writeFile(QStringLiteral("quelle/urlaub.jpg"), bytes);
    data().AddPicture(source);
    data().AddPicture(source);
    EXPECT_EQ(setFiles(), (QStringList{QStringLiteral("data0.img"), QStringLiteral("data1.img"), QStringLiteral("data2.img"),
                                       QStringLiteral("data3.img")}));
    EXPECT_EQ(readWholeFile(dbSets(QStringLiteral("data1.img"))), bytes);

    // A record whose file went missing keeps its number.
    addPictureRecord(addSet(QStringLiteral("Anderes")), 1, QStringLiteral("data4.img"));
    ASSERT_TRUE(data().SetsTable.Locate(QString(fs::ID), setId));
    data().AddPicture(source);
    EXPECT_TRUE(QFileInfo::exists(dbSets(QStringLiteral("data5.img"))));
    EXPECT_FALSE(QFileInfo::exists(dbSets(QStringLiteral("data4.img"))));

    TRecordTable &pictures = data().BilderTable;
    pictures.First();
    EXPECT_EQ(pictures.FieldByName(fb::Bild).AsString(), QStringLiteral("data1.img"));
    EXPECT_EQ(pictures.FieldByName(fb::SetID).AsInteger(), setId);
    EXPECT_EQ(pictures.FieldByName(fb::NrInSet).AsInteger(), 1);
    EXPECT_EQ(pictures.FieldByName(fb::Wertung).AsInteger(), 1);
    EXPECT_EQ(pictures.FieldByName(fb::Name).AsString(), QStringLiteral("urlaub.jpg"));
    EXPECT_EQ(pictures.FieldByName(fb::GirlName).AsString(), QStringLiteral("[wie_set]"));
    EXPECT_FALSE(pictures.FieldByName(fb::Freigespielt).AsBoolean());
    pictures.Last();
    EXPECT_EQ(pictures.FieldByName(fb::Bild).AsString(), QStringLiteral("data5.img"));
    EXPECT_EQ(pictures.FieldByName(fb::NrInSet).AsInteger(), 3);
}

TEST_F(SetRulesTest, AddPicture_FollowsTheLastPlaceShown)
{
    const int setId = addSet(QStringLiteral("Lücken"));
    for (int place : {1, 2, 5})
        addPictureRecord(setId, place, QStringLiteral("x%1.img").arg(place));
    showPicturesOf(setId);
    data().AddPicture(writeFile(QStringLiteral("a.jpg"), jpeg()));
    data().BilderTable.Last();
    EXPECT_EQ(data().BilderTable.FieldByName(fb::NrInSet).AsInteger(), 6);
    EXPECT_TRUE(data().BilderTable.FieldByName(fb::GirlName).IsNull()); // the set has no girl name
}

TEST_F(SetRulesTest, AddPicture_ASourceThatCannotBeCopiedAddsNothing)
{
    const int setId = addSet(QStringLiteral("Set"));
    showPicturesOf(setId);
    const QString missing = m_folder.path() + QStringLiteral("/fehlt.jpg");
    EXPECT_TRUE(errorOf([&] { data().AddPicture(missing); }).startsWith(QStringLiteral("Datei ") + missing + QStringLiteral(" kann nicht geöffnet werden.")));
    QDir().mkpath(m_folder.path() + QStringLiteral("/ordner.jpg"));
    EXPECT_FALSE(errorOf([&] { data().AddPicture(m_folder.path() + QStringLiteral("/ordner.jpg")); }).isEmpty());
    EXPECT_EQ(data().BilderTable.RecordCount(), 0);
    EXPECT_TRUE(setFiles().isEmpty());

    // A name with pattern characters is one file, not a pattern.
    writeFile(QStringLiteral("q/a1.jpg"), jpeg(1));
    writeFile(QStringLiteral("q/a2.jpg"), jpeg(2));
    const QString star = writeFile(QStringLiteral("q/a*.jpg"), jpeg(3));
    data().AddPicture(star);
    EXPECT_EQ(setFiles(), QStringList{QStringLiteral("data0.img")});
    EXPECT_EQ(readWholeFile(dbSets(QStringLiteral("data0.img"))), jpeg(3));
}

TEST_F(SetRulesTest, ChangesOfTheSetFolder_AreSavedToTheTablesAtOnce)
{
    const int setId = addSet(QStringLiteral("Gespeichert"));
    showPicturesOf(setId);
    data().AddPicture(writeFile(QStringLiteral("a.jpg"), jpeg(1)));
    data().AddPicture(writeFile(QStringLiteral("b.jpg"), jpeg(2)));
    const QString bilderDat = folders().db + QStringLiteral("/bilder.dat");
    const QString setsDat = folders().db + QStringLiteral("/sets.dat");
    const QStringList fieldsShown = {QString(fb::Bild)};
    EXPECT_EQ(recordsOf(bilderDat, fieldsShown),
              (QStringList{QStringLiteral("Bild=data0.img"), QStringLiteral("Bild=data1.img")}));

    data().BilderTable.First();
    data().DeletePicture(data().BilderTable.FieldByName(fb::ID).AsInteger());
    EXPECT_EQ(recordsOf(bilderDat, fieldsShown), QStringList{QStringLiteral("Bild=data1.img")});
    EXPECT_EQ(recordsOf(setsDat, {QString(fs::Name)}), QStringList{QStringLiteral("Name=Gespeichert")});

    data().DeleteSet(setId);
    EXPECT_TRUE(recordsOf(bilderDat, fieldsShown).isEmpty());
    EXPECT_TRUE(recordsOf(setsDat, {QString(fs::Name)}).isEmpty());
    EXPECT_TRUE(setFiles().isEmpty());
}

TEST_F(SetRulesTest, DeletePicture_AMissingOrUnsafeFileIsReportedAndTheRecordGoes)
{
    const int setId = addSet(QStringLiteral("Set"));
    const QList<int> ids = {addPictureRecord(setId, 1, QStringLiteral("data0.img")), addPictureRecord(setId, 2, QString()),
                            addPictureRecord(setId, 3, QStringLiteral("../sets.dat"))};
    writeFile(QStringLiteral("db/sets.dat"), "keep");
    showPicturesOf(setId);

    for (int id : ids)
        data().DeletePicture(id);
    EXPECT_EQ(m_dialogs.messages,
              (QStringList{QStringLiteral("Datei: \"%1/data0.img\" konnte nicht gelöscht werden!").arg(folders().dbSets),
                           QStringLiteral("Datei: \"%1/\" konnte nicht gelöscht werden!").arg(folders().dbSets),
                           QStringLiteral("Datei: \"%1/../sets.dat\" konnte nicht gelöscht werden!").arg(folders().dbSets)}));
    EXPECT_EQ(data().BilderTable.RecordCount(), 0);
    EXPECT_TRUE(QFileInfo(folders().dbSets).isDir());
    EXPECT_GT(m_events.calls, 0);
    // The editor's view is back.
    EXPECT_EQ(data().BilderTable.Filter(), QStringLiteral("SetID = %1").arg(setId));
    EXPECT_TRUE(data().BilderTable.Filtered());
}

TEST_F(SetRulesTest, DeleteSet_RemovesExactlyTheFilesOfItsPictures)
{
    const int keep = addSet(QStringLiteral("Bleibt"));
    addPictureRecord(keep, 1, QStringLiteral("data0.img"));
    const int gone = addSet(QStringLiteral("Geht"));
    addPictureRecord(gone, 1, QStringLiteral("data1.img"));
    addPictureRecord(gone, 2, QStringLiteral("data2.img"));
    for (int k = 0; k < 4; ++k)
        writeFile(QStringLiteral("db/sets/data%1.img").arg(k), jpeg(k));
    showPicturesOf(gone);

    data().DeleteSet(gone);
    EXPECT_EQ(setFiles(), (QStringList{QStringLiteral("data0.img"), QStringLiteral("data3.img")}));
    EXPECT_TRUE(m_dialogs.messages.isEmpty());
    data().SetsTable.SetFilter(QString());
    EXPECT_EQ(data().SetsTable.RecordCount(), 1);
    data().BilderTable.SetFiltered(false);
    EXPECT_EQ(data().BilderTable.RecordCount(), 1);
}

TEST_F(SetRulesTest, CheckIntegrity_RemovesNamelessSetsMissingFilesAndOrphansWithOneMessageEach)
{
    const int good = addSet(QStringLiteral("Gut"));
    addPictureRecord(good, 1, QStringLiteral("data0.img"));
    addPictureRecord(good, 2, QStringLiteral("data9.img")); // no file
    const int nameless = addSet(QString());
    addPictureRecord(nameless, 1, QStringLiteral("data1.img"));
    addPictureRecord(nameless, 2, QStringLiteral("data2.img"));
    for (int k = 0; k < 3; ++k)
        writeFile(QStringLiteral("db/sets/data%1.img").arg(k), jpeg(k));

    EXPECT_FALSE(data().CheckIntegrity());
    EXPECT_EQ(m_dialogs.messages,
              (QStringList{QStringLiteral("Set ohne Name - wird gelöscht!"),
                           QStringLiteral("Datei \"%1/data9.img\" existiert nicht! Bild wird gelöscht!").arg(folders().dbSets),
                           QStringLiteral("data1.img hat kein Set! Bild wird gelöscht!"),
                           QStringLiteral("data2.img hat kein Set! Bild wird gelöscht!")}));
    EXPECT_EQ(data().SetsTable.RecordCount(), 1);
    EXPECT_EQ(data().BilderTable.RecordCount(), 1);
    EXPECT_EQ(setFiles().size(), 3); // the orphans' files stay
}

TEST_F(SetRulesTest, CheckIntegrity_OnSoundDataChangesNothing)
{
    const int first = addSet(QStringLiteral("Eins"));
    addPictureRecord(first, 1, QStringLiteral("data0.img"));
    addSet(QStringLiteral("Zwei"));
    addSet(QStringLiteral("Drei"));
    writeFile(QStringLiteral("db/sets/data0.img"), jpeg());
    data().SetsTable.SetFilter(QStringLiteral("Editierbar"));
    data().SetsTable.SetFiltered(true);
    data().SetsTable.SetRecNo(2);
    showPicturesOf(first);

    EXPECT_TRUE(data().CheckIntegrity());
    EXPECT_TRUE(m_dialogs.messages.isEmpty());
    EXPECT_EQ(data().SetsTable.RecNo(), 2);
    EXPECT_EQ(data().SetsTable.Filter(), QStringLiteral("Editierbar"));
    EXPECT_EQ(data().BilderTable.Filter(), QStringLiteral("SetID = %1").arg(first));
    EXPECT_FALSE(QFileInfo::exists(folders().db + QStringLiteral("/sets.dat")));
}

} // namespace
