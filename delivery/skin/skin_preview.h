#pragma once

#include <QImage>
#include <QString>

#include <utility>
#include <vector>

namespace velmora::skin {

// Writes every picture as <name>.png into folder, and mock-ups of the 1008 x 765 main window showing
// each screen with its skin pictures at their layout places and sample contents in the controls
// ("mockup_<screen>.png"). The pictures are given as decoded from the archive. Returns an empty text on
// success, else the reason.
QString writePreview(const QString &folder, const std::vector<std::pair<QString, QImage>> &pictures);

} // namespace velmora::skin
