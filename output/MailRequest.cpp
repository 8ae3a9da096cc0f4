#include "output/MailRequest.h"

#include "platform/ApplicationTitle.h"
#include "platform/UserDialogs.h"

#include <QByteArray>
#include <list>
#include <vector>

void MailRequest::setValue(const QString &name, const QString &value)
{
    const int index = indexOfName(name);
    if (value.isEmpty()) {
        if (index >= 0)
            m_entries.removeAt(index);
        return;
    }
    const QString entry = name + QLatin1Char('=') + value;
    if (index >= 0)
        m_entries[index] = entry;
    else
        m_entries.append(entry);
}

QString MailRequest::value(const QString &name) const
{
    const int index = indexOfName(name);
    if (index < 0)
        return {};
    const QString &entry = m_entries.at(index);
    return entry.mid(entry.indexOf(QLatin1Char('=')) + 1);
}

int MailRequest::indexOfName(const QString &name) const
{
    for (int i = 0; i < m_entries.size(); ++i) {
        const QString &entry = m_entries.at(i);
        const int equals = entry.indexOf(QLatin1Char('='));
        if (equals >= 0 && QStringView(entry).left(equals).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QStringList MailRequest::attachments() const
{
    QStringList paths;
    for (int n = 0;; ++n) {
        const QString path = value(QStringLiteral("attachment") + QString::number(n));
        if (path.isEmpty())
            return paths;
        paths.append(path);
    }
}

namespace {

// The part of a path after its last "/" (or ":", as a Windows-made request may use).
QString fileNamePart(const QString &path)
{
    const qsizetype cut = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char(':')));
    return path.mid(cut + 1);
}

// Keeps the message's strings alive for the send.
class MessageStrings
{
public:
    const char *add(const QString &text)
    {
        m_strings.push_back(text.toUtf8());
        return m_strings.back().constData();
    }

private:
    std::list<QByteArray> m_strings;
};

class WindowsDisabled
{
public:
    explicit WindowsDisabled(MailHost &host) : m_host(host) { m_host.disableWindows(); }
    ~WindowsDisabled() { m_host.enableWindows(); }
    WindowsDisabled(const WindowsDisabled &) = delete;
    WindowsDisabled &operator=(const WindowsDisabled &) = delete;

private:
    MailHost &m_host;
};

void showSendError(MailHost &owner)
{
    owner.dialogs().showMessage(MailSendErrorText(), QStringLiteral("Error"), MessageIcon::Error);
}

} // namespace

ULONG SendMapiMail(MailHost &owner, const MailRequest &request)
{
    ULONG result = MAPI_E_FAILURE;
    const ULONG_PTR window = owner.windowHandle();
    try {
        LHANDLE session = 0;
        if (MAPILogon(window, "", "", MAPI_LOGON_UI | MAPI_NEW_SESSION, 0, &session) != SUCCESS_SUCCESS) {
            showSendError(owner);
            return MAPI_E_FAILURE;
        }

        MessageStrings strings;
        MapiMessage message;

        MapiRecipDesc recipient;
        const QString to = request.value(QStringLiteral("to"));
        if (!to.isEmpty()) {
            QString name = to;
            QString address = to;
            const qsizetype open = to.indexOf(QLatin1Char('<'));
            const qsizetype close = to.indexOf(QLatin1Char('>'));
            if (open >= 0 && close >= 0) {
                name = to.left(open);
                address = close > open ? to.mid(open + 1, close - open - 1) : QString();
            }
            recipient.ulRecipClass = MAPI_TO;
            recipient.lpszName = strings.add(name);
            recipient.lpszAddress = strings.add(QStringLiteral("SMTP:") + address);
            message.nRecipCount = 1;
            message.lpRecips = &recipient;
        }

        const QStringList attachments = request.attachments();
        std::vector<MapiFileDesc> files(attachments.size());
        for (qsizetype i = 0; i < attachments.size(); ++i) {
            files[i].nPosition = static_cast<ULONG>(-1);
            files[i].lpszPathName = strings.add(attachments.at(i));
            files[i].lpszFileName = strings.add(fileNamePart(attachments.at(i)));
        }
        message.nFileCount = static_cast<ULONG>(files.size());
        message.lpFiles = files.empty() ? nullptr : files.data();

        if (request.has(QStringLiteral("subject")))
            message.lpszSubject = strings.add(request.value(QStringLiteral("subject")));
        if (request.has(QStringLiteral("body")))
            message.lpszNoteText = strings.add(request.value(QStringLiteral("body")));

        {
            WindowsDisabled disabled(owner);
            result = MAPISendMail(session, window, &message, MAPI_DIALOG, 0);
        }
        // A hand-off that reached no mail client is not passed over in silence.
        if (result == MAPI_E_LOGIN_FAILURE)
            showSendError(owner);

        MAPILogoff(session, window, 0, 0);
    } catch (const MapiAbort &) {
        owner.dialogs().showMessage(MailAbortText(), applicationTitle(), MessageIcon::None);
    }
    return result;
}

bool SendMail(MailHost &owner, const QString &recipient, const QString &subject, const QString &body,
              const QString &attachmentPath)
{
    MailRequest request;
    request.setValue(QStringLiteral("to"), MailPlaceholderAddress() + QLatin1Char('<') + recipient + QLatin1Char('>'));
    request.setValue(QStringLiteral("subject"), subject);
    request.setValue(QStringLiteral("attachment0"), attachmentPath);
    request.setValue(QStringLiteral("body"), body);
    return SendMapiMail(owner, request) == SUCCESS_SUCCESS;
}
