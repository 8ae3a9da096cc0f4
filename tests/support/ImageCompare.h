#pragma once

#include <QImage>
#include <QString>

// Compares two pictures pixel by pixel (as opaque RGB). Returns an empty string when they
// are equal, else a description of the first difference, for a test's failure message.
QString compareImages(const QImage &actual, const QImage &expected);
