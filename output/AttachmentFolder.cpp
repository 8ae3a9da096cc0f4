#include "output/AttachmentFolder.h"

#include "platform/PlatformError.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool isOurPrivateFolder(const QByteArray &path)
{
    struct stat info
    {};
    return lstat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == geteuid() &&
           (info.st_mode & 0777) == 0700;
}

[[noreturn]] void cannotCreate(const QString &path, int error)
{
    throw PlatformError(
        QStringLiteral("Cannot create file \"%1\". %2").arg(path, QString::fromLocal8Bit(std::strerror(error))));
}

} // namespace

QString MailAttachmentFolder(const QString &fileName)
{
    static QByteArray folder;
    if (!folder.isEmpty() && isOurPrivateFolder(folder))
        return QFile::decodeName(folder);

    QByteArray pattern = QFile::encodeName(QDir::tempPath() + QStringLiteral("/kadelo-mail-XXXXXX"));
    if (!mkdtemp(pattern.data()))
        cannotCreate(QFile::decodeName(pattern) + QLatin1Char('/') + fileName, errno);
    folder = pattern;
    return QFile::decodeName(folder);
}

void WriteAttachmentFile(const QString &path, const QByteArray &data)
{
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        cannotCreate(path, errno);
    qsizetype written = 0;
    while (written < data.size()) {
        const ssize_t n = ::write(fd, data.constData() + written, static_cast<size_t>(data.size() - written));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const int error = n < 0 ? errno : ENOSPC;
            ::close(fd);
            cannotCreate(path, error);
        }
        written += n;
    }
    if (::close(fd) != 0)
        cannotCreate(path, errno);
}
