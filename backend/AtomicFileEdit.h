#pragma once

#include <QString>

#include <memory>

class QTemporaryFile;

// Edits a file without ever leaving it half-written: the edit goes into a private copy in the same
// folder (same extension, so TagLib picks the same file type), and the copy replaces the original
// in one rename only when commit() is called. Dropping the object without commit() removes the
// copy and leaves the original untouched. One object per edit, used on one thread.
class AtomicFileEdit
{
public:
    explicit AtomicFileEdit(const QString& original);
    ~AtomicFileEdit();
    AtomicFileEdit(const AtomicFileEdit&) = delete;
    AtomicFileEdit& operator=(const AtomicFileEdit&) = delete;

    // Makes the copy. False when the original is not writable by us (a read-only file must stay
    // unchanged, and a rename would bypass its permissions) or the copy cannot be written.
    bool begin();
    // The copy to edit (UTF-8 for TagLib); valid after begin() succeeded.
    QByteArray copyPath() const;
    // Replaces the original with the copy, keeping the original's permissions. False on failure,
    // with the original unchanged.
    bool commit();

private:
    QString m_original;
    std::unique_ptr<QTemporaryFile> m_copy;
};
