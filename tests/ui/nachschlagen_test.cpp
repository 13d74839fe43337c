#include "app/vl_nachschlagen.h"
#include "app/vl_wait.h"
#include "app/widget_ports.h"
#include "controls/click_shape.h"
#include "controls/picture_button.h"
#include "core/licence_classes.h"
#include "core/velmora_error.h"
#include "exam/questionnaire_print.h"
#include "support/fakes.h"
#include "support/run_tool.h"
#include "ui/support/frage_fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QRegularExpression>

namespace fb = fields::frageboegen;

namespace {

// Hands the print job to whichever port the test chose.
class ChosenPrintPort final : public IPrintPort
{
public:
    bool Print(const QString &title, const std::function<void(IPrintCanvas &canvas)> &job) override
    {
        return to->Print(title, job);
    }
    IPrintPort *to = nullptr;
};

// A printer that fails after the job has drawn its first page.
class FailingPrintPort final : public IPrintPort
{
public:
    explicit FailingPrintPort(IPrintPort &inner) : m_inner(inner) {}
    bool Print(const QString &title, const std::function<void(IPrintCanvas &canvas)> &job) override
    {
        return m_inner.Print(title, [&job](IPrintCanvas &canvas) {
            job(canvas);
            throw VelmoraError(QStringLiteral("Druckerfehler"));
        });
    }

private:
    IPrintPort &m_inner;
};

class NachschlagenTest : public FrageFixture
{
protected:
    NachschlagenTest()
    {
        lookUpStandIn = false;
        printer = &chosen;
        chosen.to = &fake;
    }

    void SetUp() override
    {
        FrageFixture::SetUp();
        // Questionnaires in table order: B numbers 2, 1, 3; C 1; MO 1. ID 9 of class B lists 31.
        TRecordTable &table = data->FrageboegenTable;
        table.Close();
        table.Open();
        addQuestionnaire(9, "B", 2, firstQuestions(31));
        addQuestionnaire(7, "B", 1, firstQuestions(30));
        addQuestionnaire(8, "B", 3, {2, 3, 1});
        addQuestionnaire(4, "C", 1, {5, 6, 7, 8});
        addQuestionnaire(5, "MO", 1, firstQuestions(20));
        WriteTestBitmap(programPath(QStringLiteral("bmp/GUI_nachschlagen.bmp")), QSize(961, 566),
                        QColor(0x30, 0x30, 0x80));
        pdfPath = folder.filePath(QStringLiteral("sheet.pdf"));
        pdf = std::make_unique<TPdfPrintPort>(pdfPath);
        browse->ShowScreen(QStringLiteral("nachschlagen"));
        screen = qobject_cast<TNachschlagenFrame *>(browse->CurrentScreen());
        ASSERT_NE(screen, nullptr);
    }

    void addQuestionnaire(int id, const char *klasse, int nummer, const QList<int> &questions)
    {
        QStringList lines;
        for (int q : questions)
            lines << QString::number(q);
        TRecordTable &table = data->FrageboegenTable;
        table.Append();
        table.FieldByName(fb::ID).SetAsInteger(id);
        table.FieldByName(fb::Klasse).SetAsString(QString::fromLatin1(klasse));
        table.FieldByName(fb::Nummer).SetAsInteger(nummer);
        table.FieldByName(fb::Fragen).SetAsString(lines.join(QStringLiteral("\r\n")));
        table.Post();
    }

    QStringList numbers() const
    {
        QStringList shown;
        for (int i = 0; i < screen->FragebogenComboBox->count(); ++i)
            shown << screen->FragebogenComboBox->itemText(i);
        return shown;
    }

    void choose(const char *klasse, const char *nummer = nullptr)
    {
        screen->KlasseBox->setCurrentText(QString::fromLatin1(klasse));
        if (nummer)
            screen->FragebogenComboBox->setCurrentText(QString::fromLatin1(nummer));
    }

    // Prints the chosen questionnaire into the PDF file; its pages as text, one entry a page.
    QStringList printToPdf()
    {
        chosen.to = pdf.get();
        screen->DruckenShapeClick();
        const TToolRun info = runTool(QStringLiteral("pdfinfo"), {pdfPath});
        const QRegularExpression pagesLine(QStringLiteral("Pages:\\s+(\\d+)"));
        const int pages = pagesLine.match(info.out).captured(1).toInt();
        QStringList texts;
        for (int k = 1; k <= pages; ++k)
            texts << runTool(QStringLiteral("pdftotext"), {QStringLiteral("-f"), QString::number(k), QStringLiteral("-l"),
                                                         QString::number(k), QStringLiteral("-layout"), pdfPath,
                                                         QStringLiteral("-")})
                         .out;
        return texts;
    }

    static int countOf(const QString &text, const QString &what) { return int(text.count(what)); }

    bool waitWindowLeft() const
    {
        for (QWidget *widget : QApplication::topLevelWidgets())
            if (qobject_cast<TVelmoraWaitForm *>(widget))
                return true;
        return false;
    }

    FakePrintPort fake;
    ChosenPrintPort chosen;
    QString pdfPath;
    std::unique_ptr<TPdfPrintPort> pdf;
    TNachschlagenFrame *screen = nullptr;
};

} // namespace

TEST_F(NachschlagenTest, OffersTheClassesAndTheClassQuestionnairesInTableOrder)
{
    QStringList classes;
    for (int i = 0; i < screen->KlasseBox->count(); ++i)
        classes << screen->KlasseBox->itemText(i);
    EXPECT_EQ(classes, ClassCodes());
    EXPECT_FALSE(screen->KlasseBox->isEditable());
    EXPECT_FALSE(screen->FragebogenComboBox->isEditable());
    EXPECT_EQ(screen->KlasseBox->currentText(), QStringLiteral("B"));
    EXPECT_EQ(numbers(), (QStringList{QStringLiteral("2"), QStringLiteral("1"), QStringLiteral("3")}));
    EXPECT_EQ(screen->FragebogenComboBox->currentText(), QStringLiteral("2"));
    EXPECT_TRUE(screen->FragebogenShape->isVisible());
    EXPECT_TRUE(screen->DruckenShape->isVisible());

    // A class without questionnaires hides both areas; another with questionnaires shows them again.
    choose("A");
    EXPECT_TRUE(numbers().isEmpty());
    EXPECT_FALSE(screen->FragebogenShape->isVisible());
    EXPECT_FALSE(screen->DruckenShape->isVisible());
    choose("MO");
    EXPECT_EQ(numbers(), QStringList{QStringLiteral("1")});
    EXPECT_TRUE(screen->FragebogenShape->isVisible());
    EXPECT_TRUE(screen->DruckenShape->isVisible());
}

TEST_F(NachschlagenTest, StartsFromTheClassInForceOnEveryShow)
{
    browse->ShowScreen(QStringLiteral("welcome"));
    data->CurrentClass = QStringLiteral("C");
    browse->ShowScreen(QStringLiteral("nachschlagen"));
    screen = qobject_cast<TNachschlagenFrame *>(browse->CurrentScreen());
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->KlasseBox->currentText(), QStringLiteral("C"));
    EXPECT_EQ(numbers(), QStringList{QStringLiteral("1")});
}

TEST_F(NachschlagenTest, LooksUpTheChosenQuestionnaireWithoutChangingTheClassInForce)
{
    choose("C");
    screen->FragebogenShapeClick();
    EXPECT_EQ(browse->CurrentScreenName(), QStringLiteral("frage"));
    EXPECT_EQ(data->ViewMode, viewmode::LookingUp);
    EXPECT_EQ(data->CurrentClass, QStringLiteral("B"));
    EXPECT_EQ(data->TestTable.RecordCount(), 4);
    auto *frage = qobject_cast<TFrageFrame *>(browse->CurrentScreen());
    ASSERT_NE(frage, nullptr);
    EXPECT_FALSE(frage->KlasseLabel->isVisible());
    EXPECT_TRUE(frage->AuswahlImage->isVisible());
}

TEST_F(NachschlagenTest, AChoiceNoQuestionnaireMatchesDoesNothing)
{
    buildTest({1, 2});
    // The chosen questionnaire vanished from the table after the numbers were filled.
    ASSERT_TRUE(data->FrageboegenTable.Locate(fb::ID, 9));
    data->FrageboegenTable.Delete();
    screen->FragebogenShapeClick();
    screen->DruckenShapeClick();
    EXPECT_EQ(browse->CurrentScreen(), screen);
    EXPECT_EQ(data->TestTable.RecordCount(), 2);
    EXPECT_TRUE(fake.titles.isEmpty());
}

TEST_F(NachschlagenTest, PrintsThirtyQuestionsOnFivePagesHeadedByNumberAndClass)
{
    choose("B", "1");
    const QStringList pages = printToPdf();
    ASSERT_EQ(pages.size(), 5);
    for (int k = 1; k <= 5; ++k) {
        const QString &page = pages[k - 1];
        EXPECT_EQ(countOf(page, QStringLiteral("Ausdruck Fragebogen Nummer: 1 (Klasse B)")), 1) << k;
        EXPECT_EQ(countOf(page, QStringLiteral("Seite: %1 von 5").arg(k)), 1) << k;
        EXPECT_EQ(countOf(page, QStringLiteral("Frage Nr.: ")), 6) << k;
        EXPECT_TRUE(page.contains(QStringLiteral("Frage Nr.: %1 Fehlerpunkte:").arg(6 * k))) << k;
    }
    EXPECT_FALSE(waitWindowLeft());
    const TToolRun info = runTool(QStringLiteral("pdfinfo"), {pdfPath});
    EXPECT_TRUE(info.out.contains(QStringLiteral("595 x 842 pts (A4)"))) << info.out.toStdString();
}

TEST_F(NachschlagenTest, PagesFollowTheQuestionCount)
{
    choose("B", "2");
    QStringList pages = printToPdf();
    ASSERT_EQ(pages.size(), 6);
    EXPECT_EQ(countOf(pages[5], QStringLiteral("Frage Nr.: ")), 1);
    EXPECT_TRUE(pages[5].contains(QStringLiteral("Seite: 6 von 6")));
    EXPECT_TRUE(pages[0].contains(QStringLiteral("Seite: 1 von 6")));

    choose("MO");
    pages = printToPdf();
    ASSERT_EQ(pages.size(), 4);
    EXPECT_TRUE(pages[0].contains(QStringLiteral("Seite: 1 von 4")));
    EXPECT_TRUE(pages[3].contains(QStringLiteral("Seite: 4 von 4")));
    EXPECT_TRUE(pages[3].contains(QStringLiteral("Ausdruck Fragebogen Nummer: 1 (Klasse MO)")));
}

TEST_F(NachschlagenTest, ABlockNamesItsPlaceInThisQuestionnaireAndMarksTheAnswers)
{
    // Questionnaire B 3 lists 2, 3, 1: question 1 stands third, its picture is wide, 3's unreadable.
    choose("B", "3");
    const QStringList pages = printToPdf();
    ASSERT_EQ(pages.size(), 1);
    const QString &page = pages[0];
    EXPECT_TRUE(page.contains(QStringLiteral("Frage Nr.: 3 Fehlerpunkte: 4")));
    EXPECT_TRUE(page.contains(QStringLiteral("Frage Nr.: 1 Fehlerpunkte: 2")));
    EXPECT_TRUE(page.contains(QStringLiteral("X Antwort A")));
    EXPECT_TRUE(page.contains(QStringLiteral("0 Antwort B")));
    EXPECT_TRUE(page.contains(QStringLiteral("X Antwort C")));
    EXPECT_TRUE(page.contains(QStringLiteral("0 Ja")));
    EXPECT_TRUE(page.contains(QStringLiteral("X Nein")));
    // The number question prints its template as the correct answer, its empty slots nothing.
    EXPECT_TRUE(page.contains(QStringLiteral("X Es sind (Lsg: 42) Meter.")));
    const QRegularExpression loneMark(QStringLiteral("(^|\\s)[X0]\\s*$"), QRegularExpression::MultilineOption);
    EXPECT_FALSE(loneMark.match(page).hasMatch()) << page.toStdString();
}

TEST_F(NachschlagenTest, TheSheetShowsThePicturesThatCanBeRead)
{
    // One page, rendered: the wide red picture of question 1 is there, the unreadable one and the
    // question without a picture print their blocks without one.
    choose("B", "3");
    printToPdf();
    const QString png = folder.filePath(QStringLiteral("page"));
    ASSERT_EQ(runTool(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("50"),
                                                   QStringLiteral("-singlefile"), pdfPath, png})
                  .exitCode,
              0);
    const QImage image(png + QStringLiteral(".png"));
    ASSERT_FALSE(image.isNull());
    int red = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 150 && c.green() < 90 && c.blue() < 90)
                ++red;
        }
    EXPECT_GT(red, 100);
}

TEST_F(NachschlagenTest, CancellingTheDialogPrintsNothingButTheTestIsReplaced)
{
    fake.cancel = true;
    choose("C");
    screen->DruckenShapeClick();
    EXPECT_TRUE(fake.titles.isEmpty());
    EXPECT_EQ(data->TestTable.RecordCount(), 4);
    EXPECT_FALSE(waitWindowLeft());
}

TEST_F(NachschlagenTest, APrinterErrorEndsTheJobAndClosesTheWaitWindow)
{
    FailingPrintPort failing(*pdf);
    chosen.to = &failing;
    const QString filter = data->FragenTable.Filter();
    choose("C");
    EXPECT_THROW(screen->DruckenShapeClick(), VelmoraError);
    EXPECT_FALSE(waitWindowLeft());
    // The job was ended: the file is a whole PDF of the page drawn.
    EXPECT_EQ(runTool(QStringLiteral("pdfinfo"), {pdfPath}).exitCode, 0);
    EXPECT_EQ(data->FragenTable.Filter(), filter);
}

TEST(QuestionnairePrintTest, ABlockNeverOutgrowsItsSlot)
{
    namespace qp = questionnaire_print;
    // 1200 dpi, 600 dpi with narrow and wide margins, a screen-resolution printer.
    EXPECT_EQ(qp::BlockScale(9583.0 / 595), 8);
    EXPECT_EQ(qp::BlockScale(4792.0 / 595), 4);
    EXPECT_EQ(qp::BlockScale(7.83), 3);
    EXPECT_EQ(qp::BlockScale(1.289), 1);
    for (double s = 2; s < 40; s += 0.01) {
        const int t = qp::BlockScale(s);
        EXPECT_LE(t * qp::kBlockWidthUnits, qp::kSlotWidthUnits * s) << s;
        EXPECT_LE(t * qp::kBlockHeightUnits, qp::kSlotHeightUnits * s) << s;
    }
    EXPECT_EQ(qp::PageCount(30), 5);
    EXPECT_EQ(qp::PageCount(31), 6);
}
