#pragma once

#include "AudioPayload.h"

#include <sys/stat.h>
#include <sys/types.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace TagLib
{
class File;
class IOStream;
} // namespace TagLib

class EditedFileStream;

// Edits a file without ever leaving it half-written, and without ever holding it in memory: TagLib
// reads and saves through stream(), which reads the original and keeps only TagLib's changes
// (EditedFileStream); commit() writes the result a bounded piece at a time into a new file in the
// same folder, checking every write and flushing it to disk, compares its sound with the
// original's, gives it the original's permissions and renames it over the original in one step.
// The original is the file itself: a symbolic link (relative, or to another link) is followed to
// the file it names, the copy is made beside that file and renamed over it, and the link stays a
// link. A file with more than one name (hard links) is never edited: no rename can give all its
// names the new content at once.
// TagLib does not report failed writes (a full disk leaves a cut-off file behind a successful
// save), so it never writes to disk here. Dropping the object without commit() leaves the original
// untouched. Paths are the system's own bytes. One object per edit, used on one thread.
class AtomicFileEdit
{
public:
    // The largest file TagLib can address: its byte vectors count in 32 bits, and a larger file
    // is never edited.
    static constexpr uint64_t kLargestFile = 0xffffffffu;

    explicit AtomicFileEdit(std::string original);
    ~AtomicFileEdit();
    AtomicFileEdit(const AtomicFileEdit&) = delete;
    AtomicFileEdit& operator=(const AtomicFileEdit&) = delete;

    // Opens the original. False when it is no regular file (a link that leads nowhere), has more
    // than one name, is not writable by us (a read-only
    // file must stay unchanged, and a rename would bypass its permissions), is larger than
    // kLargestFile, cannot be read, or is an audio container whose structure does not hold up
    // (see AudioPayload): TagLib would write its tags amid the sound.
    bool begin();
    // The content to edit, named like the original so TagLib picks the same file type by its
    // extension; valid after begin() succeeded, owned by this object.
    TagLib::IOStream* stream();
    // Replaces the original with the edited content. False on failure, when the edit changed the
    // sound itself, or when the original changed since begin(), with the original byte-identical
    // and no copy left behind.
    bool commit();

    // Saves a file opened on stream() with its tags as edited, adding no tag behind the sound that
    // the file did not have: TagLib would add an ID3v1 tag to every MP3, which a player takes for
    // the rest of a last frame that is cut short.
    static bool saveTags(TagLib::File* file);

    // What a copy renamed into place replaces for a write through a path to reach the file itself.
    struct Replacement
    {
        std::string path;           // the file itself, or where a new one is made
        std::optional<mode_t> mode; // its permission bits, when it exists
    };
    // Where a complete copy renamed into place must land for a write through `path` to reach the
    // file itself: the path, or for a symbolic link (relative, or to another link) the file the
    // link leads to, so the link stays a link; a path where nothing is yet stays as it is. Nothing
    // when no rename can reach the user's file: a link that leads nowhere or round in a loop,
    // something there that is no regular file, or a file with more than one name (its other names
    // would keep the old content). Any thread.
    static std::optional<Replacement> replacementFor(const std::string& path);

    // Replaces `path` with `bytes` the same way (through a link to the file it names; false where
    // replacementFor finds nothing); an existing file keeps its permissions, a new one gets
    // `newFileMode`.
    static bool replaceWhole(const std::string& path, const std::string& bytes, mode_t newFileMode = 0644);
    // Replaces a file of ours (a record beside the user's files) with `bytes` the same way, with
    // `mode`: what has its name, a link too, is replaced, never followed.
    static bool replaceOwn(const std::string& path, const std::string& bytes, mode_t mode);

    // A new, empty file in `folder` (its path with the trailing '/', or empty for the current
    // folder) named like this class's temporary copies, opened for writing only here: what a
    // kill leaves of it is a leftover, removed first thing by the next run that writes into that
    // folder (sweepLeftovers). The descriptor, or -1; `path` receives the file's path.
    static int createTemporary(const std::string& folder, std::string& path);
    // Removes the temporary copies an earlier run left in `folder` (as above): only regular files
    // of that name, never followed through a link, older than this run. Each folder is looked at
    // once per run.
    static void sweepLeftovers(const std::string& folder);
    // Removes from `folder` what a killed run of ours left under `prefix` (one prefix per kind of
    // temporary): regular files of that name only, never followed through a link, older than
    // this run. How many went.
    static int removeOurLeftovers(const std::string& folder, const std::string& prefix);
    // Whether a file (as lstat or fstat found it) was last written before this run started.
    static bool olderThanThisRun(const struct stat& info);

private:
    void close();

    std::string m_original;
    std::string m_target; // the file itself, at the end of the links m_original may lead through
    int m_fd = -1;        // the original, open for reading from begin() to commit()
    struct stat m_opened
    {
    };                     // the original as begin() found it
    AudioPayload m_before; // where its sound lies
    std::unique_ptr<EditedFileStream> m_stream;
};
