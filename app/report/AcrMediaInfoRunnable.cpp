#include "AcrMediaInfoRunnable.h"

#include "AnalyReport.h"
#include "AppGlobals.h"
#include "CACRrecognize.h"
#include "PullResultKeys.h"

#include <QDebug>
#include <QEventLoop>
#include <QTimer>

namespace
{
// Answers of the current batch handed over. GUI thread only.
int g_nFinishedRecognitions = 0;
} // namespace

AcrMediaInfoRunnable::AcrMediaInfoRunnable(int identify, const QString& path, int total)
    : m_nTotal(total), m_nIdentify(identify), m_sPath(path)
{
    // The pool must not delete an object that belongs to the GUI thread.
    setAutoDelete(false);
}

AcrMediaInfoRunnable::~AcrMediaInfoRunnable() = default;

void AcrMediaInfoRunnable::SetOwner(CAnalyReport* owner)
{
    m_pOwnerForPool = owner;
    m_pOwner = owner;
}

int AcrMediaInfoRunnable::FinishedCount()
{
    return g_nFinishedRecognitions;
}

void AcrMediaInfoRunnable::ResetFinishedCount()
{
    g_nFinishedRecognitions = 0;
}

void AcrMediaInfoRunnable::run()
{
    CAnalyReport* owner = m_pOwnerForPool;
    if (!owner || owner->IsPullStopped())
    {
        deleteLater();
        return;
    }
    QMap<QString, QVariant> answer;
    int transferError = 0;
    {
        CACRrecognize client;
        QEventLoop loop;
        bool delivered = false;
        // The client lives on this thread, so the answer arrives here directly, also when it is
        // emitted inside RecognizeFile (a file that cannot be read).
        QObject::connect(&client, &CACRrecognize::signalGetResult, &loop,
                         [&](const QMap<QString, QVariant>& result)
                         {
                             answer = result;
                             delivered = true;
                             loop.quit();
                         });
        // A stop ends the wait at once (the client and its requests go with this scope), so
        // going home never waits for the service's time-outs.
        QTimer stopWatch;
        QObject::connect(&stopWatch, &QTimer::timeout, &loop,
                         [&]
                         {
                             if (owner->IsPullStopped())
                                 loop.quit();
                         });
        stopWatch.start(50);
        owner->EmitPullStart(m_nIdentify);
        client.RecognizeFile(m_sPath, m_nIdentify);
        if (!delivered)
            loop.exec();
        transferError = client.IdentifyReplyError();
    }
    // A paused view holds the answer here, on the pool thread: the GUI thread never waits.
    // A stop ends the wait and drops the answer.
    if (!WaitWhileRecognitionHeld([owner] { return owner->IsPullStopped(); }) || owner->IsPullStopped())
    {
        deleteLater();
        return;
    }
    // The cover is decoded and stored here, in parallel with the other jobs, not on the GUI thread.
    const QByteArray cover = answer.value(QLatin1String(PullResultKeys::kImageBuffer)).toByteArray();
    if (!cover.isEmpty() && answer.value(QLatin1String(PullResultKeys::kMessage)).toString() ==
                                QLatin1String(PullResultKeys::kSuccess))
    {
        answer.insert(QLatin1String(kStoredArtwork),
                      CAnalyReport::StoreAnswerArtwork(cover, m_sArtworkTarget));
        answer.remove(QLatin1String(PullResultKeys::kImageBuffer));
    }
    // Handed over under a lock as well as by the queued call: the answer was built on this thread.
    {
        std::lock_guard lock(m_answerMutex);
        m_answer = std::move(answer);
        m_nTransferError = transferError;
    }
    QMetaObject::invokeMethod(
        this,
        [this]
        {
            QMap<QString, QVariant> delivered;
            int error = 0;
            {
                std::lock_guard lock(m_answerMutex);
                delivered.swap(m_answer);
                error = m_nTransferError;
            }
            MusicInfo(delivered, error);
        },
        Qt::QueuedConnection);
}

void AcrMediaInfoRunnable::MusicInfo(const QMap<QString, QVariant>& answer, int transferError)
{
    using namespace PullResultKeys;
    // Whatever happens below, the job is done with.
    deleteLater();
    CAnalyReport* owner = m_pOwner.data();
    if (!owner || owner->IsPullStopped())
    {
        emit SigMusicInfoReadFinished();
        return;
    }
    qDebug() << "title=" << answer.value(kTitle).toString() << "album=" << answer.value(kAlbum).toString()
             << "artist=" << answer.value(kArtist).toString()
             << "releaseDate=" << answer.value(kReleaseDate).toString()
             << "genre=" << answer.value(kGenre).toString() << "duration=" << answer.value(kDuration).toInt()
             << "message=" << answer.value(kMessage).toString()
             << "networkError=" << answer.value(kNetworkError).toInt();
    if (answer.value(kMessage).toString() == QLatin1String(kSuccess))
    {
        qDebug() << "recognised job" << answer.value(kIdentify).toInt();
        owner->EmitPullSuccess(answer);
        owner->CountPullAnswer(m_nIdentify, true);
    }
    else
    {
        qDebug() << "not recognised job" << m_nIdentify << "    reason:" << answer.value(kMessage).toString();
        owner->PullFailSlot(m_nIdentify);
        // Below 200 the request never reached the service (refused, host not found, timed out,
        // a proxy failure); from 200 on the service or its server answered, if only with an error.
        owner->CountPullAnswer(m_nIdentify, transferError <= 0 || transferError >= 200);
    }
    if (++g_nFinishedRecognitions >= m_nTotal)
    {
        g_nFinishedRecognitions = 0;
        owner->EmitPullComplete();
    }
    emit SigMusicInfoReadFinished();
}
