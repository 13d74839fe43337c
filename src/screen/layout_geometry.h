#pragma once

#include "layout/layout_rect.h"

#include <QRect>
#include <QString>
#include <QWidget>

// A layout entry as Qt geometry, and a control placed by it (name and rectangle).
inline QRect RectOf(const TLayoutRect &place)
{
    return QRect(place.left, place.top, place.width, place.height);
}

inline QString NameOf(const TLayoutRect &place)
{
    return QString::fromLatin1(place.name.data(), qsizetype(place.name.size()));
}

template <typename Control>
Control *Placed(Control *control, const TLayoutRect &place)
{
    control->setObjectName(NameOf(place));
    control->setGeometry(RectOf(place));
    return control;
}
