// The mail request and its Simple MAPI message, through a provider that records the send.
#include "output/MailRequest.h"
#include "output/XdgEmailProvider.h"
#include "tests/support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <optional>
#include <string>
#include <vector>

namespace {

// What the provider saw of a message, copied out while its strings were alive.
struct SentRecipient
{
    ULONG ulReserved, ulRecipClass;
    std::string name, address;
    ULONG ulEIDSize;
    void *lpEntryID;
};
struct SentFile
{
    ULONG ulReserved, flFlags, nPosition;
    std::string pathName, fileName;
    void *lpFileType;
};
struct SentMessage
{
    MapiMessage raw;
    std::optional<std::string> subject, noteText;
    std::vector<SentRecipient> recipients;
    std::vector<SentFile> files;
    FLAGS flags = 0;
    bool windowsDisabledDuringSend = false;
};

class Host : public MailHost
{
public:
    ULONG_PTR windowHandle() const override { return 42; }
    UserDialogs &dialogs() override { return shown; }
    void disableWindows() override { disabled = true; }
    void enableWindows() override { disabled = false; }

    ScriptedDialogs shown;
    bool disabled = false;
};

class RecordingProvider : public MapiProvider
{
public:
    explicit RecordingProvider(Host &host) : m_host(host) {}

    ULONG logon(ULONG_PTR ui, const char *profile, const char *password, FLAGS flags, LHANDLE *session) override
    {
        calls.push_back("logon");
        logonWindow = ui;
        logonFlags = flags;
        logonProfileEmpty = profile && !*profile && password && !*password;
        *session = 7;
        return logonResult;
    }
    ULONG sendMail(LHANDLE session, ULONG_PTR, const MapiMessage &message, FLAGS flags) override
    {
        calls.push_back("send");
        if (abortSend)
            throw MapiAbort();
        EXPECT_EQ(session, 7u);
        SentMessage sent;
        sent.raw = message;
        sent.flags = flags;
        sent.windowsDisabledDuringSend = m_host.disabled;
        if (message.lpszSubject)
            sent.subject = message.lpszSubject;
        if (message.lpszNoteText)
            sent.noteText = message.lpszNoteText;
        for (ULONG i = 0; i < message.nRecipCount; ++i) {
            const MapiRecipDesc &r = message.lpRecips[i];
            sent.recipients.push_back(
                {r.ulReserved, r.ulRecipClass, r.lpszName, r.lpszAddress, r.ulEIDSize, r.lpEntryID});
        }
        for (ULONG i = 0; i < message.nFileCount; ++i) {
            const MapiFileDesc &f = message.lpFiles[i];
            sent.files.push_back({f.ulReserved, f.flFlags, f.nPosition, f.lpszPathName, f.lpszFileName, f.lpFileType});
        }
        this->sent = sent;
        return sendResult;
    }
    ULONG logoff(LHANDLE session, ULONG_PTR, FLAGS) override
    {
        EXPECT_EQ(session, 7u);
        calls.push_back("logoff");
        return 0;
    }

    std::vector<std::string> calls;
    ULONG_PTR logonWindow = 0;
    FLAGS logonFlags = 0;
    bool logonProfileEmpty = false;
    ULONG logonResult = SUCCESS_SUCCESS;
    ULONG sendResult = SUCCESS_SUCCESS;
    bool abortSend = false;
    std::optional<SentMessage> sent;

private:
    Host &m_host;
};

class MailSendTest : public testing::Test
{
protected:
    void SetUp() override
    {
        auto recording = std::make_unique<RecordingProvider>(host);
        provider = recording.get();
        MapiSetProvider(std::move(recording));
    }
    void TearDown() override { MapiForgetProvider(); }

    Host host;
    RecordingProvider *provider = nullptr;
};

TEST_F(MailSendTest, MailCommandRequestFillsTheRecordsAsTheMailClientExpects)
{
    const bool sent =
        SendMail(host, QStringLiteral("prijemce@example.com"), QStringLiteral("Fotografie z programu Kadelo - Česelka"),
                 QStringLiteral("Text"), QStringLiteral("/tmp/kadelo-mail-x/foto.jpg"));
    EXPECT_TRUE(sent);
    EXPECT_EQ(provider->calls, (std::vector<std::string>{"logon", "send", "logoff"}));
    EXPECT_EQ(provider->logonWindow, 42u);
    EXPECT_EQ(provider->logonFlags, MAPI_LOGON_UI | MAPI_NEW_SESSION);
    EXPECT_TRUE(provider->logonProfileEmpty);

    ASSERT_TRUE(provider->sent);
    const SentMessage &message = *provider->sent;
    EXPECT_EQ(message.flags, MAPI_DIALOG);
    EXPECT_EQ(message.raw.ulReserved, 0u);
    EXPECT_EQ(message.raw.lpszMessageType, nullptr);
    EXPECT_EQ(message.raw.lpszDateReceived, nullptr);
    EXPECT_EQ(message.raw.lpszConversationID, nullptr);
    EXPECT_EQ(message.raw.flFlags, 0u);
    EXPECT_EQ(message.raw.lpOriginator, nullptr);
    EXPECT_EQ(message.subject, "Fotografie z programu Kadelo - Česelka");
    EXPECT_EQ(message.noteText, "Text");

    ASSERT_EQ(message.recipients.size(), 1u);
    const SentRecipient &to = message.recipients[0];
    EXPECT_EQ(to.ulReserved, 0u);
    EXPECT_EQ(to.ulRecipClass, MAPI_TO);
    EXPECT_EQ(to.name, MailPlaceholderAddress().toStdString());
    EXPECT_EQ(to.address, "SMTP:prijemce@example.com");
    EXPECT_EQ(to.ulEIDSize, 0u);
    EXPECT_EQ(to.lpEntryID, nullptr);

    ASSERT_EQ(message.files.size(), 1u);
    const SentFile &file = message.files[0];
    EXPECT_EQ(file.ulReserved, 0u);
    EXPECT_EQ(file.flFlags, 0u);
    EXPECT_EQ(file.nPosition, static_cast<ULONG>(-1));
    EXPECT_EQ(file.pathName, "/tmp/kadelo-mail-x/foto.jpg");
    EXPECT_EQ(file.fileName, "foto.jpg");
    EXPECT_EQ(file.lpFileType, nullptr);

    EXPECT_TRUE(message.windowsDisabledDuringSend);
    EXPECT_FALSE(host.disabled);
    EXPECT_TRUE(host.shown.shown.isEmpty());
}

struct RequestCase
{
    const char *name;
    QStringList entries;
    // Expected message: recipients as "name|address", attachments as "path|file name".
    QStringList recipients;
    QStringList files;
    std::optional<std::string> subject;
    std::optional<std::string> body;
};

class MailRequestTableTest : public MailSendTest, public testing::WithParamInterface<RequestCase>
{};

TEST_P(MailRequestTableTest, BuildsTheMessage)
{
    MailRequest request;
    for (const QString &entry : GetParam().entries)
        request.append(entry);
    EXPECT_EQ(SendMapiMail(host, request), SUCCESS_SUCCESS);
    ASSERT_TRUE(provider->sent);
    const SentMessage &message = *provider->sent;

    QStringList recipients;
    for (const SentRecipient &r : message.recipients)
        recipients << QString::fromStdString(r.name + "|" + r.address);
    EXPECT_EQ(recipients, GetParam().recipients);
    EXPECT_EQ(message.raw.nRecipCount, static_cast<ULONG>(recipients.size()));
    EXPECT_EQ(message.raw.lpRecips == nullptr, recipients.isEmpty());

    QStringList files;
    for (const SentFile &f : message.files)
        files << QString::fromStdString(f.pathName + "|" + f.fileName);
    EXPECT_EQ(files, GetParam().files);
    EXPECT_EQ(message.raw.lpFiles == nullptr, files.isEmpty());

    EXPECT_EQ(message.subject, GetParam().subject);
    EXPECT_EQ(message.noteText, GetParam().body);
}

INSTANTIATE_TEST_SUITE_P(
    Table, MailRequestTableTest,
    testing::Values(
        RequestCase{"ToWithoutAngleBracketsIsNameAndAddress",
                    {"to=jan@example.com"},
                    {"jan@example.com|SMTP:jan@example.com"},
                    {},
                    std::nullopt,
                    std::nullopt},
        RequestCase{"ToWithDisplayName",
                    {"to=Jan Novák <jan@example.com> x"},
                    {"Jan Novák |SMTP:jan@example.com"},
                    {},
                    std::nullopt,
                    std::nullopt},
        RequestCase{
            "ClosingBracketFirstGivesAnEmptyAddress", {"to=a>b<c"}, {"a>b|SMTP:"}, {}, std::nullopt, std::nullopt},
        RequestCase{"OnlyOneBracketKeepsTheWholeValue", {"to=a<b"}, {"a<b|SMTP:a<b"}, {}, std::nullopt, std::nullopt},
        RequestCase{"NoToSendsNoRecipient", {"subject=S", "body=B"}, {}, {}, "S", "B"},
        RequestCase{"AttachmentsUpToTheFirstMissingNumber",
                    {"attachment0=/a/one.jpg", "attachment2=/a/three.jpg"},
                    {},
                    {"/a/one.jpg|one.jpg"},
                    std::nullopt,
                    std::nullopt},
        RequestCase{"AttachmentsInNumberOrder",
                    {"attachment1=/a/two.jpg", "attachment0=/a/one.jpg", "attachment2=C:three.jpg"},
                    {},
                    {"/a/one.jpg|one.jpg", "/a/two.jpg|two.jpg", "C:three.jpg|three.jpg"},
                    std::nullopt,
                    std::nullopt},
        RequestCase{"NoAttachmentZeroMeansNone", {"attachment1=/a/two.jpg"}, {}, {}, std::nullopt, std::nullopt},
        RequestCase{"NamesInOtherLetterCases",
                    {"TO=x@example.com", "Subject=S", "ATTACHMENT0=/f.jpg", "BoDy=B"},
                    {"x@example.com|SMTP:x@example.com"},
                    {"/f.jpg|f.jpg"},
                    "S",
                    "B"},
        RequestCase{"EmptyValuesCountAsAbsent",
                    {"to=", "subject=", "attachment0=", "body="},
                    {},
                    {},
                    std::nullopt,
                    std::nullopt},
        RequestCase{"TheFirstOfTwoEntriesCounts",
                    {"subject=first", "SUBJECT=second", "subject=third"},
                    {},
                    {},
                    "first",
                    std::nullopt},
        RequestCase{"ValuesMayHoldEqualsSigns", {"body=a=b"}, {}, {}, std::nullopt, "a=b"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(MailRequestTest, SetValueReplacesAndAnEmptyValueRemoves)
{
    MailRequest request;
    request.setValue(QStringLiteral("to"), QStringLiteral("a"));
    request.setValue(QStringLiteral("subject"), QStringLiteral("s"));
    request.setValue(QStringLiteral("TO"), QStringLiteral("b"));
    EXPECT_EQ(request.entries(), QStringList({"TO=b", "subject=s"}));
    request.setValue(QStringLiteral("Subject"), QString());
    EXPECT_EQ(request.entries(), QStringList({"TO=b"}));
    EXPECT_FALSE(request.has(QStringLiteral("subject")));
}

struct FailureCase
{
    const char *name;
    ULONG logonResult;
    ULONG sendResult;
    bool abortSend;
    ULONG expected;
    std::vector<std::string> calls;
    QString text; // empty: nothing shown
    QString caption;
};

class MailFailureTest : public MailSendTest, public testing::WithParamInterface<FailureCase>
{};

TEST_P(MailFailureTest, ReportsOnlyWhatReachedNoMailClient)
{
    const FailureCase &row = GetParam();
    provider->logonResult = row.logonResult;
    provider->sendResult = row.sendResult;
    provider->abortSend = row.abortSend;
    MailRequest request;
    request.setValue(QStringLiteral("to"), QStringLiteral("a@example.com"));

    EXPECT_EQ(SendMapiMail(host, request), row.expected);
    EXPECT_EQ(provider->calls, row.calls);
    EXPECT_FALSE(host.disabled);
    if (row.text.isEmpty()) {
        EXPECT_TRUE(host.shown.shown.isEmpty());
    } else {
        ASSERT_EQ(host.shown.shown.size(), 1);
        EXPECT_EQ(host.shown.shown[0].text, row.text);
        EXPECT_EQ(host.shown.shown[0].caption, row.caption);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, MailFailureTest,
                         testing::Values(FailureCase{"LogonFails",
                                                     MAPI_E_LOGIN_FAILURE,
                                                     0,
                                                     false,
                                                     MAPI_E_FAILURE,
                                                     {"logon"},
                                                     "Vyskytla se chyba během odesílání E-mailu",
                                                     "Error"},
                                         FailureCase{"UserCancelsLogon",
                                                     MAPI_USER_ABORT,
                                                     0,
                                                     false,
                                                     MAPI_E_FAILURE,
                                                     {"logon"},
                                                     "Vyskytla se chyba během odesílání E-mailu",
                                                     "Error"},
                                         FailureCase{"NoMailClientTookTheMessage",
                                                     0,
                                                     MAPI_E_LOGIN_FAILURE,
                                                     false,
                                                     MAPI_E_LOGIN_FAILURE,
                                                     {"logon", "send", "logoff"},
                                                     "Vyskytla se chyba během odesílání E-mailu",
                                                     "Error"},
                                         FailureCase{"DiscardedOrFailedInTheClientIsSilent",
                                                     0,
                                                     MAPI_USER_ABORT,
                                                     false,
                                                     MAPI_USER_ABORT,
                                                     {"logon", "send", "logoff"},
                                                     "",
                                                     ""},
                                         FailureCase{"AbortIsReportedAndTheResultSoFarReturned",
                                                     0,
                                                     0,
                                                     true,
                                                     MAPI_E_FAILURE,
                                                     {"logon", "send"},
                                                     "Chyba při zakládání E-mailu",
                                                     "Kadelo - Česelka"}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(MailProviderTest, WithoutAProviderEveryCallReturnsOneAndTheErrorBoxShows)
{
    MapiSetProvider(nullptr);
    LHANDLE session = 0;
    EXPECT_EQ(MAPILogon(0, "", "", 0, 0, &session), 1u);
    MapiMessage message;
    EXPECT_EQ(MAPISendMail(0, 0, &message, 0, 0), 1u);
    EXPECT_EQ(MAPILogoff(0, 0, 0, 0), 1u);

    Host host;
    EXPECT_FALSE(SendMail(host, "a@example.com", "S", "B", "/f.jpg"));
    EXPECT_EQ(host.shown.texts("message"), QStringList{MailSendErrorText()});
    EXPECT_FALSE(host.disabled);
    MapiForgetProvider();
}

TEST(XdgEmailArgumentsTest, UtfFirstThenSubjectBodyAttachmentsAndRecipient)
{
    MapiRecipDesc to;
    to.ulRecipClass = MAPI_TO;
    to.lpszName = "Jan Novák ";
    to.lpszAddress = "SMTP:jan@example.com";
    MapiFileDesc files[2];
    files[0].lpszPathName = "/a/one.jpg";
    files[1].lpszPathName = "/a/two.jpg";
    MapiMessage message;
    message.lpszSubject = "Předmět";
    message.lpszNoteText = "Text";
    message.nRecipCount = 1;
    message.lpRecips = &to;
    message.nFileCount = 2;
    message.lpFiles = files;
    EXPECT_EQ(XdgEmailProvider::arguments(message),
              QStringList({"--utf8", "--subject", "Předmět", "--body", "Text", "--attach", "/a/one.jpg", "--attach",
                           "/a/two.jpg", "Jan Novák <jan@example.com>"}));

    MapiMessage empty;
    EXPECT_EQ(XdgEmailProvider::arguments(empty), QStringList({"--utf8"}));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
