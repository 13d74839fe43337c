#pragma once

#include "core/ports.h"

#include <functional>

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
};

// Lets the window system handle what is pending, once: repaints and timers, not user input.
class TWidgetEventPort final : public IEventPort
{
public:
    void processPendingMessages() override;
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
