#include "app/widget_ports.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
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

bool TWidgetDialogPort::askYesNo(const QString &text)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Bestätigung"), shownText(text), QMessageBox::NoButton,
                    QApplication::activeWindow());
    QPushButton *yes = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
    QPushButton *no = box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

void TWidgetEventPort::processPendingMessages()
{
    // Repaints and timers run; clicks and keys wait until the step that asked has finished, so no
    // user action can start inside it.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
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
