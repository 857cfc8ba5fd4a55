// Preloaded into the test programs of the ThreadSanitizer run, beside qthread_end.cpp. Two more of
// Qt's hand-overs go under Qt's own futex locks, which the sanitizer cannot see, so everything a
// thread hands over through them looks like a race:
// - A posted event (QCoreApplication::postEvent, a queued signal or call, deleteLater) is filled by
//   the thread that posts it and delivered later on the receiver's thread. The poster releases the
//   event as it posts it; the receiver's thread acquires it in QCoreApplication::notifyInternal2,
//   where every event passes before any filter or the receiver sees it (Qt's own hook for that,
//   QInternal::EventNotifyCallback). The list the event joins, the receiving thread's, is Qt's
//   own under its own lock: what the poster does to it is kept out of the sanitizer's sight.
// - A task given to QThreadPool (QtConcurrent::run too) is built by the thread that starts it and
//   run by a pooled thread: the start releases the task, the pooled thread acquires it before it
//   runs it.
// - A slot object (the lambda or member of a connection or of QMetaObject::invokeMethod) is run on
//   the receiver's thread and destroyed by whichever thread drops the last of Qt's references to
//   it: the poster's, the queued call's or the connection's. Qt counts them with its own atomics,
//   so a lambda freed by the poster after the receiver ran it looks like a race. The program's slot
//   object is handed to Qt inside one of ours, which releases after each run and acquires before
//   the last reference destroys the program's.
// - A QMutex taken after a wait, or given up to a waiting thread, is handed over inside Qt, on its
//   futex: only the uncontended way, inline in the caller's code, shows the sanitizer an atomic.
//   The waiting lock acquires the mutex once it is held and the unlock that wakes a waiter
//   releases it first; a QRecursiveMutex, all of it inside Qt, likewise. Qt's own code locks its
//   mutexes without passing here; another Qt library's (the network's, say) does pass.
// Qt calls its own functions directly, not through the symbol table, and queued signals and
// invokeMethod post from inside Qt: a definition of postEvent here would not see them. Instead the
// first instructions of postEvent are replaced at load by a jump here, which releases the event and
// goes on with them; only where they are the ones expected, else a note says that posted events
// stay unseen. The pool's start is called from our code and is replaced as usual; the pool then
// holds a wrapper, so tryTake() and a future's waiter, which steals a queued task to run it itself,
// do not find the task and wait for the pool instead.
#include "SanitizerCalls.h"

#include <QCoreApplication>
#include <QMutex>
#include <QObject>
#include <QRunnable>
#include <QThreadPool>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <sys/mman.h>
#include <unistd.h>

namespace
{

using tsan::Acquire;
using tsan::IgnoreBegin;
using tsan::IgnoreEnd;
using tsan::Next;
using tsan::Release;

using PostEvent = void (*)(QObject*, QEvent*, int);
// QCoreApplication::postEvent's own first instructions, then a jump to the rest of it.
PostEvent g_postEvent = nullptr;

void ReleasePosted(QObject* receiver, QEvent* event, int priority)
{
    if (event)
        Release(event);
    // The receiving thread's list of posted events is Qt's own, kept under its own lock: whatever
    // postEvent touches of it (the list grows, later events move up) is not the program's.
    IgnoreBegin();
    g_postEvent(receiver, event, priority);
    IgnoreEnd();
}

bool AcquireDelivered(void** data)
{
    // receiver, event, result: the event is the one its poster released, if it was posted.
    if (data[1])
        Acquire(data[1]);
    return false;
}

// push %r13; push %r12; push %rbp; mov %rsi,%rbp; push %rbx; sub $0x58,%rsp: whole instructions,
// none relative to where they stand, so they run as well elsewhere.
constexpr unsigned char kPostEventStart[] = {0x41, 0x55, 0x41, 0x54, 0x55, 0x48, 0x89,
                                             0xf5, 0x53, 0x48, 0x83, 0xec, 0x58};
constexpr std::size_t kJumpSize = 12;
static_assert(sizeof kPostEventStart >= kJumpSize);

// movabs $to,%rax; jmp *%rax. %rax is free at a function's start and at the instruction after
// kPostEventStart, which sets it.
void PutJump(unsigned char* at, const void* to)
{
    at[0] = 0x48;
    at[1] = 0xb8;
    std::memcpy(at + 2, &to, sizeof to);
    at[10] = 0xff;
    at[11] = 0xe0;
}

bool ReleaseOnPost()
{
    void* core = dlopen("libQt6Core.so.6", RTLD_NOW | RTLD_NOLOAD);
    auto* target =
        core ? static_cast<unsigned char*>(dlsym(core, "_ZN16QCoreApplication9postEventEP7QObjectP6QEventi"))
             : nullptr;
    if (!target || std::memcmp(target, kPostEventStart, sizeof kPostEventStart) != 0)
        return false;
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    void* moved = mmap(nullptr, page, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (moved == MAP_FAILED)
        return false;
    auto* start = static_cast<unsigned char*>(moved);
    std::memcpy(start, kPostEventStart, sizeof kPostEventStart);
    PutJump(start + sizeof kPostEventStart, target + sizeof kPostEventStart);
    if (mprotect(moved, page, PROT_READ | PROT_EXEC) != 0)
        return false;
    g_postEvent = reinterpret_cast<PostEvent>(moved);

    auto* first = reinterpret_cast<unsigned char*>(reinterpret_cast<std::uintptr_t>(target) & ~(page - 1));
    const std::size_t span = target + sizeof kPostEventStart - first;
    if (mprotect(first, span, PROT_READ | PROT_WRITE | PROT_EXEC) != 0)
        return false;
    PutJump(target, reinterpret_cast<const void*>(&ReleasePosted));
    std::memset(target + kJumpSize, 0x90, sizeof kPostEventStart - kJumpSize);
    mprotect(first, span, PROT_READ | PROT_EXEC);
    return true;
}

// Runs a pool task once it has acquired what its starter released; owns it as the pool would.
class Acquiring final : public QRunnable
{
public:
    explicit Acquiring(QRunnable* task) : m_task(task), m_owned(task->autoDelete()) {}
    ~Acquiring() override
    {
        if (m_owned)
            delete m_task;
    }
    Acquiring(const Acquiring&) = delete;
    Acquiring& operator=(const Acquiring&) = delete;
    // The pool did not take the task: its caller keeps it.
    void Disown() { m_owned = false; }
    void run() override
    {
        Acquire(this);
        m_task->run();
    }

private:
    QRunnable* m_task;
    bool m_owned;
};

// Holds the program's slot object for Qt; destroyed when Qt drops its last reference to it.
class OrderedSlot final : public QtPrivate::QSlotObjectBase
{
public:
    explicit OrderedSlot(QSlotObjectBase* slot) : QSlotObjectBase(&Impl), m_slot(slot)
    {
        // What the program wrote into its slot object before handing it over.
        Release(this);
    }
    OrderedSlot(const OrderedSlot&) = delete;
    OrderedSlot& operator=(const OrderedSlot&) = delete;

private:
    ~OrderedSlot() = default;
    static void Impl(int which, QSlotObjectBase* base, QObject* receiver, void** args, bool* ret)
    {
        auto* self = static_cast<OrderedSlot*>(base);
        switch (which)
        {
        case Destroy:
            Acquire(self);
            self->m_slot->destroyIfLastRef();
            delete self;
            break;
        case Call:
            self->m_slot->call(receiver, args);
            Release(self);
            break;
        case Compare:
            *ret = self->m_slot->compare(args);
            break;
        default:
            break;
        }
    }

    QSlotObjectBase* m_slot;
};

QtPrivate::QSlotObjectBase* Ordered(QtPrivate::QSlotObjectBase* slot)
{
    return slot ? new OrderedSlot(slot) : nullptr;
}

// Set up before the program's own code runs, while it has one thread.
__attribute__((constructor)) void ShowHandOvers()
{
    if (!ReleaseOnPost())
        std::fprintf(stderr, "qt_handover: QCoreApplication::postEvent is not the one expected; "
                             "posted events are not shown to ThreadSanitizer\n");
    QInternal::registerCallback(QInternal::EventNotifyCallback, AcquireDelivered);
}

} // namespace

void QThreadPool::start(QRunnable* runnable, int priority)
{
    using Start = void (*)(QThreadPool*, QRunnable*, int);
    static const Start next = Next<Start>("_ZN11QThreadPool5startEP9QRunnablei");
    if (!runnable)
        return next(this, runnable, priority);
    auto* task = new Acquiring(runnable);
    Release(task);
    next(this, task, priority);
}

bool QThreadPool::tryStart(QRunnable* runnable)
{
    using TryStart = bool (*)(QThreadPool*, QRunnable*);
    static const TryStart next = Next<TryStart>("_ZN11QThreadPool8tryStartEP9QRunnable");
    if (!runnable)
        return next(this, runnable);
    auto task = std::make_unique<Acquiring>(runnable);
    Release(task.get());
    if (!next(this, task.get()))
    {
        task->Disown();
        return false;
    }
    task.release();
    return true;
}

// A function is wrapped in the pool's own runnable here, before the start releases it, so that the
// wrapper's making, by the starter, and its deletion, by the pooled thread after the run, are ordered.
void QThreadPool::start(std::function<void()> functionToRun, int priority)
{
    if (!functionToRun)
    {
        using Start = void (*)(QThreadPool*, std::function<void()>, int);
        static const Start next = Next<Start>("_ZN11QThreadPool5startESt8functionIFvvEEi");
        return next(this, std::move(functionToRun), priority);
    }
    start(QRunnable::create(std::move(functionToRun)), priority);
}

bool QThreadPool::tryStart(std::function<void()> functionToRun)
{
    if (!functionToRun)
    {
        using TryStart = bool (*)(QThreadPool*, std::function<void()>);
        static const TryStart next = Next<TryStart>("_ZN11QThreadPool8tryStartESt8functionIFvvEE");
        return next(this, std::move(functionToRun));
    }
    std::unique_ptr<QRunnable> task(QRunnable::create(std::move(functionToRun)));
    if (!tryStart(task.get()))
        return false;
    task.release(); // deleted by its wrapper after its run, as the pool would
    return true;
}

bool QMetaObject::invokeMethodImpl(QObject* object, QtPrivate::QSlotObjectBase* slot, Qt::ConnectionType type,
                                   void* ret)
{
    using Invoke = bool (*)(QObject*, QtPrivate::QSlotObjectBase*, Qt::ConnectionType, void*);
    static const Invoke next = Next<Invoke>(
        "_ZN11QMetaObject16invokeMethodImplEP7QObjectPN9QtPrivate15QSlotObjectBaseEN2Qt14ConnectionTypeEPv");
    return next(object, Ordered(slot), type, ret);
}

QMetaObject::Connection QObject::connectImpl(const QObject* sender, void** signal, const QObject* receiver,
                                             void** slot, QtPrivate::QSlotObjectBase* slotObject,
                                             Qt::ConnectionType type, const int* types,
                                             const QMetaObject* senderMetaObject)
{
    using Connect = QMetaObject::Connection (*)(const QObject*, void**, const QObject*, void**,
                                                QtPrivate::QSlotObjectBase*, Qt::ConnectionType, const int*,
                                                const QMetaObject*);
    static const Connect next = Next<Connect>("_ZN7QObject11connectImplEPKS_PPvS1_S3_PN9QtPrivate15"
                                              "QSlotObjectBaseEN2Qt14ConnectionTypeEPKiPK11QMetaObject");
    return next(sender, signal, receiver, slot, Ordered(slotObject), type, types, senderMetaObject);
}

void QBasicMutex::lockInternal() QT_MUTEX_LOCK_NOEXCEPT
{
    using Lock = void (*)(QBasicMutex*);
    static const Lock next = Next<Lock>("_ZN11QBasicMutex12lockInternalEv");
    next(this);
    Acquire(this);
}

bool QBasicMutex::lockInternal(int timeout) QT_MUTEX_LOCK_NOEXCEPT
{
    using Lock = bool (*)(QBasicMutex*, int);
    static const Lock next = Next<Lock>("_ZN11QBasicMutex12lockInternalEi");
    const bool locked = next(this, timeout);
    if (locked)
        Acquire(this);
    return locked;
}

void QBasicMutex::unlockInternal() noexcept
{
    using Unlock = void (*)(QBasicMutex*);
    static const Unlock next = Next<Unlock>("_ZN11QBasicMutex14unlockInternalEv");
    Release(this);
    next(this);
}

bool QRecursiveMutex::tryLock(int timeout) QT_MUTEX_LOCK_NOEXCEPT
{
    using TryLock = bool (*)(QRecursiveMutex*, int);
    static const TryLock next = Next<TryLock>("_ZN15QRecursiveMutex7tryLockEi");
    const bool locked = next(this, timeout);
    if (locked)
        Acquire(this);
    return locked;
}

void QRecursiveMutex::unlock() noexcept
{
    using Unlock = void (*)(QRecursiveMutex*);
    static const Unlock next = Next<Unlock>("_ZN15QRecursiveMutex6unlockEv");
    Release(this);
    next(this);
}
