#include "SmtpTestServer.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>

namespace tidewell::test
{

namespace
{

bool RunOpenssl(const QStringList& arguments, const QString& workDir)
{
    QProcess process;
    process.setWorkingDirectory(workDir);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral(TIDEWELL_OPENSSL), arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
    {
        qWarning("openssl %s failed: %s", qPrintable(arguments.join(' ')), process.readAll().constData());
        return false;
    }
    return true;
}

bool MakeAuthority(const QString& dir, const QString& name, const QString& subject)
{
    return RunOpenssl({"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-keyout", name + ".key", "-out",
                       name + ".crt", "-days", "2", "-subj", subject},
                      dir);
}

} // namespace

std::unique_ptr<TestCertificates> MakeTestCertificates()
{
    auto certs = std::make_unique<TestCertificates>();
    const QString dir = certs->dir.path();
    QFile ext(QDir(dir).filePath("server.ext"));
    if (!ext.open(QIODevice::WriteOnly))
        return certs;
    ext.write("subjectAltName=IP:127.0.0.1,DNS:localhost\n"
              "basicConstraints=CA:FALSE\n"
              "keyUsage=digitalSignature,keyEncipherment\n"
              "extendedKeyUsage=serverAuth\n");
    ext.close();

    certs->ok = MakeAuthority(dir, "ca", "/CN=Mail Test CA") &&
                MakeAuthority(dir, "other", "/CN=Other Test CA") &&
                RunOpenssl({"req", "-newkey", "rsa:2048", "-nodes", "-keyout", "server.key", "-out",
                            "server.csr", "-subj", "/CN=127.0.0.1"},
                           dir) &&
                RunOpenssl({"x509", "-req", "-in", "server.csr", "-CA", "ca.crt", "-CAkey", "ca.key",
                            "-CAcreateserial", "-out", "server.crt", "-days", "2", "-extfile", "server.ext"},
                           dir);
    certs->caCert = QDir(dir).filePath("ca.crt");
    certs->otherCaCert = QDir(dir).filePath("other.crt");
    certs->serverCert = QDir(dir).filePath("server.crt");
    certs->serverKey = QDir(dir).filePath("server.key");
    return certs;
}

SmtpTestServer::SmtpTestServer(Kind kind, const QStringList& arguments)
{
    const QString data = QStringLiteral(TIDEWELL_MAIL_TEST_DATA);
    QStringList all;
    if (kind == Kind::Aiosmtpd)
        all << QDir(data).filePath("smtp_server.py") << arguments << "--out" << m_out.path();
    else
        all << QDir(data).filePath("terse_smtp_server.py") << m_out.path() << arguments;

    m_process.start(QStringLiteral(TIDEWELL_SYSTEM_PYTHON), QStringList{QStringLiteral("-u")} + all);
    if (!m_process.waitForStarted(10000))
        return;
    // The script prints its port once it accepts connections.
    QByteArray output;
    const QDeadlineTimer deadline(20000);
    while (!deadline.hasExpired() && m_process.state() == QProcess::Running)
    {
        m_process.waitForReadyRead(200);
        output += m_process.readAllStandardOutput();
        const qsizetype at = output.indexOf("PORT ");
        const qsizetype end = at >= 0 ? output.indexOf('\n', at) : -1;
        if (end > at)
        {
            m_port = output.mid(at + 5, end - at - 5).trimmed().toInt();
            return;
        }
    }
}

SmtpTestServer::~SmtpTestServer()
{
    if (m_process.state() != QProcess::NotRunning)
    {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

QString SmtpTestServer::errorOutput()
{
    return QString::fromUtf8(m_process.readAllStandardError());
}

QByteArray SmtpTestServer::savedFile(const QString& name) const
{
    QFile file(QDir(m_out.path()).filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int SmtpTestServer::savedCount(const QString& nameFilter) const
{
    return static_cast<int>(QDir(m_out.path()).entryList({nameFilter}, QDir::Files).size());
}

} // namespace tidewell::test
