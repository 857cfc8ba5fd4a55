#pragma once

#include <QDate>
#include <QString>

// The recycle folder of removed duplicates: one sub-folder per day ("yyyy-MM-dd") below the
// recycle root, the naming rule for files that collide there, and the one file move the back end
// uses for every removal and restore.
//
// A move never overwrites anything: within a file system it is an atomic rename that refuses an
// existing target; across file systems the file is copied under a temporary name beside the
// target, synced, its size checked against the source, renamed to the target (never over
// anything) and only then is the source removed. Any failure leaves the source exactly where it
// was and no partial target behind; a kill leaves at most a temporary copy, which the next start
// (ClearLeftovers) or the next run that writes into that folder removes
// (AtomicFileEdit::createTemporary).
//
// Stateless and thread-safe; paths are absolute, with '/' as the only separator. A name is its
// bytes (PathToNative): one that is not UTF-8 moves and comes back like any other.
class CRecycleBin
{
public:
    enum MoveResult : int
    {
        MoveOk = 0,
        MoveNoSource = -1,     // nothing (or no regular file) at the source
        MoveTargetExists = -2, // something already has the target's name
        MoveFailed = -3,       // the file system refused (permissions, full disk, no folder)
        MoveVerifyFailed = -4, // a cross-file-system copy came out with the wrong size
    };

    // Root + "/" (unless it already ends in one) + the date as "yyyy-MM-dd".
    static QString DayFolder(const QString& root, const QDate& date);

    // The path in `folder` the file name gets: the name itself when free, else the collision rule
    // inserts 1, 2, 3, ... before the name's last '.', each time into the name as it now stands
    // (song.mp3, song1.mp3, song12.mp3, song123.mp3). A numbered name longer than the file
    // system allows (255 bytes) gives up the end of its stem, whole characters, until it fits.
    // Empty when a collision meets a name without an extension ('.' after its first character)
    // or the numbers alone outgrow the limit.
    static QString FreeTarget(const QString& folder, const QString& fileName);

    // Moves the regular file `from` to `to` as described above. MoveResult codes.
    static int MoveFile(const QString& from, const QString& to);

    // MoveFile back out of the recycle folder: the folders of `to` that are gone (the user
    // deleted the song's folder meanwhile) are made again first.
    static int MoveBack(const QString& from, const QString& to);

    // The cross-file-system half of MoveFile, reachable on its own so it can be tested on one
    // file system: temporary copy, sync, size check, rename, then removal of the source.
    static int CopyThenRemove(const QString& from, const QString& to);

    // Marks the recycle folder `root` for as long as it lives: a copy is being moved into it or
    // out of it. A kill leaves the mark, and the next start's ClearLeftovers finds it. Any thread;
    // several may live at once.
    class MoveMark
    {
    public:
        explicit MoveMark(const QString& root);
        ~MoveMark();
        MoveMark(const MoveMark&) = delete;
        MoveMark& operator=(const MoveMark&) = delete;

    private:
        QByteArray m_path;
    };

    // Clears the recycle folder `root` of what a removal or restore killed midway left of ours,
    // each under its own name and older than this run: in every day folder the temporary copies
    // (a partial copy across file systems, a record being written) and the records whose copy is
    // gone (CRemovalRecord::RemoveOrphans); in the root the marks of moves (MoveMark). Links are
    // never followed. True when a mark was there: copies remain in the recycle folder from a run
    // that never ended its move.
    static bool ClearLeftovers(const QString& root);
};
