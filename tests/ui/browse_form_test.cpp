#include "core/stored_user_values.h"
#include "app/vl_goodbye.h"
#include "data/table_fields.h"
#include "data/table_schemas.h"
#include "pictures/zip_archive.h"
#include "ui/support/shell_fixture.h"
#include "ui/support/skin_fixture.h"
#include "sound/cue_player.h"
#include "support/tiny_file_system.h"
#include "layout/browse.h"
#include "screen/layout_geometry.h"

#include <QApplication>
#include <QImage>
#include <QTest>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QSettings>

namespace {

class BrowseFormTest : public ShellFixture
{
};

QWidget *topLevel(const std::function<bool(QWidget *)> &matches)
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (matches(window))
            return window;
    }
    return nullptr;
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

} // namespace

TEST_F(BrowseFormTest, TheWindowIsBorderlessFixedAndWhiteWithEveryControlInPlace)
{
    writeInstallation();
    start();
    EXPECT_EQ(browse->windowTitle(), QStringLiteral("Velmora"));
    EXPECT_EQ(browse->size(), QSize(1008, 765));
    EXPECT_TRUE(browse->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(browse->palette().color(QPalette::Window), QColor(Qt::white));

    for (const TLayoutRect &place : layout::browse::kControls) {
        QWidget *widget = control(std::string(place.name).c_str());
        ASSERT_NE(widget, nullptr) << place.name;
        EXPECT_EQ(widget->geometry(), RectOf(place)) << place.name;
        EXPECT_EQ(widget->parentWidget(), browse.get()) << place.name;
    }
    for (const char *name : {"BackImage", "HomeImage", "ExitImage", "PimpSeiteImage", "BrennholtShape"})
        EXPECT_EQ(control(name)->cursor().shape(), Qt::PointingHandCursor) << name;
    EXPECT_EQ(control("BackImage")->toolTip(), QStringLiteral("Zurück"));
    EXPECT_EQ(control("HomeImage")->toolTip(), QStringLiteral("Startseite anzeigen"));
    EXPECT_EQ(control("ExitImage")->toolTip(), QStringLiteral("Programm beenden"));
    EXPECT_EQ(browse->CurrentScreen()->parentWidget(), control("BrowsePanel"));
    EXPECT_EQ(browse->CurrentScreen()->pos(), QPoint(0, 0));
    EXPECT_TRUE(errors.isEmpty()) << errors.join(u'|').toStdString();
}

TEST_F(BrowseFormTest, TheSplashHidesTheFrameUntilTheStartUpStepAndTheStepRunsOnce)
{
    writeInstallation();
    create();
    ASSERT_TRUE(browse->SplashShown());
    for (const char *name : {"TopImage", "HomeImage", "ExitImage", "BackImage", "BrowsePanel", "PimpSeiteImage"})
        EXPECT_TRUE(control(name)->isHidden()) << name;
    EXPECT_TRUE(browse->CurrentScreen()->isHidden());
    QWidget *splash = topLevel([](QWidget *w) { return w->objectName() == QStringLiteral("VLStartupForm"); });
    ASSERT_NE(splash, nullptr);
    EXPECT_FALSE(splash->close()) << "the splash refuses to close";
    EXPECT_TRUE(splash->isVisible());

    ASSERT_TRUE(WaitFor([this] { return !browse->SplashShown(); }, 5000));
    for (const char *name : {"TopImage", "LeftImage", "RightImage", "BottomImage", "HomeImage", "ExitImage",
                             "BrowsePanel", "PimpSeiteImage", "BrennholtShape"})
        EXPECT_FALSE(control(name)->isHidden()) << name;
    for (const char *name : {"BackImage", "ForwardImage"})
        EXPECT_TRUE(control(name)->isHidden()) << name;
    EXPECT_FALSE(browse->CurrentScreen()->isHidden());
    EXPECT_TRUE(browse->isVisible());
    EXPECT_EQ(data->FragenTable.RecordCount(), 3);
    EXPECT_EQ(data->SetsTable.RecordCount(), 3);
    EXPECT_EQ(data->LinkKranzhof, QStringLiteral("http://partner.example/"));
    EXPECT_EQ(data->CueList(QStringLiteral("snd_pop")), QStringLiteral("pop.wav"));
}

TEST_F(BrowseFormTest, TheStartUpImportsSetArchivesAndNamesTheFailedOnesInOneMessageAtItsEnd)
{
    writeInstallation();
    // A set archive without pictures: the two table files.
    const QString work = programPath(QStringLiteral("work"));
    QDir().mkpath(work);
    TRecordTable sets;
    DefineSetsTable(sets);
    sets.Open();
    sets.Append();
    sets.FieldByName(fields::sets::Name).SetAsString(QStringLiteral("Mitgebracht"));
    sets.FieldByName(fields::sets::Editierbar).SetAsBoolean(true);
    sets.Post();
    sets.SaveToFile(work + QStringLiteral("/sets.tmp"));
    TRecordTable pictures;
    DefineBilderTable(pictures);
    pictures.Open();
    pictures.SaveToFile(work + QStringLiteral("/bilder.tmp"));
    QDir().mkpath(programPath(QStringLiteral("sets")));
    TZipWriter archive(programPath(QStringLiteral("sets/a.set")));
    archive.AddFile(QStringLiteral("bilder.tmp"), work + QStringLiteral("/bilder.tmp"), false);
    archive.AddFile(QStringLiteral("sets.tmp"), work + QStringLiteral("/sets.tmp"), false);
    archive.Commit();
    writeWholeFile(programPath(QStringLiteral("sets/liesmich.set")), "kein Archiv");

    start();
    EXPECT_FALSE(browse->SplashShown());
    EXPECT_EQ(data->CueList(QStringLiteral("snd_pop")), QStringLiteral("pop.wav")) << "the rest of the start-up ran";
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages.first().contains(QStringLiteral("liesmich.set: Datei ")));
    EXPECT_FALSE(dialogs.messages.first().contains(QStringLiteral("a.set")));
    EXPECT_EQ(entries(programPath(QStringLiteral("sets"))), QStringList{QStringLiteral("liesmich.set")});
    EXPECT_EQ(entries(programPath(QStringLiteral("imported"))), QStringList{QStringLiteral("a.set")});
    EXPECT_EQ(data->SetsTable.RecordCount(), 4);
    ASSERT_TRUE(data->SetsTable.Locate(QString(fields::sets::Name), QStringLiteral("Mitgebracht")));
    EXPECT_FALSE(data->SetsTable.FieldByName(fields::sets::Editierbar).AsBoolean());
    EXPECT_TRUE(errors.isEmpty()) << errors.join(u'|').toStdString();
}

TEST_F(BrowseFormTest, StoredValuesAreRestoredAtTheFirstShowingAndSetTheClassInForce)
{
    writeInstallation();
    writeWholeFile(programPath(QStringLiteral("mp3/a.wav")), "RIFF");
    TStoredUserValues stored(programPath(QStringLiteral("velmora")));
    stored.musicVolume = 70;
    stored.musicOff = true;
    stored.licenceClass = QStringLiteral("A1");
    stored.pimpPoints = QStringLiteral("150");
    stored.Write();

    start();
    EXPECT_EQ(browse->StoredValues().musicVolume, 70);
    EXPECT_TRUE(browse->StoredValues().musicOff);
    EXPECT_EQ(data->CurrentClass, QStringLiteral("A1"));
    EXPECT_EQ(data->GetPimpPoints(), 150);
    EXPECT_TRUE(audio.played().isEmpty()) << "music is switched off";
    EXPECT_EQ(browse->StoredValues().exeName, programPath(QStringLiteral("velmora")));
}

TEST_F(BrowseFormTest, AFreshUserHearsMusicAtTheStoredVolume)
{
    writeInstallation();
    writeWholeFile(programPath(QStringLiteral("mp3/a.wav")), "RIFF");
    start();
    EXPECT_EQ(browse->StoredValues().musicVolume, 25);
    EXPECT_EQ(audio.currentVolume, 25);
    EXPECT_EQ(audio.played(), QStringList{QStringLiteral("play:") + programPath(QStringLiteral("mp3/a.wav"))});
    EXPECT_EQ(data->CurrentClass, QStringLiteral("B"));
}

TEST_F(BrowseFormTest, TheFirstStartImportsTheSkinAndCopiesTheDeliveryData)
{
    writeTables(QStringLiteral("mdl"));
    writeWholeFile(programPath(QStringLiteral("mdl/img/1.jpg")), "picture");
    writeWholeFile(programPath(QStringLiteral("db/old.txt")), "old"); // db/ without fragen.dat
    writeSounds();
    writeVersionIni(kStandardVersionIni);
    // The standard skin: every picture as a JPEG member, in a folder of the archive.
    writeSkin();
    QDir bmp(programPath(QStringLiteral("bmp")));
    QList<QPair<QString, QByteArray>> members;
    for (const QString &name : bmp.entryList(QDir::Files)) {
        const QImage picture(bmp.filePath(name));
        members.append({QStringLiteral("skin/") + QFileInfo(name).completeBaseName() + QStringLiteral(".jpg"),
                        TestJpeg(picture.size(), picture.pixelColor(0, 0))});
    }
    ASSERT_TRUE(bmp.removeRecursively());
    WriteTestZip(programPath(QStringLiteral("skins/standard.skin")), members);

    start();
    EXPECT_TRUE(errors.isEmpty()) << errors.join(u'|').toStdString();
    EXPECT_TRUE(QFileInfo::exists(programPath(QStringLiteral("bmp/GUI_welcome.bmp"))));
    EXPECT_TRUE(QFileInfo::exists(programPath(QStringLiteral("bmp/GUI_Home.bmp"))));
    EXPECT_TRUE(QFileInfo::exists(programPath(QStringLiteral("db/fragen.dat"))));
    EXPECT_TRUE(QFileInfo::exists(programPath(QStringLiteral("db/img/1.jpg"))));
    EXPECT_TRUE(QFileInfo::exists(programPath(QStringLiteral("db/old.txt"))));
    EXPECT_EQ(data->FragenTable.RecordCount(), 3);
    EXPECT_TRUE(entries(programPath(QStringLiteral("temp"))).isEmpty());
}

TEST_F(BrowseFormTest, TempIsEmptiedAtStartAndAtShutdown)
{
    writeInstallation();
    writeWholeFile(programPath(QStringLiteral("temp/left-over.tmp")), "x");
    create();
    EXPECT_FALSE(QFileInfo::exists(programPath(QStringLiteral("temp/left-over.tmp"))));
    EXPECT_TRUE(QFileInfo(programPath(QStringLiteral("temp"))).isDir());
    ASSERT_TRUE(WaitFor([this] { return !browse->SplashShown(); }, 5000));

    writeWholeFile(programPath(QStringLiteral("temp/work.tmp")), "x");
    browse->Shutdown();
    EXPECT_TRUE(entries(programPath(QStringLiteral("temp"))).isEmpty());
    EXPECT_TRUE(QFileInfo(programPath(QStringLiteral("temp"))).isDir());
}

TEST_F(BrowseFormTest, YesToTheQuitQuestionSavesEveryRecordOfTheSixTablesAndTheStoredValues)
{
    writeInstallation();
    ASSERT_TRUE(QFile::remove(programPath(QStringLiteral("db/sets.dat"))));
    start();
    // Screens leave their filters on: an unlockable set, one picture set, one text group.
    data->SetsTable.Append();
    data->SetsTable.Post();
    data->SetsTable.SetFilter(QStringLiteral("(Freispielbar)"));
    data->SetsTable.SetFiltered(true);
    data->BilderTable.SetFilter(QStringLiteral("SetID = 1"));
    data->BilderTable.SetFiltered(true);
    data->TexteTable.SetFilter(QStringLiteral("TextGruppeID = 2"));
    data->TexteTable.SetFiltered(true);
    data->CurrentClass = QStringLiteral("C1");
    data->SetPimpPoints(321);
    const QDateTime before = QFileInfo(programPath(QStringLiteral("db/fragen.dat"))).lastModified();
    QTest::qWait(20);

    dialogs.answers = {true};
    const int eventRoundsBefore = events.calls;
    clickControl("ExitImage");
    EXPECT_EQ(dialogs.questions, QStringList{TModelFrame::QuitQuestion()});
    EXPECT_EQ(loopEnds, 1);
    EXPECT_EQ(events.calls - eventRoundsBefore, 202);
    EXPECT_EQ(audio.cues, (QStringList{programPath(QStringLiteral("sounds/pop.wav")),
                                       programPath(QStringLiteral("sounds/quit.wav")) + QStringLiteral(" (waited)")}));

    const QString db = programPath(QStringLiteral("db"));
    EXPECT_GT(QFileInfo(db + QStringLiteral("/fragen.dat")).lastModified(), before);
    EXPECT_EQ(recordCount(db + QStringLiteral("/fragen.dat"), DefineFragenTable), 3);
    EXPECT_EQ(recordCount(db + QStringLiteral("/textgruppen.dat"), DefineTextGruppenTable), 2);
    EXPECT_EQ(recordCount(db + QStringLiteral("/texte.dat"), DefineTexteTable), 4);
    EXPECT_EQ(recordCount(db + QStringLiteral("/bilder.dat"), DefineBilderTable), 5);
    EXPECT_EQ(recordCount(db + QStringLiteral("/sets.dat"), DefineSetsTable), 1) << "written new from the table";
    EXPECT_EQ(recordCount(db + QStringLiteral("/frageboegen.dat"), DefineFrageboegenTable), 2);
    EXPECT_TRUE(errors.isEmpty()) << errors.join(u'|').toStdString();

    const QString settingsFile = browse->StoredValues().settingsFilePath();
    destroy();
    TStoredUserValues stored(programPath(QStringLiteral("velmora")));
    stored.Restore();
    EXPECT_EQ(stored.licenceClass, QStringLiteral("C1"));
    EXPECT_EQ(stored.pimpPoints, QStringLiteral("321"));
    EXPECT_EQ(stored.musicVolume, 25);
    EXPECT_EQ(stored.exeName, programPath(QStringLiteral("velmora")));
    EXPECT_TRUE(QFileInfo::exists(settingsFile));
}

TEST_F(BrowseFormTest, NoToTheQuitQuestionKeepsTheScreenAndWritesNothing)
{
    writeInstallation();
    start();
    TModelFrame *screen = browse->CurrentScreen();
    const QDateTime before = QFileInfo(programPath(QStringLiteral("db/fragen.dat"))).lastModified();
    dialogs.answers = {false, false};
    clickControl("ExitImage");
    browse->close(); // the window system's close command asks the same question
    EXPECT_EQ(dialogs.questions.size(), 2);
    EXPECT_EQ(browse->CurrentScreen(), screen);
    EXPECT_TRUE(browse->isVisible());
    EXPECT_EQ(loopEnds, 0);
    EXPECT_EQ(QFileInfo(programPath(QStringLiteral("db/fragen.dat"))).lastModified(), before);
}

TEST_F(BrowseFormTest, TheGoodbyeWindowShowsOnlyForExactlyYes)
{
    for (const char *value : {"yes", "Yes", " yes"}) {
        SCOPED_TRACE(value);
        writeInstallation();
        writeVersionIni(kStandardVersionIni + "showgoodbyeform=" + value + "\r\n");
        QByteArray ini = kStandardVersionIni;
        ini.replace("showgoodbyeform=no\r\n", QByteArray("showgoodbyeform=") + value + "\r\n");
        writeVersionIni(ini);
        start();
        browse->Shutdown();
        const bool shown =
            topLevel([](QWidget *w) { return qobject_cast<TGoodbyeForm *>(w) != nullptr && w->isVisible(); }) != nullptr;
        EXPECT_EQ(shown, QByteArray(value) == "yes");
        destroy();
    }
}

TEST_F(BrowseFormTest, ATypingErrorInTheAmountsIsShownAndTheStartUpFinishes)
{
    writeInstallation();
    QByteArray ini = kStandardVersionIni;
    ini.replace("Int3=50", "Int3=5O");
    writeVersionIni(ini);
    start();
    EXPECT_EQ(errors, QStringList{QStringLiteral("'5O' ist kein gültiger Integerwert")});
    EXPECT_EQ(data->Int2, 40);
    EXPECT_TRUE(data->CueList(QStringLiteral("snd_pop")).isEmpty()) << "the cue lists stay unread";
    EXPECT_TRUE(browse->isVisible());
    EXPECT_FALSE(control("HomeImage")->isHidden());
    EXPECT_EQ(data->CurrentClass, QStringLiteral("B"));
}

TEST_F(BrowseFormTest, AMissingFramePictureIsShownAndLeavesTheProgramHalfStarted)
{
    writeInstallation();
    ASSERT_TRUE(QFile::remove(programPath(QStringLiteral("bmp/GUI_exit.bmp"))));
    create();
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors.first().startsWith(QStringLiteral("Datei %1 kann nicht geöffnet werden. ")
                                              .arg(programPath(QStringLiteral("bmp/GUI_exit.bmp")))));
    EXPECT_EQ(browse->CurrentScreen(), nullptr);
    QTest::qWait(100);
    EXPECT_TRUE(browse->SplashShown()) << "the start-up step never runs";

    // Closing asks the quit question all the same; quitting must not write the tables that were
    // never loaded.
    const QDateTime before = QFileInfo(programPath(QStringLiteral("db/fragen.dat"))).lastModified();
    dialogs.answers = {false, true};
    browse->close();
    EXPECT_EQ(loopEnds, 0) << "no to the question keeps the program";
    browse->close();
    EXPECT_EQ(dialogs.questions, (QStringList{TModelFrame::QuitQuestion(), TModelFrame::QuitQuestion()}));
    EXPECT_EQ(loopEnds, 1);
    EXPECT_EQ(QFileInfo(programPath(QStringLiteral("db/fragen.dat"))).lastModified(), before);
}

TEST_F(BrowseFormTest, QuittingBeforeTheTablesWereLoadedKeepsTheTableFiles)
{
    writeInstallation();
    create();
    const qint64 sizeBefore = QFileInfo(programPath(QStringLiteral("db/fragen.dat"))).size();
    browse->CurrentScreen()->ExitAction(); // Alt+F4 while the splash is still up
    EXPECT_EQ(loopEnds, 1);
    EXPECT_EQ(QFileInfo(programPath(QStringLiteral("db/fragen.dat"))).size(), sizeBefore);
    EXPECT_EQ(recordCount(programPath(QStringLiteral("db/fragen.dat")), DefineFragenTable), 3);
}

TEST_F(BrowseFormTest, TheLinkPictureAndTheClickAreaOpenTheirAddresses)
{
    writeInstallation();
    start();
    clickControl("PimpSeiteImage");
    clickControl("BrennholtShape");
    EXPECT_EQ(documents.opened,
              (QStringList{QStringLiteral("http://partner.example/"), QStringLiteral("http://maker.example/")}));
}

TEST_F(BrowseFormTest, AFullDiskAtQuitIsToldWithItsReasonAndTheUserMayGoBackAndQuitAgain)
{
    TinyFileSystem disk(256);
    if (!disk.valid())
        GTEST_SKIP() << "mounting a small file system needs the superuser";
    ASSERT_TRUE(QFile::link(disk.path(), programPath(QStringLiteral("db"))));
    writeInstallation();
    writeWholeFile(programPath(QStringLiteral("mp3/a.wav")), "RIFF");
    start();
    const QString db = programPath(QStringLiteral("db"));
    const QStringList files = {QStringLiteral("fragen.dat"), QStringLiteral("textgruppen.dat"), QStringLiteral("texte.dat"),
                               QStringLiteral("bilder.dat"), QStringLiteral("sets.dat"), QStringLiteral("frageboegen.dat")};
    QHash<QString, QByteArray> before;
    for (const QString &file : files)
        before[file] = readWholeFile(db + u'/' + file);
    data->SetsTable.Append();
    data->SetsTable.Post();
    disk.fill();

    // "Nein": back to the running program, as it was.
    dialogs.answers = {true, false};
    clickControl("ExitImage");
    ASSERT_EQ(dialogs.questions.size(), 2);
    const QString question = dialogs.questions.at(1);
    EXPECT_TRUE(question.startsWith(QStringLiteral("Velmora konnte nicht alles speichern:"))) << question.toStdString();
    for (const QString &file : files)
        EXPECT_TRUE(question.contains(QStringLiteral("Datei \"%1/%2\" kann nicht erstellt werden. No space left on device")
                                          .arg(db, file)))
            << file.toStdString();
    for (const QString &file : files)
        EXPECT_EQ(readWholeFile(db + u'/' + file), before[file]) << file.toStdString();
    EXPECT_EQ(loopEnds, 0);
    EXPECT_TRUE(browse->isVisible());
    EXPECT_EQ(browse->CurrentScreenName(), QStringLiteral("welcome"));
    EXPECT_EQ(audio.played().size(), 2) << "the music plays again";
    EXPECT_FALSE(browse->WavePlayer().Synchronous());

    // Space freed, quit again: everything is saved.
    disk.free();
    dialogs.answers = {true};
    clickControl("ExitImage");
    EXPECT_EQ(loopEnds, 1);
    EXPECT_EQ(dialogs.questions.size(), 3);
    EXPECT_EQ(recordCount(db + QStringLiteral("/sets.dat"), DefineSetsTable), 4);

    // Full again, "Ja": the program ends and the files stay as they were.
    const QByteArray saved = readWholeFile(db + QStringLiteral("/sets.dat"));
    data->SetsTable.Append();
    data->SetsTable.Post();
    disk.fill();
    dialogs.answers = {true, true};
    clickControl("ExitImage");
    EXPECT_EQ(loopEnds, 2);
    EXPECT_EQ(readWholeFile(db + QStringLiteral("/sets.dat")), saved);
    destroy();
}
