#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;

// The help viewer: a window of its own showing an HTML help file as its contents page.
// A file that is missing or unreadable is reported here, in the viewer's own words.
class HelpViewer : public QWidget
{
    Q_OBJECT

public:
    explicit HelpViewer(QWidget *parent = nullptr);

    // Shows the file's contents page and brings the viewer forward.
    void showContents(const QString &path);

    const QString &helpFile() const { return m_helpFile; }
    QTextBrowser *browser() const { return m_browser; }

private:
    QTextBrowser *m_browser;
    QString m_helpFile;
};
