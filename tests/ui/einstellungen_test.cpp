#include "app/vl_einstellungen.h"
#include "app/widget_ports.h"
#include "controls/link_label.h"
#include "controls/picture_box.h"
#include "core/ZephFileList.h"
#include "core/velmora_error.h"
#include "data/record_table.h"
#include "data/table_fields.h"
#include "data/table_schemas.h"
#include "layout/einstellungen.h"
#include "screen/layout_geometry.h"
#include "sound/music_controller.h"
#include "sound/music_engine.h"
#include "ui/support/shell_fixture.h"
#include "ui/support/skin_fixture.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>

namespace fs = fields::sets;

namespace {

const QString kGoodArchive = QStringLiteral(VELMORA_GOLDEN_SET_ARCHIVES "/good.set");

class EinstellungenTest : public ShellFixture
{
protected:
    void SetUp() override
    {
        ShellFixture::SetUp();
        writeInstallation();
        writeVersionIni(kStandardVersionIni + "velmorasets=http://sets.example/\r\n"
                                              "snd_datenzuruecksetzen=reset.wav\r\n");
        writeWholeFile(programPath(QStringLiteral("sounds/reset.wav")), "RIFF");
        writeWholeFile(programPath(QStringLiteral("mp3/track.wav")), "RIFF");
        WriteTestBitmap(programPath(QStringLiteral("bmp/GUI_einstellungen.bmp")), QSize(961, 566), Qt::black);
        // The delivery copy: the same tables as db/, a question picture and a set picture.
        writeTables(QStringLiteral("mdl"));
        writeWholeFile(programPath(QStringLiteral("mdl/img/schild.jpg")), "delivered sign");
        writeWholeFile(programPath(QStringLiteral("mdl/sets/data1.img")), "delivered picture");
        writeWholeFile(programPath(QStringLiteral("db/img/schild.jpg")), "delivered sign");
        writeWholeFile(programPath(QStringLiteral("db/sets/data1.img")), "delivered picture");
    }

    void startOnSettings()
    {
        start();
        browse->ShowScreen(QStringLiteral("einstellungen"));
        screen = qobject_cast<TEinstellungenFrame *>(browse->CurrentScreen());
        ASSERT_NE(screen, nullptr);
    }

    // Files below a folder, relative to it, with their bytes.
    QMap<QString, QByteArray> filesBelow(const QString &relative) const
    {
        QMap<QString, QByteArray> files;
        const QDir base(programPath(relative));
        for (const QString &path : ListFiles(base.path()))
            files.insert(base.relativeFilePath(path), readWholeFile(path));
        return files;
    }

    int setCount() const
    {
        data->SetsTable.SetFilter(QString());
        return data->SetsTable.RecordCount();
    }

    // What the user has made of the program: points, an own set, statistics, a picture of their own.
    void useTheProgram()
    {
        data->SetPimpPoints(500);
        data->SetsTable.Append();
        data->SetsTable.FieldByName(fs::Name).SetAsString(QStringLiteral("Mein Set"));
        data->SetsTable.Post();
        data->FragenTable.First();
        data->FragenTable.Edit();
        data->FragenTable.FieldByName(QStringLiteral("Falsch")).SetAsInteger(7);
        data->FragenTable.Post();
        data->SaveTables(programPath(QStringLiteral("db")));
        writeWholeFile(programPath(QStringLiteral("db/sets/data2.img")), "own picture");
        writeWholeFile(programPath(QStringLiteral("db/img/schild.jpg")), "changed sign");
    }

    TEinstellungenFrame *screen = nullptr;
};

} // namespace

TEST_F(EinstellungenTest, ShowsEveryControlOfItsLayoutWithItsCaptionsAndHints)
{
    startOnSettings();
    EXPECT_EQ(screen->objectName(), QStringLiteral("EinstellungenFrame"));
    for (const TLayoutRect &place : layout::einstellungen::kControls) {
        const QWidget *control = screen->findChild<QWidget *>(NameOf(place));
        ASSERT_NE(control, nullptr) << place.name;
        EXPECT_EQ(control->geometry(), RectOf(place)) << place.name;
    }
    EXPECT_EQ(screen->Image1->picture().size(), QSize(961, 566));
    EXPECT_EQ(screen->WebsiteButton->text(), QStringLiteral("Mehr Bilder im Internet"));
    EXPECT_EQ(screen->ImportButton->text(), QStringLiteral("Bilder importieren"));
    EXPECT_EQ(screen->AboutLabel->text(), QStringLiteral("About Velmora"));
    EXPECT_EQ(screen->ResetButton->text(), QStringLiteral("Alle Daten zurücksetzten"));
    EXPECT_FALSE(screen->ResetButton->font().bold());
    EXPECT_TRUE(screen->ImportButton->font().bold());
    EXPECT_EQ(screen->GirlsEditorButton->text(), QStringLiteral("GirlsEditor"));
    EXPECT_EQ(screen->CheckBox1->text(), QStringLiteral("Musik aus"));
    EXPECT_EQ(screen->WebsiteButton->toolTip(),
              QStringLiteral("Öffnet die Velmora-Website\r\nin Ihrem Standardbrowser.\r\n\r\nHier können Sie sich "
                             "neue Sets zum\r\nfreispielen herunterladen!"));
    EXPECT_EQ(screen->ResetButton->toolTip(),
              QStringLiteral("Setzt das Programm auf den\r\nAuslieferungszustand zurück.\r\n\r\nAlle freigespielten "
                             "Sets, statistische\r\nDaten über ihren Lernfortschritt, etc.\r\ngehen unwiederruflich "
                             "verloren!"));
    EXPECT_EQ(screen->VolumeSlider->minimum(), 1);
    EXPECT_EQ(screen->VolumeSlider->maximum(), 100);
    // Navigation: back leads home; forward is not offered.
    EXPECT_TRUE(control("ForwardImage")->isHidden());
    EXPECT_FALSE(control("BackImage")->isHidden());
    screen->BackAction();
    EXPECT_EQ(browse->CurrentScreenName(), QStringLiteral("welcome"));
}

TEST_F(EinstellungenTest, TheSliderMovesInStepsOf15AndAnyValueByDragging)
{
    startOnSettings();
    screen->VolumeSlider->setFocus();
    QTest::keyClick(screen->VolumeSlider, Qt::Key_Right);
    EXPECT_EQ(screen->VolumeSlider->value(), 40);
    EXPECT_EQ(data->MusicEngine()->Volume(), 40) << "at once";
    EXPECT_EQ(browse->StoredValues().musicVolume, 40);
    screen->VolumeSlider->setSliderPosition(63); // as a drag leaves it
    EXPECT_EQ(data->MusicEngine()->Volume(), 63);
    EXPECT_EQ(browse->StoredValues().musicVolume, 63);
}

TEST_F(EinstellungenTest, VolumeAndMusicOffTakeEffectAtOnceAndComeBackAfterARestart)
{
    startOnSettings();
    ASSERT_TRUE(audio.musicPlaying());
    screen->VolumeSlider->setValue(70);
    screen->CheckBox1->click();
    EXPECT_FALSE(audio.musicPlaying()) << "ticking stops the music at once";
    EXPECT_FALSE(browse->Music()->MusicTimerActive());
    screen->CheckBox1->click();
    EXPECT_TRUE(audio.musicPlaying()) << "unticking starts it";
    screen->CheckBox1->click();

    browse->RequestQuit();
    ASSERT_EQ(loopEnds, 1);
    destroy();
    audio.events.clear();
    startOnSettings();
    EXPECT_EQ(screen->VolumeSlider->value(), 70);
    EXPECT_TRUE(screen->CheckBox1->isChecked());
    EXPECT_TRUE(audio.played().isEmpty()) << "the music stays off, through the start and the screen";
    EXPECT_FALSE(audio.musicPlaying());
}

TEST_F(EinstellungenTest, TheLinksOpenTheSetPageAndTheAboutPageAndTheEditorButtonOpensTheEditor)
{
    startOnSettings();
    screen->WebsiteButton->click();
    screen->AboutLabel->clicked();
    EXPECT_EQ(documents.opened,
              (QStringList{QStringLiteral("http://sets.example/"), programPath(QStringLiteral("about.html"))}));
    screen->GirlsEditorButton->click();
    ASSERT_NE(browse->CurrentScreen(), nullptr);
    EXPECT_EQ(browse->CurrentScreen()->objectName(), QStringLiteral("GirlsEditorFrame"));
}

TEST_F(EinstellungenTest, TheImportAddsTheChosenSetUnlockableAndNotEditable)
{
    startOnSettings();
    const int before = setCount();
    screen->ImportButton->click(); // cancelled
    EXPECT_EQ(setCount(), before);
    ASSERT_EQ(fileDialogs.asked.size(), 1);
    EXPECT_EQ(fileDialogs.asked[0].filter, QStringLiteral("Velmora-Sets|*.set"));
    EXPECT_EQ(fileDialogs.asked[0].defaultExtension, QStringLiteral("*.set"));

    data->SetsTable.SetFilter(QStringLiteral("(Freispielbar)"));
    data->SetsTable.SetFiltered(true);
    fileDialogs.answers = {{kGoodArchive}};
    screen->ImportButton->click();
    EXPECT_EQ(data->SetsTable.Filter(), QString());
    EXPECT_FALSE(data->SetsTable.FieldByName(fs::Editierbar).AsBoolean());
    EXPECT_TRUE(data->SetsTable.FieldByName(fs::Freispielbar).AsBoolean());
    EXPECT_EQ(setCount(), before + 1);
    // Saved at once: the flags are in the file, not only in memory.
    TRecordTable saved;
    DefineSetsTable(saved);
    saved.LoadFromFile(programPath(QStringLiteral("db/sets.dat")));
    saved.Last();
    EXPECT_FALSE(saved.FieldByName(fs::Editierbar).AsBoolean());
    EXPECT_TRUE(saved.FieldByName(fs::Freispielbar).AsBoolean());
    EXPECT_TRUE(dialogs.messages.isEmpty());

    // A picture the import had to leave out is named, not passed over in silence.
    fileDialogs.answers = {{QStringLiteral(VELMORA_GOLDEN_SET_ARCHIVES "/skipped-not-jpeg.set")}};
    screen->ImportButton->click();
    EXPECT_EQ(setCount(), before + 2);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].contains(QStringLiteral("strand.jpg"))) << dialogs.messages[0].toStdString();
}

TEST_F(EinstellungenTest, NoToTheResetChangesNothingAndPlaysNoCue)
{
    startOnSettings();
    useTheProgram();
    const auto dbBefore = filesBelow(QStringLiteral("db"));
    audio.cues.clear();
    dialogs.answers = {false};
    screen->ResetButton->click();
    EXPECT_EQ(dialogs.questions, QStringList{TEinstellungenFrame::ResetQuestion()});
    EXPECT_TRUE(audio.cues.isEmpty());
    EXPECT_EQ(data->GetPimpPoints(), 500);
    EXPECT_EQ(filesBelow(QStringLiteral("db")), dbBefore);
}

TEST_F(EinstellungenTest, TheResetBringsBackTheDeliveryStateAndTheKeptSetsOnce)
{
    // A set kept in imported/ from an earlier start; the class in force at start is "C".
    QDir().mkpath(programPath(QStringLiteral("imported")));
    QFile::copy(kGoodArchive, programPath(QStringLiteral("imported/good.set")));
    {
        TStoredUserValues stored(programPath(QStringLiteral("velmora")));
        stored.licenceClass = QStringLiteral("C");
        ASSERT_TRUE(stored.Write());
    }
    startOnSettings();
    useTheProgram();
    data->CurrentClass = QStringLiteral("D");
    // An archive arrives in sets/ while the program runs.
    QDir().mkpath(programPath(QStringLiteral("sets")));
    QFile::copy(kGoodArchive, programPath(QStringLiteral("sets/neu.set")));
    audio.cues.clear();

    screen->ResetButton->click();

    EXPECT_EQ(audio.cues, QStringList{programPath(QStringLiteral("sounds/reset.wav"))});
    EXPECT_EQ(data->GetPimpPoints(), 0);
    EXPECT_EQ(data->CurrentClass, QStringLiteral("C"));
    EXPECT_TRUE(errors.isEmpty()) << errors.join(u'\n').toStdString();
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join(u'\n').toStdString();
    // The tables hold the delivery data and each archive once: the kept one and the new arrival.
    data->FragenTable.First();
    EXPECT_EQ(data->FragenTable.FieldByName(QStringLiteral("Falsch")).AsInteger(), 0);
    EXPECT_EQ(setCount(), 3 + 2);
    EXPECT_FALSE(data->SetsTable.Locate(QString(fs::Name), QStringLiteral("Mein Set")));
    for (data->SetsTable.First(); !data->SetsTable.Eof(); data->SetsTable.Next()) {
        if (data->SetsTable.FieldByName(fs::ID).AsInteger() > 3) {
            EXPECT_FALSE(data->SetsTable.FieldByName(fs::Editierbar).AsBoolean());
        }
    }
    EXPECT_EQ(QDir(programPath(QStringLiteral("imported"))).entryList(QDir::Files).size(), 2);
    EXPECT_TRUE(QDir(programPath(QStringLiteral("sets"))).entryList(QDir::Files).isEmpty());
    // db/img and db/sets exist and hold the delivery pictures and those of the two sets, nothing else.
    const auto pictures = filesBelow(QStringLiteral("db/img"));
    EXPECT_EQ(pictures, filesBelow(QStringLiteral("mdl/img")));
    const auto setPictures = filesBelow(QStringLiteral("db/sets"));
    EXPECT_EQ(setPictures.value(QStringLiteral("data1.img")), QByteArray("delivered picture"));
    EXPECT_NE(setPictures.value(QStringLiteral("data2.img")), QByteArray("own picture"));
    EXPECT_EQ(browse->CurrentScreen(), screen);
}

TEST_F(EinstellungenTest, WithoutAUsableDeliveryCopyTheResetChangesNothing)
{
    startOnSettings();
    useTheProgram();
    const auto dbBefore = filesBelow(QStringLiteral("db"));
    for (const QByteArray &broken : {QByteArray(), QByteArray("no table file")}) {
        QFile::remove(programPath(QStringLiteral("mdl/fragen.dat")));
        if (!broken.isNull())
            writeWholeFile(programPath(QStringLiteral("mdl/fragen.dat")), broken);
        audio.cues.clear();
        dialogs.messages.clear();
        screen->ResetButton->click();
        ASSERT_EQ(dialogs.messages.size(), 1);
        EXPECT_TRUE(dialogs.messages[0].contains(QStringLiteral("nichts zurückgesetzt")));
        EXPECT_TRUE(dialogs.questions.isEmpty());
        EXPECT_TRUE(audio.cues.isEmpty());
        EXPECT_EQ(data->GetPimpPoints(), 500);
        EXPECT_EQ(filesBelow(QStringLiteral("db")), dbBefore);
    }
}

TEST_F(EinstellungenTest, AFileTheResetCannotCopyIsNamed)
{
    startOnSettings();
    // A folder left in db/img where a delivery picture must go: the copy cannot put it there.
    writeWholeFile(programPath(QStringLiteral("mdl/img/blockiert.jpg")), "delivered");
    QDir().mkpath(programPath(QStringLiteral("db/img/blockiert.jpg")));
    screen->ResetButton->click();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].contains(programPath(QStringLiteral("mdl/img/blockiert.jpg"))))
        << dialogs.messages[0].toStdString();
    EXPECT_EQ(data->GetPimpPoints(), 0);
}

TEST_F(EinstellungenTest, ATableTheDeliveryLacksIsEmptiedByTheReset)
{
    startOnSettings();
    ASSERT_EQ(data->TexteTable.RecordCount(), 4);
    QFile::remove(programPath(QStringLiteral("mdl/texte.dat")));
    screen->ResetButton->click();
    EXPECT_TRUE(data->TexteTable.Active());
    EXPECT_EQ(data->TexteTable.RecordCount(), 0) << "no texts of the old data are left";
    EXPECT_EQ(data->BilderTable.RecordCount(), 5);
}

TEST_F(EinstellungenTest, AClickOnResetWhileTheResetRunsDoesNothing)
{
    // An event port that lets the button be clicked again in the middle of the step.
    class TClickingEventPort final : public IEventPort
    {
    public:
        void processPendingMessages() override
        {
            ++calls;
            if (button && calls == 1)
                button->click();
        }
        QPushButton *button = nullptr;
        int calls = 0;
    } clicking;
    eventPort = &clicking;
    startOnSettings();
    data->SetPimpPoints(500);
    clicking.button = screen->ResetButton;
    clicking.calls = 0;
    audio.cues.clear();
    screen->ResetButton->click();
    EXPECT_GE(clicking.calls, 1);
    EXPECT_EQ(dialogs.questions.size(), 1);
    EXPECT_EQ(audio.cues.size(), 1);
    EXPECT_EQ(data->GetPimpPoints(), 0);
    eventPort = &events;
    destroy();
}

TEST_F(EinstellungenTest, AClickTheUserMakesWhileTheResetRunsIsDroppedNotHandledAfterIt)
{
    // The window system's own event port: the user clicks Reset again while the step lets it work.
    class TUserClicksAgain final : public IEventPort
    {
    public:
        void processPendingMessages() override
        {
            if (button && !clicked) {
                clicked = true;
                QWidget *window = button->window();
                const QPointF inWindow = button->mapTo(window, button->rect().center());
                const QPointF global = window->mapToGlobal(inWindow.toPoint());
                QWindowSystemInterface::handleMouseEvent(window->windowHandle(), inWindow, global, Qt::LeftButton,
                                                         Qt::LeftButton, QEvent::MouseButtonPress);
                QWindowSystemInterface::handleMouseEvent(window->windowHandle(), inWindow, global, Qt::NoButton,
                                                         Qt::LeftButton, QEvent::MouseButtonRelease);
            }
            real.processPendingMessages();
        }
        void discardPendingInput() override { real.discardPendingInput(); }
        TWidgetEventPort real;
        QPushButton *button = nullptr;
        bool clicked = false;
    } user;
    eventPort = &user;
    startOnSettings();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(browse.get()));
    user.button = screen->ResetButton;
    screen->ResetButton->click();
    QTest::qWait(100);
    EXPECT_TRUE(user.clicked);
    EXPECT_EQ(dialogs.questions.size(), 1) << "the click made during the reset asked nothing";
    EXPECT_EQ(audio.cues.filter(QStringLiteral("reset.wav")).size(), 1);
    // A click after the reset is a new request.
    dialogs.answers = {false};
    screen->ResetButton->click();
    EXPECT_EQ(dialogs.questions.size(), 2);
    eventPort = &events;
    destroy();
}
