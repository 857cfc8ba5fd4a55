#include "LinkFixture.h"

#include "AppGlobals.h"
#include "AppSettings.h"
#include "RoadCheck.h"
#include "sonalike.h"

#include <QDir>
#include <QTest>

namespace link_test
{

void MusicLinkTest::SetUp()
{
    g_bScaniTunes = false;
    settings = GetAppSettings();
    ASSERT_NE(settings, nullptr);
    link = std::make_unique<CMusicLink>(&host);
    ASSERT_NE(link->GetMusicManage(), nullptr);
}

void MusicLinkTest::TearDown()
{
    link.reset();
    EXPECT_EQ(tidewell::test::FileRoadFaults().join('\n').toStdString(), "");
    DedupeDealloc();
    ReleaseAppSettings();
    g_bScaniTunes = false;
}

QStringList MusicLinkTest::MakeSongs(const QString& folder, int count, const QString& stem, bool withArtwork)
{
    return tidewell::test::makeSongFolder(folder, count, stem, stem, withArtwork);
}

void Drain()
{
    QTest::qWait(100);
}

} // namespace link_test

namespace link_test
{

bool WaitForCount(const QSignalSpy& spy, int count, int timeoutMs)
{
    const bool reached = QTest::qWaitFor([&] { return spy.count() >= count; }, timeoutMs);
    Drain();
    return reached;
}

} // namespace link_test
