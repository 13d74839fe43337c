#pragma once

#include "core/file_dialog_port.h"
#include "core/ports.h"
#include "core/print_port.h"

#include <functional>
#include <memory>

class QPainter;
class QPrinter;

// The ports of the core, answered by the window system.

// Modal message boxes: questions titled "Bestätigung" (question icon, "&Ja" and "&Nein"),
// information boxes titled "Informationen" (information icon, "OK"), plain messages titled with the
// application title and "OK". Line breaks written as CR LF show as line breaks.
class TWidgetDialogPort final : public IDialogPort
{
public:
    void showMessage(const QString &text) override;
    void showInformation(const QString &text) override;
    bool askYesNo(const QString &text) override;
    bool askYesNoWarning(const QString &text) override;
};

// The file dialogs of the window system. Each dialog starts in the folder the last one ended in
// (unless the options name one). Saving over an existing file asks first, through the dialog port.
class TWidgetFileDialogPort final : public IFileDialogPort
{
public:
    // Native dialogs where the desktop has them; tests use Qt's own, which they can drive.
    explicit TWidgetFileDialogPort(IDialogPort &dialogs, bool nativeDialogs = true);
    QString openFile(const TFileDialogOptions &options) override;
    QStringList openFiles(const TFileDialogOptions &options) override;
    QString saveFile(const TFileDialogOptions &options) override;

    // The question before a file is overwritten.
    static QString OverwriteQuestion(const QString &path);

private:
    QStringList Run(const TFileDialogOptions &options, int mode);

    IDialogPort &m_dialogs;
    bool m_native;
    QString m_lastFolder;
};

// Draws on a printer (or a PDF writer) with a painter; the page size is the printable area in
// device pixels.
class TPrinterCanvas final : public IPrintCanvas
{
public:
    // Begins painting on the printer; fails with an error when the printer cannot be opened.
    explicit TPrinterCanvas(QPrinter &printer);
    ~TPrinterCanvas() override;
    // Ends the job; the destructor does it when not done before.
    void End();

    QSize PageSize() const override;
    int Resolution() const override;
    void SetFont(const QString &family, int points, bool bold) override;
    void SetPenWidth(int width) override;
    void TextOut(QPoint topLeft, const QString &text) override;
    void TextRect(const QRect &rectangle, const QString &text) override;
    void Line(QPoint from, QPoint to) override;
    void Rectangle(const QRect &rectangle) override;
    void StretchPicture(const QRect &rectangle, const TBitmap &picture) override;
    void NewPage() override;

private:
    QPrinter &m_printer;
    std::unique_ptr<QPainter> m_painter;
};

// The system's print dialog, then the job on the chosen printer at its high resolution.
class TWidgetPrintPort final : public IPrintPort
{
public:
    bool Print(const QString &title, const std::function<void(IPrintCanvas &canvas)> &job) override;
};

// Prints into a PDF file without a dialog (A4, 600 dpi): for tests and checks of the printed pages.
class TPdfPrintPort final : public IPrintPort
{
public:
    explicit TPdfPrintPort(QString pdfPath) : m_path(std::move(pdfPath)) {}
    bool Print(const QString &title, const std::function<void(IPrintCanvas &canvas)> &job) override;

private:
    QString m_path;
};

// Lets the window system handle what is pending, once: repaints and timers, not user input.
class TWidgetEventPort final : public IEventPort
{
public:
    void processPendingMessages() override;
    // Delivers everything that waits, with the clicks, keys and wheel turns among it swallowed.
    void discardPendingInput() override;
};

// Opens a web address or a file with the system's default program; the result says whether it
// could be handed over.
class TDesktopDocumentPort final : public IDocumentPort
{
public:
    bool openDocument(const QString &address) override;
};

// The system's default beep.
void SystemBeep();
