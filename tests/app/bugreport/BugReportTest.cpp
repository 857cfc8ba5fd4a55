// The bug report as the user makes it: the dialog, the archive packed by the real 7z from real
// files of the data folder, and the mail received by a local SMTP server.
#include "BugReport.h"
#include "AppGlobals.h"
#include "AppSettings.h"
#include "BugReportPackage.h"
#include "BugReportSender.h"
#include "BugreportThread.h"
#include "CMessageSeam.h"
#include "SmtpTestServer.h"
#include "UILog.h"
#include "WidgetTestEnv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFocusEvent>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QTcpServer>
#include <QTest>
#include <QTextEdit>

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

using tidewell::test::SmtpTestServer;

namespace
{

const QString kUser = QStringLiteral("bugreport@zavro.test");
const QString kPassword = QStringLiteral("ten-chars!");

// Parses a received mail with Python's email package: headers decoded, the text parts, and
// the attachment written to attachmentPath.
QJsonObject ReadMail(const QByteArray& eml, const QString& workDir)
{
    const QString emlPath = workDir + QStringLiteral("/mail.eml");
    QFile file(emlPath);
    file.open(QIODevice::WriteOnly);
    file.write(eml);
    file.close();
    static const char* const script = R"(
import email, json, sys
from email import policy
m = email.message_from_binary_file(open(sys.argv[1], 'rb'), policy=policy.default)
out = {'subject': str(m['subject']), 'from': str(m['from']), 'to': str(m['to']), 'parts': []}
for p in m.iter_parts():
    if p.get_filename():
        open(sys.argv[2], 'wb').write(p.get_payload(decode=True))
        out['parts'].append({'file': p.get_filename()})
    else:
        out['parts'].append({'text': p.get_content()})
print(json.dumps(out))
)";
    QProcess python;
    python.start(QStringLiteral(TIDEWELL_SYSTEM_PYTHON), {QStringLiteral("-c"), QString::fromLatin1(script),
                                                          emlPath, workDir + QStringLiteral("/att.7z")});
    python.waitForFinished(20000);
    return QJsonDocument::fromJson(python.readAllStandardOutput()).object();
}

QStringList Leftovers()
{
    return QDir(GetAppSettings()->GetDataFolder()).entryList({QStringLiteral("Gorvane_*")}, QDir::Files);
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Answers the next bug-report dialog: fills it and presses Report, or presses Cancel.
// first runs before anything is typed.
void AnswerDialog(const QString& name, const QString& email, const QString& description, bool report = true,
                  const std::function<void()>& first = {})
{
    WhenVisible([] { return TopLevelOf<CBugReport>(); },
                [=](QWidget* dialog)
                {
                    if (first)
                        first();
                    dialog->findChild<QLineEdit*>(QStringLiteral("BugReportName"))->setText(name);
                    dialog->findChild<QLineEdit*>(QStringLiteral("BugReportEmail"))->setText(email);
                    dialog->findChild<QTextEdit*>(QStringLiteral("BugReportDes"))->setPlainText(description);
                    dialog
                        ->findChild<QPushButton*>(report ? QStringLiteral("ReportButton")
                                                         : QStringLiteral("CancelButton"))
                        ->click();
                });
}

// Keeps the text of every message while it lives and answers each with `answer`.
struct Told : QStringList
{
    int answer = 1;
    CMessageSeam::Scope scope{[this](const MessageQuestion& question)
                              { return append(question.text), answer; }};
};

// Runs a function once, when the bug-report dialog receives its show event: inside show(), before
// the event loop draws it.
class OnDialogShow : public QObject
{
public:
    explicit OnDialogShow(std::function<void()> run) : m_run(std::move(run))
    {
        qApp->installEventFilter(this);
    }
    ~OnDialogShow() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && m_run && qobject_cast<CBugReport*>(watched))
            std::exchange(m_run, {})();
        return false;
    }

private:
    std::function<void()> m_run;
};

} // namespace

class BugReportTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<WidgetTestEnv> m_env;
    std::unique_ptr<tidewell::test::TestCertificates> m_certs;
    QTemporaryDir m_work;

    SmtpAccount Account(int port, bool ssl) const
    {
        return {QStringLiteral("127.0.0.1"), port, ssl, kUser, kPassword};
    }

    // Sends one report through a new sender and answers its one result.
    QList<QVariant> SendReport(const SmtpAccount& account, const QString& description)
    {
        CBugReportSender sender;
        QSignalSpy results(&sender, &CBugReportSender::sendResult);
        AnswerDialog(QStringLiteral("Åsa Öberg"), QStringLiteral("asa@example.org"), description);
        int context = 0;
        sender.Report(nullptr, account, &context);
        [&] { QTRY_COMPARE_WITH_TIMEOUT(results.count(), 1, 30000); }();
        if (results.isEmpty())
            return {};
        [&] { QCOMPARE(results.first().at(2).value<void*>(), static_cast<void*>(&context)); }();
        return results.first();
    }

private slots:
    void initTestCase()
    {
        m_env = std::make_unique<WidgetTestEnv>();
        FillAppStrings();
        m_certs = tidewell::test::MakeTestCertificates();
        QVERIFY(m_certs && m_certs->ok);
        QSslConfiguration config = QSslConfiguration::defaultConfiguration();
        config.addCaCertificates(QSslCertificate::fromPath(m_certs->caCert));
        QSslConfiguration::setDefaultConfiguration(config);
    }
    void cleanupTestCase()
    {
        CloseUILog();
        m_env.reset();
    }

    // The whole road: data folder with open logs, settings with a proxy password, a stale copy
    // and an old archive; the mail arrives over SSL with AUTH and its archive unpacks.
    void reportArrivesWithTheArchive()
    {
        CAppSettings* settings = GetAppSettings();
        const QDir data(settings->GetDataFolder());
        settings->SetProxyPassword(QStringLiteral("hunter2-proxy"));
        settings->SaveSettings();
        QVERIFY(WriteUILog(QStringLiteral("the UI log is open")) == 0);
        WriteFile(data.filePath("MM.log"), "back end log\n");
        WriteFile(data.filePath("musicinfo.log"), "music info\n");
        WriteFile(data.filePath("cache.dat"), QByteArray(4096, 'd'));
        WriteFile(data.filePath("Gorvane_stale.log"), "left over by a crash\n");
        const QString library = m_work.filePath("Library.xml");
        WriteFile(library, "<plist>the library</plist>");
        qputenv("TIDEWELL_ITUNES_LIBRARY", library.toUtf8());

        SmtpTestServer server(SmtpTestServer::Kind::Aiosmtpd,
                              {"--mode", "ssl", "--cert", m_certs->serverCert, "--key", m_certs->serverKey,
                               "--user", kUser, "--password", kPassword});
        QVERIFY2(server.started(), qPrintable(server.errorOutput()));
        const QString description = QStringLiteral("Steps: open the library\nthen: 日本語 — crash.\n.\nEnd");
        const QList<QVariant> result = SendReport(Account(server.port(), true), description);
        QCOMPARE(result.value(0).toBool(), true);
        const QString archive = result.value(1).toString();
        QCOMPARE(QFileInfo(archive).absolutePath(),
                 QFileInfo(CBugReportPackage::ReportsFolder()).absoluteFilePath());
        QVERIFY(Leftovers().isEmpty());

        const QJsonObject mail = ReadMail(server.savedFile("mail-1.eml"), m_work.path());
        QCOMPARE(mail["subject"].toString(),
                 QStringLiteral("Åsa Öberg - asa@example.org -> Tidewell( Linux )"));
        QVERIFY(mail["from"].toString().contains("bug <" + kUser + ">"));
        QVERIFY(mail["to"].toString().contains("support <" + g_strSupportMail + ">"));
        const QJsonArray parts = mail["parts"].toArray();
        QCOMPARE(parts.size(), 2);
        QCOMPARE(parts[0].toObject()["text"].toString().replace("\r\n", "\n"), description);
        QCOMPARE(parts[1].toObject()["file"].toString(), QFileInfo(archive).fileName());

        QProcess sevenZip;
        const QString out = m_work.filePath("x");
        sevenZip.start("7z", {"x", "-o" + out, m_work.filePath("att.7z")});
        QVERIFY(sevenZip.waitForFinished(20000));
        QCOMPARE(sevenZip.exitCode(), 0);
        QCOMPARE(ReadAll(out + "/Library.xml"), QByteArray("<plist>the library</plist>"));
        QVERIFY(ReadAll(out + "/Gorvane_UI.log").contains("the UI log is open"));
        QCOMPARE(ReadAll(out + "/Gorvane_MM.log"), QByteArray("back end log\n"));
        QCOMPARE(ReadAll(out + "/cache.dat").size(), 4096);
        const QByteArray ini = ReadAll(out + "/Gorvane_merrow.ini");
        QVERIFY(ini.contains("Update_Days"));
        QVERIFY(!ini.contains("hunter2-proxy"));
        QVERIFY(!QFile::exists(out + "/Gorvane_stale.log"));

        // The window says the report went and removes its archive.
        Told told;
        CBugReportSender::ShowSendResult(nullptr, true, archive);
        QVERIFY(!QFile::exists(archive));
        QCOMPARE(told, QStringList{"The bug report was sent. Thank you."});
        qunsetenv("TIDEWELL_ITUNES_LIBRARY");
    }

    // No archiver: the user is told the files could not be packed, and the description goes
    // alone only after Continue. Cancel sends nothing.
    void reportWithoutArchiverAndCancel()
    {
        SmtpTestServer server(SmtpTestServer::Kind::Aiosmtpd, {"--user", kUser, "--password", kPassword});
        QVERIFY2(server.started(), qPrintable(server.errorOutput()));
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", "/nonexistent");
        Told asked;
        const QList<QVariant> result = SendReport(Account(server.port(), false), QStringLiteral("a:b:c"));
        qputenv("PATH", path);
        QCOMPARE(asked, QStringList{"The report's files could not be packed. Send the description alone?"});
        QCOMPARE(result.value(0).toBool(), true);
        const QJsonObject mail = ReadMail(server.savedFile("mail-1.eml"), m_work.path());
        QCOMPARE(mail["parts"].toArray().size(), 1);
        QCOMPARE(mail["parts"].toArray()[0].toObject()["text"].toString().trimmed(), QStringLiteral("a:b:c"));

        CBugReportSender sender;
        QSignalSpy results(&sender, &CBugReportSender::sendResult);
        AnswerDialog(QStringLiteral("n"), QStringLiteral("n@x.org"), QStringLiteral("d"), false);
        sender.Report(nullptr, Account(server.port(), false), nullptr);
        QTRY_VERIFY_WITH_TIMEOUT(!sender.IsBusy(), 20000);
        QCOMPARE(results.count(), 0);
        QCOMPARE(server.savedCount("mail-*.eml"), 1);
        QVERIFY(Leftovers().isEmpty());
    }

    // A refused connection and a refused login each give one false result, and the window
    // then offers the archive for mailing by hand; the archive taken that way stays, also when
    // a later report is packed and sent.
    void failuresOfferTheArchive()
    {
        QString byHand;
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        const int closedPort = closed.serverPort();
        closed.close();
        SmtpTestServer server(SmtpTestServer::Kind::Aiosmtpd,
                              {"--mode", "ssl", "--cert", m_certs->serverCert, "--key", m_certs->serverKey,
                               "--user", kUser, "--password", "other-pass"});
        QVERIFY(server.started());
        for (const int port : {closedPort, server.port()})
        {
            const QList<QVariant> result = SendReport(Account(port, true), QStringLiteral("it broke"));
            QCOMPARE(result.value(0).toBool(), false);
            QVERIFY(QFile::exists(result.value(1).toString()));

            // Cancel once; Continue then says where the archive lies and where it goes.
            const bool manually = port == server.port();
            QList<MessageQuestion> asked;
            CMessageSeam::Scope seam(
                [&asked, manually](const MessageQuestion& question)
                {
                    asked << question;
                    return manually ? 1 : 2;
                });
            CBugReportSender::ShowSendResult(nullptr, false, result.value(1).toString());
            QCOMPARE(asked.size(), manually ? 2 : 1);
            QCOMPARE(
                asked[0].text,
                QStringLiteral("Bug sending failed. Would you like to send the bug via email manually?"));
            QCOMPARE(asked[0].buttons, (QStringList{"Continue", "Cancel"}));
            if (manually)
            {
                QVERIFY(asked[1].text.startsWith("Please attach this file to an email to ") &&
                        asked[1].text.contains('@') && asked[1].text.endsWith(result.value(1).toString()));
                byHand = result.value(1).toString();
            }
            QCOMPARE(QFile::exists(result.value(1).toString()), manually);
        }
        QCOMPARE(server.savedCount("mail-*.eml"), 0);

        SmtpTestServer good(SmtpTestServer::Kind::Aiosmtpd, {"--user", kUser, "--password", kPassword});
        QVERIFY(good.started());
        const QByteArray kept = ReadAll(byHand);
        const QList<QVariant> next = SendReport(Account(good.port(), false), QStringLiteral("again"));
        Told told;
        CBugReportSender::ShowSendResult(nullptr, next.value(0).toBool(), next.value(1).toString());
        QVERIFY(!kept.isEmpty() && ReadAll(byHand) == kept);
        QCOMPARE(ReadMail(good.savedFile("mail-1.eml"), m_work.path())["parts"].toArray().size(), 2);
    }

    // A report on a server that never greets is given up at once when abandoned (the greeting
    // alone would be waited for 33 s), is not reported, and is kept for mailing by hand.
    void abandonedReportEndsAtOnce()
    {
        QTcpServer silent;
        QVERIFY(silent.listen(QHostAddress::LocalHost));
        CBugReportSender sender;
        QSignalSpy results(&sender, &CBugReportSender::sendResult);
        AnswerDialog(QStringLiteral("n"), QStringLiteral("n@x.org"), QStringLiteral("silence"));
        sender.Report(nullptr, Account(silent.serverPort(), false), nullptr);
        QTRY_VERIFY_WITH_TIMEOUT(silent.hasPendingConnections(), 30000);
        const QPointer<BugreportThread> thread = sender.findChild<BugreportThread*>();
        QVERIFY(thread);
        sender.Abandon();
        QTRY_VERIFY(!thread);
        QCOMPARE(results.count(), 0);
        QVERIFY(QDir(CBugReportPackage::ReportsFolder()).entryList({"*.unsent.txt"}).size() == 1);
    }

    // The dialog: a bad address is refused and keeps what was typed, also through the focus
    // coming back; a good one answers the three fields, ':' and all.
    void dialogChecksTheAddress()
    {
        QList<MessageQuestion> asked;
        CMessageSeam::Scope seam(
            [&asked](const MessageQuestion& question)
            {
                asked << question;
                return 1;
            });
        WhenVisible([] { return TopLevelOf<CBugReport>(); },
                    [&asked](QWidget* dialog)
                    {
                        auto* description = dialog->findChild<QTextEdit*>(QStringLiteral("BugReportDes"));
                        QFocusEvent focusIn(QEvent::FocusIn);
                        QApplication::sendEvent(description, &focusIn);
                        QCOMPARE(description->toPlainText(), QString());
                        description->setPlainText(QStringLiteral("time: 12:30"));
                        dialog->findChild<QLineEdit*>(QStringLiteral("BugReportEmail"))->setText("no-at");
                        dialog->findChild<QPushButton*>(QStringLiteral("ReportButton"))->click();
                        QCOMPARE(asked.size(), 1);
                        QCOMPARE(asked[0].text,
                                 QStringLiteral("Invalid e-mail, please enter a correct one."));
                        QVERIFY(dialog->isVisible());
                        QEvent deactivate(QEvent::WindowDeactivate);
                        QApplication::sendEvent(description, &deactivate);
                        QApplication::sendEvent(description, &focusIn);
                        QCOMPARE(description->toPlainText(), QStringLiteral("time: 12:30"));
                        dialog->findChild<QLineEdit*>(QStringLiteral("BugReportName"))->setText("Jo");
                        // Neither "@" alone nor an address without a domain or with a space.
                        for (const char* bad : {"@", "jo@x", "jo@x.", "@x.org", "jo x@x.org"})
                        {
                            dialog->findChild<QLineEdit*>(QStringLiteral("BugReportEmail"))->setText(bad);
                            dialog->findChild<QPushButton*>(QStringLiteral("ReportButton"))->click();
                        }
                        dialog->findChild<QLineEdit*>(QStringLiteral("BugReportEmail"))->setText("jo@x.org");
                        dialog->findChild<QPushButton*>(QStringLiteral("ReportButton"))->click();
                    });
        QCOMPARE(CBugReport::Open(nullptr), QStringLiteral("Jo:jo@x.org:time: 12:30"));
        QCOMPARE(asked.size(), 6);
    }

    // An archiver that cannot even start (no descriptor left for its pipes) ends the packing
    // before the dialog opens: the next report still goes once, with its own dialog's answer.
    void archiverThatCannotStartStillSendsThisReportOnce()
    {
        SmtpTestServer server(SmtpTestServer::Kind::Aiosmtpd, {"--user", kUser, "--password", kPassword});
        QVERIFY2(server.started(), qPrintable(server.errorOutput()));
        Told asked;
        CBugReportSender sender;
        QSignalSpy results(&sender, &CBugReportSender::sendResult);
        AnswerDialog(QStringLiteral("First"), QStringLiteral("f@x.org"), QStringLiteral("first"));
        sender.Report(nullptr, Account(server.port(), false), nullptr);
        QTRY_COMPARE_WITH_TIMEOUT(results.count(), 1, 30000);

        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_NOFILE, &saved), 0);
        const rlimit low{std::min<rlim_t>(saved.rlim_cur, 1024), saved.rlim_max};
        QCOMPARE(setrlimit(RLIMIT_NOFILE, &low), 0);
        std::vector<int> taken;
        for (int fd; (fd = ::open("/dev/null", O_RDONLY)) >= 0;)
            taken.push_back(fd);
        // Two stay free: too few for the archiver's pipes and its output file, enough for a
        // wake-up that another thread may make meanwhile.
        for (int i = 0; i < 2 && !taken.empty(); ++i)
        {
            ::close(taken.back());
            taken.pop_back();
        }
        // Given back as the dialog shows, after the archiver failed to start and before the dialog
        // is painted: Qt paints through a pool of threads it starts on demand, each of which needs
        // a descriptor for its event loop, and GLib aborts the program when it gets none.
        const auto giveBack = [&]
        {
            for (const int fd : std::exchange(taken, {}))
                ::close(fd);
            setrlimit(RLIMIT_NOFILE, &saved);
        };
        OnDialogShow onShow(giveBack);
        AnswerDialog(QStringLiteral("Second"), QStringLiteral("s@x.org"), QStringLiteral("second"), true,
                     giveBack);
        sender.Report(nullptr, Account(server.port(), false), nullptr);
        QTRY_VERIFY_WITH_TIMEOUT(!sender.IsBusy(), 30000);
        QCOMPARE(results.count(), 2);
        QCOMPARE(asked.size(), 1); // the description alone, agreed to
        QCOMPARE(server.savedCount("mail-*.eml"), 2);
        const QJsonObject mail = ReadMail(server.savedFile("mail-2.eml"), m_work.path());
        QCOMPARE(mail["subject"].toString(), QStringLiteral("Second - s@x.org -> Tidewell( Linux )"));
        // No archive: the archiver did not start.
        QCOMPARE(mail["parts"].toArray().size(), 1);
    }
};

QTEST_MAIN(BugReportTest)
#include "BugReportTest.moc"
