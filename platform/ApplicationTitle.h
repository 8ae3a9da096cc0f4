#pragma once

#include <QString>

// The application's title: the caption of its standard error box and its own message boxes.
inline QString applicationTitle()
{
    return QStringLiteral("Kadelo - Česelka");
}
