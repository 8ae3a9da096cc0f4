// Mail hand-off of the shown snapshot.
#include "app/TFrmMain.h"

#include "output/ApplicationMailHost.h"
#include "output/AttachmentFolder.h"
#include "output/JpegFromPicture.h"
#include "output/MailRequest.h"
#include "platform/PictureBox.h"
#include "platform/UserDialogs.h"

void TFrmMain::ToolButton9Click()
{
    if (ImageList.Count() == 0) {
        dialogs().showWarning(QStringLiteral("Není uložen žádný obrázek, nelze odeslat."));
        return;
    }
    const QString fileName = QStringLiteral("foto.jpg");
    const QString path = MailAttachmentFolder(fileName) + QLatin1Char('/') + fileName;
    std::unique_ptr<JpegPicture> jpeg = JpegFromPicture(SaveImage->picture(), 80);
    WriteAttachmentFile(path, jpeg->encoded());
    jpeg.reset();

    // Whether the mail went out is the mail client's business; the command ends either way.
    ApplicationMailHost host(this, dialogs());
    SendMail(host, MailPlaceholderAddress(), QStringLiteral("Fotografie z programu Kadelo - Česelka"),
             QStringLiteral("Fotografie byla vytvořena v programu Kadelo - Česelka, ") + ProductWebAddress(), path);
}
