// Export of the shown snapshot.
#include "app/TFrmMain.h"

#include "output/BmpWriter.h"
#include "output/JpegFromPicture.h"
#include "output/TFormExport.h"
#include "platform/PictureBox.h"
#include "platform/UserDialogs.h"

#include <QDir>
#include <QFileInfo>

namespace {

// "*.*" means every file, as it did where these filters come from; on Linux that is "*".
const QStringList JpegFilters{QStringLiteral("JPG (*.jpg)"), QStringLiteral("*.* (*)")};
const QStringList BmpFilters{QStringLiteral("BMP (*.bmp)"), QStringLiteral("*.* (*)")};

} // namespace

QString TFrmMain::askExportFile(SaveDialogMemory &memory, const QStringList &filters, const QString &suffix)
{
    FileDialogRequest request;
    request.filters = filters;
    request.selectedFilter = memory.filter;
    request.fileName = memory.fileName;
    request.defaultSuffix = suffix;
    request.confirmOverwrite = true;
    const FileDialogResult result = dialogs().saveFile(request);
    if (!result.accepted || result.fileName.isEmpty())
        return {};

    QString fileName = result.fileName;
    // A name typed without an extension under the first filter gets the default one (the
    // dialog does this already; a name that reaches us without it still gets it).
    if (result.selectedFilter == 0 && !QFileInfo(fileName).fileName().contains(QLatin1Char('.')))
        fileName += QLatin1Char('.') + suffix;
    memory.fileName = fileName;
    memory.filter = result.selectedFilter;
    // The working folder follows the folder saved into; no path of ours depends on it.
    QDir::setCurrent(QFileInfo(fileName).absolutePath());
    return fileName;
}

void TFrmMain::ToolButton21Click()
{
    if (ImageList.Count() == 0) {
        dialogs().showWarning(QStringLiteral("Není uložen žádný obrázek, nelze exportovat."));
        return;
    }
    if (m_formExport == nullptr)
        return;
    m_formExport->exec();

    switch (m_formExport->exportChoice()) {
    case 1: {
        const std::unique_ptr<JpegPicture> j = JpegFromPicture(SaveImage->picture(), 80);
        const QString fileName = askExportFile(SavePictureDialog2, JpegFilters, QStringLiteral("jpg"));
        if (!fileName.isEmpty())
            j->saveToFile(fileName);
        break;
    }
    case 0: {
        const QString fileName = askExportFile(SavePictureDialog1, BmpFilters, QStringLiteral("bmp"));
        if (!fileName.isEmpty())
            saveBmpFile(SaveImage->picture(), fileName);
        break;
    }
    default:
        break;
    }
}
