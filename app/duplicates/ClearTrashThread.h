#pragma once

#include <QDate>
#include <QMutex>
#include <QString>
#include <QThread>
#include <QWaitCondition>

// Clears the recycle folder: loose files lying directly in it, and the dated sub-folders
// ("yyyy-MM-dd") older than the "ClearDays" setting, after asking once per run.
//
// Threading: run works on its own thread and asks through the queued AskClearTrash signal; the
// GUI thread answers with WakeWithAnswer. The answer and the stop flag change under m_mutex and
// the wait loops until an answer or a stop arrives, so an answer given before the wait starts
// is kept, a spurious wake-up is not taken for "Sure", and SetStopFlag always ends the wait.
class CClearTrashThread : public QThread
{
    Q_OBJECT

public:
    explicit CClearTrashThread(QObject* parent = nullptr);

    // cancel true stops the run (nothing further is deleted); then the waiting run goes on.
    void WakeWithAnswer(bool cancel);
    // Ends the run at its next entry or file, and ends a wait for the answer.
    void SetStopFlag();

    // The day the run takes as today; invalid (the default) means the real date. For tests.
    void SetToday(const QDate& today) { m_today = today; }

signals:
    void AskClearTrash(int seconds);

protected:
    void run() override;

private:
    bool Stopped();
    // Asks the question and waits for the answer; false when the run must end.
    bool AskAndWait();
    void ClearDatedFolder(const QString& recycle, const QString& name);

    bool m_bStop = false;
    bool m_bAsked = false;
    bool m_bAnswered = false;
    QWaitCondition m_condition;
    QMutex m_mutex;
    QDate m_today;
};
