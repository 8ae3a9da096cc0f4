#include "app/KadeloWindows.h"
#include "app/TFrmMain.h"
#include "platform/QtUserDialogs.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QStyleFactory>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kadelo"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/kadelo.png")));

    QtUserDialogs dialogs;
    KadeloWindows windows = createWindows(dialogs);
    TFrmMain &main = *windows.FrmMain;
    dialogs.setOwner(&main);

    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    main.move(screen.center() - main.rect().center());
    main.show();
    return QApplication::exec();
}
