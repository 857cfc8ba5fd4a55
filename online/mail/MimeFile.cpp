#include "MimeFile.h"

#include <QFileInfo>

MimeFile::MimeFile(std::unique_ptr<QFile> file, QObject* parent) : MimePart(parent), m_file(std::move(file))
{
    m_contentType = QStringLiteral("application/octet-stream");
    if (m_file)
        m_contentName = QFileInfo(m_file->fileName()).fileName();
    m_encoding = Base64;
}

MimeFile::~MimeFile() = default;

void MimeFile::Prepare()
{
    if (m_file)
    {
        // A file that cannot be opened gives an empty part rather than no part.
        if (m_file->open(QIODevice::ReadOnly))
        {
            m_content = m_file->readAll();
            m_file->close();
        }
        else
        {
            m_content.clear();
        }
    }
    MimePart::Prepare();
}
