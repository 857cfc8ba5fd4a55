#pragma once

#include <QThread>

// The thread of one download slot of the music manager. Its body is empty: a download ends at
// once and delivers no progress record; callers rely only on StartDownload's result. Owned by
// the manager; the destructor joins.
class CDowndThrad : public QThread
{
public:
    CDowndThrad() = default;
    ~CDowndThrad() override;

protected:
    void run() override {}
};
