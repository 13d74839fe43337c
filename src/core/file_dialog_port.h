#pragma once

#include <QString>
#include <QStringList>

// What a file dialog is opened with. The filter is written as the program's dialogs name it,
// "description|pattern[;pattern]" pairs joined by "|" ("Velmora-Sets|*.set"); the default extension
// ("*.set" or "set") is added to a typed name that has none.
struct TFileDialogOptions
{
    QString title;
    QString filter;
    QString defaultExtension;
    QString folder;   // where the dialog starts; empty: where it was last
    QString fileName; // the name it proposes
};

// The filters and default extensions of the program's file dialogs.
namespace filedialogs {
inline constexpr const char *kSetArchiveFilter = "Velmora-Sets|*.set";
inline constexpr const char *kSetArchiveExtension = "*.set";
inline constexpr const char *kTextFileFilter = "Textdatein|*.txt";
inline constexpr const char *kTextFileExtension = "*.txt";
inline constexpr const char *kPictureFilter = "JPEG-Bilder|*.jpg;*.jpeg;*.jpe;*.jfif|Alle Dateien|*";
} // namespace filedialogs

// The open-file and save-file dialogs. Every call answers the chosen path(s), or nothing when the
// user cancelled; chosen files to open exist.
class IFileDialogPort
{
public:
    virtual ~IFileDialogPort() = default;
    virtual QString openFile(const TFileDialogOptions &options) = 0;
    virtual QStringList openFiles(const TFileDialogOptions &options) = 0;
    // Asks before an existing file is overwritten; "no" lets the user choose again.
    virtual QString saveFile(const TFileDialogOptions &options) = 0;
};

// The filter as Qt's dialogs take it: "Velmora-Sets (*.set)", one entry per pair.
QStringList NameFiltersOf(const QString &filter);
// The bare suffix of a default extension: "*.set" and ".set" give "set".
QString SuffixOf(const QString &defaultExtension);
// The chosen name with the default extension added when it has none.
QString WithDefaultExtension(const QString &path, const QString &defaultExtension);
