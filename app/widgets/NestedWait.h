#pragma once

#include <QObject>
#include <QPointer>

#include <functional>
#include <utility>
#include <vector>

// Marks a wait that runs the event loop inside a call (a save copied on a pool thread, the
// editor's chosen pictures, the recognition jobs): while one lasts, whatever would tear down what
// the waiting call still uses (closing the window) is put off until the outermost wait has ended.
//
// Threading: GUI thread only. A scope object on the stack of the waiting call.
class CNestedWait
{
public:
    CNestedWait();
    ~CNestedWait();
    CNestedWait(const CNestedWait&) = delete;
    CNestedWait& operator=(const CNestedWait&) = delete;

    // A wait is running on the GUI thread's stack.
    static bool Active();
    // Runs then on the event loop once the outermost wait has ended, unless context is gone by
    // then; queued at once when no wait runs.
    static void AfterWaits(QObject* context, std::function<void()> then);

private:
    static void Post(QObject* context, std::function<void()> then);
};
