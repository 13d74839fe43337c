// Saving the user's progress as it happens, so that a crash or a kill loses nothing already earned.
#include "core/ports.h"
#include "core/stored_user_values.h"
#include "core/velmora_error.h"
#include "data/db_module.h"

#include <QDir>

#include <tuple>

QStringList TMainDataModule::SaveProgress(TProgressTables changed)
{
    QStringList failures;
    if (m_tablesLoaded && changed) {
        QDir().mkpath(m_folders.db);
        const std::tuple<TProgressTable, const char *, TRecordTable *> tables[] = {
            {TProgressTable::Fragen, "fragen.dat", &FragenTable},
            {TProgressTable::TextGruppen, "textgruppen.dat", &TextGruppenTable},
            {TProgressTable::Texte, "texte.dat", &TexteTable},
            {TProgressTable::Bilder, "bilder.dat", &BilderTable},
            {TProgressTable::Sets, "sets.dat", &SetsTable},
            {TProgressTable::Frageboegen, "frageboegen.dat", &FrageboegenTable},
        };
        for (const auto &[flag, file, table] : tables) {
            if (!changed.testFlag(flag))
                continue;
            try {
                // All records, whatever a screen shows: the file must hold the whole table.
                table->SaveAllToFile(m_folders.db + u'/' + QString::fromLatin1(file));
            } catch (const VelmoraError &error) {
                failures << error.message();
            }
        }
    }
    if (m_storedValues.isRestored()) {
        // The class in force is written as the shutdown would write it; the value held for the rest of
        // the run stays the class of the start, which a reset returns to.
        TStoredUserValues values = m_storedValues;
        values.licenceClass = CurrentClass;
        if (!values.Write())
            failures << QStringLiteral("Datei \"%1\" kann nicht erstellt werden").arg(values.settingsFilePath());
    }
    if (!failures.isEmpty() && m_ports.dialogs)
        m_ports.dialogs->showMessage(QStringLiteral("Der Fortschritt konnte nicht gespeichert werden:\r\n\r\n") +
                    failures.join(QStringLiteral("\r\n")) +
                    QStringLiteral("\r\n\r\nBeim Beenden wird es noch einmal versucht."));
    return failures;
}
