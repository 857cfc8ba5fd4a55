#include "PreviewPlayback.h"

#include "CWarnMessage.h"
#include "UILog.h"

#include <QByteArray>
#include <QCoreApplication>

#include <cstring>

static_assert(sizeof(KestrineOutputFormat) == 104, "the output record is 104 bytes");

namespace
{

void ShowPlaybackFailure(QWidget* parent)
{
    CWarnMessage::ShowMessage(parent, QString(),
                              QCoreApplication::translate("CLabelArtwork", "Playback failure!"), 0, QString(),
                              QString(), QString(), 0);
}

} // namespace

bool StartPreview(int mediaHandle, const QString& path, int& player, KestrineNoticeFunction notice,
                  void* context, QWidget* messageParent)
{
    if (mediaHandle <= 0 || path.isEmpty())
    {
        ShowPlaybackFailure(messageParent);
        return false;
    }

    // The path must outlive the open call only.
    const QByteArray utf8 = path.toUtf8();
    KestrineMediaOpen media{};
    media.bufferMilliseconds = 30000;
    media.path = utf8.constData();
    const int mediaId = KestrineOpenMedia(mediaHandle, &media, 0, 0, 0);
    if (mediaId < 0)
    {
        WriteUILog(QStringLiteral("Preview: cannot open %1 (%2)").arg(path).arg(mediaId));
        ShowPlaybackFailure(messageParent);
        return false;
    }

    KestrineOutputFormat output;
    std::memset(&output, 0, sizeof output);
    output.blockSize = 65536;
    output.bitRate = 1411200; // 44100 Hz x 2 channels x 16 bits
    output.sampleRate = 44100;
    output.channels = 2;
    output.field5 = 1;
    output.field6 = -1;
    output.field7 = 0;
    output.field8 = 2;
    std::memcpy(output.format, "wav", 3);
    std::memcpy(output.container, "wav", 3);
    KestrineSetOutput(mediaHandle, mediaId, &output);

    if (player != 0)
    {
        KestrinePlayerRelease(player); // releasing stops it as well
        player = 0;
    }

    KestrinePlayerSetup setup{};
    setup.mediaLibrary = mediaHandle;
    setup.mediaId = mediaId;
    setup.field3 = 300;
    setup.field4 = 400;
    setup.notice = notice;
    setup.noticeContext = context;
    int created = 0;
    KestrineCreatePlayer(&setup, 1, 0, &created);
    if (created == 0)
    {
        WriteUILog(QStringLiteral("Preview: no player for %1").arg(path));
        ShowPlaybackFailure(messageParent);
        return false;
    }

    const int started = KestrinePlayerStart(created);
    if (started != 0)
    {
        // A player that never started is of no use to anyone: let it go here, so the caller
        // is never left holding a silent one.
        KestrinePlayerRelease(created);
        WriteUILog(QStringLiteral("Preview: cannot start %1 (%2)").arg(path).arg(started));
        ShowPlaybackFailure(messageParent);
        return false;
    }
    player = created;
    return true;
}

void PausePreview(int player)
{
    if (player != 0)
        KestrinePlayerPause(player);
}

bool ResumePreview(int player)
{
    return player != 0 && KestrinePlayerStart(player) == 0;
}

void StopPreview(int& player)
{
    if (player == 0)
        return;
    KestrinePlayerStop(player);
    KestrinePlayerRelease(player);
    player = 0;
}

bool IsPreviewEndNotice(const int* notice, const void* context)
{
    return notice && context && notice[0] == 0 &&
           (notice[1] == KESTRINE_NOTICE_FINISHED || notice[1] == KESTRINE_NOTICE_BROKEN);
}

int PreviewNoticePlayer(const int* notice)
{
    return notice ? notice[2] : 0;
}
