#include "NestedWait.h"

namespace
{

// The waits of the GUI thread nest on its one stack: a depth and what waits for them to end.
int s_depth = 0;
std::vector<std::pair<QPointer<QObject>, std::function<void()>>> s_after;

} // namespace

CNestedWait::CNestedWait()
{
    ++s_depth;
}

CNestedWait::~CNestedWait()
{
    if (--s_depth > 0)
        return;
    for (auto& [context, then] : std::exchange(s_after, {}))
        if (context)
            Post(context, std::move(then));
}

bool CNestedWait::Active()
{
    return s_depth > 0;
}

void CNestedWait::AfterWaits(QObject* context, std::function<void()> then)
{
    if (s_depth > 0)
        s_after.emplace_back(context, std::move(then));
    else
        Post(context, std::move(then));
}

void CNestedWait::Post(QObject* context, std::function<void()> then)
{
    QMetaObject::invokeMethod(context, std::move(then), Qt::QueuedConnection);
}
