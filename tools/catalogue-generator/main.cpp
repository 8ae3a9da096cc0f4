// Draws the data the program ships: the hairstyle catalogue with its thumbnails, the tool bar
// and application icons, and the two portraits. Run it from anywhere; paths are arguments.

#include "Hairstyles.h"
#include "Icons.h"
#include "Portraits.h"
#include "Preview.h"

#include <QGuiApplication>
#include <QTextStream>

namespace {

int usage()
{
    QTextStream(stderr) << "usage: kadelo_catalogue_generator catalogue <data-folder>\n"
                           "       kadelo_catalogue_generator icons <icons-folder>\n"
                           "       kadelo_catalogue_generator portraits <fixture-portraits-folder> <photos-folder>\n"
                           "       kadelo_catalogue_generator preview <data-folder> <photos-folder> <out-folder> "
                           "[--guides]\n";
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    // Drawing only; no window is ever shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments().mid(1);
    if (args.isEmpty())
        return usage();

    const QString &command = args.first();
    bool ok = false;
    if (command == QLatin1String("catalogue") && args.size() == 2)
        ok = writeCatalogue(args[1]);
    else if (command == QLatin1String("icons") && args.size() == 2)
        ok = writeIcons(args[1]);
    else if (command == QLatin1String("portraits") && args.size() == 3)
        ok = writePortraits(args[1], args[2]);
    else if (command == QLatin1String("preview") && (args.size() == 4 || args.size() == 5))
        ok = writePreviews(args[1], args[2], args[3], args.size() == 5 && args[4] == QLatin1String("--guides"));
    else
        return usage();
    return ok ? 0 : 1;
}
