#pragma once

#include <QStringList>

class QFileDialog;

// Name filters for Qt's own file dialog given as "Description (*.a;*.b)" entries. Qt reads
// only spaces between the patterns of an entry, so each entry is handed to the dialog with
// spaces there, and the dialog's list shows the entry's text as given.
namespace FileDialogFilters {

// The entry as Qt's dialog reads it: the last parenthesised pattern list with ';' as spaces.
QString forQt(const QString &entry);

void apply(QFileDialog &dialog, const QStringList &entries, int selected);

// Index of the entry chosen in the dialog, 0 when none matches.
int selectedIndex(const QFileDialog &dialog, const QStringList &entries);

} // namespace FileDialogFilters
