// Help and about.
#include "app/TFrmMain.h"

#include "app/HelpViewer.h"
#include "app/TAboutBox.h"

#include <QToolBar>

void TFrmMain::Npovda2Click()
{
    // Joined as they stand: at the root folder the path reads "//Help.hlp", which is fine.
    const QString path = applicationFolder() + QStringLiteral("/Help.hlp");
    if (!m_helpViewer)
        m_helpViewer = new HelpViewer(this);
    m_helpViewer->showContents(path);
}

void TFrmMain::Oprogramu1Click()
{
    ToolBar1->repaint();
    m_aboutBox->exec();
}
