#pragma once

#include <QString>

namespace apply_test
{

// Makes a file or folder immutable for its lifetime (the file system refuses every change, also
// to root), so a test can make a move or a tag write fail for real. ok() is false where the file
// system or the test's privileges do not allow it; the test then skips.
class ImmutableFlag
{
public:
    explicit ImmutableFlag(const QString& path);
    ~ImmutableFlag();
    ImmutableFlag(const ImmutableFlag&) = delete;
    ImmutableFlag& operator=(const ImmutableFlag&) = delete;
    bool ok() const { return m_ok; }

private:
    QString m_path;
    bool m_ok = false;
};

} // namespace apply_test
