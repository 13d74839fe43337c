#include "app/screen_registry.h"

#include "core/velmora_error.h"
#include "screen/vl_model.h"

const QStringList &TScreenRegistry::ScreenNames()
{
    static const QStringList names = {
        QStringLiteral("welcome"),      QStringLiteral("betreutes"),     QStringLiteral("frage"),
        QStringLiteral("versager"),     QStringLiteral("pimp"),          QStringLiteral("nachschlagen"),
        QStringLiteral("einstellungen"), QStringLiteral("girlseditor"), QStringLiteral("galerie"),
        QStringLiteral("bilder"),
    };
    return names;
}

bool TScreenRegistry::IsScreenName(const QString &screenName)
{
    // Exactly and with case: "Welcome" is no screen name.
    return ScreenNames().contains(screenName, Qt::CaseSensitive);
}

void TScreenRegistry::Register(const QString &screenName, const QString &componentName, Factory factory,
                               AfterShown afterShown)
{
    if (!IsScreenName(screenName))
        throw VelmoraError(QStringLiteral("Unbekannte Seite \"%1\"").arg(screenName));
    m_entries.insert(screenName, Entry{componentName, std::move(factory), std::move(afterShown)});
}

void TScreenRegistry::CheckRequest(const QString &screenName) const
{
    if (!m_entries.contains(screenName))
        throw VelmoraError(QStringLiteral("Unbekannte Seite \"%1\"").arg(screenName));
}

TModelFrame *TScreenRegistry::Create(const QString &screenName, IScreenContext &context, QWidget *parent) const
{
    CheckRequest(screenName);
    const Entry &entry = m_entries[screenName];
    TModelFrame *screen = entry.factory(context, parent);
    screen->setObjectName(entry.componentName);
    return screen;
}

void TScreenRegistry::RunAfterShown(const QString &screenName, TModelFrame &screen) const
{
    const auto it = m_entries.constFind(screenName);
    if (it != m_entries.constEnd() && it->afterShown)
        it->afterShown(screen);
}
