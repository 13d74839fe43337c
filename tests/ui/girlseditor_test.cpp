#include "app/vl_girlseditor.h"
#include "app/vl_newset.h"
#include "app/vl_textgruppen.h"
#include "controls/wertung_frame.h"
#include "controls/picture_box.h"
#include "core/velmora_error.h"
#include "data/record_table.h"
#include "data/table_fields.h"
#include "data/table_schemas.h"
#include "ui/support/shell_fixture.h"
#include "ui/support/skin_fixture.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace fs = fields::sets;
namespace fb = fields::bilder;

namespace {

const QString kGoodArchive = QStringLiteral(VELMORA_GOLDEN_SET_ARCHIVES "/good.set");

// A delivered set (not editable) with one picture, and an own set "Eigenes" with three pictures at
// places 1, 2 and 3, each with its JPEG file.
class GirlsEditorTest : public ShellFixture
{
protected:
    void SetUp() override
    {
        ShellFixture::SetUp();
        writeInstallation();
        const QString db = programPath(QStringLiteral("db"));
        TRecordTable sets;
        DefineSetsTable(sets);
        sets.Open();
        for (const auto &[name, own] : {std::pair{"Geliefert", false}, std::pair{"Eigenes", true}}) {
            sets.Append();
            sets.FieldByName(fs::Name).SetAsString(QString::fromLatin1(name));
            sets.FieldByName(fs::Wertung).SetAsInteger(2);
            sets.FieldByName(fs::Editierbar).SetAsBoolean(own);
            sets.Post();
        }
        sets.SaveToFile(db + QStringLiteral("/sets.dat"));
        TRecordTable pictures;
        DefineBilderTable(pictures);
        pictures.Open();
        for (int i = 0; i < 4; ++i) {
            pictures.Append();
            pictures.FieldByName(fb::SetID).SetAsInteger(i == 0 ? 0 : 1);
            pictures.FieldByName(fb::NrInSet).SetAsInteger(i == 0 ? 1 : i);
            pictures.FieldByName(fb::Wertung).SetAsInteger(1);
            pictures.FieldByName(fb::Bild).SetAsString(QStringLiteral("data%1.img").arg(i));
            pictures.Post();
            writeWholeFile(db + QStringLiteral("/sets/data%1.img").arg(i), TestJpeg(QSize(30, 40), Qt::red));
        }
        pictures.SaveToFile(db + QStringLiteral("/bilder.dat"));
    }

    void openEditor()
    {
        start();
        browse->ShowScreen(QStringLiteral("girlseditor"));
        editor = qobject_cast<TGirlsEditorFrame *>(browse->CurrentScreen());
        ASSERT_NE(editor, nullptr);
        // The new-set dialog takes the name of `newSetName` and its OK; none: "Abbrechen".
        editor->RunDialog = [this](QDialog &dialog) {
            if (auto *form = qobject_cast<TNewSetForm *>(&dialog)) {
                if (newSetName.isNull()) {
                    form->BitBtn2->click();
                } else {
                    form->SetNameEdit->setText(newSetName);
                    form->BitBtn1->click();
                }
            }
            return dialog.result();
        };
        editor->ShowFullPicture = [this](const TBitmap &picture) { shownPictures << picture.width(); };
    }

    void chooseSet(const char *name)
    {
        ASSERT_TRUE(data->SetsTable.Locate(fs::Name, QString::fromLatin1(name)));
    }

    // The places of the pictures the editor lists, in its order.
    QList<int> places() const
    {
        QList<int> result;
        TRecordTable &pictures = data->BilderTable;
        for (int row = 0; row < pictures.RecordCount(); ++row)
            result << pictures.VisibleValue(row, pictures.FieldIndex(fb::NrInSet)).toInt();
        return result;
    }

    int allPictures() const { return data->BilderTable.AllValues(0).size(); }
    int allSets() const { return data->SetsTable.AllValues(0).size(); }
    QString picturePath(int k) const { return programPath(QStringLiteral("db/sets/data%1.img").arg(k)); }

    QString jpegFile(const QString &name, QColor colour)
    {
        const QString path = programPath(QStringLiteral("pictures/") + name);
        writeWholeFile(path, TestJpeg(QSize(20, 10), colour));
        return path;
    }

    TGirlsEditorFrame *editor = nullptr;
    QString newSetName;
    QList<int> shownPictures;
};

} // namespace

TEST_F(GirlsEditorTest, ListsOnlyOwnSetsAndShowsTheFramesForThem)
{
    openEditor();
    EXPECT_EQ(data->SetsTable.RecordCount(), 1);
    EXPECT_EQ(editor->DBEdit1->text(), QStringLiteral("Eigenes"));
    EXPECT_TRUE(editor->SetPropsGroupBox->isVisibleTo(editor));
    EXPECT_TRUE(editor->BilderGroupBox->isVisibleTo(editor));
    EXPECT_EQ(places(), (QList<int>{1, 2, 3}));
    EXPECT_TRUE(editor->Image1->isVisibleTo(editor));
    EXPECT_EQ(editor->Image1->pictureSize(), QSize(30, 40));
    editor->Button6Click();
    EXPECT_EQ(shownPictures, QList<int>{30});
}

TEST_F(GirlsEditorTest, NewSetIsListedSelectedByItsIdWithOneStarEditableAndUnlockable)
{
    openEditor();
    // A gallery visit leaves the sets sorted by rating: the new set is not the last record then.
    data->SetsTable.SortOn(fs::Wertung, true);
    newSetName = QStringLiteral("Testset");
    editor->NewSetButton->click();
    EXPECT_EQ(data->SetsTable.RecordCount(), 2);
    EXPECT_EQ(data->SetsTable.FieldByName(fs::Name).AsString(), QStringLiteral("Testset"));
    EXPECT_EQ(editor->DBEdit1->text(), QStringLiteral("Testset"));
    EXPECT_EQ(data->SetsTable.FieldByName(fs::Wertung).AsInteger(), 1);
    EXPECT_TRUE(data->SetsTable.FieldByName(fs::Editierbar).AsBoolean());
    EXPECT_TRUE(data->SetsTable.FieldByName(fs::Freispielbar).AsBoolean());
    EXPECT_EQ(data->SetsTable.FieldByName(fs::TextGruppeID).AsInteger(),
              data->TextGruppenTable.FieldByName(fields::textgruppen::ID).AsInteger());
    EXPECT_TRUE(editor->BilderGroupBox->isVisibleTo(editor));
    EXPECT_TRUE(places().isEmpty());
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join(u'|').toStdString();

    // Cancelled: nothing is created. An empty name: the check removes the set, nothing "damaged".
    newSetName = QString();
    editor->NewSetButton->click();
    EXPECT_EQ(allSets(), 3);
    newSetName = QStringLiteral("");
    editor->NewSetButton->click();
    EXPECT_EQ(allSets(), 3);
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("Set ohne Name - wird gelöscht!")});
}

TEST_F(GirlsEditorTest, PicturesAreAddedInTheChosenOrderAndWhatIsNoJpegIsRefused)
{
    openEditor();
    const QStringList chosen{jpegFile(QStringLiteral("c.jpg"), Qt::blue), programPath(QStringLiteral("pictures/x.png")),
                             jpegFile(QStringLiteral("a.jpg"), Qt::green)};
    writeWholeFile(chosen[1], "\x89PNG\r\n\x1a\n not a jpeg");
    fileDialogs.answers = {chosen};
    editor->Button2->click();
    ASSERT_EQ(fileDialogs.kinds, QStringList{QStringLiteral("open several")});
    EXPECT_EQ(places(), (QList<int>{1, 2, 3, 4, 5}));
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].contains(chosen[1])) << dialogs.messages[0].toStdString();
    // Each accepted file is copied unchanged, in the dialog's order, under the next free number.
    ASSERT_TRUE(data->BilderTable.Locate(fb::NrInSet, 4));
    EXPECT_EQ(readWholeFile(data->SetPicturePath(data->BilderTable.FieldByName(fb::Bild).AsString())),
              readWholeFile(chosen[0]));
    ASSERT_TRUE(data->BilderTable.Locate(fb::NrInSet, 5));
    EXPECT_EQ(readWholeFile(data->SetPicturePath(data->BilderTable.FieldByName(fb::Bild).AsString())),
              readWholeFile(chosen[2]));
    EXPECT_EQ(allPictures(), 6);
}

TEST_F(GirlsEditorTest, MovesSwapPlacesAndDeletingAPictureTakesItsFile)
{
    openEditor();
    data->BilderTable.First();
    editor->Button3->click(); // place 1 up: nothing
    EXPECT_EQ(places(), (QList<int>{1, 2, 3}));
    EXPECT_EQ(data->BilderTable.FieldByName(fb::Bild).AsString(), QStringLiteral("data1.img"));

    ASSERT_TRUE(data->BilderTable.Locate(fb::NrInSet, 2));
    editor->DeleteBildButton->click();
    EXPECT_FALSE(QFile::exists(picturePath(2)));
    EXPECT_TRUE(QFile::exists(picturePath(3)));
    EXPECT_EQ(places(), (QList<int>{1, 3}));
    ASSERT_TRUE(data->BilderTable.Locate(fb::NrInSet, 3));
    editor->Button3->click(); // into the gap
    EXPECT_EQ(places(), (QList<int>{1, 2}));
    EXPECT_EQ(data->BilderTable.FieldByName(fb::Bild).AsString(), QStringLiteral("data3.img"));
    editor->Button3->click(); // swaps with place 1, stays current
    EXPECT_EQ(data->BilderTable.FieldByName(fb::Bild).AsString(), QStringLiteral("data3.img"));
    EXPECT_EQ(data->BilderTable.FieldByName(fb::NrInSet).AsInteger(), 1);
    data->BilderTable.Last();
    editor->Button4->click(); // the last moved down leaves a gap
    EXPECT_EQ(places(), (QList<int>{1, 3}));
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(GirlsEditorTest, DeletingASetTakesItsPicturesAndTheirFilesOnly)
{
    openEditor();
    editor->DeleteSetButton->click();
    EXPECT_EQ(allSets(), 1);
    EXPECT_EQ(allPictures(), 1);
    EXPECT_TRUE(QFile::exists(picturePath(0)));
    for (int k = 1; k <= 3; ++k)
        EXPECT_FALSE(QFile::exists(picturePath(k))) << k;
    EXPECT_FALSE(editor->SetPropsGroupBox->isVisibleTo(editor));
    // No set listed now.
    editor->DeleteSetButton->click();
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("Bitte wählen Sie ein Set aus!")});
    EXPECT_EQ(allSets(), 1);
}

TEST_F(GirlsEditorTest, ControlsOfAnEmptyListCreateNothing)
{
    openEditor();
    newSetName = QStringLiteral("Leer");
    editor->NewSetButton->click();
    ASSERT_TRUE(places().isEmpty());
    editor->Button3->click();
    editor->Button4->click();
    editor->DeleteBildButton->click();
    editor->Button6->click();
    QTest::mouseClick(editor->WertungFrame2->Star(4), Qt::LeftButton);
    EXPECT_FALSE(editor->WertungFrame2->IsLit(1));
    QTest::keyClicks(editor->DBMemo1, QStringLiteral("Text"));
    data->PostPendingEdits();
    EXPECT_EQ(allPictures(), 4);
    for (int k = 0; k <= 3; ++k)
        EXPECT_TRUE(QFile::exists(picturePath(k))) << k;
    EXPECT_TRUE(shownPictures.isEmpty());

    // No set listed: the export asks for no file and writes none.
    editor->DeleteSetButton->click();
    chooseSet("Eigenes");
    editor->DeleteSetButton->click();
    ASSERT_TRUE(data->SetsTable.IsEmpty());
    editor->ExportSet->click();
    EXPECT_TRUE(fileDialogs.kinds.isEmpty());
    EXPECT_EQ(allSets(), 1);
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join(u'|').toStdString();
}

TEST_F(GirlsEditorTest, AClearedSetNameIsReportedByTheNextCheck)
{
    openEditor();
    editor->DBEdit1->selectAll();
    QTest::keyClick(editor->DBEdit1, Qt::Key_Delete);
    data->BilderTable.First();
    editor->DeleteBildButton->click();
    ASSERT_GE(dialogs.messages.size(), 3);
    EXPECT_EQ(dialogs.messages.first(), QStringLiteral("Set ohne Name - wird gelöscht!"));
    EXPECT_TRUE(dialogs.messages[1].endsWith(QStringLiteral(" hat kein Set! Bild wird gelöscht!")));
    EXPECT_EQ(dialogs.messages.last(), QStringLiteral("Daten beschädigt! Bitte Daten zurücksetzen!"));
    EXPECT_EQ(allSets(), 1);
    EXPECT_EQ(allPictures(), 1);
}

TEST_F(GirlsEditorTest, StarClicksWriteTheRatingAtOnceAndKeepIt)
{
    openEditor();
    EXPECT_TRUE(editor->WertungFrame1->IsLit(2));
    EXPECT_FALSE(editor->WertungFrame1->IsLit(3));
    QTest::mouseClick(editor->WertungFrame1->Star(3), Qt::LeftButton);
    EXPECT_EQ(data->SetsTable.FieldByName(fs::Wertung).AsInteger(), 3);
    EXPECT_TRUE(editor->WertungFrame1->IsLit(3));
    ASSERT_TRUE(data->BilderTable.Locate(fb::NrInSet, 2));
    EXPECT_TRUE(editor->WertungFrame2->IsLit(1));
    QTest::mouseClick(editor->WertungFrame2->Star(4), Qt::LeftButton);
    EXPECT_TRUE(editor->WertungFrame2->IsLit(4));
    EXPECT_FALSE(editor->Updating);
    // Another picture shows its own rating, and coming back shows the one clicked.
    data->BilderTable.First();
    EXPECT_FALSE(editor->WertungFrame2->IsLit(2));
    ASSERT_TRUE(data->BilderTable.Locate(fb::NrInSet, 2));
    EXPECT_TRUE(editor->WertungFrame2->IsLit(4));
    browse->ShowScreen(QStringLiteral("welcome"));
    chooseSet("Eigenes");
    EXPECT_EQ(data->SetsTable.FieldByName(fs::Wertung).AsInteger(), 3);
    ASSERT_TRUE(data->BilderTable.Locate(fb::Bild, QStringLiteral("data2.img")));
    EXPECT_EQ(data->BilderTable.FieldByName(fb::Wertung).AsInteger(), 4);
}

TEST_F(GirlsEditorTest, TextTypedAndQuitAtOnceIsKept)
{
    openEditor();
    QTest::keyClicks(editor->DBEdit2, QStringLiteral("Anna"));
    QTest::keyClicks(editor->DBMemo1, QStringLiteral("Hallo %s"));
    browse->RequestQuit();
    TRecordTable sets;
    sets.LoadFromFile(programPath(QStringLiteral("db/sets.dat")));
    ASSERT_TRUE(sets.Locate(fs::Name, QStringLiteral("Eigenes")));
    EXPECT_EQ(sets.FieldByName(fs::Autor).AsString(), QStringLiteral("Anna"));
    TRecordTable pictures;
    pictures.LoadFromFile(programPath(QStringLiteral("db/bilder.dat")));
    ASSERT_TRUE(pictures.Locate(fb::Bild, QStringLiteral("data1.img")));
    EXPECT_EQ(pictures.FieldByName(fb::Text).AsString(), QStringLiteral("Hallo %s"));
}

TEST_F(GirlsEditorTest, EveryChangeIsOnDiskWithoutTheProgramEnding)
{
    const auto storedSet = [this](const QString &name) {
        TRecordTable sets;
        sets.LoadFromFile(programPath(QStringLiteral("db/sets.dat")));
        return sets.Locate(fs::Name, name) ? sets.FieldByName(fs::Wertung).AsInteger() : -1;
    };
    openEditor();
    newSetName = QStringLiteral("Testset");
    editor->NewSetButton->click();
    EXPECT_EQ(storedSet(QStringLiteral("Testset")), 1) << "a step is written when it ends";
    chooseSet("Eigenes");
    QTest::mouseClick(editor->WertungFrame1->Star(3), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(storedSet(QStringLiteral("Eigenes")), 3) << "a posted record is written once the event is done";
    QTest::keyClicks(editor->DBMemo1, QStringLiteral("Servus"));
    browse->ShowScreen(QStringLiteral("welcome"));
    TRecordTable pictures;
    pictures.LoadFromFile(programPath(QStringLiteral("db/bilder.dat")));
    ASSERT_TRUE(pictures.Locate(fb::Text, QStringLiteral("Servus"))) << "what was typed is written on leaving";
}

TEST_F(GirlsEditorTest, ImportsAnArchiveAsOwnSetAndRecoversFromAFailedOne)
{
    openEditor();
    const QString notAnArchive = programPath(QStringLiteral("kaputt.set"));
    writeWholeFile(notAnArchive, "just text");
    fileDialogs.answers = {{notAnArchive}, {kGoodArchive}};
    EXPECT_THROW(editor->ImportSetClick(), VelmoraError);
    EXPECT_TRUE(editor->ImportSet->isEnabled());
    EXPECT_FALSE(editor->ImportSet->font().bold());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(data->SetsTable.Filter(), QStringLiteral("(Editierbar)"));
    // The bindings follow the tables again.
    data->SetsTable.Edit();
    data->SetsTable.FieldByName(fs::Autor).SetAsString(QStringLiteral("Bert"));
    EXPECT_EQ(editor->DBEdit2->text(), QStringLiteral("Bert"));
    data->SetsTable.Cancel();

    editor->ImportSetClick();
    EXPECT_EQ(data->SetsTable.RecordCount(), 2);
    EXPECT_EQ(allSets(), 3);
}

TEST_F(GirlsEditorTest, LeavingForHomeFreesBothTablesOfTheirFilters)
{
    openEditor();
    editor->HomeAction();
    EXPECT_EQ(browse->CurrentScreenName(), QStringLiteral("welcome"));
    EXPECT_FALSE(data->BilderTable.Filtered());
    EXPECT_TRUE(data->BilderTable.Filter().isEmpty());
    EXPECT_FALSE(data->SetsTable.Filtered());
    EXPECT_TRUE(data->SetsTable.Filter().isEmpty());
}
