#pragma once

#include <QString>

// Writes every tool bar icon and the application icon (with its desktop sizes) as PNG.
bool writeIcons(const QString &iconFolder);
