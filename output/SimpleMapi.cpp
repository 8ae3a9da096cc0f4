#include "output/SimpleMapi.h"

#include "output/XdgEmailProvider.h"

#include <QStandardPaths>

namespace {

struct ProviderSlot
{
    bool lookedUp = false;
    std::unique_ptr<MapiProvider> provider;
};

ProviderSlot &slot()
{
    static ProviderSlot providerSlot;
    return providerSlot;
}

MapiProvider *provider()
{
    if (!slot().lookedUp)
        MapiLookUpProvider();
    return slot().provider.get();
}

} // namespace

void MapiLookUpProvider()
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("xdg-email"));
    MapiSetProvider(program.isEmpty() ? nullptr : std::make_unique<XdgEmailProvider>(program));
}

void MapiSetProvider(std::unique_ptr<MapiProvider> provider)
{
    slot().provider = std::move(provider);
    slot().lookedUp = true;
}

void MapiForgetProvider()
{
    slot().provider.reset();
    slot().lookedUp = false;
}

ULONG MAPILogon(ULONG_PTR ulUIParam, const char *lpszProfileName, const char *lpszPassword, FLAGS flFlags, ULONG,
                LHANDLE *lplhSession)
{
    MapiProvider *mail = provider();
    if (!mail)
        return MapiNotRegistered;
    return mail->logon(ulUIParam, lpszProfileName, lpszPassword, flFlags, lplhSession);
}

ULONG MAPISendMail(LHANDLE lhSession, ULONG_PTR ulUIParam, MapiMessage *lpMessage, FLAGS flFlags, ULONG)
{
    MapiProvider *mail = provider();
    if (!mail)
        return MapiNotRegistered;
    if (!lpMessage)
        return MAPI_E_FAILURE;
    return mail->sendMail(lhSession, ulUIParam, *lpMessage, flFlags);
}

ULONG MAPILogoff(LHANDLE lhSession, ULONG_PTR ulUIParam, FLAGS flFlags, ULONG)
{
    MapiProvider *mail = provider();
    if (!mail)
        return MapiNotRegistered;
    return mail->logoff(lhSession, ulUIParam, flFlags);
}
