#include "app/HelpViewer.h"

#include <QFile>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

HelpViewer::HelpViewer(QWidget *parent) : QWidget(parent, Qt::Window), m_browser(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(QStringLiteral("Nápověda"));
    m_browser->setObjectName(QStringLiteral("HelpBrowser"));
    m_browser->setOpenExternalLinks(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    resize(900, 640);
}

void HelpViewer::showContents(const QString &path)
{
    m_helpFile = path;
    const QFileInfo info(path);
    QFile file(path);
    QString problem;
    if (!info.exists())
        problem = QStringLiteral("Soubor neexistuje.");
    else if (!info.isFile())
        problem = QStringLiteral("Není to soubor.");
    else if (!file.open(QIODevice::ReadOnly))
        problem = file.errorString();
    if (!problem.isEmpty()) {
        m_browser->clear();
        m_browser->setPlainText(QStringLiteral("Soubor nápovědy „%1“ nelze otevřít.\n%2").arg(path, problem));
    } else {
        file.close();
        m_browser->setSource(QUrl::fromLocalFile(info.absoluteFilePath()), QTextDocument::HtmlResource);
    }
    show();
    raise();
    activateWindow();
}
