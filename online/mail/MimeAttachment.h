#pragma once

#include "MimeFile.h"

// A file part marked as an attachment.
class MimeAttachment : public MimeFile
{
    Q_OBJECT
public:
    explicit MimeAttachment(std::unique_ptr<QFile> file, QObject* parent = nullptr);

    void Prepare() override;
};
