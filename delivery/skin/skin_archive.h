#pragma once

#include <QByteArray>
#include <QString>

#include <string>
#include <utility>
#include <vector>

namespace velmora::skin {

// Writes a zip archive whose members are stored uncompressed (JPEG does not shrink under deflate), in
// the given order, all with one fixed date, so the same members give the same bytes. Returns an empty
// text on success, else the reason.
QString writeStoredZip(const QString &path, const std::vector<std::pair<std::string, QByteArray>> &members);

} // namespace velmora::skin
