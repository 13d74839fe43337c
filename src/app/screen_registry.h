#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;
class IScreenContext;
class TModelFrame;

// The screens the main window can show, by screen name. The program knows exactly ten screen names;
// each one whose screen is part of this build registers a factory. Requesting a name that is not one
// of the ten, or whose screen is not part of this build, is refused with an error before anything
// changes.
class TScreenRegistry
{
public:
    using Factory = std::function<TModelFrame *(IScreenContext &context, QWidget *parent)>;
    // Runs after the screen has been shown (the question screen shows its first question there).
    using AfterShown = std::function<void(TModelFrame &screen)>;

    // "welcome", "betreutes", "frage", "versager", "pimp", "nachschlagen", "einstellungen",
    // "girlseditor", "galerie", "bilder".
    static const QStringList &ScreenNames();
    static bool IsScreenName(const QString &screenName);

    // componentName: the name the live screen carries ("WelcomeFrame"); it is taken away when the
    // screen is left. Registering a name that is not a screen name is a programming error and throws.
    void Register(const QString &screenName, const QString &componentName, Factory factory,
                  AfterShown afterShown = {});
    // Raises the error for a screen name that was never registered.
    void CheckRequest(const QString &screenName) const;

    TModelFrame *Create(const QString &screenName, IScreenContext &context, QWidget *parent) const;
    void RunAfterShown(const QString &screenName, TModelFrame &screen) const;

private:
    struct Entry
    {
        QString componentName;
        Factory factory;
        AfterShown afterShown;
    };
    QHash<QString, Entry> m_entries;
};

// Registers every screen of this build. Each screen's unit adds itself here.
void RegisterStandardScreens(TScreenRegistry &registry);
