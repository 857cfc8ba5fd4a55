#pragma once

#include "MusicManageTypes.h"

#include <QObject>
#include <QThreadPool>

class CMusicLink;

// Keeps in the working database how far the shown result has come and whether all of it was
// applied or saved (kResultStageKey, kResultSettledKey), so a saved result opens at its stage and
// a run that ended unexpectedly is offered again only when it left something to continue. The
// marks are written in the order they are handed over, on a thread of their own: the GUI thread
// never waits on the database.
//
// Threading: SetStage, SetSettled and Drop on the GUI thread; WaitWritten on any other thread.
// Ownership: a child of the window; the link outlives it.
class CResultMarks : public QObject
{
    Q_OBJECT

public:
    CResultMarks(CMusicLink* link, QObject* parent);
    // Waits for the mark being written.
    ~CResultMarks() override;

    void SetStage(EResultStage stage);
    void SetSettled(bool settled);
    void SetUnreached(bool unreached);
    // The working database is about to go: the marks not yet written are dropped.
    void Drop();
    // Until every mark handed over so far is written.
    void WaitWritten();

private:
    void Write(const char* key, int value);

    CMusicLink* m_link = nullptr;
    QThreadPool m_pool;
};
