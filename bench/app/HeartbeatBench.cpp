// How smooth the GUI thread stays while the window waits on outside work: the longest stall of
// the benchmarks' heartbeat (bench::Heartbeat; it should stay under 100 ms) while
//  - the update check waits on a server that answers after 4 s,
//  - the bug-report archive of a 50 MB library file is packed by 7z,
//  - the bug report is mailed to a local SMTP server.
// Usage: bench_app_heartbeat [library MB=50]   (run with QT_QPA_PLATFORM=offscreen)
#include "AppGlobals.h"
#include "AppSettings.h"
#include "BenchSupport.h"
#include "BugReportPackage.h"
#include "BugreportThread.h"
#include "LocalHttpServer.h"
#include "SmtpTestServer.h"
#include "UpdateCheck.h"
#include "UpdateReplies.h"
#include "WhatsNew.h"
#include "WidgetTestEnv.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QRandomGenerator>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <thread>

namespace
{

void Report(const char* what, const bench::Heartbeat& heartbeat, qint64 ms)
{
    std::printf("%-34s %7lld ms   longest stall %4lld ms   stalls over 100 ms: %d\n", what,
                static_cast<long long>(ms), static_cast<long long>(heartbeat.Longest()), heartbeat.Over());
}

template <typename Start, typename Done> void Measure(const char* what, Start start, Done done)
{
    QEventLoop loop;
    QElapsedTimer clock;
    bench::Heartbeat heartbeat;
    clock.start();
    start(loop);
    if (!done())
        loop.exec();
    Report(what, heartbeat, clock.elapsed());
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    const int megabytes = argc > 1 ? std::atoi(argv[1]) : 50;
    WidgetTestEnv env;
    FillAppStrings();
    g_strVersion = QStringLiteral("1.0.0.0");

    // 1. The update check against a slow server.
    {
        const std::string reply = tidewell::test::LocalHttpServer::Ok(tidewell::test::UpdateReply()).raw;
        tidewell::test::LocalHttpServer server(
            [&reply](const tidewell::test::LocalHttpServer::Request&, int)
            {
                std::this_thread::sleep_for(std::chrono::seconds(4));
                return tidewell::test::LocalHttpServer::Response{reply};
            });
        qputenv("TIDEWELL_UPDATE_URL",
                QByteArray("http://127.0.0.1:") + QByteArray::number(server.port()) + "/u.php");
        QWidget window;
        CUpdateCheck check(&window);
        if (qEnvironmentVariableIsSet("BENCH_WARM_DIALOG"))
        {
            // Builds the dialog once beforehand, to tell its first build from the wait.
            WhatsNew warm(&window);
            warm.show();
            QCoreApplication::processEvents();
        }
        // The dialog comes after the slow reply; it is closed as soon as it shows.
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout,
                         []
                         {
                             if (WhatsNew* dialog = TopLevelOf<WhatsNew>())
                                 dialog->close();
                         });
        closer.start(20);
        Measure(
            "update check, server waits 4 s",
            [&](QEventLoop& loop)
            {
                QObject::connect(&check, &CUpdateCheck::checked, &loop, &QEventLoop::quit);
                check.Check();
            },
            [] { return false; });
    }

    // 2. Packing a large library file.
    const QString library = GetAppSettings()->GetDataFolder() + QStringLiteral("/../Library.xml");
    {
        QFile file(library);
        file.open(QIODevice::WriteOnly);
        QByteArray block(1 << 20, Qt::Uninitialized);
        for (int i = 0; i < megabytes; ++i)
        {
            QRandomGenerator::global()->fillRange(reinterpret_cast<quint32*>(block.data()), block.size() / 4);
            file.write(block);
        }
    }
    qputenv("TIDEWELL_ITUNES_LIBRARY", library.toUtf8());
    CBugReportPackage package;
    Measure(
        "7z packs the library file",
        [&](QEventLoop& loop)
        {
            QObject::connect(&package, &CBugReportPackage::done, &loop, &QEventLoop::quit);
            package.Start();
        },
        [&] { return package.IsDone(); });

    // 3. Mailing the report (the archive may be refused for its size; the wait is the same).
    tidewell::test::SmtpTestServer server(tidewell::test::SmtpTestServer::Kind::Aiosmtpd,
                                          {"--user", "bug@test", "--password", "secret"});
    if (!server.started())
    {
        std::printf("no SMTP server: %s\n", qPrintable(server.errorOutput()));
        return 1;
    }
    BugMailContent content;
    content.archivePath = package.ArchivePath();
    content.userName = QStringLiteral("bench");
    content.userEmail = QStringLiteral("bench@test");
    content.description = QStringLiteral("heartbeat");
    content.supportAddress = QStringLiteral("support@test");
    BugreportThread thread(content,
                           {QStringLiteral("127.0.0.1"), server.port(), false, "bug@test", "secret"});
    bool sent = false;
    Measure(
        "mail with the archive",
        [&](QEventLoop& loop)
        {
            QObject::connect(&thread, &BugreportThread::updateResultUI, &loop,
                             [&](bool ok, const QString&, void*)
                             {
                                 sent = ok;
                                 loop.quit();
                             });
            thread.start();
        },
        [] { return false; });
    std::printf("archive %lld bytes, mail %s\n", static_cast<long long>(QFile(package.ArchivePath()).size()),
                sent ? "accepted" : "refused");
    return 0;
}
