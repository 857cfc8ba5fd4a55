#include "MimeMultiPart.h"

#include <QCryptographicHash>
#include <QRandomGenerator>

#include <array>

namespace
{

const std::array<QString, 7> multipartSubtypeNames = {
    QStringLiteral("multipart/mixed"),       QStringLiteral("multipart/digest"),
    QStringLiteral("multipart/alternative"), QStringLiteral("multipart/related"),
    QStringLiteral("multipart/report"),      QStringLiteral("multipart/signed"),
    QStringLiteral("multipart/encrypted"),
};

QString SubtypeName(int index)
{
    if (index < 0 || index >= static_cast<int>(multipartSubtypeNames.size()))
        index = MimeMultiPart::Related;
    return multipartSubtypeNames[static_cast<size_t>(index)];
}

// 32 lower-case hex digits: the MD5 of random bytes. Sixteen random bytes rather than one, so
// two messages (one quoted inside the other, say) practically never share a boundary.
QString MakeBoundary()
{
    std::array<quint32, 4> seed{};
    QRandomGenerator::global()->fillRange(seed.data(), seed.size());
    const QByteArray bytes(reinterpret_cast<const char*>(seed.data()), sizeof(seed));
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex());
}

} // namespace

MimeMultiPart::MimeMultiPart(int subtypeIndex, QObject* parent) : MimePart(parent)
{
    SetMimeType(subtypeIndex);
    m_encoding = _8Bit;
    m_boundary = MakeBoundary();
}

void MimeMultiPart::SetMimeType(int subtypeIndex)
{
    m_subtypeIndex = subtypeIndex;
    m_contentType = SubtypeName(subtypeIndex);
}

void MimeMultiPart::Prepare()
{
    QString body;
    for (MimePart* part : std::as_const(m_parts))
    {
        body += QStringLiteral("--") + m_boundary + QStringLiteral("\r\n");
        part->Prepare();
        body += part->ToString();
    }
    body += QStringLiteral("--") + m_boundary + QStringLiteral("--\r\n");
    m_content = body.toUtf8();
    MimePart::Prepare();
}
