#include "ui/support/shell_fixture.h"

#include "data/record_table.h"
#include "data/table_schemas.h"
#include "ui/support/skin_fixture.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTest>

bool WaitFor(const std::function<bool()> &condition, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QTest::qWait(10);
    }
    return true;
}

const QByteArray ShellFixture::kStandardVersionIni =
    "kranzhof=http://partner.example/\r\n"
    "brennholt=http://maker.example/\r\n"
    "showgoodbyeform=no\r\n"
    "Int1=20\r\nInt2=40\r\nInt3=50\r\nInt4=75\r\nInt5=300\r\n"
    "Int6=100\r\nInt7=250\r\nInt8=400\r\nInt9=650\r\nInt10=2000\r\n"
    "Int20=1\r\nInt21=2\r\nInt22=3\r\nInt23=4\r\nInt24=5\r\n"
    "snd_pop=pop.wav\r\n"
    "snd_quit=quit.wav\r\n"
    "snd_pimptraining=training.wav\r\n"
    "snd_nachschlagen=nachschlagen.wav\r\n"
    "snd_einstellungen=einstellungen.wav\r\n";

void ShellFixture::SetUp()
{
    ASSERT_TRUE(folder.isValid());
    savedConfigHome = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome.path()));
}

void ShellFixture::TearDown()
{
    destroy();
    qputenv("XDG_CONFIG_HOME", savedConfigHome);
}

void ShellFixture::writeSkin()
{
    const QString bmp = programPath(QStringLiteral("bmp"));
    WriteTestBitmap(bmp + QStringLiteral("/GUI_main_bodytop.bmp"), QSize(1024, 176), QColor(0x20, 0x40, 0x80));
    WriteTestBitmap(bmp + QStringLiteral("/GUI_main_bodyleft.bmp"), QSize(21, 576), QColor(0x20, 0x40, 0x80));
    WriteTestBitmap(bmp + QStringLiteral("/GUI_main_bodyright.bmp"), QSize(25, 576), QColor(0x20, 0x40, 0x80));
    WriteTestBitmap(bmp + QStringLiteral("/GUI_main_bodybottom.bmp"), QSize(1011, 23), QColor(0x20, 0x40, 0x80));
    WriteTestBitmap(bmp + QStringLiteral("/GUI_back.bmp"), QSize(91, 37), QColor(0xC0, 0x30, 0x30));
    WriteTestBitmap(bmp + QStringLiteral("/GUI_Home.bmp"), QSize(91, 37), QColor(0x30, 0xC0, 0x30));
    WriteTestBitmap(bmp + QStringLiteral("/GUI_exit.bmp"), QSize(91, 37), QColor(0x30, 0x30, 0xC0));
    WriteTestBitmap(bmp + QStringLiteral("/GUI_pimpseite.bmp"), QSize(253, 19), QColor(0xF0, 0xA0, 0x00));
    WriteTestBitmap(bmp + QStringLiteral("/GUI_welcome.bmp"), QSize(966, 566), QColor(0xE0, 0xE8, 0xF0));
    WriteTestBitmap(bmp + QStringLiteral("/GUI_goodbye.bmp"), QSize(644, 484), QColor(0x80, 0x80, 0x80));
    WriteTestBitmap(bmp + QStringLiteral("/star.bmp"), QSize(31, 36), QColor(0xFA, 0xC8, 0x14));
    WriteTestBitmap(bmp + QStringLiteral("/star_deaktiviert.bmp"), QSize(31, 36), QColor(0x78, 0x78, 0x78));
}

namespace {

void fill(TRecordTable &table, void (*define)(TRecordTable &), int records,
          const std::function<void(TRecordTable &, int)> &values = {})
{
    define(table);
    table.Open();
    for (int i = 0; i < records; ++i) {
        table.Append();
        if (values)
            values(table, i);
        table.Post();
    }
}

} // namespace

void ShellFixture::writeTables(const QString &relativeFolder)
{
    const QString db = programPath(relativeFolder);
    QDir().mkpath(db);
    {
        TRecordTable table;
        fill(table, DefineFragenTable, 3, [](TRecordTable &t, int i) {
            t.FieldByName(QStringLiteral("Klasse")).SetAsString(QStringLiteral("B"));
            t.FieldByName(QStringLiteral("Frage")).SetAsString(QStringLiteral("Frage %1").arg(i + 1));
        });
        table.SaveToFile(db + QStringLiteral("/fragen.dat"));
    }
    {
        TRecordTable table;
        fill(table, DefineTextGruppenTable, 2);
        table.SaveToFile(db + QStringLiteral("/textgruppen.dat"));
    }
    {
        TRecordTable table;
        fill(table, DefineTexteTable, 4, [](TRecordTable &t, int i) {
            t.FieldByName(QStringLiteral("TextGruppeID")).SetAsInteger(1 + i % 2);
        });
        table.SaveToFile(db + QStringLiteral("/texte.dat"));
    }
    {
        TRecordTable table;
        fill(table, DefineBilderTable, 5, [](TRecordTable &t, int i) {
            t.FieldByName(QStringLiteral("SetID")).SetAsInteger(1 + i % 2);
        });
        table.SaveToFile(db + QStringLiteral("/bilder.dat"));
    }
    {
        TRecordTable table;
        fill(table, DefineSetsTable, 3, [](TRecordTable &t, int i) {
            t.FieldByName(QStringLiteral("Freispielbar")).SetAsBoolean(i == 0);
        });
        table.SaveToFile(db + QStringLiteral("/sets.dat"));
    }
    {
        TRecordTable table;
        fill(table, DefineFrageboegenTable, 2, [](TRecordTable &t, int) {
            t.FieldByName(QStringLiteral("Klasse")).SetAsString(QStringLiteral("B"));
        });
        table.SaveToFile(db + QStringLiteral("/frageboegen.dat"));
    }
}

void ShellFixture::writeVersionIni(const QByteArray &content)
{
    writeWholeFile(programPath(QStringLiteral("version.ini")), content);
}

void ShellFixture::writeSounds()
{
    for (const char *name : {"pop.wav", "quit.wav", "training.wav", "nachschlagen.wav", "einstellungen.wav"})
        writeWholeFile(programPath(QStringLiteral("sounds/") + QString::fromLatin1(name)), "RIFF");
}

void ShellFixture::writeInstallation()
{
    writeSkin();
    writeTables();
    writeSounds();
    writeVersionIni(kStandardVersionIni);
}

TBrowseFormSetup ShellFixture::setup()
{
    TBrowseFormSetup setup;
    setup.programFilePath = programPath(QStringLiteral("velmora"));
    setup.dialogs = &dialogs;
    setup.events = eventPort;
    setup.documents = &documents;
    setup.fileDialogs = &fileDialogs;
    setup.printer = printer;
    setup.audio = &audio;
    setup.random = randomPort;
    setup.beep = [this] { beeps << QStringLiteral("beep"); };
    setup.reportError = [this](const QString &message) { errors << message; };
    setup.endMessageLoop = [this] { ++loopEnds; };
    setup.startUpDelayMs = startUpDelayMs;
    setup.retireDelayMs = retireDelayMs;
    if (registerTestScreen) {
        setup.registerScreens = [this](TScreenRegistry &registry) {
            for (const QString &name : testScreenNames)
                registry.Register(name, name.at(0).toUpper() + name.mid(1) + QStringLiteral("Frame"),
                                  [this](IScreenContext &context, QWidget *parent) {
                                      return new TTestScreen(context, parent, audio);
                                  });
        };
    }
    return setup;
}

void ShellFixture::create()
{
    browse = std::make_unique<TBrowseForm>(setup());
    data = std::make_unique<TMainDataModule>(browse->StoredValues(), browse->ModulePorts(), folder.path());
    browse->AttachDataModule(*data);
    browse->show();
}

void ShellFixture::start()
{
    create();
    ASSERT_TRUE(WaitFor([this] { return !browse->SplashShown(); }, 5000)) << "the start-up step did not run";
}

void ShellFixture::destroy()
{
    browse.reset();
    data.reset();
}

QWidget *ShellFixture::control(const char *name) const
{
    return browse->findChild<QWidget *>(QString::fromLatin1(name));
}

void ShellFixture::clickControl(const char *name)
{
    QWidget *target = control(name);
    ASSERT_NE(target, nullptr) << name;
    const QPoint inWindow = target->mapTo(browse.get(), target->rect().center());
    QTest::mouseClick(browse->windowHandle(), Qt::LeftButton, {}, inWindow);
}

int ShellFixture::recordCount(const QString &tableFile, void (*define)(TRecordTable &))
{
    TRecordTable table;
    define(table);
    table.LoadFromFile(tableFile);
    return table.RecordCount();
}
