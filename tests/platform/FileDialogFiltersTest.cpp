// Qt's file dialog with filter entries whose patterns are separated by ';': every entry
// keeps its text in the dialog's list and filters by all of its patterns.
#include "platform/FileDialogFilters.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QTest>

class FileDialogFiltersTest : public QObject
{
    Q_OBJECT

private:
    const QStringList entries{QStringLiteral("(*.png;*.jpg;*.JFIF)"), QStringLiteral("JPEG images (*.jpeg)"),
                              QStringLiteral("SGI black/white images (*.bw)")};

    static QStringList activePatterns(QFileDialog &dialog)
    {
        return dialog.findChild<QFileSystemModel *>()->nameFilters();
    }

private Q_SLOTS:
    void forQt_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("expected");
        QTest::newRow("combined") << "(*.png;*.jpg)"
                                  << "(*.png *.jpg)";
        QTest::newRow("one pattern") << "Windows icons (*.ico)"
                                     << "Windows icons (*.ico)";
        QTest::newRow("parentheses in the description") << "Icons (small;big) (*.ico;*.cur)"
                                                        << "Icons (small;big) (*.ico *.cur)";
        QTest::newRow("no pattern list") << "All; files"
                                         << "All; files";
    }

    void forQt()
    {
        QFETCH(QString, entry);
        QFETCH(QString, expected);
        QCOMPARE(FileDialogFilters::forQt(entry), expected);
    }

    void dialogShowsTheEntriesAndFiltersByEveryPattern()
    {
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        FileDialogFilters::apply(dialog, entries, 0);
        auto *combo = dialog.findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
        QVERIFY(combo);
        QStringList shown;
        for (int k = 0; k < combo->count(); ++k)
            shown.append(combo->itemText(k));
        QCOMPARE(shown, entries);
        QCOMPARE(activePatterns(dialog), (QStringList{"*.png", "*.jpg", "*.JFIF"}));
        QCOMPARE(FileDialogFilters::selectedIndex(dialog, entries), 0);

        // The user picks the third entry.
        combo->setCurrentIndex(2);
        Q_EMIT combo->activated(2);
        QCOMPARE(activePatterns(dialog), QStringList{"*.bw"});
        QCOMPARE(FileDialogFilters::selectedIndex(dialog, entries), 2);
    }

    void selectedEntryIsPreselected()
    {
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        FileDialogFilters::apply(dialog, entries, 1);
        QCOMPARE(activePatterns(dialog), QStringList{"*.jpeg"});
        QCOMPARE(FileDialogFilters::selectedIndex(dialog, entries), 1);
    }
};

QTEST_MAIN(FileDialogFiltersTest)
#include "FileDialogFiltersTest.moc"
