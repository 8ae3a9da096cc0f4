#pragma once

#include <QByteArray>
#include <QString>

// Writes data to path through a temporary file in the same folder, renamed over the target
// only when everything is written: a failed write leaves an existing file as it was and no
// partial file behind. Throws PlatformError "Cannot create file "<path>". <system's reason>".
void writeFileSafely(const QString &path, const QByteArray &data);
