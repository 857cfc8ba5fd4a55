#include "CNetworkReplyTimeout.h"
#include "EventLoopHttpServer.h"

#include <QElapsedTimer>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using tidewell::test::EventLoopHttpServer;
using tidewell::test::HttpResponse;

namespace
{

struct Fixture
{
    EventLoopHttpServer server;
    QNetworkAccessManager manager;

    Fixture()
    {
        manager.setProxy(QNetworkProxy(QNetworkProxy::NoProxy));
        EXPECT_TRUE(server.start());
    }
    QNetworkReply* get(const QByteArray& path)
    {
        return manager.get(QNetworkRequest(QUrl(server.baseUrl() + QString::fromLatin1(path))));
    }
};

} // namespace

TEST(CNetworkReplyTimeout, AbortsARunningReplyAfterItsTime)
{
    Fixture f;
    f.server.answer("/never", HttpResponse::only(HttpResponse::Mode::Silent));
    QNetworkReply* reply = f.get("/never");
    QSignalSpy finished(&f.manager, &QNetworkAccessManager::finished);
    QElapsedTimer clock;
    clock.start();
    new CNetworkReplyTimeout(reply, 300);

    ASSERT_TRUE(finished.wait(5000));
    EXPECT_GE(clock.elapsed(), 290);
    EXPECT_EQ(reply->error(), QNetworkReply::OperationCanceledError);
    EXPECT_FALSE(reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid());
    delete reply;
}

TEST(CNetworkReplyTimeout, FinishedReplyIsNeverAborted)
{
    Fixture f;
    f.server.answer("/ok", {HttpResponse::Mode::Full, 200, "text/plain", "hello"});
    QNetworkReply* reply = f.get("/ok");
    QSignalSpy finished(reply, &QNetworkReply::finished);
    ASSERT_TRUE(finished.wait(5000));

    QPointer<CNetworkReplyTimeout> watchdog = new CNetworkReplyTimeout(reply, 10);
    EXPECT_EQ(watchdog->parent(), reply);
    QTest::qWait(100);
    EXPECT_EQ(reply->error(), QNetworkReply::NoError);
    EXPECT_EQ(reply->readAll(), "hello");
    EXPECT_EQ(finished.count(), 1);
    delete reply;
    EXPECT_TRUE(watchdog.isNull());
}

TEST(CNetworkReplyTimeout, DestroyedWithItsReply)
{
    Fixture f;
    f.server.answer("/never", HttpResponse::only(HttpResponse::Mode::Silent));
    QNetworkReply* reply = f.get("/never");
    QPointer<CNetworkReplyTimeout> watchdog = new CNetworkReplyTimeout(reply, 100);
    QSignalSpy finished(&f.manager, &QNetworkAccessManager::finished);
    delete reply;
    EXPECT_TRUE(watchdog.isNull());
    QTest::qWait(300);
    EXPECT_EQ(finished.count(), 0);
}
