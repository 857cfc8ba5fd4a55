#include "AtomicFileEdit.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cstdio>

AtomicFileEdit::AtomicFileEdit(const QString& original) : m_original(original) {}

AtomicFileEdit::~AtomicFileEdit() = default; // QTemporaryFile removes an uncommitted copy

bool AtomicFileEdit::begin()
{
    const QFileInfo info(m_original);
    // A file without any write permission bit is read-only to us even when the process could
    // write it anyway (as root).
    constexpr auto kAnyWrite = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    if (!info.isFile() || !info.isWritable() || !(info.permissions() & kAnyWrite))
        return false;
    const QString suffix = info.suffix().isEmpty() ? QString() : "." + info.suffix();
    m_copy = std::make_unique<QTemporaryFile>(info.absolutePath() + "/.tidewell-edit-XXXXXX" + suffix);
    QFile source(m_original);
    if (!m_copy->open() || !source.open(QIODevice::ReadOnly))
        return false;
    constexpr qint64 kChunk = 1 << 20;
    while (!source.atEnd())
    {
        const QByteArray chunk = source.read(kChunk);
        if (chunk.isEmpty() || m_copy->write(chunk) != chunk.size())
            return false;
    }
    if (!m_copy->flush())
        return false;
    m_copy->setPermissions(source.permissions());
    m_copy->close(); // TagLib opens it by name
    return m_copy->size() == info.size();
}

QByteArray AtomicFileEdit::copyPath() const
{
    return m_copy ? QFile::encodeName(m_copy->fileName()) : QByteArray();
}

bool AtomicFileEdit::commit()
{
    if (!m_copy)
        return false;
    // rename(2) replaces the target in one step; QFile::rename would refuse an existing target.
    if (std::rename(copyPath().constData(), QFile::encodeName(m_original).constData()) != 0)
        return false;
    m_copy->setAutoRemove(false);
    m_copy.reset();
    return true;
}
