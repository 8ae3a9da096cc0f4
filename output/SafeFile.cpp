#include "output/SafeFile.h"

#include "platform/PlatformError.h"

#include <QSaveFile>

void writeFileSafely(const QString &path, const QByteArray &data)
{
    QSaveFile file(path);
    // Never write in place: a failure must not leave a half-written target.
    file.setDirectWriteFallback(false);
    const auto fail = [&] {
        const QString reason = file.errorString();
        file.cancelWriting();
        throw PlatformError(QStringLiteral("Cannot create file \"%1\". %2").arg(path, reason));
    };
    if (!file.open(QIODevice::WriteOnly))
        fail();
    if (file.write(data) != data.size())
        fail();
    if (!file.commit())
        fail();
}
