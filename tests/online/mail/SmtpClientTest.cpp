// SmtpClient against real servers on 127.0.0.1: aiosmtpd (plain, SSL, STARTTLS, AUTH) and a
// scripted server that answers with the shortest replies the protocol allows.
#include "SmtpClient.h"
#include "EmailAddress.h"
#include "MailAccount.h"
#include "MimeAttachment.h"
#include "MimeMessage.h"
#include "MimeText.h"
#include "SmtpTestServer.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslSocket>
#include <QTcpServer>
#include <QTemporaryDir>

#include <memory>
#include <vector>

using tidewell::test::SmtpTestServer;

namespace
{

const QString kUser = QStringLiteral("bugreport@example.org");
const QString kPassword = QStringLiteral("s3cret:pass");

// One decoded MIME part of a received message.
struct ReceivedPart
{
    QString header;
    QByteArray body;
};

// Splits a received multipart message into its parts and decodes base64 bodies.
std::vector<ReceivedPart> SplitParts(const QByteArray& mail)
{
    static const QRegularExpression boundaryRe(QStringLiteral("boundary=([0-9a-f]{32})"));
    const auto match = boundaryRe.match(QString::fromUtf8(mail));
    std::vector<ReceivedPart> parts;
    if (!match.hasMatch())
        return parts;
    const QByteArray delimiter = "--" + match.captured(1).toLatin1();
    QByteArray rest = mail.mid(mail.indexOf(delimiter + "\r\n"));
    while (rest.startsWith(delimiter + "\r\n"))
    {
        rest = rest.mid(delimiter.size() + 2);
        const qsizetype next = rest.indexOf("\r\n" + delimiter);
        const QByteArray chunk = rest.left(next);
        rest = rest.mid(next + 2);
        const qsizetype split = chunk.indexOf("\r\n\r\n");
        ReceivedPart part{QString::fromUtf8(chunk.left(split)), chunk.mid(split + 4)};
        if (part.header.contains(QStringLiteral("base64")))
            part.body = QByteArray::fromBase64(QByteArray(part.body).replace("\r\n", ""));
        parts.push_back(part);
    }
    return parts;
}

QJsonObject Envelope(const SmtpTestServer& server, int number)
{
    return QJsonDocument::fromJson(server.savedFile(QStringLiteral("mail-%1.json").arg(number))).object();
}

class SmtpClientTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { s_certs = tidewell::test::MakeTestCertificates(); }
    static void TearDownTestSuite() { s_certs.reset(); }

    void SetUp() override
    {
        ASSERT_TRUE(s_certs && s_certs->ok) << "openssl could not make the test certificates";
    }

    // A client whose errors are collected in `errors`.
    std::unique_ptr<SmtpClient> MakeClient(int port, int type)
    {
        auto client = std::make_unique<SmtpClient>(QStringLiteral("127.0.0.1"), port, type);
        QObject::connect(client.get(), &SmtpClient::smtpError,
                         [this](SmtpClient::SmtpError error) { errors.push_back(error); });
        client->SetUser(kUser);
        client->SetPassword(kPassword);
        return client;
    }

    // The test seam for trust: the CA goes into this socket's configuration only.
    static void Trust(SmtpClient& client, const QString& caFile)
    {
        auto* socket = qobject_cast<QSslSocket*>(client.GetSocket());
        ASSERT_NE(socket, nullptr);
        QSslConfiguration config = socket->sslConfiguration();
        config.addCaCertificates(QSslCertificate::fromPath(caFile));
        socket->setSslConfiguration(config);
    }

    QStringList TlsArguments(const QString& mode) const
    {
        return {"--mode",           mode,     "--cert", s_certs->serverCert, "--key",
                s_certs->serverKey, "--user", kUser,    "--password",        kPassword};
    }

    bool HasError(SmtpClient::SmtpError error) const
    {
        return std::find(errors.begin(), errors.end(), error) != errors.end();
    }

    static inline std::unique_ptr<tidewell::test::TestCertificates> s_certs;
    std::vector<SmtpClient::SmtpError> errors;
};

// A bug-report style message: a text with a "." line and bare line feeds, two attachments.
struct BugMail
{
    QTemporaryDir dir;
    EmailAddress sender{kUser, QStringLiteral("bug")};
    EmailAddress to{QStringLiteral("support@example.org"), QStringLiteral("support")};
    EmailAddress cc{QStringLiteral("cc@example.org")};
    EmailAddress bcc{QStringLiteral("hidden@example.org")};
    MimeMessage message;
    std::unique_ptr<MimeText> text;
    std::unique_ptr<MimeAttachment> archive;
    std::unique_ptr<MimeAttachment> picture;
    QByteArray archiveBytes;
    QByteArray pictureBytes;

    explicit BugMail(const QString& description)
    {
        message.SetSender(&sender);
        message.AddRecipient(&to);
        message.AddRecipient(&cc, MimeMessage::Cc);
        message.AddRecipient(&bcc, MimeMessage::Bcc);
        message.SetSubject(QStringLiteral("Ann - ann@example.org -> Tidewell( WIN )"));
        text = std::make_unique<MimeText>(description);
        message.AddPart(text.get());

        // Bytes that look like protocol: a "." line and an end-of-data marker inside.
        archiveBytes = QByteArray("7z\xBC\xAF\x27\x1C\r\n.\r\n\n.\n\0\xFF", 16).repeated(500);
        for (int i = 0; i < 70000; ++i)
            pictureBytes.append(static_cast<char>((i * 131) ^ (i >> 3)));
        archive = Attach("report.7z", archiveBytes);
        picture = Attach("cover.jpg", pictureBytes);
    }

    std::unique_ptr<MimeAttachment> Attach(const char* name, const QByteArray& bytes)
    {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        file.close();
        auto part = std::make_unique<MimeAttachment>(std::make_unique<QFile>(file.fileName()));
        message.AddPart(part.get());
        return part;
    }
};

const QString kDescription =
    QStringLiteral("The scan stops.\n.\nAfter the dot line\r\n.hidden starts with a dot\nend");

void ExpectIntactBugMail(const QByteArray& received, const BugMail& mail)
{
    EXPECT_TRUE(received.startsWith("From: bug <" + kUser.toUtf8() + ">\r\n"));
    EXPECT_FALSE(received.contains("hidden@example.org")); // Bcc only in the envelope
    const std::vector<ReceivedPart> parts = SplitParts(received);
    ASSERT_EQ(parts.size(), 3u) << received.left(2000).toStdString();
    // The "." line is intact and every line break arrived as CRLF.
    EXPECT_EQ(parts[0].body,
              QByteArray("The scan stops.\r\n.\r\nAfter the dot line\r\n.hidden starts with a dot\r\nend"));
    EXPECT_TRUE(parts[1].header.contains(QStringLiteral("name=\"report.7z\"")));
    EXPECT_EQ(parts[1].body, mail.archiveBytes);
    EXPECT_TRUE(parts[2].header.contains(QStringLiteral("name=\"cover.jpg\"")));
    EXPECT_EQ(parts[2].body, mail.pictureBytes);
}

} // namespace

TEST_F(SmtpClientTest, PlainConnectionWithAuthPlainDeliversTextAndTwoAttachments)
{
    SmtpTestServer server(SmtpTestServer::Kind::Aiosmtpd, {"--user", kUser, "--password", kPassword});
    ASSERT_TRUE(server.started()) << server.errorOutput().toStdString();

    BugMail mail(kDescription);
    auto client = MakeClient(server.port(), SmtpClient::TcpConnection);
    ASSERT_TRUE(client->ConnectToHost());
    ASSERT_TRUE(client->Login());
    EXPECT_TRUE(client->SendMail(mail.message));
    EXPECT_EQ(client->GetResponseCode(), 250);
    client->Quit();
    EXPECT_TRUE(errors.empty());

    ASSERT_EQ(server.savedCount(QStringLiteral("*.eml")), 1);
    ExpectIntactBugMail(server.savedFile(QStringLiteral("mail-1.eml")), mail);
    const QJsonObject envelope = Envelope(server, 1);
    EXPECT_EQ(envelope.value("from").toString(), kUser);
    EXPECT_EQ(envelope.value("to").toArray(),
              QJsonArray({"support@example.org", "cc@example.org", "hidden@example.org"}));
    EXPECT_FALSE(envelope.value("tls").toBool());
}

TEST_F(SmtpClientTest, SslAndStartTlsVerifyTheServerAndDeliver)
{
    // SSL from the first byte with AUTH PLAIN; STARTTLS (EHLO twice) with AUTH LOGIN.
    for (const auto& [mode, type, method] :
         {std::tuple{"ssl", int(SmtpClient::SslConnection), int(SmtpClient::AuthPlain)},
          std::tuple{"starttls", int(SmtpClient::TlsConnection), int(SmtpClient::AuthLogin)}})
    {
        SCOPED_TRACE(mode);
        SmtpTestServer server(SmtpTestServer::Kind::Aiosmtpd, TlsArguments(QString::fromLatin1(mode)));
        ASSERT_TRUE(server.started()) << server.errorOutput().toStdString();

        BugMail mail(kDescription);
        auto client = MakeClient(server.port(), type);
        Trust(*client, s_certs->caCert);
        client->SetAuthMethod(method);
        ASSERT_TRUE(client->ConnectToHost());
        EXPECT_TRUE(qobject_cast<QSslSocket*>(client->GetSocket())->isEncrypted());
        ASSERT_TRUE(client->Login());
        EXPECT_TRUE(client->SendMail(mail.message));
        client->Quit();
        EXPECT_TRUE(errors.empty());
        ExpectIntactBugMail(server.savedFile(QStringLiteral("mail-1.eml")), mail);
        EXPECT_TRUE(Envelope(server, 1).value("tls").toBool());
    }
}

TEST_F(SmtpClientTest, UntrustedCertificateFailsTheConnection)
{
    for (const auto& [mode, type] : {std::pair{"ssl", int(SmtpClient::SslConnection)},
                                     std::pair{"starttls", int(SmtpClient::TlsConnection)}})
    {
        SCOPED_TRACE(mode);
        SmtpTestServer server(SmtpTestServer::Kind::Aiosmtpd, TlsArguments(QString::fromLatin1(mode)));
        ASSERT_TRUE(server.started()) << server.errorOutput().toStdString();
        errors.clear();
        auto client = MakeClient(server.port(), type);
        Trust(*client, s_certs->otherCaCert); // a CA, but not the one that signed the server
        QElapsedTimer timer;
        timer.start();
        EXPECT_FALSE(client->ConnectToHost());
        EXPECT_LT(timer.elapsed(), 10000);
        ASSERT_FALSE(errors.empty());
        EXPECT_EQ(errors.back(), SmtpClient::ConnectionTimeoutError);
        EXPECT_FALSE(qobject_cast<QSslSocket*>(client->GetSocket())->isEncrypted());
        EXPECT_EQ(server.savedCount(QStringLiteral("*.eml")), 0);
    }
}

TEST_F(SmtpClientTest, WrongPasswordIsReportedForBothMethods)
{
    SmtpTestServer server(SmtpTestServer::Kind::Aiosmtpd, {"--user", kUser, "--password", kPassword});
    ASSERT_TRUE(server.started()) << server.errorOutput().toStdString();

    for (int method : {int(SmtpClient::AuthPlain), int(SmtpClient::AuthLogin)})
    {
        SCOPED_TRACE(method);
        errors.clear();
        auto client = MakeClient(server.port(), SmtpClient::TcpConnection);
        ASSERT_TRUE(client->ConnectToHost());
        EXPECT_FALSE(client->Login(kUser, QStringLiteral("wrong"), method));
        EXPECT_EQ(client->GetResponseCode(), 535);
        EXPECT_TRUE(HasError(SmtpClient::ClientError));
        ASSERT_FALSE(errors.empty());
        EXPECT_EQ(errors.back(), SmtpClient::AuthenticationFailedError);
        client->Quit();
    }

    // Without a login the server refuses the mail.
    errors.clear();
    BugMail mail(QStringLiteral("text"));
    auto client = MakeClient(server.port(), SmtpClient::TcpConnection);
    ASSERT_TRUE(client->ConnectToHost());
    EXPECT_TRUE(client->Login(kUser, kPassword, 9)); // an unknown method sends nothing
    EXPECT_FALSE(client->SendMail(mail.message));
    EXPECT_TRUE(HasError(SmtpClient::ClientError));
    EXPECT_EQ(server.savedCount(QStringLiteral("*.eml")), 0);
}

TEST_F(SmtpClientTest, RefusedRecipientStopsBeforeData)
{
    SmtpTestServer server(SmtpTestServer::Kind::Aiosmtpd);
    ASSERT_TRUE(server.started()) << server.errorOutput().toStdString();

    EmailAddress sender(kUser);
    EmailAddress refused(QStringLiteral("refuse-me@example.org"));
    EmailAddress fine(QStringLiteral("fine@example.org"));
    MimeMessage message;
    message.SetSender(&sender);
    message.AddRecipient(&refused);
    message.AddRecipient(&fine);
    MimeText text(QStringLiteral("x"));
    message.AddPart(&text);

    auto client = MakeClient(server.port(), SmtpClient::TcpConnection);
    ASSERT_TRUE(client->ConnectToHost());
    EXPECT_FALSE(client->SendMail(message));
    EXPECT_EQ(client->GetResponseCode(), 550);
    EXPECT_EQ(errors, std::vector<SmtpClient::SmtpError>{SmtpClient::ClientError});
    client->Quit();
    EXPECT_EQ(server.savedCount(QStringLiteral("*.eml")), 0);
}

TEST_F(SmtpClientTest, LineBreakInAnEnvelopeAddressSendsNothing)
{
    SmtpTestServer server(SmtpTestServer::Kind::Aiosmtpd);
    ASSERT_TRUE(server.started()) << server.errorOutput().toStdString();

    EmailAddress sender(kUser);
    EmailAddress sneaky(QStringLiteral("a@example.org>\r\nRCPT TO: <victim@example.org"));
    MimeMessage message;
    message.SetSender(&sender);
    message.AddRecipient(&sneaky);
    MimeText text(QStringLiteral("x"));
    message.AddPart(&text);

    auto client = MakeClient(server.port(), SmtpClient::TcpConnection);
    ASSERT_TRUE(client->ConnectToHost());
    EXPECT_FALSE(client->SendMail(message));
    client->Quit();
    EXPECT_EQ(server.savedCount(QStringLiteral("*.eml")), 0);
}

TEST_F(SmtpClientTest, LongDescriptionLineIsAccepted)
{
    SmtpTestServer server(SmtpTestServer::Kind::Aiosmtpd);
    ASSERT_TRUE(server.started()) << server.errorOutput().toStdString();

    const QString paragraph = QStringLiteral("When I press Fix All ").repeated(150); // 3150 characters
    BugMail mail(paragraph);
    auto client = MakeClient(server.port(), SmtpClient::TcpConnection);
    ASSERT_TRUE(client->ConnectToHost());
    EXPECT_TRUE(client->SendMail(mail.message));
    EXPECT_EQ(client->GetResponseCode(), 250);
    const QByteArray received = server.savedFile(QStringLiteral("mail-1.eml"));
    EXPECT_TRUE(received.contains("Content-Transfer-Encoding: quoted-printable"));
    const std::vector<ReceivedPart> parts = SplitParts(received);
    ASSERT_EQ(parts.size(), 3u);
    EXPECT_EQ(QByteArray(parts[0].body).replace("=\r\n", ""), paragraph.toUtf8());
}

TEST_F(SmtpClientTest, ShortAndMultiLineRepliesFollowTheProtocol)
{
    SmtpTestServer server(SmtpTestServer::Kind::Terse);
    ASSERT_TRUE(server.started()) << server.errorOutput().toStdString();

    BugMail mail(kDescription);
    auto client = MakeClient(server.port(), SmtpClient::TcpConnection);
    client->SetResponseTimeout(1000);
    ASSERT_TRUE(client->ConnectToHost());
    EXPECT_EQ(client->GetResponseText(), QStringLiteral("250"));
    ASSERT_TRUE(client->Login());
    EXPECT_EQ(client->GetResponseCode(), 235);
    EXPECT_TRUE(client->SendMail(mail.message));
    EXPECT_EQ(client->GetResponseCode(), 250);
    client->Quit();
    EXPECT_TRUE(errors.empty());

    // The data as it crossed the wire: dot-stuffed, CRLF only, ending before the final ".".
    const QByteArray wire = server.savedFile(QStringLiteral("data-1.txt"));
    EXPECT_TRUE(wire.contains("The scan stops.\r\n..\r\nAfter the dot line\r\n..hidden"));
    EXPECT_FALSE(wire.contains("\r\n.\r\n"));
    for (qsizetype i = wire.indexOf('\n'); i >= 0; i = wire.indexOf('\n', i + 1))
        ASSERT_EQ(wire.at(i - 1), '\r') << "bare line feed at " << i;
}

TEST_F(SmtpClientTest, RefusedConnectionFailsAtOnce)
{
    QTcpServer probe;
    ASSERT_TRUE(probe.listen(QHostAddress::LocalHost));
    const int port = probe.serverPort();
    probe.close(); // nobody listens there now

    for (int type : {int(SmtpClient::TcpConnection), int(SmtpClient::SslConnection)})
    {
        errors.clear();
        auto client = MakeClient(port, type);
        QElapsedTimer timer;
        timer.start();
        EXPECT_FALSE(client->ConnectToHost());
        EXPECT_LT(timer.elapsed(), 4000);
        EXPECT_EQ(errors, std::vector<SmtpClient::SmtpError>{SmtpClient::ConnectionTimeoutError});
    }
}

TEST_F(SmtpClientTest, SilentServerEndsInResponseTimeouts)
{
    // The kernel completes the connection from the backlog; nobody ever greets.
    QTcpServer silent;
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost));

    auto client = MakeClient(silent.serverPort(), SmtpClient::TcpConnection);
    client->SetResponseTimeout(100);
    QElapsedTimer timer;
    timer.start();
    EXPECT_FALSE(client->ConnectToHost());
    EXPECT_LT(timer.elapsed(), 10000);
    EXPECT_EQ(client->GetResponseCode(), -1);
    ASSERT_GE(errors.size(), 2u);
    EXPECT_EQ(errors.front(), SmtpClient::ResponseTimeoutError);
    EXPECT_EQ(errors.back(), SmtpClient::ServerError); // no greeting
}

TEST_F(SmtpClientTest, ServerThatHangsUpIsNotWaitedFor)
{
    SmtpTestServer server(SmtpTestServer::Kind::Terse, {"hangup"});
    ASSERT_TRUE(server.started()) << server.errorOutput().toStdString();

    auto client = MakeClient(server.port(), SmtpClient::TcpConnection);
    client->SetResponseTimeout(2000);
    QElapsedTimer timer;
    timer.start();
    // Half a greeting, then the connection closes: eleven waits of 2 s would follow otherwise.
    EXPECT_FALSE(client->ConnectToHost());
    EXPECT_LT(timer.elapsed(), 5000);
    EXPECT_EQ(client->GetResponseCode(), -1);
    EXPECT_EQ(errors, (std::vector<SmtpClient::SmtpError>{SmtpClient::ResponseTimeoutError,
                                                          SmtpClient::ServerError}));
}

TEST_F(SmtpClientTest, TricklingServerIsGivenNoMoreTimeThanASilentOne)
{
    SmtpTestServer server(SmtpTestServer::Kind::Terse, {"trickle"});
    ASSERT_TRUE(server.started()) << server.errorOutput().toStdString();

    auto client = MakeClient(server.port(), SmtpClient::TcpConnection);
    client->SetResponseTimeout(200); // eleven waits: 2.2 s in all
    QElapsedTimer timer;
    timer.start();
    EXPECT_FALSE(client->ConnectToHost());
    EXPECT_LT(timer.elapsed(), 6000);
    EXPECT_EQ(client->GetResponseCode(), -1);
    ASSERT_FALSE(errors.empty());
    EXPECT_EQ(errors.back(), SmtpClient::ServerError);
}

TEST(MailAccount, TestServersOverrideTheConstants)
{
    qunsetenv("TIDEWELL_SMTP_HOST");
    qunsetenv("TIDEWELL_SMTP_PORT");
    EXPECT_EQ(tidewell::mail::SmtpHost(), QString::fromLatin1(tidewell::mail::kSmtpHost));
    EXPECT_EQ(tidewell::mail::SmtpPort(), 465);
    qputenv("TIDEWELL_SMTP_HOST", "127.0.0.1");
    qputenv("TIDEWELL_SMTP_PORT", "2525");
    EXPECT_EQ(tidewell::mail::SmtpHost(), QStringLiteral("127.0.0.1"));
    EXPECT_EQ(tidewell::mail::SmtpPort(), 2525);
    qputenv("TIDEWELL_SMTP_PORT", "not a port");
    EXPECT_EQ(tidewell::mail::SmtpPort(), 465);
    qunsetenv("TIDEWELL_SMTP_HOST");
    qunsetenv("TIDEWELL_SMTP_PORT");
}
