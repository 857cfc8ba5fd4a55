#include "LinkFixture.h"

#include "AppGlobals.h"
#include "AppSettings.h"
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
    DedupeDealloc();
    ReleaseAppSettings();
    g_bScaniTunes = false;
}

QStringList MusicLinkTest::MakeSongs(const QString& folder, int count, const QString& stem, bool withArtwork)
{
    using namespace tidewell::test;
    QDir().mkpath(folder);
    QStringList paths;
    for (int i = 0; i < count; ++i)
    {
        AudioSpec audioSpec;
        audioSpec.format = AudioFormat::Mp3;
        audioSpec.seconds = 1.0;
        audioSpec.toneHz = 220.0 + 110.0 * i;
        audioSpec.tags.title = QStringLiteral("%1 %2").arg(stem).arg(i);
        audioSpec.tags.artist = QStringLiteral("Artist %1").arg(i);
        audioSpec.tags.album = QStringLiteral("Album");
        audioSpec.tags.genre = QStringLiteral("Rock");
        audioSpec.tags.year = 2000 + i;
        if (withArtwork)
            audioSpec.artwork = makePicture(64, 64, 0x3366cc);
        const QString path = QStringLiteral("%1/%2%3.mp3").arg(folder, stem).arg(i);
        if (makeAudioFile(path, audioSpec))
            paths << path;
    }
    return paths;
}

bool WaitUntil(const std::function<bool()>& pred, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!pred())
    {
        if (deadline.hasExpired())
            return pred();
        QTest::qWait(5);
    }
    return true;
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
    const bool reached = WaitUntil([&] { return spy.count() >= count; }, timeoutMs);
    Drain();
    return reached;
}

} // namespace link_test
