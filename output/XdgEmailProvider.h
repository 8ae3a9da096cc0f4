#pragma once

#include "output/SimpleMapi.h"

#include <QString>
#include <QStringList>

// The desktop's mail client as a Simple MAPI provider: a message becomes one run of
// xdg-email, which opens the client's compose window. The send waits for xdg-email to
// exit, at most the given time (a client started by it may keep it until the client
// quits); xdg-email is never killed.
class XdgEmailProvider : public MapiProvider
{
public:
    explicit XdgEmailProvider(QString program, int waitMilliseconds = 15000);

    ULONG logon(ULONG_PTR ulUIParam, const char *profileName, const char *password, FLAGS flags,
                LHANDLE *session) override;
    ULONG sendMail(LHANDLE session, ULONG_PTR ulUIParam, const MapiMessage &message, FLAGS flags) override;
    ULONG logoff(LHANDLE session, ULONG_PTR ulUIParam, FLAGS flags) override;

    // The command line for a message: --utf8 first (without it a Czech subject is cut in
    // the C locale), then subject, body, attachments and the recipients.
    static QStringList arguments(const MapiMessage &message);

private:
    QString m_program;
    int m_waitMilliseconds;
};
