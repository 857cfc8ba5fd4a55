// Races planted for the ThreadSanitizer summary, built and run by hand (see tsan_summary_test.py):
// each field is written by two threads without a lock, the threads started by Qt's hand-overs,
// shown to the sanitizer by the preloaded shims. Beside them, hand-overs that order their accesses.
#include <QCoreApplication>
#include <QString>
#include <QThread>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

#include <atomic>

struct Shared
{
    int inQueuedCall = 0;
    int afterEnd = 0;
    QString name;
    QString nameAfterEnd;
};

__attribute__((noinline)) void WriteFromQueuedCall(Shared& shared)
{
    shared.inQueuedCall = 1;
}
__attribute__((noinline)) void WriteFromPoolTask(Shared& shared)
{
    shared.inQueuedCall = 2;
}
__attribute__((noinline)) void WriteFromEndedThread(Shared& shared)
{
    shared.afterEnd = 1;
}
__attribute__((noinline)) void WriteFromLaterPoolTask(Shared& shared)
{
    shared.afterEnd = 2;
}
// The same races on string members: Qt's own code makes the accesses, called from ours.
__attribute__((noinline)) void NameFromQueuedCall(Shared& shared, const QString& name)
{
    shared.name = name;
}
__attribute__((noinline)) void NameFromPoolTask(Shared& shared, const QString& name)
{
    shared.name = name;
}
__attribute__((noinline)) void NameFromEndedThread(Shared& shared, const QString& name)
{
    shared.nameAfterEnd = name;
}
__attribute__((noinline)) void NameFromLaterPoolTask(Shared& shared, const QString& name)
{
    shared.nameAfterEnd = name;
}

class Writer : public QThread
{
public:
    Writer(Shared& shared, std::atomic<bool>& ended) : m_shared(shared), m_ended(ended) {}
    void run() override
    {
        WriteFromEndedThread(m_shared);
        NameFromEndedThread(m_shared, QString::number(1));
        m_ended.store(true, std::memory_order_relaxed);
    }
    Shared& m_shared;
    std::atomic<bool>& m_ended;
};

class Task : public QRunnable
{
public:
    void run() override
    {
        QThread::msleep(200);
        m_sum = m_before;
        m_sum += m_after;
    }
    int m_before = 0;
    int m_sum = 0;
    int m_after = 0;
};

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QThreadPool::globalInstance()->setMaxThreadCount(4);
    auto* shared = new Shared;
    QThread loop;
    QObject receiver;
    receiver.moveToThread(&loop);
    loop.start();
    std::atomic<int> done{0};

    // A queued call on a worker's event loop and a pool task write one field.
    QMetaObject::invokeMethod(
        &receiver,
        [&]
        {
            WriteFromQueuedCall(*shared);
            NameFromQueuedCall(*shared, QString::number(1));
            ++done;
        },
        Qt::QueuedConnection);
    QThreadPool::globalInstance()->start(
        [&]
        {
            WriteFromPoolTask(*shared);
            NameFromPoolTask(*shared, QString::number(2));
            ++done;
        });

    // A thread started from a queued call writes and ends; a pool task writes after it, having seen
    // its end only through a relaxed flag, which orders nothing.
    Writer* writer = nullptr;
    std::atomic<bool> ended{false};
    QMetaObject::invokeMethod(
        &app,
        [&]
        {
            writer = new Writer(*shared, ended);
            writer->start();
            app.quit();
        },
        Qt::QueuedConnection);
    app.exec();
    const QFuture<void> later = QtConcurrent::run(
        [shared, &ended]
        {
            while (!ended.load(std::memory_order_relaxed))
                QThread::msleep(5);
            QThread::msleep(50);
            WriteFromLaterPoolTask(*shared);
            NameFromLaterPoolTask(*shared, QString::number(2));
        });

    // A task written before its start (ordered) and after it (a race), given to a pool thread that
    // is already waiting for work.
    QThreadPool::globalInstance()->waitForDone();
    QThreadPool::globalInstance()->start([] {});
    QThread::msleep(100);
    auto* task = new Task;
    task->m_before = 1;
    QThreadPool::globalInstance()->start(task);
    task->m_after = 2;

    // A task queued behind another, written before its start: the pool's thread takes it up
    // when the first ends, under Qt's own lock (ordered).
    QThreadPool queue;
    queue.setMaxThreadCount(1);
    queue.start([] { QThread::msleep(100); });
    auto* queued = new Task;
    queued->m_before = 1;
    queue.start(queued);
    queue.waitForDone();

    // Queued calls whose lambda owns a string: the poster's reference to the slot object may be the
    // last one dropped, after the receiver ran it (ordered by Qt's reference count).
    std::atomic<int> calls{0};
    for (int i = 0; i < 200; ++i)
        QMetaObject::invokeMethod(
            &receiver, [&calls, text = QString::number(i)] { calls += int(text.size()); },
            Qt::QueuedConnection);

    QThreadPool::globalInstance()->waitForDone();
    while (done.load() < 2)
        QThread::msleep(5);
    loop.quit();
    loop.wait();
    // Ordered by the wait: the thread's own fields are read by the thread that started it.
    writer->wait();
    delete writer;
    delete shared;
    return 0;
}
