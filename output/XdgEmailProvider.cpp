#include "output/XdgEmailProvider.h"

#include <QEventLoop>
#include <QObject>
#include <QProcess>
#include <QTimer>

namespace {

// xdg-email's exit codes.
constexpr int XdgFileMissing = 2;
constexpr int XdgNoMailProgram = 3;

constexpr ULONG MAPI_CC = 2;
constexpr ULONG MAPI_BCC = 3;
constexpr ULONG MAPI_E_ATTACHMENT_NOT_FOUND = 11;

QString text(const char *value)
{
    return value ? QString::fromUtf8(value) : QString();
}

QString recipient(const MapiRecipDesc &recip)
{
    QString address = text(recip.lpszAddress);
    if (address.startsWith(QLatin1String("SMTP:"), Qt::CaseInsensitive))
        address = address.mid(5);
    const QString name = text(recip.lpszName).trimmed();
    if (address.isEmpty())
        return name;
    if (name.isEmpty())
        return address;
    return name + QStringLiteral(" <") + address + QLatin1Char('>');
}

} // namespace

XdgEmailProvider::XdgEmailProvider(QString program, int waitMilliseconds)
    : m_program(std::move(program)), m_waitMilliseconds(waitMilliseconds)
{}

ULONG XdgEmailProvider::logon(ULONG_PTR, const char *, const char *, FLAGS, LHANDLE *session)
{
    // There is no session to open; xdg-email runs once per message.
    if (session)
        *session = 1;
    return SUCCESS_SUCCESS;
}

QStringList XdgEmailProvider::arguments(const MapiMessage &message)
{
    QStringList arguments{QStringLiteral("--utf8")};
    if (message.lpszSubject)
        arguments << QStringLiteral("--subject") << text(message.lpszSubject);
    if (message.lpszNoteText)
        arguments << QStringLiteral("--body") << text(message.lpszNoteText);
    for (ULONG i = 0; message.lpFiles && i < message.nFileCount; ++i)
        arguments << QStringLiteral("--attach") << text(message.lpFiles[i].lpszPathName);
    QStringList to;
    for (ULONG i = 0; message.lpRecips && i < message.nRecipCount; ++i) {
        const MapiRecipDesc &recip = message.lpRecips[i];
        const QString value = recipient(recip);
        if (value.isEmpty())
            continue;
        if (recip.ulRecipClass == MAPI_CC)
            arguments << QStringLiteral("--cc") << value;
        else if (recip.ulRecipClass == MAPI_BCC)
            arguments << QStringLiteral("--bcc") << value;
        else
            to << value;
    }
    return arguments + to;
}

ULONG XdgEmailProvider::sendMail(LHANDLE, ULONG_PTR, const MapiMessage &message, FLAGS)
{
    // Lives on its own: if xdg-email outlasts the wait it is left running (never killed)
    // and the object goes once the process ends.
    auto *process = new QProcess;
    process->setProgram(m_program);
    process->setArguments(arguments(message));
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->start();
    if (!process->waitForStarted()) {
        delete process;
        return MAPI_E_LOGIN_FAILURE;
    }

    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(process, &QProcess::finished, &loop, &QEventLoop::quit);
    timer.start(m_waitMilliseconds);
    if (process->state() != QProcess::NotRunning)
        loop.exec(QEventLoop::ExcludeUserInputEvents);

    if (process->state() != QProcess::NotRunning) {
        QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
        return SUCCESS_SUCCESS;
    }

    const bool crashed = process->exitStatus() != QProcess::NormalExit;
    const int code = process->exitCode();
    process->deleteLater();
    if (crashed)
        return MAPI_E_FAILURE;
    switch (code) {
    case 0:
        return SUCCESS_SUCCESS;
    case XdgNoMailProgram:
        return MAPI_E_LOGIN_FAILURE;
    case XdgFileMissing:
        return MAPI_E_ATTACHMENT_NOT_FOUND;
    default:
        return MAPI_E_FAILURE;
    }
}

ULONG XdgEmailProvider::logoff(LHANDLE, ULONG_PTR, FLAGS)
{
    return SUCCESS_SUCCESS;
}
