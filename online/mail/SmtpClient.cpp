#include "SmtpClient.h"

#include "EmailAddress.h"
#include "MimeMessage.h"

#include <QDeadlineTimer>
#include <QDebug>
#include <QEventLoop>
#include <QNetworkProxy>
#include <QSslSocket>
#include <QTimer>

#include <algorithm>

namespace
{

// A silent server is given this many waits before the reply is given up (code -1).
constexpr int kMaxFailedWaits = 10;
// Minimum wait for the reply to the end of the data: the server may scan the message first.
constexpr int kDataEndWaitMs = 30000;
// How often a wait looks at the stop flag.
constexpr int kStopCheckMs = 25;

// An envelope address goes into a command line: a line break or angle bracket inside it would
// end the command and start another one.
bool IsSafeEnvelopeAddress(const QString& address)
{
    return !address.contains(QLatin1Char('\r')) && !address.contains(QLatin1Char('\n')) &&
           !address.contains(QLatin1Char('<')) && !address.contains(QLatin1Char('>'));
}

} // namespace

SmtpClient::SmtpClient(const QString& host, int port, int connectionType, QObject* parent)
    : QObject(parent), m_host(host), m_port(port)
{
    m_connectionType =
        (connectionType == SslConnection || connectionType == TlsConnection) ? connectionType : TcpConnection;
    if (m_connectionType == TcpConnection)
        m_socket = new QTcpSocket(this);
    else
        m_socket = new QSslSocket(this);
    // The mail connection never goes through the application's proxy.
    m_socket->setProxy(QNetworkProxy(QNetworkProxy::NoProxy));

    connect(m_socket, &QAbstractSocket::stateChanged, this, &SmtpClient::socketStateChanged);
    connect(m_socket, &QAbstractSocket::errorOccurred, this, &SmtpClient::socketError);
    connect(m_socket, &QIODevice::readyRead, this, &SmtpClient::socketReadyRead);
}

SmtpClient::~SmtpClient() = default;

void SmtpClient::socketStateChanged(QAbstractSocket::SocketState) {}

void SmtpClient::socketError(QAbstractSocket::SocketError) {}

void SmtpClient::socketReadyRead() {}

bool SmtpClient::Expect(int code)
{
    WaitForResponse();
    return m_responseCode == code;
}

bool SmtpClient::WaitUntil(const std::function<bool()>& done, int ms)
{
    const QDeadlineTimer deadline(ms);
    QEventLoop loop;
    QTimer turn;
    turn.setInterval(kStopCheckMs);
    connect(&turn, &QTimer::timeout, &loop, &QEventLoop::quit);
    // Whatever the socket reports may be what is waited for.
    connect(m_socket, &QIODevice::readyRead, &loop, &QEventLoop::quit);
    connect(m_socket, &QIODevice::bytesWritten, &loop, &QEventLoop::quit);
    connect(m_socket, &QAbstractSocket::stateChanged, &loop, &QEventLoop::quit);
    connect(m_socket, &QAbstractSocket::errorOccurred, &loop, &QEventLoop::quit);
    if (auto* ssl = qobject_cast<QSslSocket*>(m_socket))
        connect(ssl, &QSslSocket::encrypted, &loop, &QEventLoop::quit);
    turn.start();
    for (;;)
    {
        if (done())
            return true;
        if (Stopped() || deadline.hasExpired())
            return false;
        loop.exec();
    }
}

bool SmtpClient::WaitForEncryption()
{
    auto* ssl = static_cast<QSslSocket*>(m_socket);
    const auto encryptedOrGone = [ssl]
    { return ssl->isEncrypted() || ssl->state() != QAbstractSocket::ConnectedState; };
    if (WaitUntil(encryptedOrGone, m_connectionTimeout) && ssl->isEncrypted())
        return true;
    if (Stopped())
        return false;
    qDebug() << "SMTP: encryption failed:" << ssl->errorString();
    for (const QSslError& error : ssl->sslHandshakeErrors())
        qDebug() << "SMTP:   " << error.errorString();
    emit smtpError(ConnectionTimeoutError);
    return false;
}

bool SmtpClient::ConnectToHost()
{
    if (m_connectionType == SslConnection)
        static_cast<QSslSocket*>(m_socket)->connectToHostEncrypted(m_host, static_cast<quint16>(m_port),
                                                                   QIODevice::ReadWrite);
    else
        m_socket->connectToHost(m_host, static_cast<quint16>(m_port), QIODevice::ReadWrite);

    const auto settled = [this]
    {
        const QAbstractSocket::SocketState state = m_socket->state();
        return state == QAbstractSocket::ConnectedState || state == QAbstractSocket::UnconnectedState;
    };
    if (!WaitUntil(settled, m_connectionTimeout) || m_socket->state() != QAbstractSocket::ConnectedState)
    {
        m_socket->abort();
        emit smtpError(ConnectionTimeoutError);
        return false;
    }
    // The certificate is checked: a server that fails the check is a failed connection, found
    // here rather than as a string of reply time-outs on a closed socket.
    if (m_connectionType == SslConnection && !WaitForEncryption())
        return false;

    if (!Expect(220))
    {
        emit smtpError(ServerError);
        return false;
    }
    SendCommand(QStringLiteral("EHLO ") + m_name);
    if (!Expect(250))
    {
        emit smtpError(ServerError);
        return false;
    }
    if (m_connectionType != TlsConnection)
        return true;

    SendCommand(QStringLiteral("STARTTLS"));
    if (!Expect(220))
    {
        emit smtpError(ServerError);
        return false;
    }
    static_cast<QSslSocket*>(m_socket)->startClientEncryption();
    if (!WaitForEncryption())
        return false;
    SendCommand(QStringLiteral("EHLO ") + m_name);
    if (!Expect(250))
    {
        emit smtpError(ServerError);
        return false;
    }
    return true;
}

bool SmtpClient::Login()
{
    return Login(m_user, m_password, m_authMethod);
}

bool SmtpClient::Login(const QString& user, const QString& password, int method)
{
    if (method == AuthPlain)
    {
        QByteArray token;
        token.append('\0').append(user.toUtf8()).append('\0').append(password.toUtf8());
        SendCommand(QStringLiteral("AUTH PLAIN ") + QString::fromLatin1(token.toBase64()));
        if (!Expect(235))
        {
            emit smtpError(AuthenticationFailedError);
            return false;
        }
        return true;
    }
    if (method == AuthLogin)
    {
        SendCommand(QStringLiteral("AUTH LOGIN"));
        bool ok = Expect(334);
        if (ok)
        {
            SendCommand(QString::fromLatin1(user.toUtf8().toBase64()));
            ok = Expect(334);
        }
        if (ok)
        {
            SendCommand(QString::fromLatin1(password.toUtf8().toBase64()));
            ok = Expect(235);
        }
        if (!ok)
            emit smtpError(AuthenticationFailedError);
        return ok;
    }
    return true;
}

bool SmtpClient::SendMail(MimeMessage& message)
{
    const EmailAddress* sender = message.GetSender();
    const QString from = sender ? sender->GetAddress() : QString();
    if (!IsSafeEnvelopeAddress(from))
        return false;
    SendCommand(QStringLiteral("MAIL FROM: <") + from + QLatin1Char('>'));
    if (!Expect(250))
        return false;

    for (int kind : {MimeMessage::To, MimeMessage::Cc, MimeMessage::Bcc})
    {
        for (const EmailAddress* address : message.GetRecipients(kind))
        {
            if (!IsSafeEnvelopeAddress(address->GetAddress()))
                return false;
            SendCommand(QStringLiteral("RCPT TO: <") + address->GetAddress() + QLatin1Char('>'));
            if (!Expect(250))
                return false;
        }
    }

    SendCommand(QStringLiteral("DATA"));
    if (!Expect(354))
        return false;

    SendRaw(ToDataBytes(message.ToString()) + "\r\n");
    SendCommand(QStringLiteral("."));
    WaitForResponse(kDataEndWaitMs);
    return m_responseCode == 250;
}

void SmtpClient::Quit()
{
    SendCommand(QStringLiteral("QUIT"));
}

QByteArray SmtpClient::ToDataBytes(const QString& text)
{
    const QByteArray in = text.toUtf8();
    QByteArray out;
    out.reserve(in.size() + in.size() / 32 + 2);
    bool lineStart = true;
    for (qsizetype i = 0; i < in.size(); ++i)
    {
        const char c = in.at(i);
        if (c == '\r' || c == '\n')
        {
            // CRLF, a lone CR and a lone LF all end one line.
            if (c == '\r' && i + 1 < in.size() && in.at(i + 1) == '\n')
                ++i;
            out += "\r\n";
            lineStart = true;
            continue;
        }
        if (lineStart && c == '.')
            out += '.';
        out += c;
        lineStart = false;
    }
    return out;
}

qint64 SmtpClient::SendCommand(const QString& text)
{
    return SendRaw(text.toUtf8() + "\r\n");
}

qint64 SmtpClient::SendRaw(const QByteArray& bytes)
{
    const qint64 written = m_socket->write(bytes);
    bool left = written == bytes.size();
    // Wait until everything queued has left the socket (or the send time-out passes).
    if (left)
    {
        const auto sentOrGone = [this]
        { return m_socket->bytesToWrite() == 0 || m_socket->state() != QAbstractSocket::ConnectedState; };
        left = WaitUntil(sentOrGone, m_sendMessageTimeout) && m_socket->bytesToWrite() == 0;
    }
    if (!left)
        emit smtpError(SendDataTimeoutError);
    return written;
}

void SmtpClient::WaitForResponse(int minimumMs)
{
    const int wait = std::max(minimumMs, m_responseTimeout);
    int failures = 0;
    // A server that trickles bytes without ever finishing a line gets no more time than a
    // silent one.
    const QDeadlineTimer deadline(qint64(wait) * (kMaxFailedWaits + 1));
    for (;;)
    {
        // A reply is read line by line: "250-..." continues it; "250 ..." or a bare "250" ends it.
        while (m_socket->canReadLine())
        {
            QByteArray line = m_socket->readLine();
            while (line.endsWith('\n') || line.endsWith('\r'))
                line.chop(1);
            m_responseText = QString::fromUtf8(line);

            bool numeric = line.size() >= 3;
            for (int i = 0; numeric && i < 3; ++i)
                numeric = line.at(i) >= '0' && line.at(i) <= '9';
            m_responseCode = numeric ? line.left(3).toInt() : 0;
            if (m_responseCode / 100 == 4)
                emit smtpError(ServerError);
            else if (m_responseCode / 100 == 5)
                emit smtpError(ClientError);

            const bool continues = numeric && line.size() > 3 && line.at(3) == '-';
            if (!continues)
                return;
        }

        // A closed connection sends nothing more: give the reply up at once instead of waiting.
        if (m_socket->state() != QAbstractSocket::ConnectedState || deadline.hasExpired())
        {
            emit smtpError(ResponseTimeoutError);
            m_responseCode = -1;
            return;
        }
        const auto lineOrGone = [this]
        { return m_socket->canReadLine() || m_socket->state() != QAbstractSocket::ConnectedState; };
        if (Stopped())
        {
            m_responseCode = -1;
            return;
        }
        if (!WaitUntil(lineOrGone, wait))
        {
            // A line that came with the failure, or a connection that just closed, is dealt
            // with at the top of the loop.
            if (m_socket->canReadLine() || m_socket->state() != QAbstractSocket::ConnectedState)
                continue;
            emit smtpError(ResponseTimeoutError);
            if (++failures > kMaxFailedWaits)
            {
                m_responseCode = -1;
                return;
            }
        }
    }
}
