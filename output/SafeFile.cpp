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
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        fail();
    // A short write is retried: the retry either goes on or fails with the system's reason.
    for (qsizetype done = 0; done < data.size();) {
        const qint64 written = file.write(data.constData() + done, data.size() - done);
        if (written <= 0)
            fail();
        done += static_cast<qsizetype>(written);
    }
    if (!file.commit())
        fail();
}
