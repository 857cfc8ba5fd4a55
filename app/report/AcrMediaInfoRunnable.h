#pragma once

#include <QMap>
#include <QObject>
#include <QPointer>
#include <QRunnable>
#include <QString>
#include <QVariant>

#include <mutex>

class CAnalyReport;

// One recognition of one song, run on the report page's thread pool: it identifies the file in a
// local event loop on its pool thread, holds the answer there while the fix view is paused, and
// hands it to the page on the GUI thread, which counts the batch and hears its end.
//
// Ownership: created on the GUI thread by the page, not auto-deleted by the pool; it deletes
// itself (deleteLater, on the GUI thread it belongs to) once its answer was handled or when it
// ends without one. Threading: run() on a pool thread; MusicInfo and the finished count on the
// GUI thread only.
class AcrMediaInfoRunnable : public QObject, public QRunnable
{
    Q_OBJECT

public:
    AcrMediaInfoRunnable(int identify, const QString& path, int total);
    ~AcrMediaInfoRunnable() override;

    void SetOwner(CAnalyReport* owner);
    // Where a cover that comes with the answer is stored; set before the job starts.
    void SetArtworkTarget(const QString& path) { m_sArtworkTarget = path; }
    void run() override;

    // The key under which a job hands over the cover it stored (a path, empty when the answer's
    // picture could not be stored): the page then decodes nothing on the GUI thread.
    static constexpr char kStoredArtwork[] = "storedArtwork";

    // Answers of the current batch handed over so far. GUI thread.
    static int FinishedCount();
    static void ResetFinishedCount();

public slots:
    // GUI thread: passes one answer to the page and counts it; transferError is the identify
    // reply's (CACRrecognize::IdentifyReplyError), which tells an unreachable service.
    void MusicInfo(const QMap<QString, QVariant>& answer, int transferError = 0);

signals:
    void SigMusicInfoReadFinished();

private:
    int m_nTotal = 0;
    CAnalyReport* m_pOwnerForPool = nullptr; // read on the pool thread; the page waits for its pool
    QPointer<CAnalyReport> m_pOwner;         // read on the GUI thread
    int m_nIdentify = 0;
    QString m_sPath;
    QString m_sArtworkTarget;
    std::mutex m_answerMutex;
    QMap<QString, QVariant> m_answer; // from run() to the GUI thread's MusicInfo
    int m_nTransferError = 0;         // the identify reply's, handed over with m_answer
};
