#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A fresh folder for one test, made the process's working folder while it lives (the
// program takes its application folder from the working folder). The previous working
// folder comes back when it goes.
class TempFolder
{
public:
    TempFolder();
    ~TempFolder();

    TempFolder(const TempFolder &) = delete;
    TempFolder &operator=(const TempFolder &) = delete;

    QString path() const { return m_dir.path(); }
    QString file(const QString &relative) const { return m_dir.filePath(relative); }

    // Makes a folder (with its parents) below this one and returns its path.
    QString makeFolder(const QString &relative) const;
    // Writes a file below this one (making its folder) and returns its path.
    QString writeFile(const QString &relative, const QByteArray &content) const;

private:
    QTemporaryDir m_dir;
    QString m_previous;
};

// The whole content of a file; empty when it cannot be read.
QByteArray readAll(const QString &path);
