#pragma once

#include <QThread>

class CMusicLink;

// The short thread that configures the music manager once per process, soon after the first link
// is made. The link owns it (Qt parent) and waits for it before the manager goes.
class CThreadAWS : public QThread
{
    Q_OBJECT

public:
    // skip non-zero: the thread does nothing.
    CThreadAWS(CMusicLink* link, int skip, QObject* parent = nullptr);

protected:
    void run() override;

private:
    CMusicLink* m_link;
    int m_skip;
};
