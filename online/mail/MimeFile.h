#pragma once

#include "MimePart.h"

#include <QFile>

#include <memory>

// A file sent as a base64 part. The part owns its QFile and reads it when it is prepared.
class MimeFile : public MimePart
{
    Q_OBJECT
public:
    explicit MimeFile(std::unique_ptr<QFile> file, QObject* parent = nullptr);
    ~MimeFile() override;

    void Prepare() override;

protected:
    std::unique_ptr<QFile> m_file;
};
