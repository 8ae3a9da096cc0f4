#include "app/KadeloWindows.h"

#include "app/TAboutBox.h"
#include "app/TFrmMain.h"
#include "output/TFormExport.h"
#include "output/TFrmNahled.h"

// The icons and portraits are compiled into this static library, where nothing else would pull
// them into a program or a test; every user of the windows links this file.
static const bool resourcesRegistered = [] {
    Q_INIT_RESOURCE(kadelo);
    return true;
}();

KadeloWindows::KadeloWindows() = default;
KadeloWindows::KadeloWindows(KadeloWindows &&) noexcept = default;
KadeloWindows &KadeloWindows::operator=(KadeloWindows &&other) noexcept
{
    if (this != &other) {
        close();
        FrmMain = std::move(other.FrmMain);
        AboutBox = std::move(other.AboutBox);
        FormExport = std::move(other.FormExport);
        FrmNahled = std::move(other.FrmNahled);
    }
    return *this;
}

KadeloWindows::~KadeloWindows()
{
    close();
}

void KadeloWindows::close()
{
    // The dialogs are the main window's children: they go first, so the main window does not
    // delete them a second time.
    FrmNahled.reset();
    FormExport.reset();
    AboutBox.reset();
    FrmMain.reset();
}

KadeloWindows createWindows(UserDialogs &dialogs)
{
    KadeloWindows windows;
    windows.FrmMain = std::make_unique<TFrmMain>(dialogs);
    windows.AboutBox = std::make_unique<TAboutBox>(windows.FrmMain.get());
    windows.FormExport = std::make_unique<TFormExport>(windows.FrmMain.get());
    windows.FrmNahled = std::make_unique<TFrmNahled>(windows.FrmMain.get());
    windows.FrmMain->attachDialogs(windows.AboutBox.get(), windows.FormExport.get(), windows.FrmNahled.get());
    return windows;
}
