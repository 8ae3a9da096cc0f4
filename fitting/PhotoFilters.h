#pragma once

#include <QStringList>

// The entries of the open-photo dialog's filter, in order; the first, combined entry is
// the one selected when the dialog opens.
QStringList openPhotoFilters();
