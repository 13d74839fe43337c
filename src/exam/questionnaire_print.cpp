// Printing a questionnaire as a solution sheet: every question with its error points, its text, its
// three answers marked "X " (correct) or "0 " and its picture.
#include "exam/questionnaire_print.h"

#include "core/print_port.h"
#include "core/random_generator.h"
#include "core/velmora_error.h"
#include "data/db_module.h"
#include "data/filter_guard.h"
#include "data/table_fields.h"
#include "pictures/jpeg_decoder.h"

#include <QFileInfo>
#include <QList>

namespace questionnaire_print {

int BlockScale(double pageScale)
{
    const auto fits = [pageScale](std::int64_t t) {
        return t * kBlockWidthUnits <= kSlotWidthUnits * pageScale &&
               t * kBlockHeightUnits <= kSlotHeightUnits * pageScale;
    };
    const std::int64_t preferred = nearest(pageScale / 2);
    if (preferred >= 1 && fits(preferred))
        return int(preferred);
    std::int64_t t = preferred;
    while (t > 1 && !fits(t))
        --t;
    return int(std::max<std::int64_t>(t, 1));
}

QRect BlockElement(int x0, int y0, int t, int left, int top, int width, int height)
{
    const QPoint from(int(nearest(double(left) * t)) + x0, int(nearest(double(top) * t)) + y0);
    const QPoint to(int(nearest(double(left + width) * t)) + x0, int(nearest(double(top + height) * t)) + y0);
    return QRect(from, QSize(to.x() - from.x(), to.y() - from.y()));
}

int PageCount(int questions)
{
    return (questions + kBlocksPerPage - 1) / kBlocksPerPage;
}

} // namespace questionnaire_print

namespace {

namespace qp = questionnaire_print;
namespace ff = fields::fragen;

struct TSlot
{
    int left, top;
};
constexpr TSlot kSlots[qp::kBlocksPerPage] = {{40, 115}, {300, 115}, {40, 305}, {300, 305}, {40, 495}, {300, 495}};

struct TPrintedQuestion
{
    int frageId;
    int nrInTest;
};

// The picture of a question, or none when its file is missing or cannot be read: a sheet with one
// picture left out is worth more than no sheet.
TBitmap QuestionPicture(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return TBitmap();
    try {
        return DecodeJpegFile(path);
    } catch (const VelmoraError &) {
        return TBitmap();
    }
}

void PrintPageFrame(IPrintCanvas &canvas, double s, const QString &header, int page, int pages)
{
    canvas.TextOut(QPoint(int(nearest(255 * s)), int(nearest(700 * s))),
                   QStringLiteral("Seite: %1 von %2").arg(page).arg(pages));
    canvas.TextOut(QPoint(int(nearest(40 * s)), int(nearest(80 * s))), header);
}

} // namespace

void TMainDataModule::PrintQuestionBlock(IPrintCanvas &canvas, int x0, int y0, int t, int frageId, int nrInTest)
{
    {
        TFilterGuard filter(FragenTable);
        FragenTable.SetFiltered(false);
        if (FragenTable.Locate(ff::ID, frageId)) {
            canvas.TextOut(QPoint(x0, y0), QStringLiteral("Frage Nr.: %1 Fehlerpunkte: %2")
                                               .arg(nrInTest)
                                               .arg(FragenTable.FieldByName(ff::Fehlerpunkte).AsInteger()));
            const QRect rule = qp::BlockElement(x0, y0, t, 0, 22, 508, 6);
            canvas.Line(rule.topLeft(), QPoint(rule.left() + rule.width(), rule.top()));
            canvas.TextRect(qp::BlockElement(x0, y0, t, 0, 25, 266, 151), FragenTable.FieldByName(ff::Frage).AsString());

            const bool numberQuestion = FragenTable.FieldByName(ff::Fragetyp).AsInteger() == fragetyp::Number;
            const QLatin1String texts[] = {ff::Antwort1, ff::Antwort2, ff::Antwort3};
            const QLatin1String marks[] = {ff::Antwort1kreuz, ff::Antwort2kreuz, ff::Antwort3kreuz};
            for (int k = 0; k < 3; ++k) {
                const QString text = FragenTable.FieldByName(texts[k]).AsString();
                if (text.isEmpty())
                    continue;
                // A number question's template carries its solution: it is the correct answer.
                const bool correct = FragenTable.FieldByName(marks[k]).AsBoolean() || (numberQuestion && k == 0);
                canvas.TextRect(qp::BlockElement(x0, y0, t, 0, 175 + 55 * k, 506, 56),
                                (correct ? QStringLiteral("X ") : QStringLiteral("0 ")) + text);
            }

            const QString bild = FragenTable.FieldByName(ff::Bild).AsString();
            if (!bild.isEmpty()) {
                const TBitmap picture = QuestionPicture(Folders().dbImg + QLatin1Char('/') + bild);
                if (picture.width() > 0 && picture.height() > 0) {
                    QRect panel = qp::BlockElement(x0, y0, t, 265, 25, 241, 151);
                    panel.setWidth(int(nearest(double(picture.width()) * panel.height() / picture.height())));
                    canvas.StretchPicture(panel, picture);
                }
            }
        }
    }
    const QPoint corner(x0 - 10, y0 - 10);
    const QPoint end(int(nearest(double(qp::kBlockWidthUnits) * t + x0)) + 10,
                     int(nearest(double(qp::kBlockHeightUnits) * t + y0)) + 10);
    canvas.Rectangle(QRect(corner, end));
}

bool TMainDataModule::PrintQuestionnaire(int questionnaireId, IPrintPort &printer)
{
    BuildTestFromQuestionnaire(questionnaireId);
    if (TestTable.IsEmpty())
        return false;
    // BuildTestFromQuestionnaire stands on the questionnaire's record.
    const QString header = QStringLiteral("Ausdruck Fragebogen Nummer: %1 (Klasse %2)")
                               .arg(FrageboegenTable.FieldByName(fields::frageboegen::Nummer).AsString(),
                                    FrageboegenTable.FieldByName(fields::frageboegen::Klasse).AsString());

    QList<TPrintedQuestion> questions;
    TField frageId = TestTable.FieldByName(fields::test::FrageID);
    TField nrInTest = TestTable.FieldByName(fields::test::NrInTest);
    for (TestTable.First(); !TestTable.Eof(); TestTable.Next())
        questions.append({frageId.AsInteger(), nrInTest.AsInteger()});
    TestTable.First();

    const int pages = qp::PageCount(int(questions.size()));
    return printer.Print(header, [&](IPrintCanvas &canvas) {
        const double s = double(canvas.PageSize().width()) / qp::kPageWidthUnits;
        const int t = qp::BlockScale(s);
        int page = 1;
        PrintPageFrame(canvas, s, header, page, pages);
        int slot = 0;
        for (const TPrintedQuestion &question : questions) {
            if (slot == qp::kBlocksPerPage) {
                canvas.NewPage();
                PrintPageFrame(canvas, s, header, ++page, pages);
                slot = 0;
            }
            PrintQuestionBlock(canvas, int(nearest(kSlots[slot].left * s)), int(nearest(kSlots[slot].top * s)), t,
                               question.frageId, question.nrInTest);
            ++slot;
        }
    });
}
