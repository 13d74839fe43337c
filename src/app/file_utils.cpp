#include "app/file_utils.h"

#include "app/ZephFileList.h"

#include <QDir>
#include <QFile>
#include <filesystem>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

fs::path toPath(const QString &path)
{
    return fs::path(QFile::encodeName(path).toStdString());
}

QString fromPath(const fs::path &path)
{
    return QFile::decodeName(QByteArray::fromStdString(path.native()));
}

// "*" and "?" against the name, letters folded to upper case.
bool matchWildcards(QStringView name, QStringView pattern)
{
    qsizetype n = 0, p = 0;
    qsizetype starPattern = -1, starName = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == u'*') {
            starPattern = p++;
            starName = n;
        } else if (p < pattern.size() &&
                   (pattern[p] == u'?' || pattern[p].toCaseFolded() == name[n].toCaseFolded())) {
            ++p;
            ++n;
        } else if (starPattern >= 0) {
            p = starPattern + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*')
        ++p;
    return p == pattern.size();
}

// The folder and file pattern halves of "folder/pattern".
std::pair<QString, QString> splitPattern(const QString &pattern)
{
    const qsizetype slash = pattern.lastIndexOf(u'/');
    if (slash < 0)
        return {QStringLiteral("."), pattern};
    return {slash == 0 ? QStringLiteral("/") : pattern.left(slash), pattern.mid(slash + 1)};
}

std::vector<fs::path> matchingEntries(const QString &pattern)
{
    const auto [folder, filePattern] = splitPattern(pattern);
    std::vector<fs::path> matches;
    if (filePattern.isEmpty())
        return matches;
    std::error_code error;
    for (fs::directory_iterator it(toPath(folder), error), end; !error && it != end; it.increment(error)) {
        if (MatchesFilePattern(fromPath(it->path().filename()), filePattern))
            matches.push_back(it->path());
    }
    return matches;
}

bool isInside(const fs::path &candidate, const fs::path &folder)
{
    std::error_code error;
    const fs::path c = fs::weakly_canonical(candidate, error);
    if (error)
        return false;
    const fs::path f = fs::weakly_canonical(folder, error);
    if (error)
        return false;
    auto ci = c.begin();
    for (auto fi = f.begin(); fi != f.end(); ++fi, ++ci) {
        if (fi->empty())
            continue; // trailing separator
        if (ci == c.end() || *ci != *fi)
            return false;
    }
    return true;
}

bool copyEntry(const fs::path &source, const fs::path &destinationFolder)
{
    std::error_code error;
    const fs::path target = destinationFolder / source.filename();
    const fs::file_status status = fs::symlink_status(source, error);
    if (error)
        return false;

    // A link to a file is copied as the file it leads to; a link to a folder (which might lead round in
    // a circle) or to nothing is copied as a link.
    if (fs::is_symlink(status) && !fs::is_regular_file(fs::status(source, error))) {
        if (fs::is_directory(fs::symlink_status(target, error)))
            return false;
        fs::remove(target, error);
        fs::copy_symlink(source, target, error);
        return !error;
    }

    if (fs::is_directory(status)) {
        if (isInside(target, source))
            return false; // a folder copied into itself would never end
        fs::create_directories(target, error);
        if (error || !fs::is_directory(target))
            return false;
        bool ok = true;
        for (fs::directory_iterator it(source, error), end; !error && it != end; it.increment(error))
            ok = copyEntry(it->path(), target) && ok;
        return ok && !error;
    }

    if (!fs::is_symlink(status) && !fs::is_regular_file(status))
        return true; // sockets, pipes and devices are not copied

    // A link in the way is replaced, never written through.
    if (fs::is_symlink(fs::symlink_status(target, error)))
        fs::remove(target, error);
    if (fs::exists(target, error) && fs::equivalent(source, target, error))
        return true;
    if (!fs::copy_file(source, target, fs::copy_options::overwrite_existing, error)) {
        // A read-only file in the way is replaced all the same.
        if (fs::is_directory(fs::symlink_status(target)))
            return false;
        std::error_code removeError;
        fs::remove(target, removeError);
        error.clear();
        if (!fs::copy_file(source, target, fs::copy_options::overwrite_existing, error))
            return false;
    }
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, error);
    return true;
}

} // namespace

bool MatchesFilePattern(const QString &name, const QString &pattern)
{
    if (matchWildcards(name, pattern))
        return true;
    if (pattern.endsWith(QLatin1String(".*")))
        return matchWildcards(name, QStringView(pattern).chopped(2));
    return false;
}

bool CopyFiles(const QString &sourcePattern, const QString &destinationFolder)
{
    const std::vector<fs::path> entries = matchingEntries(sourcePattern);
    const fs::path destination = toPath(destinationFolder);
    std::error_code error;
    fs::create_directories(destination, error);
    if (!fs::is_directory(destination, error))
        return false;
    bool ok = true;
    for (const fs::path &entry : entries)
        ok = copyEntry(entry, destination) && ok;
    return ok;
}

bool DeleteFiles(const QString &pattern)
{
    bool ok = true;
    for (const fs::path &entry : matchingEntries(pattern)) {
        std::error_code error;
        fs::remove_all(entry, error);
        ok = ok && !error;
    }
    return ok;
}

bool DeleteTree(const QString &folder, IEventPort *events)
{
    for (const QString &path : ListFiles(folder, events))
        QFile::remove(path);
    if (!folder.isEmpty())
        QDir().rmdir(folder); // succeeds only when nothing is left in it
    return true;
}
