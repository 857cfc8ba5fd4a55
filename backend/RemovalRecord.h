#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The program's own account of one removal into the recycle folder: a small hidden file beside
// the removed copy in its day folder, written before the copy is moved there and deleted once the
// copy is back. It is the only authority a restore takes. A recycle path and a location read from
// a row, a saved project or a library are data: the copy goes back only when this record names
// it, and only to the place the record says it was removed from. A saved project cannot write
// such a file, so it cannot point a restore at any other file or any other place.
//
// The record goes with its day folder when the recycle clean-up empties it. Stateless and
// thread-safe; paths are absolute, a name is its bytes (PathToNative).
class CRemovalRecord
{
public:
    // The native path the copy was removed from.
    QByteArray origin;
    // The copy is there, as a regular file.
    bool copyPresent = false;

    // Records that the copy about to be moved to `trashPath` comes from `origin`. False when the
    // record could not be written (then nothing may be moved).
    static bool Write(const QString& trashPath, const QString& origin);

    // The record of the copy at `trashPath`, which must lie directly in a day folder of the
    // recycle folder `root`, reached without following a link below `root`, and be a regular file
    // or nothing at all. None for any other path, a link, a folder, or a copy the program never
    // recorded.
    static std::optional<CRemovalRecord> Find(const QString& root, const QString& trashPath);

    // Forgets the removal of the copy at `trashPath` (it is back, or it never went).
    static void Remove(const QString& trashPath);

    // Removes from a day folder the records, written before this run, whose copy is not there:
    // a removal killed before its move, or a restore killed after it. Records it cannot read
    // stay.
    static void RemoveOrphans(const QString& dayFolder);
};
