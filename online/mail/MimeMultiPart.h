#pragma once

#include "MimePart.h"

#include <QList>

// A multipart container. Its member parts are not owned: the composer keeps them alive for as
// long as the container is used.
class MimeMultiPart : public MimePart
{
    Q_OBJECT
public:
    enum MultiPartType
    {
        Mixed = 0,
        Digest = 1,
        Alternative = 2,
        Related = 3,
        Report = 4,
        Signed = 5,
        Encrypted = 6,
    };

    explicit MimeMultiPart(int subtypeIndex = Related, QObject* parent = nullptr);

    void AddPart(MimePart* part) { m_parts.append(part); }
    const QList<MimePart*>& GetParts() const { return m_parts; }
    void SetMimeType(int subtypeIndex);
    int GetMimeType() const { return m_subtypeIndex; }
    const QString& GetBoundary() const { return m_boundary; }

    void Prepare() override;

private:
    QList<MimePart*> m_parts;
    int m_subtypeIndex = Related;
};
