#pragma once

#include <QByteArray>
#include <QString>

// The private folder of this run for mail attachments: made once (mode 0700) under the
// system's temporary folder, and made afresh should it have gone or been replaced. Throws
// PlatformError "Cannot create file ..." for the file that was to be written there when no
// folder can be made.
QString MailAttachmentFolder(const QString &fileName);

// Creates or replaces the file at path with data, never through a link standing at path
// (that is refused). Throws PlatformError "Cannot create file "<path>". <system's reason>".
void WriteAttachmentFile(const QString &path, const QByteArray &data);
