#pragma once

class QThreadPool;

// The pool for the program's own background jobs: picture decodes, database copies, anything
// that may run for a while. Qt's raster painting splits large fills and scalings across
// QThreadPool::globalInstance() and waits for the pieces on the GUI thread, so a job of ours
// queued there holds a paint for as long as the jobs ahead of it run (a grid of 20 000 cells
// queues 20 000 decodes). Owned by the application object, which waits for its jobs when it goes,
// as it does for the global pool. Any thread, once the application object exists.
QThreadPool* BackgroundPool();
