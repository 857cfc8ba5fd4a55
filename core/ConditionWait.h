#pragma once

#include <QDeadlineTimer>
#include <QMutex>
#include <QWaitCondition>

#if defined(__SANITIZE_THREAD__) || (defined(__has_feature) && __has_feature(thread_sanitizer))
#include <sanitizer/tsan_interface.h>
#define TIDEWELL_TSAN_WAIT 1
#endif

// QWaitCondition::wait with the caller holding mutex (a plain QMutex, not recursive). Answers what
// QWaitCondition::wait answers; the mutex is held again on return either way.
//
// Use this instead of calling wait directly. QMutex tells ThreadSanitizer about every lock and
// unlock from its inline header code, but the unlock and re-lock inside QWaitCondition::wait run
// in the Qt library, which is built without it. Unannotated, the sanitizer believes the waiter
// keeps the mutex through the wait: every later lock by another thread then orders nothing, and
// the stale state lives on at the mutex's address after the object is gone.
inline bool ConditionWait(QWaitCondition& condition, QMutex& mutex,
                          QDeadlineTimer deadline = QDeadlineTimer(QDeadlineTimer::Forever))
{
#ifdef TIDEWELL_TSAN_WAIT
    __tsan_mutex_pre_unlock(&mutex, 0);
    __tsan_mutex_post_unlock(&mutex, 0);
#endif
    const bool woken = condition.wait(&mutex, deadline);
#ifdef TIDEWELL_TSAN_WAIT
    __tsan_mutex_pre_lock(&mutex, 0);
    __tsan_mutex_post_lock(&mutex, 0, 0);
#endif
    return woken;
}
