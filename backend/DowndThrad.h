#pragma once

#include <QThread>

struct DownloadSlot;

// The thread of one download slot of the music manager. Its body is empty: a download ends at
// once and delivers no progress record; callers rely only on StartDownload's result. Owned by
// the manager; the destructor joins.
class CDowndThrad : public QThread
{
public:
    CDowndThrad() = default;
    ~CDowndThrad() override;
    void SetSlot(DownloadSlot* slot) { m_slot = slot; }

protected:
    void run() override {}

private:
    DownloadSlot* m_slot = nullptr;
};
