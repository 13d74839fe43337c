#include "app/widget_ports.h"

#include "controls/bitmap_image.h"
#include "controls/layout_fonts.h"
#include "core/velmora_error.h"

#include <QApplication>
#include <QFileDialog>
#include <QPainter>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

namespace {

QString shownText(const QString &text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

void showBox(QMessageBox::Icon icon, const QString &title, const QString &text)
{
    QMessageBox box(icon, title, shownText(text), QMessageBox::NoButton, QApplication::activeWindow());
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
}

} // namespace

void TWidgetDialogPort::showMessage(const QString &text)
{
    showBox(QMessageBox::NoIcon, QStringLiteral("Velmora"), text);
}

void TWidgetDialogPort::showInformation(const QString &text)
{
    showBox(QMessageBox::Information, QStringLiteral("Informationen"), text);
}

namespace {

bool askQuestion(QMessageBox::Icon icon, const QString &text)
{
    QMessageBox box(icon, QStringLiteral("Bestätigung"), shownText(text), QMessageBox::NoButton,
                    QApplication::activeWindow());
    QPushButton *yes = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
    QPushButton *no = box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

} // namespace

bool TWidgetDialogPort::askYesNo(const QString &text)
{
    return askQuestion(QMessageBox::Question, text);
}

bool TWidgetDialogPort::askYesNoWarning(const QString &text)
{
    return askQuestion(QMessageBox::Warning, text);
}

void TWidgetEventPort::processPendingMessages()
{
    // Repaints and timers run; clicks and keys wait until the step that asked has finished, so no
    // user action can start inside it.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

namespace {

// Eats every event of user input while it is installed on the application.
class TInputSwallower final : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Wheel:
            return true;
        default:
            return QObject::eventFilter(watched, event);
        }
    }
};

} // namespace

void TWidgetEventPort::discardPendingInput()
{
    TInputSwallower swallower;
    QCoreApplication::instance()->installEventFilter(&swallower);
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    QCoreApplication::instance()->removeEventFilter(&swallower);
}

bool TDesktopDocumentPort::openDocument(const QString &address)
{
    if (address.isEmpty())
        return false;
    const QUrl url(address, QUrl::StrictMode);
    // A bare path (or a drive-less relative one) is a file; anything with a scheme is an address.
    if (url.isValid() && url.scheme().size() > 1)
        return QDesktopServices::openUrl(url);
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(address).absoluteFilePath()));
}

void SystemBeep()
{
    QApplication::beep();
}

// ---------------------------------------------------------------- file dialogs

namespace {
enum DialogMode { OpenOne, OpenSeveral, Save };
} // namespace

TWidgetFileDialogPort::TWidgetFileDialogPort(IDialogPort &dialogs, bool nativeDialogs)
    : m_dialogs(dialogs), m_native(nativeDialogs)
{
}

QString TWidgetFileDialogPort::OverwriteQuestion(const QString &path)
{
    return QStringLiteral("%1 ist bereits vorhanden.\r\nMöchten Sie die Datei ersetzen?")
        .arg(QDir::toNativeSeparators(path));
}

QStringList TWidgetFileDialogPort::Run(const TFileDialogOptions &options, int mode)
{
    QFileDialog dialog(QApplication::activeWindow(), options.title);
    dialog.setOption(QFileDialog::DontUseNativeDialog, !m_native);
    // The overwrite question is the program's own, in German, through the dialog port.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setAcceptMode(mode == Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(mode == OpenSeveral ? QFileDialog::ExistingFiles
                       : mode == OpenOne   ? QFileDialog::ExistingFile
                                           : QFileDialog::AnyFile);
    const QStringList filters = NameFiltersOf(options.filter);
    if (!filters.isEmpty())
        dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(SuffixOf(options.defaultExtension));
    const QString folder = !options.folder.isEmpty() ? options.folder : m_lastFolder;
    if (!folder.isEmpty())
        dialog.setDirectory(folder);
    if (!options.fileName.isEmpty())
        dialog.selectFile(options.fileName);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    m_lastFolder = dialog.directory().absolutePath();
    QStringList chosen;
    const QStringList selected = dialog.selectedFiles();
    for (const QString &path : selected)
        chosen << WithDefaultExtension(path, options.defaultExtension);
    return chosen;
}

QString TWidgetFileDialogPort::openFile(const TFileDialogOptions &options)
{
    return Run(options, OpenOne).value(0);
}

QStringList TWidgetFileDialogPort::openFiles(const TFileDialogOptions &options)
{
    return Run(options, OpenSeveral);
}

QString TWidgetFileDialogPort::saveFile(const TFileDialogOptions &options)
{
    TFileDialogOptions again = options;
    for (;;) {
        const QString path = Run(again, Save).value(0);
        if (path.isEmpty() || !QFileInfo::exists(path) || m_dialogs.askYesNoWarning(OverwriteQuestion(path)))
            return path;
        // Not overwritten: the dialog comes back with the name, so that another can be chosen.
        again.folder = QFileInfo(path).absolutePath();
        again.fileName = QFileInfo(path).fileName();
    }
}

// ---------------------------------------------------------------- printing

TPrinterCanvas::TPrinterCanvas(QPrinter &printer) : m_printer(printer), m_painter(std::make_unique<QPainter>())
{
    if (!m_painter->begin(&printer))
        throw VelmoraError(QStringLiteral("Drucker kann nicht geöffnet werden"));
    SetFont(QString::fromLatin1(kLayoutDesignFamily), 8, false);
}

TPrinterCanvas::~TPrinterCanvas()
{
    End();
}

void TPrinterCanvas::End()
{
    if (m_painter->isActive())
        m_painter->end();
}

QSize TPrinterCanvas::PageSize() const
{
    return m_printer.pageLayout().paintRectPixels(m_printer.resolution()).size();
}

int TPrinterCanvas::Resolution() const
{
    return m_printer.resolution();
}

void TPrinterCanvas::SetFont(const QString &family, int points, bool bold)
{
    QFont font;
    if (family.isEmpty() || family == QString::fromLatin1(kLayoutDesignFamily))
        font = LayoutFont(points, bold ? TFontStyle::Bold : TFontStyle::Normal);
    else
        font = QFont(family, points, bold ? QFont::Bold : QFont::Normal);
    // Point sizes on paper: the printer's resolution decides the pixels.
    font.setPointSizeF(points);
    m_painter->setFont(font);
}

void TPrinterCanvas::SetPenWidth(int width)
{
    QPen pen = m_painter->pen();
    pen.setWidth(width);
    m_painter->setPen(pen);
}

void TPrinterCanvas::TextOut(QPoint topLeft, const QString &text)
{
    const QFontMetrics metrics(m_painter->font(), &m_printer);
    m_painter->drawText(topLeft + QPoint(0, metrics.ascent()), text);
}

void TPrinterCanvas::TextRect(const QRect &rectangle, const QString &text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_painter->save();
    m_painter->setClipRect(rectangle);
    m_painter->drawText(rectangle, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextExpandTabs, shown);
    m_painter->restore();
}

void TPrinterCanvas::Line(QPoint from, QPoint to)
{
    m_painter->drawLine(from, to);
}

void TPrinterCanvas::Rectangle(const QRect &rectangle)
{
    m_painter->drawRect(rectangle);
}

void TPrinterCanvas::StretchPicture(const QRect &rectangle, const TBitmap &picture)
{
    const QImage image = ImageView(picture);
    if (!image.isNull())
        m_painter->drawImage(rectangle, image);
}

void TPrinterCanvas::NewPage()
{
    if (!m_printer.newPage())
        throw VelmoraError(QStringLiteral("Druckerfehler: neue Seite nicht möglich"));
}

namespace {

bool runJob(QPrinter &printer, const QString &title, const std::function<void(IPrintCanvas &canvas)> &job)
{
    printer.setDocName(title);
    TPrinterCanvas canvas(printer);
    job(canvas);
    canvas.End();
    return true;
}

} // namespace

bool TWidgetPrintPort::Print(const QString &title, const std::function<void(IPrintCanvas &canvas)> &job)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    // The sheet is laid out for an A4 page upright: another paper or a landscape page would cut
    // blocks off.
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    return runJob(printer, title, job);
}

bool TPdfPrintPort::Print(const QString &title, const std::function<void(IPrintCanvas &canvas)> &job)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setResolution(600);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setOutputFileName(m_path);
    return runJob(printer, title, job);
}
