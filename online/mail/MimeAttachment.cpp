#include "MimeAttachment.h"

namespace
{
const QString kDisposition = QStringLiteral("Content-disposition: attachment\r\n");
}

MimeAttachment::MimeAttachment(std::unique_ptr<QFile> file, QObject* parent)
    : MimeFile(std::move(file), parent)
{
}

void MimeAttachment::Prepare()
{
    // A multipart prepares its members again on each of its own preparations; the disposition
    // line is added once so the header stays valid however often that happens.
    if (!m_header.contains(kDisposition))
        m_header += kDisposition;
    MimeFile::Prepare();
}
