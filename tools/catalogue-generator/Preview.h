#pragma once

#include <QString>

// Contact sheets of every hairstyle of the catalogue laid over both portraits, the way the
// fitting area shows them at start, one PNG per category, for looking at the catalogue.
bool writePreviews(const QString &dataFolder, const QString &photoFolder, const QString &outFolder, bool guideLines);
