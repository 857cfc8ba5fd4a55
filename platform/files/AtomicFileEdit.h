#pragma once

#include <taglib/tbytevector.h>

#include <sys/types.h>

#include <memory>
#include <string>

namespace TagLib
{
class File;
class IOStream;
} // namespace TagLib

// Edits a file without ever leaving it half-written. The content is read whole and edited in
// memory (TagLib reads and saves through stream()); commit() writes the result into a new file in
// the same folder, checking every write and flushing it to disk, gives it the original's
// permissions and renames it over the original in one step. TagLib does not report failed writes
// (a full disk leaves a cut-off file behind a successful save), so it never writes to disk here.
// Dropping the object without commit() leaves the original untouched. Paths are the system's own
// bytes. One object per edit, used on one thread.
class AtomicFileEdit
{
public:
    explicit AtomicFileEdit(std::string original);
    ~AtomicFileEdit();
    AtomicFileEdit(const AtomicFileEdit&) = delete;
    AtomicFileEdit& operator=(const AtomicFileEdit&) = delete;

    // Reads the original. False when it is no regular file, is not writable by us (a read-only
    // file must stay unchanged, and a rename would bypass its permissions), cannot be read, or is
    // an audio container whose structure does not hold up (see AudioPayload): TagLib would write
    // its tags amid the sound.
    bool begin();
    // The content to edit, named like the original so TagLib picks the same file type by its
    // extension; valid after begin() succeeded, owned by this object.
    TagLib::IOStream* stream();
    // Replaces the original with the edited content. False on failure, or when the edit changed
    // the sound itself, with the original byte-identical and no copy left behind.
    bool commit();

    // Saves a file opened on stream() with its tags as edited, adding no tag behind the sound that
    // the file did not have: TagLib would add an ID3v1 tag to every MP3, which a player takes for
    // the rest of a last frame that is cut short.
    static bool saveTags(TagLib::File* file);

    // Replaces `path` with `bytes` the same way; an existing file keeps its permissions, a new
    // one gets `newFileMode`.
    static bool replaceWhole(const std::string& path, const std::string& bytes, mode_t newFileMode = 0644);

    // A new, empty file in `folder` (its path with the trailing '/', or empty for the current
    // folder) named like this class's temporary copies, opened for writing only here: what a
    // kill leaves of it is a leftover, removed first thing by the next run that writes into that
    // folder (sweepLeftovers). The descriptor, or -1; `path` receives the file's path.
    static int createTemporary(const std::string& folder, std::string& path);
    // Removes the temporary copies an earlier run left in `folder` (as above): only regular files
    // of that name, never followed through a link, older than this run. Each folder is looked at
    // once per run.
    static void sweepLeftovers(const std::string& folder);

private:
    class Stream;

    std::string m_original;
    mode_t m_mode = 0;
    TagLib::ByteVector m_before; // the original's content, to compare the sound with
    std::unique_ptr<Stream> m_stream;
};
