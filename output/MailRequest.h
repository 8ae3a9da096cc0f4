#pragma once

#include "output/SimpleMapi.h"

#include <QString>
#include <QStringList>

class UserDialogs;

// The placeholder recipient of a prepared mail, for the user to replace in the compose
// window, and the product's web address that ends its text.
inline QString MailPlaceholderAddress()
{
    return QStringLiteral("adresat@example.com");
}
inline QString ProductWebAddress()
{
    return QStringLiteral("https://www.kadelo.cz/");
}

// A mail request: entries "name=value" in the order added. Names are compared without
// regard to letter case, and an entry whose value is empty counts as absent.
class MailRequest
{
public:
    // Replaces the first entry of that name, or appends one; an empty value removes it.
    void setValue(const QString &name, const QString &value);
    // The value of the first entry of that name; empty when there is none.
    QString value(const QString &name) const;
    bool has(const QString &name) const { return !value(name).isEmpty(); }

    const QStringList &entries() const { return m_entries; }
    // Appends an entry as it stands, as a request read from elsewhere may hold it.
    void append(const QString &entry) { m_entries.append(entry); }

    // The attachments: "attachment0", "attachment1", ... up to the first missing number.
    QStringList attachments() const;

private:
    int indexOfName(const QString &name) const;

    QStringList m_entries;
};

// What a send needs of the application: an owner for its boxes, and its windows, which
// stay disabled while the mail client has the message.
class MailHost
{
public:
    virtual ~MailHost() = default;
    virtual ULONG_PTR windowHandle() const = 0;
    virtual UserDialogs &dialogs() = 0;
    // Disables every visible and enabled window of the application, until enableWindows.
    virtual void disableWindows() = 0;
    virtual void enableWindows() = 0;
};

// The error box of a hand-off that reached no mail client, and the box of an abandoned one.
inline QString MailSendErrorText()
{
    return QStringLiteral("Vyskytla se chyba během odesílání E-mailu");
}
inline QString MailAbortText()
{
    return QStringLiteral("Chyba při zakládání E-mailu");
}

// Sends a request through Simple MAPI: logon, one send with the compose dialog, logoff.
// Returns the Simple MAPI result: 0 for success, 2 when the logon failed, else the send's.
ULONG SendMapiMail(MailHost &owner, const MailRequest &request);

// Builds the mail command's request ("to" is the placeholder name with the recipient's
// address) and sends it; true when the mail client reported success.
bool SendMail(MailHost &owner, const QString &recipient, const QString &subject, const QString &body,
              const QString &attachmentPath);
