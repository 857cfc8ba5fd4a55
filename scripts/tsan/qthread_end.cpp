// Preloaded into the test programs of the ThreadSanitizer run. Qt's threads are detached and
// QThread::wait waits on Qt's own futex, so the sanitizer never sees that a thread's work is
// done before wait() returns: every later use of what the thread wrote looks like a race. Here a
// thread, as it ends, releases its QThread object (from its thread storage, which Qt clears after
// the finished signal and before wait() can return), and wait() or isFinished() acquires it when
// they answer that the thread has ended. Only calls from the program's own code pass through here.
#include "SanitizerCalls.h"

#include <QThread>
#include <QThreadStorage>
#include <QVariant>

namespace
{

using tsan::Acquire;
using tsan::Next;
using tsan::Release;

const char* const kReleases = "_tidewell_tsan_end_release";

// Held by the thread from its start; Qt deletes it as the thread ends, after the finished signal
// and all Qt does on that thread for its connections (a queued one reads the object's meta
// object), and before wait() can return.
class EndRelease
{
public:
    explicit EndRelease(QThread* thread) : m_thread(thread) {}
    ~EndRelease() { Release(m_thread); }
    EndRelease(const EndRelease&) = delete;
    EndRelease& operator=(const EndRelease&) = delete;

private:
    QThread* m_thread;
};

QThreadStorage<EndRelease*> g_ends;

} // namespace

void QThread::start(Priority priority)
{
    using Start = void (*)(QThread*, Priority);
    static const Start next = Next<Start>("_ZN7QThread5startENS_8PriorityE");
    if (!property(kReleases).toBool())
    {
        setProperty(kReleases, true);
        connect(
            this, &QThread::started, this, [this] { g_ends.setLocalData(new EndRelease(this)); },
            Qt::DirectConnection);
    }
    next(this, priority);
}

bool QThread::wait(QDeadlineTimer deadline)
{
    using Wait = bool (*)(QThread*, QDeadlineTimer);
    static const Wait next = Next<Wait>("_ZN7QThread4waitE14QDeadlineTimer");
    const bool ended = next(this, deadline);
    if (ended)
        Acquire(this);
    return ended;
}

bool QThread::isFinished() const
{
    using IsFinished = bool (*)(const QThread*);
    static const IsFinished next = Next<IsFinished>("_ZNK7QThread10isFinishedEv");
    const bool ended = next(this);
    if (ended)
        Acquire(const_cast<QThread*>(this));
    return ended;
}
