// Shared by the preloaded libraries of the ThreadSanitizer run (qthread_end.cpp, qt_handover.cpp).
#pragma once

#include <dlfcn.h>

// Weak: the programs the tests start that are not built with the sanitizer (Qt's rcc, say) have
// these libraries preloaded as well; there the sanitizer's calls do nothing.
extern "C" __attribute__((weak)) void __tsan_acquire(void* address);
extern "C" __attribute__((weak)) void __tsan_release(void* address);
extern "C" __attribute__((weak)) void __tsan_ignore_thread_begin();
extern "C" __attribute__((weak)) void __tsan_ignore_thread_end();

namespace tsan
{

inline void Acquire(void* address)
{
    if (__tsan_acquire)
        __tsan_acquire(address);
}

inline void Release(void* address)
{
    if (__tsan_release)
        __tsan_release(address);
}

inline void IgnoreBegin()
{
    if (__tsan_ignore_thread_begin)
        __tsan_ignore_thread_begin();
}

inline void IgnoreEnd()
{
    if (__tsan_ignore_thread_end)
        __tsan_ignore_thread_end();
}

// The definition a replaced function stands in front of.
template <typename Function> Function Next(const char* name)
{
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

} // namespace tsan
