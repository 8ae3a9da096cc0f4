#include "platform/FileDialogFilters.h"

#include <QComboBox>
#include <QFileDialog>

namespace FileDialogFilters {

QString forQt(const QString &entry)
{
    const qsizetype open = entry.lastIndexOf(QLatin1Char('('));
    if (open < 0 || !entry.endsWith(QLatin1Char(')')))
        return entry;
    QString patterns = entry.mid(open);
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    return entry.left(open) + patterns;
}

void apply(QFileDialog &dialog, const QStringList &entries, int selected)
{
    QStringList forDialog;
    for (const QString &entry : entries)
        forDialog.append(forQt(entry));
    dialog.setNameFilters(forDialog);
    if (selected >= 0 && selected < forDialog.size())
        dialog.selectNameFilter(forDialog.at(selected));
    // Qt's own dialog lists the filters in this combo box; its texts are only shown.
    if (auto *combo = dialog.findChild<QComboBox *>(QStringLiteral("fileTypeCombo"))) {
        for (int k = 0; k < combo->count() && k < entries.size(); ++k)
            combo->setItemText(k, entries.at(k));
    }
}

int selectedIndex(const QFileDialog &dialog, const QStringList &entries)
{
    const QString chosen = dialog.selectedNameFilter();
    qsizetype index = entries.indexOf(chosen);
    if (index < 0) {
        for (qsizetype k = 0; k < entries.size() && index < 0; ++k) {
            if (forQt(entries.at(k)) == chosen)
                index = k;
        }
    }
    return static_cast<int>(std::max<qsizetype>(index, 0));
}

} // namespace FileDialogFilters
