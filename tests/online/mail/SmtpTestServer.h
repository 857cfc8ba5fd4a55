#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

namespace tidewell::test
{

// A certificate authority and a server certificate for 127.0.0.1, made with openssl in a
// temporary folder, plus a second, unrelated authority for "wrong trust" cases.
struct TestCertificates
{
    QTemporaryDir dir;
    QString caCert;
    QString serverCert;
    QString serverKey;
    QString otherCaCert;
    bool ok = false;
};
std::unique_ptr<TestCertificates> MakeTestCertificates();

// A mail server started as a child process for one test; stopped by the destructor.
class SmtpTestServer
{
public:
    enum class Kind
    {
        Aiosmtpd, // data/smtp_server.py
        Terse,    // data/terse_smtp_server.py
    };

    explicit SmtpTestServer(Kind kind, const QStringList& arguments = {});
    ~SmtpTestServer();
    SmtpTestServer(const SmtpTestServer&) = delete;
    SmtpTestServer& operator=(const SmtpTestServer&) = delete;

    bool started() const { return m_port > 0; }
    int port() const { return m_port; }
    QString outDir() const { return m_out.path(); }
    QString errorOutput();
    // The saved file, or empty when it does not exist (yet).
    QByteArray savedFile(const QString& name) const;
    int savedCount(const QString& nameFilter) const;

private:
    QTemporaryDir m_out;
    QProcess m_process;
    int m_port = 0;
};

} // namespace tidewell::test
