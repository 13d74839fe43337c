#include "core/file_utils.h"

#include "core/ZephFileList.h"

#include <QDir>
#include <QFile>
#include <algorithm>
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

// ancestors: the real paths of the folders being copied around this entry, to stop a link that leads
// back into one of them.
bool copyEntry(const fs::path &source, const fs::path &destinationFolder, std::vector<fs::path> &ancestors)
{
    std::error_code error;
    const fs::path target = destinationFolder / source.filename();
    fs::file_status status = fs::symlink_status(source, error);
    if (error)
        return false;

    // A link is copied as what it leads to, so the destination never holds a link (one into the
    // source would make the copy share the source's files). A link that leads nowhere cannot be copied.
    if (fs::is_symlink(status)) {
        status = fs::status(source, error);
        if (error || !fs::exists(status))
            return false;
    }

    if (fs::is_directory(status)) {
        const fs::path real = fs::canonical(source, error);
        if (error)
            return false;
        if (std::find(ancestors.begin(), ancestors.end(), real) != ancestors.end())
            return false; // a link back into a folder being copied would go round in a circle
        if (isInside(target, source))
            return false; // a folder copied into itself would never end
        // A link in the way is replaced, never written through.
        if (fs::is_symlink(fs::symlink_status(target, error)))
            fs::remove(target, error);
        fs::create_directories(target, error);
        if (error || !fs::is_directory(fs::symlink_status(target, error)))
            return false;
        ancestors.push_back(real);
        bool ok = true;
        for (fs::directory_iterator it(source, error), end; !error && it != end; it.increment(error))
            ok = copyEntry(it->path(), target, ancestors) && ok;
        ancestors.pop_back();
        return ok && !error;
    }

    if (!fs::is_regular_file(status))
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
    // The folder the pattern names counts as being copied: a link back to it is a circle too.
    std::vector<fs::path> ancestors;
    const fs::path sourceFolder = fs::canonical(toPath(splitPattern(sourcePattern).first), error);
    if (!error)
        ancestors.push_back(sourceFolder);
    for (const fs::path &entry : entries)
        ok = copyEntry(entry, destination, ancestors) && ok;
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
