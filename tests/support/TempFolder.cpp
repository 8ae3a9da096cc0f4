#include "tests/support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TempFolder::TempFolder() : m_previous(QDir::currentPath())
{
    QDir::setCurrent(m_dir.path());
}

TempFolder::~TempFolder()
{
    QDir::setCurrent(m_previous);
}

QString TempFolder::makeFolder(const QString &relative) const
{
    QDir(m_dir.path()).mkpath(relative);
    return m_dir.filePath(relative);
}

QString TempFolder::writeFile(const QString &relative, const QByteArray &content) const
{
    const QString path = m_dir.filePath(relative);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
    return path;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
