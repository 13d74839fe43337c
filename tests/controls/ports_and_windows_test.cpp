#include "app/vl_startup.h"
#include "app/vl_uebersicht_small.h"
#include "app/vl_wait.h"
#include "app/widget_ports.h"
#include "controls/layout_fonts.h"
#include "core/velmora_error.h"
#include "pictures/bitmap.h"
#include "support/fakes.h"

#include <QApplication>
#include <QFileDialog>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Every label's text within its box, measured with the label's own font.
void expectEveryLabelFits(const QWidget &window)
{
    const QList<QLabel *> labels = window.findChildren<QLabel *>();
    ASSERT_FALSE(labels.isEmpty());
    for (const QLabel *label : labels) {
        const QFontMetrics metrics(label->font());
        // One line needs its advance and the font's height; wrapped text the lines it breaks into.
        const QSize needed = label->wordWrap()
                                 ? metrics.boundingRect(QRect(0, 0, label->width(), 10000),
                                                        int(label->alignment()) | Qt::TextWordWrap, label->text())
                                       .size()
                                 : QSize(metrics.horizontalAdvance(label->text()), metrics.height());
        EXPECT_LE(needed.width(), label->width()) << label->objectName().toStdString();
        EXPECT_LE(needed.height(), label->height()) << label->objectName().toStdString();
        EXPECT_TRUE(window.rect().contains(label->geometry())) << label->objectName().toStdString();
    }
}

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QStringLiteral("<%1 failed>").arg(program);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Answers the file dialogs that appear, one typed name each (an empty name cancels), and keeps the
// name filters they showed.
class FileDialogAnswers
{
public:
    explicit FileDialogAnswers(QStringList names) : m_names(std::move(names))
    {
        QObject::connect(&m_poll, &QTimer::timeout, &m_poll, [this] { Answer(); });
        m_poll.start(5);
    }
    QList<QStringList> filtersShown;

private:
    void Answer()
    {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible() || dialog->result() != 0 || m_names.isEmpty())
            return;
        filtersShown << dialog->nameFilters();
        const QString name = m_names.takeFirst();
        if (name.isEmpty()) {
            dialog->reject();
            return;
        }
        dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(name);
        QMetaObject::invokeMethod(dialog, "accept"); // what "Speichern" does
    }
    QStringList m_names;
    QTimer m_poll;
};

} // namespace

TEST(LayoutFonts, MapTheDesignFontToAnInstalledFontAtThePixelSizesOfTheLayouts)
{
    const QFont font = LayoutFont(12, TFontStyle::Bold);
    EXPECT_EQ(QFontInfo(font).family(), QString::fromLatin1(kLayoutFontFamily)) << "fonts-liberation2 is installed";
    EXPECT_EQ(font.pixelSize(), 15);
    EXPECT_TRUE(font.bold());
    EXPECT_EQ(LayoutFont(8).pixelSize(), 11);
    EXPECT_EQ(LayoutFont(24).pixelSize(), 30);
    EXPECT_EQ(LayoutFontPx(11).pixelSize(), 11);
    EXPECT_EQ(LayoutFontPx(19, TFontStyle::Underline).pixelSize(), 18);
    EXPECT_TRUE(LayoutFontPx(19, TFontStyle::Underline).underline());
    EXPECT_EQ(QFontInfo(QFont(QString::fromLatin1(kLayoutDesignFamily))).family(), QString::fromLatin1(kLayoutFontFamily));
}

TEST(LayoutFonts, EveryLabelOfTheSplashAndWaitWindowsShowsItsWholeText)
{
    TVLStartupForm splash;
    expectEveryLabelFits(splash);
    TVelmoraWaitForm wait;
    expectEveryLabelFits(wait);
}

TEST(PrintPort, PrintsPagesWithTextAndPicturesIntoARealPdfFile)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("fragebogen.pdf"));
    TPdfPrintPort printer(pdf);
    TBitmap picture(30, 20, TPixelFormat::Bits24);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 30; ++x)
            picture.setPixelColor(x, y, TRgb{200, 0, 0});
    QSize page;
    const bool printed = printer.Print(QStringLiteral("Fragebogen 3"), [&](IPrintCanvas &canvas) {
        page = canvas.PageSize();
        canvas.SetFont(QString::fromLatin1(kLayoutDesignFamily), 12, true);
        canvas.TextOut({100, 100}, QStringLiteral("Fragebogen 3 – Klasse B"));
        canvas.StretchPicture(QRect(100, 400, 600, 400), picture);
        canvas.NewPage();
        canvas.SetFont(QString::fromLatin1(kLayoutDesignFamily), 10, false);
        canvas.TextRect(QRect(100, 100, 2000, 400), QStringLiteral("Zweite Seite\r\nmit Lösungen"));
    });
    ASSERT_TRUE(printed);
    EXPECT_EQ(page.width(), 4792) << "A4 at 600 dpi inside the default margins";

    const QString info = run(QStringLiteral("pdfinfo"), {pdf});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+2")))) << info.toStdString();
    EXPECT_TRUE(info.contains(QStringLiteral("Fragebogen 3"))) << "the job's title";
    const QString text = run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    EXPECT_TRUE(text.contains(QStringLiteral("Fragebogen 3 – Klasse B"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("mit Lösungen"))) << text.toStdString();
    // The picture is on the first page, red where it was drawn.
    run(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("50"),
                                     QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-singlefile"), pdf,
                                     dir.filePath(QStringLiteral("page"))});
    const QImage first(dir.filePath(QStringLiteral("page.png")));
    ASSERT_FALSE(first.isNull());
    const QColor red = first.pixelColor(first.width() * 400 / 4958, first.height() * 600 / 7016);
    EXPECT_GT(red.red(), 150);
    EXPECT_LT(red.green(), 60);
}

TEST(PrintPort, AnErrorOfTheJobEndsItAndReachesTheCaller)
{
    QTemporaryDir dir;
    TPdfPrintPort printer(dir.filePath(QStringLiteral("x.pdf")));
    EXPECT_THROW(printer.Print(QStringLiteral("x"), [](IPrintCanvas &) { throw VelmoraError(QStringLiteral("kaputt")); }),
                 VelmoraError);
    TPdfPrintPort nowhere(dir.filePath(QStringLiteral("missing/folder/x.pdf")));
    EXPECT_THROW(nowhere.Print(QStringLiteral("x"), [](IPrintCanvas &) {}), VelmoraError)
        << "a printer that cannot be opened is no success";
}

TEST(FileDialogPort, SavingAddsTheDefaultExtensionAndAsksWithAWarningBeforeOverwriting)
{
    QTemporaryDir dir;
    QFile existing(dir.filePath(QStringLiteral("mein.set")));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();
    FakeDialogPort dialogs;
    dialogs.answers = {false, true};
    TWidgetFileDialogPort files(dialogs, false);
    TFileDialogOptions options;
    options.filter = QString::fromLatin1(filedialogs::kSetArchiveFilter);
    options.defaultExtension = QString::fromLatin1(filedialogs::kSetArchiveExtension);
    options.folder = dir.path();

    // "mein" is "mein.set", which exists: "no" brings the dialog back, "yes" takes it.
    {
        FileDialogAnswers answers({QStringLiteral("mein"), QStringLiteral("mein")});
        EXPECT_EQ(files.saveFile(options), dir.filePath(QStringLiteral("mein.set")));
        EXPECT_EQ(answers.filtersShown.value(0), QStringList{QStringLiteral("Velmora-Sets (*.set)")});
    }
    ASSERT_EQ(dialogs.warnings.size(), 2);
    EXPECT_TRUE(dialogs.warnings.value(0).contains(QStringLiteral("mein.set")));

    // A new name is taken without a question; a cancelled dialog answers nothing.
    dialogs.warnings.clear();
    {
        FileDialogAnswers answers({QStringLiteral("neu"), QString()});
        EXPECT_EQ(files.saveFile(options), dir.filePath(QStringLiteral("neu.set")));
        EXPECT_TRUE(files.openFile(options).isEmpty());
    }
    EXPECT_TRUE(dialogs.warnings.isEmpty());
}

TEST(FileDialogPort, FiltersAndDefaultExtensionsAreTakenAsTheProgramWritesThem)
{
    EXPECT_EQ(NameFiltersOf(QStringLiteral("JPEG-Bilder|*.jpg;*.jpeg|Alle Dateien|*")),
              (QStringList{QStringLiteral("JPEG-Bilder (*.jpg *.jpeg)"), QStringLiteral("Alle Dateien (*)")}));
    EXPECT_EQ(WithDefaultExtension(QStringLiteral("/a/b"), QStringLiteral("*.txt")), QStringLiteral("/a/b.txt"));
    EXPECT_EQ(WithDefaultExtension(QStringLiteral("/a/b.set"), QStringLiteral("*.txt")), QStringLiteral("/a/b.set"));
    EXPECT_EQ(WithDefaultExtension(QStringLiteral("/a/b"), QStringLiteral("*")), QStringLiteral("/a/b"));
}

TEST(AnswerOverviewWindow, IsAHiddenToolWindowOnTopOfTheMainWindow)
{
    QWidget mainWindow;
    TUebersichtForm overview(&mainWindow);
    EXPECT_FALSE(overview.isVisible());
    EXPECT_EQ(overview.windowTitle(), QStringLiteral("Übersicht"));
    EXPECT_EQ(overview.size(), QSize(368, 394));
    EXPECT_TRUE(overview.windowFlags() & Qt::Tool);
    EXPECT_TRUE(overview.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(overview.isModal());
}
