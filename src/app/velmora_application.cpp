#include "app/velmora_application.h"

#include "core/velmora_error.h"
#include "controls/balloon_hint.h"
#include "controls/layout_fonts.h"

#include <QMessageBox>
#include <exception>

QString WithFullStop(const QString &text)
{
    if (text.isEmpty() || text.endsWith(u'.'))
        return text;
    return text + u'.';
}

void ReportUnhandledError(const QString &message)
{
    if (auto *application = qobject_cast<TVelmoraApplication *>(QCoreApplication::instance()))
        application->ReportError(message);
    else
        qWarning("%s", qPrintable(WithFullStop(message)));
}

TBalloonHints *InstallBalloonHints()
{
    if (TBalloonHints *existing = TBalloonHints::instance())
        return existing;
    return new TBalloonHints(qApp);
}

TVelmoraApplication::TVelmoraApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Velmora"));
    setApplicationDisplayName(QStringLiteral("Velmora"));
    InstallLayoutFonts();
    m_hints = InstallBalloonHints();
    m_presenter = [](const QString &text) {
        QString shown = text;
        shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        QMessageBox box(QMessageBox::Critical, QStringLiteral("Velmora"), shown, QMessageBox::Ok,
                        QApplication::activeWindow());
        box.exec();
    };
}

TVelmoraApplication::~TVelmoraApplication()
{
    delete m_hints;
}

void TVelmoraApplication::setErrorPresenter(ErrorPresenter presenter)
{
    m_presenter = std::move(presenter);
}

void TVelmoraApplication::ReportError(const QString &message)
{
    if (m_presenter)
        m_presenter(WithFullStop(message));
}

bool TVelmoraApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const VelmoraError &error) {
        ReportError(error.message());
    } catch (const std::exception &error) {
        ReportError(QString::fromUtf8(error.what()));
    }
    return false;
}
