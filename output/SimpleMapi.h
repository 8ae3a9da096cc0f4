#pragma once

#include <cstdint>
#include <memory>

// Simple MAPI as the mail command uses it: the message records and the three calls, behind
// a provider that is looked up once, at the first call. Strings are zero-terminated UTF-8.

using ULONG = std::uint32_t;
using FLAGS = std::uint32_t;
using ULONG_PTR = std::uintptr_t;
using LHANDLE = std::uintptr_t;

constexpr ULONG SUCCESS_SUCCESS = 0;
constexpr ULONG MAPI_USER_ABORT = 1;
constexpr ULONG MAPI_E_FAILURE = 2;
constexpr ULONG MAPI_E_LOGIN_FAILURE = 3;

constexpr FLAGS MAPI_LOGON_UI = 0x1;
constexpr FLAGS MAPI_NEW_SESSION = 0x2;
constexpr FLAGS MAPI_DIALOG = 0x8;

constexpr ULONG MAPI_ORIG = 0;
constexpr ULONG MAPI_TO = 1;

struct MapiRecipDesc
{
    ULONG ulReserved = 0;
    ULONG ulRecipClass = 0;
    const char *lpszName = nullptr;
    const char *lpszAddress = nullptr;
    ULONG ulEIDSize = 0;
    void *lpEntryID = nullptr;
};

struct MapiFileDesc
{
    ULONG ulReserved = 0;
    ULONG flFlags = 0;
    ULONG nPosition = 0;
    const char *lpszPathName = nullptr;
    const char *lpszFileName = nullptr;
    void *lpFileType = nullptr;
};

struct MapiMessage
{
    ULONG ulReserved = 0;
    const char *lpszSubject = nullptr;
    const char *lpszNoteText = nullptr;
    const char *lpszMessageType = nullptr;
    const char *lpszDateReceived = nullptr;
    const char *lpszConversationID = nullptr;
    FLAGS flFlags = 0;
    MapiRecipDesc *lpOriginator = nullptr;
    ULONG nRecipCount = 0;
    MapiRecipDesc *lpRecips = nullptr;
    ULONG nFileCount = 0;
    MapiFileDesc *lpFiles = nullptr;
};

// A mail client reached through Simple MAPI.
class MapiProvider
{
public:
    virtual ~MapiProvider() = default;
    virtual ULONG logon(ULONG_PTR ulUIParam, const char *profileName, const char *password, FLAGS flags,
                        LHANDLE *session) = 0;
    virtual ULONG sendMail(LHANDLE session, ULONG_PTR ulUIParam, const MapiMessage &message, FLAGS flags) = 0;
    virtual ULONG logoff(LHANDLE session, ULONG_PTR ulUIParam, FLAGS flags) = 0;
};

// Raised by a provider when the hand-off is abandoned half way; the sender reports it with
// its own box and carries on.
class MapiAbort
{};

ULONG MAPILogon(ULONG_PTR ulUIParam, const char *lpszProfileName, const char *lpszPassword, FLAGS flFlags,
                ULONG ulReserved, LHANDLE *lplhSession);
ULONG MAPISendMail(LHANDLE lhSession, ULONG_PTR ulUIParam, MapiMessage *lpMessage, FLAGS flFlags, ULONG ulReserved);
ULONG MAPILogoff(LHANDLE lhSession, ULONG_PTR ulUIParam, FLAGS flFlags, ULONG ulReserved);

// Without a registered provider every call returns this at once.
constexpr ULONG MapiNotRegistered = 1;

// Decides the provider for the rest of the run: the desktop's mail client through
// xdg-email when xdg-email is on PATH, else none. The calls above do this at the first call.
void MapiLookUpProvider();
// Puts a provider in place of the looked-up one (nullptr: none registered). For tests,
// and for forgetting a lookup so the next call looks again (MapiForgetProvider).
void MapiSetProvider(std::unique_ptr<MapiProvider> provider);
void MapiForgetProvider();
