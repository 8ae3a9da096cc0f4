#include "Icons.h"

bool writeIcons(const QString &) { return false; }
