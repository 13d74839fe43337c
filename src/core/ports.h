#pragma once

#include <QString>

// Small interfaces through which the core asks things of a person, a window or the platform.
// The user interface implements them; tests fake them. The core never includes QtGui or QtWidgets.

// The file dialogs and the printer have ports of their own: core/file_dialog_port.h, core/print_port.h.

// Modal message boxes. Questions are titled "Bestätigung" with the buttons "&Ja" and "&Nein",
// information boxes "Informationen", plain messages carry only "OK".
class IDialogPort
{
public:
    virtual ~IDialogPort() = default;
    virtual void showMessage(const QString &text) = 0;
    virtual void showInformation(const QString &text) = 0;
    virtual bool askYesNo(const QString &text) = 0;
    // The same question with a warning icon, for steps that cannot be undone.
    virtual bool askYesNoWarning(const QString &text) = 0;
};

// Switching the main window to another screen by its screen name ("welcome", "frage", ...).
class IScreenPort
{
public:
    virtual ~IScreenPort() = default;
    virtual void showScreen(const QString &screenName) = 0;
};

// Sounds the core asks for: a cue list from the installation settings (one of its files is drawn),
// a wave file (full path) played to its end before the call returns, and the system's default beep.
class ISoundPort
{
public:
    virtual ~ISoundPort() = default;
    virtual void playCue(const QString &cueList) = 0;
    virtual void playSoundSync(const QString &filePath) = 0;
    virtual void beep() = 0;
};

// Lets the window system handle pending events in the middle of a long step.
class IEventPort
{
public:
    virtual ~IEventPort() = default;
    virtual void processPendingMessages() = 0;
    // At the end of a step that would be wrong to start again inside itself: the clicks and keys the
    // user made while it ran are dropped, not handled after it.
    virtual void discardPendingInput() {}
};

// Hands a file or web address to the system's default program.
class IDocumentPort
{
public:
    virtual ~IDocumentPort() = default;
    virtual bool openDocument(const QString &address) = 0;
};
