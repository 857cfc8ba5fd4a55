// The update check as the window runs it: the request goes to a local server on a worker
// thread, and the what's-new dialog tells the outcome.
#include "AppGlobals.h"
#include "AppSettings.h"
#include "CMessageSeam.h"
#include "InterfaceLanguage.h"
#include "LocalHttpServer.h"
#include "TextWalker.h"
#include "UpdateCheck.h"
#include "UpdateReplies.h"
#include "WhatsNew.h"
#include "WidgetTestEnv.h"

#include <QDate>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>
#include <QTextBrowser>

using tidewell::test::LocalHttpServer;

namespace
{

struct Shown
{
    QString text;
    QStringList buttons; // visible push buttons
    bool whatsNewBox = false;
};

// Runs one check against the given port and reads the dialog it shows; inspect sees the dialog
// before it is closed.
Shown RunCheck(int port, int* code = nullptr, const std::function<void(QWidget*)>& inspect = {})
{
    qputenv("TIDEWELL_UPDATE_URL",
            QByteArray("http://127.0.0.1:") + QByteArray::number(port) + "/update.php");
    Shown shown;
    WhenVisible([] { return TopLevelOf<WhatsNew>(); },
                [&shown, inspect](QWidget* dialog)
                {
                    if (inspect)
                        inspect(dialog);
                    for (const QLabel* label : dialog->findChildren<QLabel*>())
                        shown.text += label->text();
                    for (const QPushButton* button : dialog->findChildren<QPushButton*>())
                        if (button->isVisibleTo(dialog))
                            shown.buttons << button->text();
                    shown.whatsNewBox = dialog->findChild<QTextBrowser*>()->isVisibleTo(dialog);
                    if (dialog->isVisible())
                        dialog->close();
                });
    QWidget window;
    CUpdateCheck check(&window);
    QSignalSpy checked(&check, &CUpdateCheck::checked);
    check.Check();
    [&] { QTRY_COMPARE_WITH_TIMEOUT(checked.count(), 1, 30000); }();
    if (code && !checked.isEmpty())
        *code = checked.value(0).value(0).toInt();
    return shown;
}

} // namespace

class UpdateCheckWindowTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<WidgetTestEnv> m_env;

private slots:
    void initTestCase()
    {
        m_env = std::make_unique<WidgetTestEnv>();
        FillAppStrings();
        g_strVersion = QStringLiteral("1.2.3.0");
    }
    void cleanupTestCase() { m_env.reset(); }

    void outcomes_data()
    {
        QTest::addColumn<QString>("raw");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("buttons");
        const auto ok = [](std::map<std::string, std::string> fields)
        { return QString::fromStdString(LocalHttpServer::Ok(tidewell::test::UpdateReply(fields)).raw); };
        const QString newer =
            QStringLiteral("A new version of Tidewell found! \nCurrent version: 1.2.3.0\nNew version: 1.2.4");
        QTest::newRow("newer") << ok({}) << 1 << newer << QStringList{"Download", "Cancel"};
        QTest::newRow("same") << ok({{"ProductVer", "1.2.3"}}) << 2 << "You are using the newest version."
                              << QStringList{"Cancel"};
        QTest::newRow("not a web download")
            << ok({{"DownloadURL", "file:///etc/passwd"}}) << 1
            << newer + "\n\nThe update server gave no web address to download it from."
            << QStringList{"Cancel"};
        QTest::newRow("no product") << ok({{"ProductCode", "<empty>"}}) << -5
                                    << "Failed to find product record." << QStringList{"Cancel"};
        const QString unreadable =
            QStringLiteral("The update server's answer could not be read as update information.");
        QTest::newRow("html") << QString::fromStdString(
                                     LocalHttpServer::Ok("<html><body>Hi<br></body></html>", "text/html").raw)
                              << -3 << unreadable << QStringList{"Cancel"};
        const std::string whole = tidewell::test::UpdateReply();
        QTest::newRow("truncated") << QString::fromStdString(
                                          LocalHttpServer::Ok(whole.substr(0, whole.size() - 40)).raw)
                                   << -3 << unreadable << QStringList{"Cancel"};
        QTest::newRow("odd version") << ok({{"ProductVer", "9.9.9abc"}}) << -3 << unreadable
                                     << QStringList{"Cancel"};
        QTest::newRow("too large") << ok({{"Description", std::string(100000, 'Q')}}) << -3 << unreadable
                                   << QStringList{"Cancel"};
        // An answer with a status is no broken connection, and neither is a redirect unknown.
        for (const int status : {500, 404, 301})
            QTest::newRow(qPrintable(QString::number(status)))
                << QString::fromStdString(LocalHttpServer::Status(status, tidewell::test::UpdateReply()).raw)
                << -2
                << QStringLiteral("The update server did not send the update information (HTTP status %1).")
                       .arg(status)
                << QStringList{"Cancel"};
    }
    // Each reply gives its own text; a failure never says "newest" and never offers a download.
    void outcomes()
    {
        QFETCH(QString, raw);
        QFETCH(int, code);
        QFETCH(QString, text);
        QFETCH(QStringList, buttons);
        LocalHttpServer server(
            [raw](const LocalHttpServer::Request&, int) {
                return LocalHttpServer::Response{raw.toStdString(), false};
            });
        int answered = 0;
        const Shown shown = RunCheck(server.port(), &answered);
        QCOMPARE(answered, code);
        QVERIFY2(shown.text.contains(text), qPrintable(shown.text));
        QCOMPARE(shown.buttons, buttons);
        const std::string request = server.requests().at(0).requestLine;
        QVERIFY(request.find("product=TIDEWELL") != std::string::npos);
        QVERIFY(request.find("versioncur=1.2.3.0") != std::string::npos);
    }

    void refusedConnection()
    {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        const int port = closed.serverPort();
        closed.close();
        // Direct: the connection is named, and no empty what's-new box stands under it; through a
        // proxy that does not answer, the proxy is.
        Shown shown = RunCheck(port);
        QVERIFY(shown.text.endsWith("Please check your network connection.") && !shown.whatsNewBox);
        GetAppSettings()->SetProxyHost(QStringLiteral("127.0.0.1"));
        GetAppSettings()->SetProxyPort(port);
        GetAppSettings()->SetProxyEnabled(1);
        shown = RunCheck(port);
        GetAppSettings()->SetProxyEnabled(0);
        QVERIFY(shown.text.endsWith("Please check the validity of the proxy."));
    }

    // With no browser to take the address (the test platform has none), Download says where to
    // go instead of closing mute.
    void downloadWithoutABrowser()
    {
        LocalHttpServer server([](const LocalHttpServer::Request&, int)
                               { return LocalHttpServer::Ok(tidewell::test::UpdateReply()); });
        QStringList told;
        CMessageSeam::Scope answers([&told](const MessageQuestion& question)
                                    { return int((told << question.text).size()); });
        RunCheck(server.port(), nullptr,
                 [](QWidget* dialog)
                 {
                     for (QPushButton* button : dialog->findChildren<QPushButton*>())
                         if (button->text() == "Download")
                             QTest::mouseClick(button, Qt::LeftButton);
                 });
        // The address keeps its own direction inside the message.
        QCOMPARE(told, QStringList{QStringLiteral(
                           "No web browser could be opened. Please visit:\n"
                           "\u2068http://www.example.org/download.html?product=TIDEWELL\u2069")});
    }

    // The outcomes' own texts in every language: translated, whole in the dialog.
    void newMessagesInEachLanguage()
    {
        const std::vector<std::string> replies{
            LocalHttpServer::Status(404, "gone").raw, LocalHttpServer::Ok("<html/>", "text/html").raw,
            LocalHttpServer::Ok(tidewell::test::UpdateReply({{"DownloadURL", "ftp://x/y"}})).raw};
        for (const QString code : {"en", "de", "jp", "ru", "es", "br", "ar", "fr"})
        {
            InstallInterfaceTranslator(LoadInterfaceTranslator(code));
            for (const std::string& raw : replies)
            {
                LocalHttpServer server([&raw](const LocalHttpServer::Request&, int)
                                       { return LocalHttpServer::Response{raw}; });
                QStringList problems;
                RunCheck(server.port(), nullptr,
                         [&](QWidget* dialog) { problems = WalkTexts(dialog, code); });
                QVERIFY2(problems.isEmpty(), qPrintable(code + ": " + problems.join("\n")));
            }
        }
        InstallInterfaceTranslator(LoadInterfaceTranslator("en"));
    }

    // "b_proxy" 0 goes direct even with a proxy host set; 1 goes through the proxy.
    void proxySetting()
    {
        const std::string reply = LocalHttpServer::Ok(tidewell::test::UpdateReply()).raw;
        LocalHttpServer server([&](const LocalHttpServer::Request&, int)
                               { return LocalHttpServer::Response{reply}; });
        LocalHttpServer proxy([&](const LocalHttpServer::Request&, int)
                              { return LocalHttpServer::Response{reply}; });
        CAppSettings* settings = GetAppSettings();
        settings->SetProxyHost(QStringLiteral("127.0.0.1"));
        settings->SetProxyPort(proxy.port());
        settings->SetProxyEnabled(0);
        RunCheck(server.port());
        QCOMPARE(server.requests().size(), size_t(1));
        QCOMPARE(proxy.requests().size(), size_t(0));
        settings->SetProxyEnabled(1);
        RunCheck(server.port());
        QCOMPARE(server.requests().size(), size_t(1));
        QCOMPARE(proxy.requests().size(), size_t(1));
        settings->SetProxyEnabled(0);
    }

    // The automatic check's schedule, and the date it keeps.
    void updateDue()
    {
        CAppSettings& settings = *GetAppSettings();
        const QDate today(2026, 3, 31);
        const auto dueAfter = [&](int mode, int days, const QDate& last)
        {
            settings.SetAutoUpdate(mode);
            settings.SetUpdateDays(days);
            settings.SetUpdateDate(last.year(), last.month(), last.day());
            return CUpdateCheck::IsUpdateDue(settings, today);
        };
        QVERIFY(!dueAfter(0, 7, today.addYears(-1)));
        QVERIFY(dueAfter(2, 7, today));
        QVERIFY(!dueAfter(1, 7, today.addDays(-6)));
        QVERIFY(dueAfter(1, 7, today.addDays(-7)));
        int year = 0, month = 0, day = 0;
        settings.GetUpdateDate(year, month, day);
        QCOMPARE(QDate(year, month, day), today);
        QVERIFY(dueAfter(1, 7, today.addDays(3)));
        // Every week and every month wait the stored number of days too.
        QVERIFY(!dueAfter(3, 30, today.addDays(-7)));
        QVERIFY(dueAfter(3, 1, today.addDays(-6)));
        QVERIFY(dueAfter(4, 7, QDate(2026, 3, 1)));
        QVERIFY(!dueAfter(4, 300, QDate(2026, 2, 28)));
    }
};

QTEST_MAIN(UpdateCheckWindowTest)
#include "UpdateCheckWindowTest.moc"
